#pragma once
// The registry keys the host keeps beside its profile, which tools reach by
// full key path: the release key whose "CurVer" value names the host's current
// version, and, under that version and the active profile, one key per file
// dialog whose "InitialDirectory" value is the folder the dialog opens in.
// The host lays them out when it starts; tools only open and write them.

#include <QString>
#include <QStringList>

namespace settings { class Registry; }

namespace standin {

class ProfileKeys {
public:
    static const QString ReleaseKey;      // HKEY_LOCAL_MACHINE\...\R15.0
    static const QString VersionValue;    // "CurVer"
    static const QString CurrentVersion;  // what the host stores in it
    static const QStringList Dialogs;     // the dialogs whose start folder is kept

    // The key of one dialog of a profile under the current version.
    static QString dialogKey(const QString& profile, const QString& dialog);

    // Makes the keys of the release and of the profile's dialogs. Values
    // already there (a version, a start folder) are kept.
    static void install(settings::Registry& registry, const QString& profile);

    // The folder a dialog of the profile opens in; empty when none is set.
    static QString initialDirectory(settings::Registry& registry, const QString& profile, const QString& dialog);
};

}  // namespace standin
