#pragma once
// Which host folder stands for each drive letter, and each mapped drive's
// current folder. Letters are matched without regard to case and may be given
// as "C", "c:", "C:\" or any path that starts with the drive. A letter that is
// not mapped is a drive that does not exist.

#include <QChar>
#include <QList>
#include <QMap>
#include <QString>

namespace files {

class DriveTable {
public:
    // The table a real run uses: C: is the folder tarvo/drives/c under the
    // user's data folder ($XDG_DATA_HOME, else ~/.local/share), created here if
    // missing. Other letters stay unmapped until map() is called.
    static DriveTable standard();

    // The upper-case letter a drive text or path starts with; a null QChar when
    // it names no drive.
    static QChar letterOf(const QString& letterOrPath);

    // Maps the letter to a host folder and resets its current folder to the
    // root. Raises 52 when the text names no drive letter.
    void map(const QString& letter, const QString& hostFolder);

    bool isMapped(const QString& letterOrPath) const;

    // The host folder of a mapped drive (no trailing "/"); raises 68 otherwise.
    QString hostRoot(const QString& letterOrPath) const;

    // Mapped letters in alphabetical order.
    QList<QChar> letters() const;

    // The drive's current folder as a Windows path with an upper-case letter
    // ("C:\Jobs"; the root is "C:\"). Raises 68 for an unmapped letter.
    QString currentFolder(const QString& letterOrPath) const;

    // Stores the current folder as given; the caller has checked that it exists
    // and lies on this drive.
    void setCurrentFolder(const QString& letterOrPath, const QString& folder);

private:
    struct Drive {
        QString hostRoot;
        QString currentFolder;
    };

    const Drive& drive(const QString& letterOrPath) const;

    QMap<QChar, Drive> drives_;
};

}  // namespace files
