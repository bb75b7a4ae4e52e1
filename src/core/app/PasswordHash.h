#pragma once

#include <QString>

namespace tarvo {

// Operator passwords are kept as salted hashes (Argon2id, libsodium), never as
// the text itself. Older databases hold the plain text; such a value is still
// accepted once and replaced by its hash at that log-in.
namespace PasswordHash {

// The stored form of a password: a hash, or null for no password.
QString hash(const QString &password);

// True when the stored value is a hash made by hash() (and not a plain legacy value).
bool isHash(const QString &stored);

// True when the password is the one stored, compared exactly. An empty or null
// stored value means no password: only an empty password matches it.
bool matches(const QString &stored, const QString &password);

} // namespace PasswordHash

} // namespace tarvo
