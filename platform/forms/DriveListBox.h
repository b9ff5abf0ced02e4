#pragma once
// The drive list: the drives of the files layer in a drop-down, one of them
// current. Choosing another drive (by the user or through setDrive) announces
// the change; the list itself does not check that the chosen drive can be read,
// so the form's change handler meets a drive that has gone as error 68 when it
// moves its folder list there.

#include <QWidget>

class QComboBox;

namespace files { class FileSystem; }

namespace forms {

class DriveListBox : public QWidget {
    Q_OBJECT

public:
    explicit DriveListBox(files::FileSystem& files, QWidget* parent = nullptr);

    // The current drive as the list shows it: "c:". Empty when no drive is mapped.
    QString drive() const { return drive_; }
    // Takes a drive letter or any path on the drive ("P:\", "p:", "P:\Jobs").
    // Raises 68 for a drive that is not mapped or whose folder has gone.
    void setDrive(const QString& drive);

    // The drives listed, in order.
    QStringList drives() const;
    // Reads the mapped drives again; the current drive stays when it is still there.
    void refresh();

signals:
    void driveChanged();

private:
    void userChose(int index);
    void select(const QString& drive);

    files::FileSystem& files_;
    QComboBox* combo_;
    QString drive_;
};

}  // namespace forms
