#include "platform/qt_serial_line.h"

#include "platform/device_access.h"
#include "platform/message_boxes.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <unistd.h>

namespace orvanta {

bool LineSettings::parse(const QString &text, LineSettings &out)
{
    const QStringList parts = text.split(',');
    if (parts.size() != 4)
        return false;
    bool ok = false;
    LineSettings s;
    s.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0)
        return false;
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("neoms").contains(parity))
        return false;
    s.parity = parity[0].toLatin1();
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return false;
    s.stopBits = parts[3].trimmed().toInt(&ok);
    if (!ok || (s.stopBits != 1 && s.stopBits != 2))
        return false;
    out = s;
    return true;
}

QtSerialLine::QtSerialLine(QString device, QString settings, MessageBoxes &messages)
    : device_(std::move(device)), settings_(std::move(settings)), messages_(messages)
{
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
        if (hasInputSink())
            received(port_.readAll());
    });
}

void QtSerialLine::setDevice(const QString &device)
{
    const bool wasOpen = port_.isOpen();
    if (wasOpen)
        port_.close();
    device_ = device;
    if (wasOpen)
        setPortOpen(true);
}

bool QtSerialLine::setSettings(const QString &settings)
{
    LineSettings parsed;
    if (!LineSettings::parse(settings, parsed))
        return false;
    settings_ = settings;
    if (port_.isOpen())
        apply(parsed);
    return true;
}

bool QtSerialLine::apply(const LineSettings &s)
{
    QSerialPort::Parity parity = QSerialPort::NoParity;
    switch (s.parity) {
    case 'e': parity = QSerialPort::EvenParity; break;
    case 'o': parity = QSerialPort::OddParity; break;
    case 'm': parity = QSerialPort::MarkParity; break;
    case 's': parity = QSerialPort::SpaceParity; break;
    default: break;
    }
    return port_.setBaudRate(s.baud) && port_.setParity(parity)
           && port_.setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits))
           && port_.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop)
           && port_.setFlowControl(QSerialPort::NoFlowControl);
}

void QtSerialLine::setPortOpen(bool open)
{
    if (!open) {
        if (port_.isOpen()) {
            port_.flush();
            port_.close();
        }
        return;
    }
    if (port_.isOpen())
        return;
    port_.setPortName(device_);
    if (!port_.open(QIODevice::ReadWrite)) {
        messages_.information(openFailure(), QStringLiteral("Orvanta"), MessageBoxes::Icon::Warning);
        return;
    }
    LineSettings parsed;
    LineSettings::parse(settings_, parsed);
    apply(parsed);
}

QString QtSerialLine::openFailure() const
{
    switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError: return deviceOpenFailure(device_, DeviceKind::Serial, ENOENT);
    case QSerialPort::PermissionError:
        // Qt reports a port held by another program as a permission error too.
        if (::access(device_.toLocal8Bit().constData(), R_OK | W_OK) == 0)
            return QCoreApplication::translate("SerialLine",
                                               "La ligne serie %1 est deja utilisee par un autre programme.")
                .arg(device_);
        return deviceOpenFailure(device_, DeviceKind::Serial, EACCES);
    default:
        return QCoreApplication::translate("SerialLine", "Impossible d'ouvrir la ligne serie %1 : %2")
            .arg(device_, port_.errorString());
    }
}

void QtSerialLine::Output(const QByteArray &bytes)
{
    if (!port_.isOpen() || bytes.isEmpty())
        return;
    port_.write(bytes);
    // The drivers pace their commands themselves: each write leaves now.
    port_.waitForBytesWritten(1000);
}

QByteArray QtSerialLine::Input()
{
    if (!port_.isOpen())
        return {};
    port_.waitForReadyRead(0);
    return port_.readAll();
}

} // namespace orvanta
