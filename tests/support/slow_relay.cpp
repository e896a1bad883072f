#include "support/slow_relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orvanta::test {

namespace {

sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

} // namespace

SlowRelay::SlowRelay(quint16 targetPort, std::chrono::milliseconds delay)
{
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    bind(listener_, reinterpret_cast<sockaddr *>(&address), sizeof address);
    listen(listener_, 1);
    socklen_t size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr *>(&address), &size);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this, targetPort, delay] { run(targetPort, delay); });
}

SlowRelay::~SlowRelay()
{
    stopping_ = true;
    thread_.join();
    close(listener_);
}

QString SlowRelay::address() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

void SlowRelay::run(quint16 targetPort, std::chrono::milliseconds delay)
{
    int client = -1;
    int daemon = -1;
    QByteArray pending;
    char buffer[4096];
    while (!stopping_) {
        if (client < 0) {
            pollfd waiting{listener_, POLLIN, 0};
            if (poll(&waiting, 1, 50) == 1) {
                client = accept(listener_, nullptr, nullptr);
                daemon = socket(AF_INET, SOCK_STREAM, 0);
                const sockaddr_in target = loopback(targetPort);
                connect(daemon, reinterpret_cast<const sockaddr *>(&target), sizeof target);
            }
            continue;
        }
        pollfd both[2] = {{client, POLLIN, 0}, {daemon, POLLIN, 0}};
        if (poll(both, 2, 50) <= 0)
            continue;
        if (both[1].revents) {
            const ssize_t n = read(daemon, buffer, sizeof buffer);
            if (n > 0)
                write(client, buffer, size_t(n));
        }
        if (both[0].revents) {
            const ssize_t n = read(client, buffer, sizeof buffer);
            if (n <= 0) {
                close(client);
                close(daemon);
                client = daemon = -1;
                continue;
            }
            pending.append(buffer, n);
            for (qsizetype end; (end = pending.indexOf('\n')) >= 0;) {
                std::this_thread::sleep_for(delay);
                write(daemon, pending.constData(), size_t(end + 1));
                pending.remove(0, end + 1);
                ++relayed_;
            }
        }
    }
    if (client >= 0) {
        close(client);
        close(daemon);
    }
}

} // namespace orvanta::test
