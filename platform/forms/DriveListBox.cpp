#include "platform/forms/DriveListBox.h"

#include "platform/files/DriveTable.h"
#include "platform/files/FileSystem.h"
#include "platform/runtime/Error.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace forms {

DriveListBox::DriveListBox(files::FileSystem& files, QWidget* parent)
    : QWidget(parent), files_(files), combo_(new QComboBox(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(combo_);
    connect(combo_, &QComboBox::activated, this, [this](int index) { userChose(index); });
    refresh();
}

QStringList DriveListBox::drives() const
{
    QStringList result;
    for (int i = 0; i < combo_->count(); ++i)
        result.append(combo_->itemText(i));
    return result;
}

void DriveListBox::refresh()
{
    const QStringList drives = files_.drives();
    QString keep = drive_;
    if (!drives.contains(keep)) {
        // Starting out (or the drive is gone): C: as the usual current drive,
        // else the first there is.
        keep = drives.contains(QStringLiteral("c:")) ? QStringLiteral("c:") : drives.value(0);
    }
    {
        const QSignalBlocker blocker(combo_);
        combo_->clear();
        combo_->addItems(drives);
    }
    select(keep);
}

void DriveListBox::setDrive(const QString& drive)
{
    const QChar letter = files::DriveTable::letterOf(drive);
    if (letter.isNull() || !files_.driveExists(drive))
        runtime::raise(runtime::err::DeviceUnavailable);
    const QString name = QString(letter.toLower()) + u':';
    if (!drives().contains(name))
        refresh();
    const QString before = drive_;
    select(name);
    if (drive_ != before)
        emit driveChanged();
}

void DriveListBox::userChose(int index)
{
    const QString before = drive_;
    select(combo_->itemText(index));
    if (drive_ != before)
        emit driveChanged();
}

void DriveListBox::select(const QString& drive)
{
    drive_ = drive;
    const QSignalBlocker blocker(combo_);
    combo_->setCurrentIndex(combo_->findText(drive));
}

}  // namespace forms
