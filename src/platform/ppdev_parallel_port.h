#pragma once

#include "platform/parallel_port.h"

#include <QString>

#include <functional>
#include <memory>

namespace orvanta {

class MessageBoxes;

// The Linux parallel-port driver (ppdev) as the port needs it: open the
// device, claim the port, write the data and control registers. Each call
// returns 0 or the errno of the failure.
class PpdevIo {
public:
    virtual ~PpdevIo() = default;
    virtual int open(const QString &device) = 0;
    // Asks to be the port's only user; refused while another driver (lp)
    // holds the port, which is not fatal.
    virtual int exclusive() = 0;
    virtual int claim() = 0;
    virtual int writeData(unsigned char value) = 0;
    virtual int writeControl(unsigned char value) = 0;
    // Releases the port and closes the device.
    virtual void close() = 0;
};

// Through open(2) and the ppdev ioctls.
std::unique_ptr<PpdevIo> systemPpdevIo();

// Register output through a ppdev device (/dev/parport0...), which an
// ordinary member of the lp group may use, on a card at any I/O address.
// The FodTrack driver writes the configured base address (data register)
// and base + 2 (control register); the kernel knows where the card really
// is, so only the offset from the base matters here. The port is claimed at
// the first write and kept; a device that cannot be used is reported once
// (until the device changes) and the writes are dropped.
class PpdevParallelPort final : public ParallelPort {
public:
    using BaseAddress = std::function<int()>;
    PpdevParallelPort(QString device, BaseAddress base, MessageBoxes &messages,
                      std::unique_ptr<PpdevIo> io = systemPpdevIo());
    ~PpdevParallelPort() override;
    PpdevParallelPort(const PpdevParallelPort &) = delete;
    PpdevParallelPort &operator=(const PpdevParallelPort &) = delete;

    QString device() const { return device_; }
    // Releases the port held on the old device; the next write claims the new one.
    void setDevice(const QString &device);

    void Out32(int address, int value) override;

private:
    bool claimed();
    void release();
    void report(const QString &text);

    QString device_;
    BaseAddress base_;
    MessageBoxes &messages_;
    std::unique_ptr<PpdevIo> io_;
    bool open_ = false;
    bool reported_ = false;
};

} // namespace orvanta
