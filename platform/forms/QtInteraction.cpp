#include "platform/forms/QtInteraction.h"

#include "platform/files/WinPath.h"
#include "platform/forms/Caption.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/PathMapper.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHash>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QSpacerItem>
#include <QUrl>

#include <functional>

namespace forms {

namespace {

// A message box whose Yes/No and Abort/Retry/Ignore sets can only be left
// through a button: Qt would otherwise let Esc answer No or Abort.
class ButtonOnlyBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool escapeAllowed = true;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!escapeAllowed && event->key() == Qt::Key_Escape) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (!escapeAllowed) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }
};

// Mirrors a menu so that QMenu::exec, which triggers whatever is chosen, only
// ever triggers a copy; the original action goes back to the caller.
void mirror(const QMenu* source, QMenu* copy, QHash<QAction*, QAction*>& originals)
{
    for (QAction* action : source->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator()) {
            copy->addSeparator();
            continue;
        }
        if (action->menu()) {
            QMenu* sub = copy->addMenu(action->icon(), action->text());
            sub->setEnabled(action->isEnabled());
            mirror(action->menu(), sub, originals);
            continue;
        }
        QAction* item = copy->addAction(action->icon(), action->text());
        item->setEnabled(action->isEnabled());
        item->setCheckable(action->isCheckable());
        item->setChecked(action->isChecked());
        item->setFont(action->font());
        originals.insert(item, action);
    }
}

}  // namespace

// A file or folder dialog that keeps to the mapped drives: accepting a path
// outside them tells the user so and leaves the dialog open. Qt's own dialog
// is used, not the desktop's, since only that one asks here before it closes.
class DriveBoundDialog : public QFileDialog {
public:
    DriveBoundDialog(QWidget* owner, const QString& title, const PathMapper& paths, bool folderWanted,
                     std::function<void(const QString&)> refuse)
        : QFileDialog(owner, title), paths_(paths), folderWanted_(folderWanted), refuse_(std::move(refuse))
    {
        setOption(QFileDialog::DontUseNativeDialog, true);
        // The drives stand in the side bar, so that the way back to them is
        // one click from anywhere.
        QList<QUrl> drives;
        for (const QString& drive : paths_.drives()) {
            const QString root = paths_.toHost(drive + u'\\');
            if (!root.isEmpty() && QFileInfo(root).isDir())
                drives.append(QUrl::fromLocalFile(root));
        }
        setSidebarUrls(drives);
    }

    void accept() override
    {
        for (const QString& chosen : selectedFiles()) {
            if (QtInteraction::judgePick(paths_, chosen, folderWanted_) != QtInteraction::Pick::Refuse)
                continue;
            // The refused pick is let go, so that it does not come back with
            // the next one.
            for (QAbstractItemView* view : findChildren<QAbstractItemView*>())
                view->clearSelection();
            refuse_(QtInteraction::refusalText(paths_, chosen, folderWanted_));
            return;
        }
        QFileDialog::accept();
    }

private:
    const PathMapper& paths_;
    bool folderWanted_;
    std::function<void(const QString&)> refuse_;
};

QtInteraction::QtInteraction(QString programTitle, const PathMapper& paths)
    : Interaction(std::move(programTitle)), paths_(paths)
{
}

QWidget* QtInteraction::owner() { return QApplication::activeWindow(); }

QList<QMessageBox::StandardButton> QtInteraction::buttonsForStyle(int style)
{
    using B = QMessageBox;
    switch (msgbox::buttonsOf(style)) {
    case msgbox::OkCancel: return {B::Ok, B::Cancel};
    case msgbox::AbortRetryIgnore: return {B::Abort, B::Retry, B::Ignore};
    case msgbox::YesNoCancel: return {B::Yes, B::No, B::Cancel};
    case msgbox::YesNo: return {B::Yes, B::No};
    case msgbox::RetryCancel: return {B::Retry, B::Cancel};
    default: return {B::Ok};
    }
}

QMessageBox::StandardButton QtInteraction::defaultButtonForStyle(int style)
{
    return buttonsForStyle(style).first();
}

