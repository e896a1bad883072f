#include "platform/linux_parallel_port.h"

#include <QCoreApplication>

#include "platform/message_boxes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvanta {

LinuxParallelPort::LinuxParallelPort(MessageBoxes &messages, QString device)
    : messages_(messages), device_(std::move(device))
{
}

LinuxParallelPort::~LinuxParallelPort()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void LinuxParallelPort::report(const QString &reason)
{
    if (reported_)
        return;
    reported_ = true;
    messages_.information(QCoreApplication::translate("ParallelPort",
                                                      "Le port parallele n'est pas accessible (%1 : %2).\n"
                                                      "L'interface FodTrack ne recevra aucune commande. Lancez Orvanta "
                                                      "avec les droits d'acces aux ports (root ou CAP_SYS_RAWIO).")
                              .arg(device_, reason),
                          QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
}

void LinuxParallelPort::Out32(int address, int value)
{
    if (address < 0 || address > 0xFFFF) {
        report(QCoreApplication::translate("ParallelPort", "adresse %1 hors des ports d'entree-sortie").arg(address));
        return;
    }
    if (fd_ < 0) {
        fd_ = ::open(device_.toLocal8Bit().constData(), O_WRONLY | O_CLOEXEC);
        if (fd_ < 0) {
            report(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
    }
    const unsigned char byte = static_cast<unsigned char>(value & 0xFF);
    if (::pwrite(fd_, &byte, 1, address) != 1)
        report(QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace orvanta
