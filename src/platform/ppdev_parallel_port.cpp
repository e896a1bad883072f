#include "platform/ppdev_parallel_port.h"

#include "platform/device_access.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvanta {

namespace {

constexpr int kControlOffset = 2;

class SystemPpdevIo final : public PpdevIo {
public:
    ~SystemPpdevIo() override { close(); }

    int open(const QString &device) override
    {
        fd_ = ::open(device.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC);
        return fd_ < 0 ? errno : 0;
    }
    int exclusive() override { return request(PPEXCL, nullptr); }
    int claim() override
    {
        const int error = request(PPCLAIM, nullptr);
        claimed_ = error == 0;
        return error;
    }
    int writeData(unsigned char value) override { return request(PPWDATA, &value); }
    int writeControl(unsigned char value) override { return request(PPWCONTROL, &value); }
    void close() override
    {
        if (fd_ < 0)
            return;
        if (claimed_)
            ::ioctl(fd_, PPRELEASE);
        ::close(fd_);
        fd_ = -1;
        claimed_ = false;
    }

private:
    int request(unsigned long code, void *argument)
    {
        return ::ioctl(fd_, code, argument) == 0 ? 0 : errno;
    }

    int fd_ = -1;
    bool claimed_ = false;
};

} // namespace

std::unique_ptr<PpdevIo> systemPpdevIo()
{
    return std::make_unique<SystemPpdevIo>();
}

PpdevParallelPort::PpdevParallelPort(QString device, BaseAddress base, MessageBoxes &messages,
                                     std::unique_ptr<PpdevIo> io)
    : device_(std::move(device)), base_(std::move(base)), messages_(messages), io_(std::move(io))
{
}

PpdevParallelPort::~PpdevParallelPort()
{
    release();
}

void PpdevParallelPort::setDevice(const QString &device)
{
    if (device == device_)
        return;
    release();
    device_ = device;
    reported_ = false;
}

void PpdevParallelPort::release()
{
    if (open_)
        io_->close();
    open_ = false;
}

void PpdevParallelPort::report(const QString &text)
{
    if (reported_)
        return;
    reported_ = true; // before showing: the box lets other events run
    messages_.information(
        text + QCoreApplication::translate("ParallelPort", "\nL'interface FodTrack ne recevra aucune commande."),
        QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
}

bool PpdevParallelPort::claimed()
{
    if (open_)
        return true;
    if (const int error = io_->open(device_)) {
        report(deviceOpenFailure(device_, DeviceKind::Parallel, error));
        return false;
    }
    // Exclusive use is refused while the printer driver shares the port;
    // a shared claim drives the interface just as well.
    if (io_->exclusive() != 0 || io_->claim() != 0) {
        io_->close();
        if (const int error = io_->open(device_)) {
            report(deviceOpenFailure(device_, DeviceKind::Parallel, error));
            return false;
        }
        if (const int error = io_->claim()) {
            io_->close();
            report(QCoreApplication::translate("ParallelPort", "Le port parallele %1 ne peut pas etre reserve : %2.")
                       .arg(device_, QString::fromLocal8Bit(std::strerror(error))));
            return false;
        }
    }
    open_ = true;
    return true;
}

void PpdevParallelPort::Out32(int address, int value)
{
    const int base = base_();
    const bool data = address == base;
    if (!data && address != base + kControlOffset)
        return; // the interface uses no other register
    if (!claimed())
        return;
    const auto byte = static_cast<unsigned char>(value & 0xFF);
    const int error = data ? io_->writeData(byte) : io_->writeControl(byte);
    if (error != 0) {
        report(QCoreApplication::translate("ParallelPort", "Ecriture impossible sur le port parallele %1 : %2.")
                   .arg(device_, QString::fromLocal8Bit(std::strerror(error))));
        release(); // claimed again at the next write, should the device come back
    }
}

} // namespace orvanta
