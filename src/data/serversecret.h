#pragma once

#include <QString>

// The password of a server location is a secret: it is kept apart from the location (see the program's
// secret store), and no message, log line or error text of the program may show it.
namespace server {

// The location without its password ("postgresql://USER@HOST/DB"); the password, percent-decoded, goes to
// `password` when given. Any other text comes back as it is, with an empty password.
QString withoutPassword(const QString& location, QString* password = nullptr);

// The location with that password in it (percent-encoded), in place of any it held.
QString withPassword(const QString& location, const QString& password);

// Whether the location carries a password.
bool hasPassword(const QString& location);

// The password shown in place of a stored one: as many dots, whatever its length.
QString hiddenPassword();

// The location with its password shown as dots, for a field the user reads.
QString withHiddenPassword(const QString& location);

// The text with the password of every location in it replaced by dots, and every secret made known with
// keepSecret() taken out wherever it stands.
QString scrubbed(const QString& text);

// A password the program holds from now on: scrubbed() takes it out of every text.
void keepSecret(const QString& password);

// Every message of the toolkit's message handler is scrubbed before it is written.
void scrubMessages();

} // namespace server
