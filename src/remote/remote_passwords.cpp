#include "remote/remote_passwords.h"

#include <sodium.h>

namespace orvanta {

namespace {

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

std::optional<QByteArray> hashRemotePassword(const QByteArray &password)
{
    if (!sodiumReady())
        return std::nullopt;
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.constData(), static_cast<unsigned long long>(password.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return std::nullopt;
    return QByteArray(hash);
}

bool remotePasswordMatches(const QByteArray &hash, const QByteArray &password)
{
    if (!sodiumReady() || hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    char stored[crypto_pwhash_STRBYTES] = {};
    std::copy(hash.cbegin(), hash.cend(), stored);
    return crypto_pwhash_str_verify(stored, password.constData(), static_cast<unsigned long long>(password.size()))
           == 0;
}

QByteArray randomToken()
{
    sodiumReady();
    unsigned char bytes[32];
    randombytes_buf(bytes, sizeof bytes);
    return QByteArray(reinterpret_cast<const char *>(bytes), sizeof bytes)
        .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

} // namespace orvanta
