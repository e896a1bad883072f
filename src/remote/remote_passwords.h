#pragma once

#include <QByteArray>

#include <optional>

namespace orvanta {

// A password's salted, memory-hard hash (libsodium's crypto_pwhash string,
// with its parameters inside); none when the machine lacks the memory.
std::optional<QByteArray> hashRemotePassword(const QByteArray &password);

// Whether the password gives this hash, in time that does not depend on
// where they differ. Slow on purpose: never on the window's thread.
bool remotePasswordMatches(const QByteArray &hash, const QByteArray &password);

// 256 random bits, URL-safe base64 without padding.
QByteArray randomToken();

} // namespace orvanta
