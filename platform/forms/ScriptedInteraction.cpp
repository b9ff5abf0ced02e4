#include "platform/forms/ScriptedInteraction.h"

#include "platform/forms/MsgBoxStyle.h"

#include <QAction>
#include <QMenu>
#include <QtGlobal>
#include <stdexcept>

namespace forms {

namespace {

QString withoutMnemonics(QString text)
{
    // "&&" is a literal ampersand; a single "&" only marks the access key.
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

void collectActions(const QMenu* menu, QList<QAction*>& out)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        out.append(action);
        if (action->menu())
            collectActions(action->menu(), out);
    }
}

}  // namespace

ScriptedInteraction::ScriptedInteraction(QString programTitle)
    : Interaction(std::move(programTitle)),
      failureHandler_([](const QString& message) { throw std::logic_error(message.toStdString()); })
{
}

ScriptedInteraction::~ScriptedInteraction()
{
    if (queue_.isEmpty())
        return;
    // A scripted answer nobody asked for is a test fault too; a throwing
    // handler cannot report it from a destructor, so it is only logged then.
    const QString message = QStringLiteral("%1 expected interaction(s) never happened, the first a %2")
                                .arg(queue_.size())
                                .arg(kindName(queue_.first().kind));
    try {
        failureHandler_(message);
    } catch (...) {
        qWarning("%s", qPrintable(message));
    }
}

void ScriptedInteraction::setFailureHandler(std::function<void(const QString&)> handler)
{
    failureHandler_ = std::move(handler);
}

void ScriptedInteraction::setWhileBoxShown(std::function<void(const Record&)> hook)
{
    whileBoxShown_ = std::move(hook);
}

void ScriptedInteraction::expect(Kind kind, int answer, const QString& text)
{
    queue_.append(Expectation{kind, answer, text});
}

void ScriptedInteraction::expectMsgBox(int answer, const QString& textContains)
{
    expect(Kind::MsgBox, answer, textContains);
}

void ScriptedInteraction::expectInputBox(const QString& answer) { expect(Kind::InputBox, 0, answer); }
void ScriptedInteraction::expectOpenFile(const QString& path) { expect(Kind::OpenFile, 0, path); }
void ScriptedInteraction::expectSaveFile(const QString& path) { expect(Kind::SaveFile, 0, path); }
void ScriptedInteraction::expectFolder(const QString& path) { expect(Kind::Folder, 0, path); }
void ScriptedInteraction::expectPopup(const QString& actionText) { expect(Kind::Popup, 0, actionText); }

const ScriptedInteraction::Record& ScriptedInteraction::last() const
{
    if (records_.isEmpty())
        throw std::logic_error("no interaction has happened");
    return records_.last();
}

QString ScriptedInteraction::kindName(Kind kind)
{
    switch (kind) {
    case Kind::MsgBox: return QStringLiteral("message box");
    case Kind::InputBox: return QStringLiteral("input box");
    case Kind::OpenFile: return QStringLiteral("open-file dialog");
    case Kind::SaveFile: return QStringLiteral("save-file dialog");
    case Kind::Folder: return QStringLiteral("folder browser");
    case Kind::Popup: return QStringLiteral("pop-up menu");
    }
    return {};
}

void ScriptedInteraction::fail(const QString& message) { failureHandler_(message); }

bool ScriptedInteraction::take(Kind kind, const QString& shown, Expectation& out)
{
    if (queue_.isEmpty()) {
        fail(QStringLiteral("unexpected %1: \"%2\"").arg(kindName(kind), shown));
        return false;
    }
    if (queue_.first().kind != kind) {
        // The queued one stays: it may still come after this stray one.
        fail(QStringLiteral("expected a %1 but got a %2: \"%3\"")
                 .arg(kindName(queue_.first().kind), kindName(kind), shown));
        return false;
    }
    out = queue_.takeFirst();
    return true;
}

int ScriptedInteraction::showMsgBox(const QString& text, int style, const QString& caption)
{
    Record record;
    record.kind = Kind::MsgBox;
    record.text = text;
    record.caption = caption;
    record.style = style;
    records_.append(record);

    Expectation expected{};
    const bool scripted = take(Kind::MsgBox, text, expected);
    if (scripted && !expected.text.isEmpty() && !text.contains(expected.text))
        fail(QStringLiteral("message box \"%1\" does not contain \"%2\"").arg(text, expected.text));
    if (whileBoxShown_ && !inWhileBoxShown_) {
        // The hook may show boxes itself, which add records: pass a copy.
        const Record shown = record;
        inWhileBoxShown_ = true;
        try {
            whileBoxShown_(shown);
        } catch (...) {
            inWhileBoxShown_ = false;
            throw;
        }
        inWhileBoxShown_ = false;
    }
    return scripted ? expected.answer : msgbox::Cancel;
}

QString ScriptedInteraction::showInputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    Record record;
    record.kind = Kind::InputBox;
    record.text = prompt;
    record.caption = title;
    record.defaultText = defaultText;
    records_.append(record);

    Expectation expected{};
    return take(Kind::InputBox, prompt, expected) ? expected.text : QString();
}

QString ScriptedInteraction::answerDialog(Kind kind, const QString& title, const FileDialogRequest& request)
{
    Record record;
    record.kind = kind;
    record.title = title;
    record.request = request;
    records_.append(record);

    Expectation expected{};
    return take(kind, title, expected) ? expected.text : QString();
}

QString ScriptedInteraction::openFileDialog(const FileDialogRequest& request)
{
    return answerDialog(Kind::OpenFile, request.title, request);
}

QString ScriptedInteraction::saveFileDialog(const FileDialogRequest& request)
{
    return answerDialog(Kind::SaveFile, request.title, request);
}

QString ScriptedInteraction::browseForFolder(const QString& title)
{
    return answerDialog(Kind::Folder, title, {});
}

QAction* ScriptedInteraction::popupMenu(QMenu* menu, const QPoint&)
{
    Record record;
    record.kind = Kind::Popup;
    QList<QAction*> actions;
    if (menu)
        collectActions(menu, actions);
    for (const QAction* action : actions)
        record.items.append(action->text());
    records_.append(record);

    Expectation expected{};
    if (!take(Kind::Popup, menu ? menu->title() : QString(), expected) || expected.text.isEmpty())
        return nullptr;

    for (QAction* action : actions) {
        if (withoutMnemonics(action->text()) != withoutMnemonics(expected.text))
            continue;
        // A user cannot choose what is greyed out or hidden, nor a submenu's
        // own entry.
        if (!action->isEnabled() || !action->isVisible() || action->menu()) {
            fail(QStringLiteral("pop-up item \"%1\" cannot be chosen").arg(expected.text));
            return nullptr;
        }
        records_.last().text = action->text();
        return action;
    }
    fail(QStringLiteral("pop-up menu has no item \"%1\"; it offers: %2")
             .arg(expected.text, record.items.join(QStringLiteral(", "))));
    return nullptr;
}

}  // namespace forms
