#include "remote/remote_sessions.h"

#include "remote/remote_passwords.h"

#include <QCryptographicHash>

#include <algorithm>

namespace orvanta {

QByteArray SessionBook::key(const QByteArray &token)
{
    return QCryptographicHash::hash(token, QCryptographicHash::Sha256);
}

QByteArray SessionBook::open(RemoteRole role, const QString &address, std::int64_t nowMs)
{
    const QByteArray token = randomToken();
    sessions_[key(token)] = RemoteSession{role, address, nowMs};
    return token;
}

std::optional<RemoteSession> SessionBook::use(const QByteArray &token, std::int64_t nowMs)
{
    if (token.isEmpty())
        return std::nullopt;
    return useKey(key(token), nowMs);
}

std::optional<RemoteSession> SessionBook::useKey(const QByteArray &key, std::int64_t nowMs)
{
    const auto found = sessions_.find(key);
    if (found == sessions_.end())
        return std::nullopt;
    if (nowMs - found->second.lastUseMs > idleLimitMs_) {
        sessions_.erase(found);
        return std::nullopt;
    }
    found->second.lastUseMs = nowMs;
    return found->second;
}

void SessionBook::close(const QByteArray &token)
{
    sessions_.erase(key(token));
}

std::vector<RemoteSession> SessionBook::current(std::int64_t nowMs)
{
    std::vector<RemoteSession> left;
    for (auto it = sessions_.begin(); it != sessions_.end();) {
        if (nowMs - it->second.lastUseMs > idleLimitMs_) {
            it = sessions_.erase(it);
        } else {
            left.push_back(it->second);
            ++it;
        }
    }
    return left;
}

std::int64_t LoginThrottle::waitMs(const QString &address, std::int64_t nowMs) const
{
    const auto found = addresses_.find(address);
    return found == addresses_.end() ? 0 : std::max<std::int64_t>(0, found->second.nextTryMs - nowMs);
}

int LoginThrottle::failed(const QString &address, std::int64_t nowMs)
{
    if (addresses_.size() >= kAddressesKept && !addresses_.count(address))
        forgetOldest(nowMs);
    Failures &failures = addresses_[address];
    ++failures.count;
    std::int64_t delay = baseDelayMs_;
    for (int i = 1; i < failures.count && delay < kLongestDelayMs; ++i)
        delay *= 2;
    failures.nextTryMs = nowMs + std::min(delay, kLongestDelayMs);
    return failures.count;
}

// A flood from many addresses must not grow the table without end: the
// addresses free to try again go first, then the one freed soonest.
void LoginThrottle::forgetOldest(std::int64_t nowMs)
{
    for (auto it = addresses_.begin(); it != addresses_.end();)
        it = it->second.nextTryMs <= nowMs ? addresses_.erase(it) : std::next(it);
    if (addresses_.size() < kAddressesKept)
        return;
    addresses_.erase(std::min_element(addresses_.begin(), addresses_.end(), [](const auto &a, const auto &b) {
        return a.second.nextTryMs < b.second.nextTryMs;
    }));
}

} // namespace orvanta
