#include "hamlib/hamlib_link.h"

#include <QCoreApplication>

#include <hamlib/rig.h>
#include <hamlib/rotator.h>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>

namespace orvanta {

namespace {

// Whether one connection attempt is turned away within a second; a silent
// host is not waited for longer.
bool refusedBy(const addrinfo &a)
{
    const int fd = socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK, a.ai_protocol);
    if (fd < 0)
        return false;
    int error = connect(fd, a.ai_addr, a.ai_addrlen) == 0 ? 0 : errno;
    if (error == EINPROGRESS) {
        pollfd waiting{fd, POLLOUT, 0};
        socklen_t size = sizeof error;
        error = poll(&waiting, 1, 1000) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 ? error : 0;
    }
    ::close(fd);
    return error == ECONNREFUSED;
}

// Whether a TCP connection to host:port ([::1]:4532 for IPv6) is turned
// away: nothing listens there. Unresolved or silent addresses are not.
bool connectionRefused(const QString &address)
{
    const int colon = address.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = address.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    const QByteArray hostBytes = host.toLatin1();
    const QByteArray portBytes = address.mid(colon + 1).toLatin1();
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (getaddrinfo(hostBytes.constData(), portBytes.constData(), &hints, &found) != 0)
        return false;
    bool refused = false;
    for (const addrinfo *a = found; a && !refused; a = a->ai_next)
        refused = refusedBy(*a);
    freeaddrinfo(found);
    return refused;
}

} // namespace

void prepareHamlib()
{
    static std::once_flag once;
    std::call_once(once, [] {
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
        rot_load_all_backends();
    });
}

// rigerror2 gives the short text without the debug log rigerror prepends.
QString hamlibErrorText(int code)
{
    return QString::fromLatin1(rigerror2(code)).trimmed();
}

bool isHamlibRefusal(int code)
{
    const int error = std::abs(code);
    return code != RIG_OK && RIG_IS_SOFT_ERRCODE(error);
}

bool isHamlibFailure(int code)
{
    return code != RIG_OK && !isHamlibRefusal(code);
}

HamlibModel::Port hamlibPort(int portType)
{
    switch (portType) {
    case RIG_PORT_NONE:
        return HamlibModel::Port::None;
    case RIG_PORT_NETWORK:
    case RIG_PORT_UDP_NETWORK:
        return HamlibModel::Port::Network;
    default:
        return HamlibModel::Port::Serial;
    }
}

bool isHamlibSerial(int portType)
{
    return portType == RIG_PORT_SERIAL;
}

QString hamlibOpenFailure(int code, const HamlibDevice &device, int portType)
{
    if (std::abs(code) == RIG_EIO && portType == RIG_PORT_NETWORK && connectionRefused(device.port))
        return QCoreApplication::translate("Hamlib", "connexion refusée par %1").arg(device.port);
    return hamlibErrorText(code);
}

} // namespace orvanta
