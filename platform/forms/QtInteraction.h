#pragma once
// The interaction of real runs: Qt's message box, input dialog, file and folder
// dialogs and pop-up menus, all modal over the active window. Windows-style
// paths cross the dialogs through a path mapper, and the dialogs keep to the
// mapped drives: each opens at the mapped folder of the path it is given (or
// of C:\), and a file or folder outside every mapped drive is refused with a
// plain message while the dialog stays open, so it is never handed back.
// Message and input boxes are at least as wide as their caption needs.

#include "platform/forms/Interaction.h"

#include <QMessageBox>

class QWidget;

namespace forms {

class DriveBoundDialog;
class PathMapper;

class QtInteraction : public Interaction {
public:
    QtInteraction(QString programTitle, const PathMapper& paths);

    QString openFileDialog(const FileDialogRequest& request) override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& title) override;
    QAction* popupMenu(QMenu* menu, const QPoint& globalPos = {}) override;

    // How a style value becomes a Qt box; public so that it can be checked
    // without showing one. An unknown button set shows OK alone.
    static QList<QMessageBox::StandardButton> buttonsForStyle(int style);
    static QMessageBox::StandardButton defaultButtonForStyle(int style);
    // The button Esc and the close box stand for; NoButton when the box can
    // only be left through one of its buttons.
    static QMessageBox::StandardButton escapeButtonForStyle(int style);
    static QMessageBox::Icon iconForStyle(int style);
    static int answerFor(QMessageBox::StandardButton button);

    // Line breaks as the programs write them ("\r\n" or a lone "\r") as Qt
    // shows them.
    static QString displayText(const QString& text);

    // "label (patterns)" entries for QFileDialog; a label that already ends in
    // its pattern in brackets is kept as it is.
    static QStringList nameFilters(const QList<FileFilter>& filters);

    // What becomes of a path the user accepts in a file or folder dialog;
    // public so that it can be checked without showing one.
    enum class Pick {
        Take,    // on a mapped drive: the dialog closes and hands it back
        Browse,  // a folder accepted in a file dialog: the dialog opens it
        Refuse,  // outside every mapped drive: refused with refusalText
    };
    static Pick judgePick(const PathMapper& paths, const QString& hostPath, bool folderWanted);
    static QString refusalText(const PathMapper& paths, const QString& hostPath, bool folderWanted);

protected:
    int showMsgBox(const QString& text, int style, const QString& caption) override;
    QString showInputBox(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QString fileDialog(const FileDialogRequest& request, bool save);
    // Runs a dialog set up by the caller; its accepted path as a Windows path,
    // "" when it was dismissed.
    QString runDialog(DriveBoundDialog& dialog);
    static QWidget* owner();

    const PathMapper& paths_;
};

}  // namespace forms
