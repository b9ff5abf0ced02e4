#pragma once
// The interaction of real runs: Qt's message box, input dialog, file and folder
// dialogs and pop-up menus, all modal over the active window. Windows-style
// paths cross the dialogs through a path mapper.

#include "platform/forms/Interaction.h"

#include <QMessageBox>

class QWidget;

namespace forms {

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

protected:
    int showMsgBox(const QString& text, int style, const QString& caption) override;
    QString showInputBox(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QString fileDialog(const FileDialogRequest& request, bool save);
    static QWidget* owner();

    const PathMapper& paths_;
};

}  // namespace forms
