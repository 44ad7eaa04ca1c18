#pragma once

#include <QLatin1String>
#include <QtGlobal>

// Where the program keeps what it remembers, named once for every window.
namespace settingskeys {

// The program's own store: every value in it is enciphered with SettingsCipher and cipherKey.
inline constexpr char organization[] = "kelvora";
inline constexpr char application[] = "kelvora";
inline constexpr quint64 cipherKey = 61827354ULL;

inline constexpr char databaseLocationChoice[] = "s"; // "s": this machine (default path); "c": the path in "e"
inline constexpr char databasePath[] = "e";
inline constexpr char backupDir[] = "backupdir";

inline constexpr char thisMachine[] = "s";
inline constexpr char otherMachine[] = "c";
inline constexpr char defaultDatabasePath[] = "database/data.mdb";

// The store of window geometries: "<class name>/geometry".
inline constexpr char windowOrganization[] = "MyCompany";
inline constexpr char windowApplication[] = "MyApp";
inline constexpr char geometrySuffix[] = "/geometry";
inline constexpr char mainWindowGeometry[] = "myWidget/geometry";
inline constexpr char mainWindowState[] = "myWidget/windowState";
inline constexpr char bookingDetails[] = "DialogPatientRV/details";

} // namespace settingskeys