QMessageBox::StandardButton QtInteraction::escapeButtonForStyle(int style)
{
    const auto buttons = buttonsForStyle(style);
    if (buttons.contains(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (buttons.size() == 1)
        return buttons.first();
    return QMessageBox::NoButton;
}

QMessageBox::Icon QtInteraction::iconForStyle(int style)
{
    switch (msgbox::iconOf(style)) {
    case msgbox::Critical: return QMessageBox::Critical;
    case msgbox::Question: return QMessageBox::Question;
    case msgbox::Exclamation: return QMessageBox::Warning;
    case msgbox::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int QtInteraction::answerFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return msgbox::Ok;
    case QMessageBox::Abort: return msgbox::Abort;
    case QMessageBox::Retry: return msgbox::Retry;
    case QMessageBox::Ignore: return msgbox::Ignore;
    case QMessageBox::Yes: return msgbox::Yes;
    case QMessageBox::No: return msgbox::No;
    default: return msgbox::Cancel;
    }
}

QString QtInteraction::displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

QStringList QtInteraction::nameFilters(const QList<FileFilter>& filters)
{
    QStringList result;
    for (const FileFilter& filter : filters) {
        QString patterns = filter.pattern;
        patterns.replace(u';', u' ');
        const QString bracketed = u'(' + patterns.simplified() + u')';
        if (filter.label.trimmed().endsWith(bracketed))
            result.append(filter.label);
        else
            result.append(filter.label + u' ' + bracketed);
    }
    return result;
}

int QtInteraction::showMsgBox(const QString& text, int style, const QString& caption)
{
    ButtonOnlyBox box(iconForStyle(style), caption, displayText(text), QMessageBox::NoButton, owner());
    box.setTextFormat(Qt::PlainText);
    for (QMessageBox::StandardButton button : buttonsForStyle(style))
        box.addButton(button);
    box.setDefaultButton(defaultButtonForStyle(style));
    const QMessageBox::StandardButton escape = escapeButtonForStyle(style);
    if (escape != QMessageBox::NoButton)
        box.setEscapeButton(escape);
    box.escapeAllowed = escape != QMessageBox::NoButton;
    // Qt sizes a box by its text and allows its caption only a little, so a
    // short text under a long caption would have the caption cut off. Room
    // for the caption goes into the layout, complete by now, so that it
    // stays through Qt's sizing; it spans the whole box, so the extra width
    // goes to the text, not to the icon's column.
    auto* room = new QSpacerItem(captionWidth(box), 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(room, grid->rowCount(), 0, 1, grid->columnCount());
    else if (box.layout())
        box.layout()->addItem(room);
    else
        delete room;
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return answerFor(clicked ? box.standardButton(clicked) : escape);
}

QString QtInteraction::showInputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(owner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    // The dialog keeps to the size its layout gives it (and makes that
    // layout only when shown), so the room for the caption goes to the prompt.
    if (auto* label = dialog.findChild<QLabel*>())
        label->setMinimumWidth(captionWidth(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

QString QtInteraction::openFileDialog(const FileDialogRequest& request) { return fileDialog(request, false); }

QString QtInteraction::saveFileDialog(const FileDialogRequest& request) { return fileDialog(request, true); }

QtInteraction::Pick QtInteraction::judgePick(const PathMapper& paths, const QString& hostPath, bool folderWanted)
{
    if (!folderWanted && QFileInfo(hostPath).isDir())
        return Pick::Browse;
    return paths.fromHost(hostPath).isEmpty() ? Pick::Refuse : Pick::Take;
}

QString QtInteraction::refusalText(const PathMapper& paths, const QString& hostPath, bool folderWanted)
{
    const QStringList drives = paths.drives();
    const QString kind = folderWanted ? QStringLiteral("folder") : QStringLiteral("file");
    const QString where = drives.size() == 1 ? QStringLiteral("drive ") + drives.first()
                                             : QStringLiteral("the drives ") + drives.join(QStringLiteral(", "));
    return QStringLiteral("The %1 \"%2\" is not on %3.\r\nPlease choose a %1 on %4.")
        .arg(kind, QDir::toNativeSeparators(hostPath), where, drives.size() == 1 ? where : QStringLiteral("one of them"));
}

QString QtInteraction::fileDialog(const FileDialogRequest& request, bool save)
{
    DriveBoundDialog dialog(owner(), request.title, paths_, false,
                            [this](const QString& text) { showMsgBox(text, msgbox::Exclamation, programTitle()); });
    const QStringList filters = nameFilters(request.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex >= 1 && request.filterIndex <= filters.size() ? request.filterIndex : 1;
        dialog.selectNameFilter(filters.at(index - 1));
    }
    // A file name with a folder of its own says where to start; otherwise the
    // initial folder does.
    const QString& name = request.initialFileName;
    const bool hasFolder = name.contains(u'\\') || name.contains(u'/') || name.contains(u':');
    const QString start = paths_.startFolder(hasFolder ? name : request.initialFolder);
    if (!start.isEmpty())
        dialog.setDirectory(start);
    if (!name.isEmpty())
        dialog.selectFile(hasFolder ? files::WinPath::fileName(name) : name);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & FileDialogRequest::OverwritePrompt));
    } else {
        // An open dialog picks a file that is there, whatever the flags say.
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    return runDialog(dialog);
}

QString QtInteraction::browseForFolder(const QString& title)
{
    // The title names no folder of its own to start in: the browser opens at
    // drive C:, the root its title line begins with.
    DriveBoundDialog dialog(owner(), title, paths_, true,
                            [this](const QString& text) { showMsgBox(text, msgbox::Exclamation, programTitle()); });
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    const QString start = paths_.startFolder(QString());
    if (!start.isEmpty())
        dialog.setDirectory(start);
    return runDialog(dialog);
}

QString QtInteraction::runDialog(DriveBoundDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    // The dialog refused every path off the drives already; a path that got
    // past it all the same is not handed back.
    return paths_.fromHost(dialog.selectedFiles().first());
}

QAction* QtInteraction::popupMenu(QMenu* menu, const QPoint& globalPos)
{
    if (!menu)
        return nullptr;
    QMenu copy;
    copy.setFont(menu->font());
    QHash<QAction*, QAction*> originals;
    mirror(menu, &copy, originals);
    QAction* chosen = copy.exec(globalPos.isNull() ? QCursor::pos() : globalPos);
    return chosen ? originals.value(chosen) : nullptr;
}

}  // namespace forms
