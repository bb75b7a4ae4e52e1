#include "PasswordHash.h"

#include <sodium.h>
#include <stdexcept>

namespace tarvo::PasswordHash {

namespace {

void initSodium()
{
    // Idempotent and thread-safe; it only fails when the library cannot run at all.
    if (sodium_init() < 0)
        throw std::runtime_error("libsodium cannot be initialised");
}

} // namespace

QString hash(const QString &password)
{
    if (password.isEmpty())
        return QString(); // null: no password
    initSodium();
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw std::runtime_error("out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(u"$argon2");
}

bool matches(const QString &stored, const QString &password)
{
    if (stored.isEmpty())
        return password.isEmpty();
    if (password.isEmpty())
        return false;
    if (!isHash(stored))
        return stored == password;
    initSodium();
    const QByteArray hashed = stored.toLatin1();
    const QByteArray utf8 = password.toUtf8();
    return crypto_pwhash_str_verify(hashed.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

} // namespace tarvo::PasswordHash
