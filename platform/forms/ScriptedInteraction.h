#pragma once
// The interaction a test drives: a queue of the interactions the test expects,
// each with the user's answer, and a record of every interaction that happened.
// Anything unexpected (an interaction nobody queued, or one of another kind)
// goes to the failure hook and is then answered as dismissed (Cancel, "",
// nullptr), so a test fails instead of hanging.

#include "platform/forms/Interaction.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace forms {

class ScriptedInteraction : public Interaction {
public:
    enum class Kind { MsgBox, InputBox, OpenFile, SaveFile, Folder, Popup };

    // One interaction as it was shown.
    struct Record {
        Kind kind = Kind::MsgBox;
        QString text;      // box text or input prompt; for a pop-up the chosen action's text
        QString caption;   // box or input-box caption as shown (the program title when none was given)
        int style = 0;     // message boxes
        QString defaultText;   // input boxes
        QString title;         // file and folder dialogs
        FileDialogRequest request;  // file dialogs
        QStringList items;     // pop-up menus: the texts of the actions offered
    };

    explicit ScriptedInteraction(QString programTitle = QStringLiteral("Test"));
    ~ScriptedInteraction() override;

    // The default handler throws std::logic_error; tests usually pass one that
    // records a test failure.
    void setFailureHandler(std::function<void(const QString&)> handler);

    // Runs while a message box is up, after its scripted answer is taken and
    // before it is returned: it stands for what happens while the user reads the
    // box (timer ticks, other events). Boxes shown from inside the hook do not
    // run it again.
    void setWhileBoxShown(std::function<void(const Record&)> hook);

    // A box answered with `answer`; when `textContains` is given the box text
    // must contain it.
    void expectMsgBox(int answer, const QString& textContains = {});
    // An input box; "" answers as Cancel does.
    void expectInputBox(const QString& answer);
    // File and folder dialogs answered with a Windows-style path; "" = dismissed.
    void expectOpenFile(const QString& path);
    void expectSaveFile(const QString& path);
    void expectFolder(const QString& path);
    // A pop-up menu; the action whose text is `actionText` is chosen ("" = the
    // menu is dismissed). "&" mnemonics in action texts are ignored.
    void expectPopup(const QString& actionText);

    int pending() const { return int(queue_.size()); }
    const QList<Record>& records() const { return records_; }
    const Record& last() const;
    void clearRecords() { records_.clear(); }

    QString openFileDialog(const FileDialogRequest& request) override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    QString browseForFolder(const QString& title) override;
    QAction* popupMenu(QMenu* menu, const QPoint& globalPos = {}) override;

    static QString kindName(Kind kind);

protected:
    int showMsgBox(const QString& text, int style, const QString& caption) override;
    QString showInputBox(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    struct Expectation {
        Kind kind;
        int answer = 0;
        QString text;  // the answer text, or the text a box must contain
    };

    // The next expectation when it is of this kind (taken off the queue); a
    // failure and nothing otherwise.
    bool take(Kind kind, const QString& shown, Expectation& out);
    // Records a file or folder dialog and answers it from the script.
    QString answerDialog(Kind kind, const QString& title, const FileDialogRequest& request);
    void fail(const QString& message);
    void expect(Kind kind, int answer, const QString& text);

    QList<Expectation> queue_;
    QList<Record> records_;
    std::function<void(const QString&)> failureHandler_;
    std::function<void(const Record&)> whileBoxShown_;
    bool inWhileBoxShown_ = false;
};

}  // namespace forms
