#pragma once

#include <QByteArray>
#include <QString>

#include <termios.h>

namespace orvanta::test {

// A pseudo-terminal pair: a serial line under test opens slavePath(), the test
// reads what really arrived at the master end and the line's termios settings.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    QString slavePath() const { return slavePath_; }
    // Everything that arrived so far (waits up to timeoutMs for the first
    // byte, then drainMs for each next chunk).
    QByteArray readAll(int timeoutMs = 200, int drainMs = 20);
    // What the device answers: bytes for the line under test to read.
    void write(const QByteArray &bytes);
    // Baud rate, stop bits, data bits and parity as the line set them.
    termios settings() const;
    int baud() const;
    int stopBits() const;
    int dataBits() const;
    bool parityEnabled() const;

private:
    int master_ = -1;
    int slaveKeeper_ = -1; // keeps the slave side alive between openings
    QString slavePath_;
};

} // namespace orvanta::test
