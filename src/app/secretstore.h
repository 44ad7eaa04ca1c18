#pragma once

#include <QString>

class QSettings;

// Where the program keeps the password of a server location: the system's keyring, or, where no keyring
// runs (a station without a desktop session), a file of the user's settings folder that only its owner may
// read. The settings store keeps the location without its password.
namespace secretstore {

// The password kept for the location (the location itself, password left out); empty when none. Waits
// for the keyring's answer, which may ask the user to unlock it.
QString read(const QString& location);

// Keeps the password for the location; false when neither the keyring nor the file could keep it.
bool write(const QString& location, const QString& password);

// The file used where no keyring runs.
QString fallbackFile();

// Whether the keyring is asked at all (not when KELVORA_NO_KEYRING is set, as in the tests).
bool keyringEnabled();

// The location to connect to, from the one the settings store holds. A location stored with its password
// inside (as earlier versions did) has its password moved into the secret store and is stored again
// without it; a location without one gets the password kept for it. The password is made known to the
// message scrubber.
QString connectLocation(QSettings& settings, const QString& stored);

} // namespace secretstore
