#include "support/pty.h"

#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <unistd.h>

namespace orvanta::test {

PtyPair::PtyPair()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("cannot create a pseudo-terminal");
    slavePath_ = QString::fromLocal8Bit(ptsname(master_));
    slaveKeeper_ = ::open(slavePath_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    // Raw mode, so bytes arrive exactly as written (no CR/LF translation).
    termios t{};
    tcgetattr(slaveKeeper_, &t);
    cfmakeraw(&t);
    tcsetattr(slaveKeeper_, TCSANOW, &t);
}

PtyPair::~PtyPair()
{
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    if (master_ >= 0)
        ::close(master_);
}

QByteArray PtyPair::readAll(int timeoutMs, int drainMs)
{
    QByteArray out;
    pollfd p{master_, POLLIN, 0};
    int wait = timeoutMs;
    while (::poll(&p, 1, wait) > 0 && (p.revents & POLLIN)) {
        char buffer[4096];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        out.append(buffer, static_cast<int>(n));
        wait = drainMs; // drain what follows at once
    }
    return out;
}

void PtyPair::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            break;
        done += n;
    }
}

termios PtyPair::settings() const
{
    termios t{};
    tcgetattr(slaveKeeper_, &t);
    return t;
}

int PtyPair::baud() const
{
    const termios t = settings();
    switch (cfgetospeed(&t)) {
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    default: return -1;
    }
}

int PtyPair::stopBits() const
{
    return (settings().c_cflag & CSTOPB) ? 2 : 1;
}

int PtyPair::dataBits() const
{
    switch (settings().c_cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
    }
}

bool PtyPair::parityEnabled() const
{
    return settings().c_cflag & PARENB;
}

} // namespace orvanta::test
