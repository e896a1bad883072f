#pragma once

#include "platform/ppdev_parallel_port.h"

#include <QStringList>

#include <memory>

namespace orvanta::test {

// The ppdev requests as a list of texts ("open /dev/parport0", "claim",
// "data 100", "control 11"); each request can be made to fail with an errno.
struct PpdevLog {
    QStringList calls;
    int openError = 0;
    int exclusiveError = 0;
    int claimError = 0;
    int writeError = 0;
};

class FakePpdevIo final : public PpdevIo {
public:
    explicit FakePpdevIo(PpdevLog &log) : log_(log) {}
    int open(const QString &device) override { return record("open " + device, log_.openError); }
    int exclusive() override { return record("exclusive", log_.exclusiveError); }
    int claim() override { return record("claim", log_.claimError); }
    int writeData(unsigned char value) override { return record(QStringLiteral("data %1").arg(value), log_.writeError); }
    int writeControl(unsigned char value) override
    {
        return record(QStringLiteral("control %1").arg(value), log_.writeError);
    }
    void close() override { log_.calls << "close"; }

private:
    int record(const QString &call, int error)
    {
        log_.calls << call;
        return error;
    }
    PpdevLog &log_;
};

inline std::unique_ptr<PpdevIo> fakePpdev(PpdevLog &log)
{
    return std::make_unique<FakePpdevIo>(log);
}

} // namespace orvanta::test
