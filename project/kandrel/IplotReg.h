#pragma once
// Registry string values named by a full key path written out as text
// ("HKEY_CURRENT_USER\Software\..."), so that callers build key paths by
// joining strings. Kandrel reads the host's current release with it and writes
// the start folders of the host's file dialogs. A registry failure is never
// reported to the user; only a key path of the wrong form is.

#include <QString>
#include <cstdint>

namespace env { struct Environment; }

namespace kandrel {

class IplotReg {
public:
    // What a read gives when the key or the value cannot be read.
    static const QString ReadFailed;  // "Error"

    explicit IplotReg(env::Environment& env) : env_(env) {}

    // The predefined root a name such as "HKEY_LOCAL_MACHINE" stands for,
    // compared exactly; 0 for any other text.
    static uint32_t HiveFromName(const QString& name);

    // Checks the form of a full key path: it begins with "HKEY_" and does not
    // end with "\". A path of the wrong form is shown in the "Incorrect
    // Format:" box and gives false. Otherwise root is the root named before
    // the first "\" (0 for a name that is none) and path becomes the subkey.
    bool SplitKeyPath(QString& path, uint32_t& root);

    // The value's text; "" when the path names no root; "Error" when the key
    // cannot be opened, the value is missing, longer than 254 characters or
    // not a string.
    QString ReadRegString(const QString& path, const QString& valueName);

    // Sets a string value of an existing key; a missing key is not created
    // and nothing is written.
    void WriteRegString(const QString& path, const QString& valueName, const QString& value);

private:
    env::Environment& env_;
};

}  // namespace kandrel
