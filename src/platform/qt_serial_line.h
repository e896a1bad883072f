#pragma once

#include "platform/serial_line.h"

#include <QSerialPort>

namespace orvanta {

class MessageBoxes;

// A serial line on a Linux device (/dev/ttyS0, /dev/ttyUSB0, a pseudo-terminal).
class QtSerialLine final : public SerialLine {
public:
    QtSerialLine(QString device, QString settings, MessageBoxes &messages);

    QString device() const { return device_; }
    // An open line closes and opens again on the new device, keeping its
    // settings; a closed line uses it at its next opening.
    void setDevice(const QString &device);

    QString Settings() const override { return settings_; }
    bool setSettings(const QString &settings) override;
    bool PortOpen() const override { return port_.isOpen(); }
    void setPortOpen(bool open) override;
    void Output(const QByteArray &bytes) override;
    QByteArray Input() override;

private:
    bool apply(const LineSettings &settings);
    QString openFailure() const;

    QString device_;
    QString settings_;
    MessageBoxes &messages_;
    QSerialPort port_;
};

} // namespace orvanta
