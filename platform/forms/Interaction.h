#pragma once
// The one service every modal interaction goes through: message and input
// boxes, file and folder dialogs, pop-up menus. Real runs show Qt dialogs; tests
// script the answers and read back what was shown.
//
// Texts come as the programs build them, with "\r\n" (or a lone "\r") for line
// breaks; they are passed on unchanged. A box or input box without a caption
// of its own shows the program's title.

#include "platform/forms/FileDialogRequest.h"
#include "platform/forms/MsgBoxStyle.h"

#include <QPoint>
#include <QString>
#include <utility>

class QAction;
class QMenu;

namespace forms {

class Interaction {
public:
    explicit Interaction(QString programTitle) : programTitle_(std::move(programTitle)) {}
    virtual ~Interaction() = default;
    Interaction(const Interaction&) = delete;
    Interaction& operator=(const Interaction&) = delete;

    const QString& programTitle() const { return programTitle_; }

    // Style and answers: see MsgBoxStyle.h.
    int msgBox(const QString& text, int style = 0, const QString& caption = {})
    {
        return showMsgBox(text, style, captionOrTitle(caption));
    }

    // The text typed, or "" when the user cancels.
    QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {})
    {
        return showInputBox(prompt, captionOrTitle(title), defaultText);
    }

    // The chosen full path (Windows-style), or "" when dismissed.
    virtual QString openFileDialog(const FileDialogRequest& request) = 0;
    virtual QString saveFileDialog(const FileDialogRequest& request) = 0;

    // The chosen folder (Windows-style), or "" when dismissed. The title is the
    // line shown above the folders, as the caller built it.
    virtual QString browseForFolder(const QString& title) = 0;

    // The action the user chose, or nullptr when the menu was dismissed. The
    // action is not triggered here: the caller triggers it, so that real runs
    // and scripted runs reach its handler the same way. A null position means
    // the mouse position.
    virtual QAction* popupMenu(QMenu* menu, const QPoint& globalPos = {}) = 0;

protected:
    virtual int showMsgBox(const QString& text, int style, const QString& caption) = 0;
    virtual QString showInputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;

private:
    QString captionOrTitle(const QString& caption) const { return caption.isEmpty() ? programTitle_ : caption; }

    QString programTitle_;
};

}  // namespace forms
