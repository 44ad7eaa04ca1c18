#pragma once

#include <QString>
#include <QVariant>

// Users' passwords as they are kept in the users table: a salted, slow Argon2id hash in the text form that
// carries its own parameters ("$argon2id$v=19$m=...,t=...,p=...$salt$hash"). Offices made by earlier versions
// hold the password itself; such a row still logs in and is then rewritten as a hash.
namespace password {

// A new hash of the password, with a fresh salt; empty only when the machine cannot spare the memory.
QString hashed(const QString& plain);

// Whether the stored text is a hash made by hashed(), rather than an older plain password.
bool isHash(const QString& stored);

// Whether the typed password is the one stored, hashed or plain. A plain one is compared exactly.
bool matches(const QString& stored, const QString& typed);

// Rewrites one user's plain password as a hash, only while the row still holds that plain text (another
// station may have rewritten it meanwhile). False when nothing could be written.
bool rewriteAsHash(const QVariant& userId, const QString& plain);

// Rewrites every plain password of the users table on the default connection as a hash, each row only
// while it still holds the plain text that was read. Returns the number of rows rewritten, -1 on failure.
int hashPlainPasswords();

} // namespace password
