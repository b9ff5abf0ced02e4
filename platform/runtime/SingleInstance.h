#pragma once
// Tells a program whether another copy of it is running, as the original
// runtime's "previous instance" flag did. The first copy to claim its name
// holds a lock file in a folder shared by the user's programs until this object
// goes; a later copy finds the lock held. A copy that died without letting go
// leaves a stale lock, which the next claim takes over.

#include <QString>
#include <memory>

class QLockFile;

namespace runtime {

class SingleInstance {
public:
    // Locks live in `folder`, made when it is missing.
    explicit SingleInstance(QString folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // The user's runtime folder for these locks ($XDG_RUNTIME_DIR/tarvo, or
    // a folder in the temporary folder when there is none).
    static QString defaultFolder();

    // True when this copy is the only one running under the name (claimed
    // now or before); false when another copy holds it. An object claims one
    // name; asking for another answers false. A folder that cannot
    // be used claims nothing and answers true: the program then runs rather
    // than refusing to start at all.
    bool claim(const QString& name);

private:
    QString folder_;
    QString claimed_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace runtime
