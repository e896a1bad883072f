#pragma once

#include "platform/parallel_port.h"

#include <QString>

namespace orvanta {

class MessageBoxes;

// Raw register output through /dev/port, so the configured base address
// (0x378, 0x278) is written exactly as the interface expects. It needs root
// or CAP_SYS_RAWIO; when the port cannot be reached the operator is told once
// and the writes are dropped.
class LinuxParallelPort final : public ParallelPort {
public:
    explicit LinuxParallelPort(MessageBoxes &messages, QString device = QStringLiteral("/dev/port"));
    ~LinuxParallelPort() override;
    LinuxParallelPort(const LinuxParallelPort &) = delete;
    LinuxParallelPort &operator=(const LinuxParallelPort &) = delete;

    void Out32(int address, int value) override;

private:
    void report(const QString &reason);

    MessageBoxes &messages_;
    QString device_;
    int fd_ = -1;
    bool reported_ = false;
};

} // namespace orvanta
