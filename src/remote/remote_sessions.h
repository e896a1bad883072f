#pragma once

#include "remote/remote_settings.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace orvanta {

struct RemoteSession {
    RemoteRole role = RemoteRole::Viewer;
    QString address;      // where it logged in from
    std::int64_t lastUseMs = 0;
};

// The sessions opened by a password. A token is known by its hash only, so
// looking one up reveals nothing of the others through timing. Times are
// milliseconds of a steady clock, given by the caller.
class SessionBook {
public:
    explicit SessionBook(std::int64_t idleLimitMs) : idleLimitMs_(idleLimitMs) {}

    void setIdleLimitMs(std::int64_t ms) { idleLimitMs_ = ms; }
    QByteArray open(RemoteRole role, const QString &address, std::int64_t nowMs);
    // The session of a token, used now; none when unknown or idle too long.
    std::optional<RemoteSession> use(const QByteArray &token, std::int64_t nowMs);
    // The same by the token's key, for a caller that keeps the key.
    std::optional<RemoteSession> useKey(const QByteArray &key, std::int64_t nowMs);
    static QByteArray key(const QByteArray &token);
    void close(const QByteArray &token);
    void closeAll() { sessions_.clear(); }
    // Ends the sessions idle too long; the ones left.
    std::vector<RemoteSession> current(std::int64_t nowMs);
    std::size_t size() const { return sessions_.size(); }

private:
    std::int64_t idleLimitMs_;
    std::map<QByteArray, RemoteSession> sessions_;
};

// Slows wrong passwords down per address: after each failure the address
// waits twice as long as after the one before.
class LoginThrottle {
public:
    explicit LoginThrottle(std::int64_t baseDelayMs) : baseDelayMs_(baseDelayMs) {}

    // How long the address must still wait before trying; 0 when it may.
    std::int64_t waitMs(const QString &address, std::int64_t nowMs) const;
    // A wrong password: returns the number of failures in a row from there.
    int failed(const QString &address, std::int64_t nowMs);
    void succeeded(const QString &address) { addresses_.erase(address); }

    static constexpr std::int64_t kLongestDelayMs = 15 * 60 * 1000;
    static constexpr std::size_t kAddressesKept = 4096;

private:
    struct Failures {
        int count = 0;
        std::int64_t nextTryMs = 0;
    };
    void forgetOldest(std::int64_t nowMs);

    std::int64_t baseDelayMs_;
    std::map<QString, Failures> addresses_;
};

} // namespace orvanta
