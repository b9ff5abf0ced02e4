#include "platform/cad/hostapp/CommandLine.h"

#include "platform/cad/hostapp/CommandInput.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace hostapp {

const QString CommandLine::CommandPrompt = QStringLiteral("Command:");

CommandLine::CommandLine(QWidget* parent)
    : QWidget(parent), history_(new QPlainTextEdit(this)), prompt_(new QLabel(CommandPrompt, this)),
      input_(new CommandInput(this))
{
    setObjectName(QStringLiteral("CommandLine"));
    history_->setObjectName(QStringLiteral("History"));
    prompt_->setObjectName(QStringLiteral("Prompt"));
    input_->setObjectName(QStringLiteral("Input"));
    history_->setReadOnly(true);
    history_->setMaximumBlockCount(HistoryLimit);
    history_->setFocusPolicy(Qt::ClickFocus);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    history_->setFont(fixed);
    prompt_->setFont(fixed);
    input_->setFont(fixed);
    input_->setFrame(false);
    // A few lines of history show; the rest scrolls.
    history_->setFixedHeight(history_->fontMetrics().lineSpacing() * 5 + 8);

    auto* inputRow = new QHBoxLayout;
    inputRow->setContentsMargins(4, 0, 4, 0);
    inputRow->addWidget(prompt_);
    inputRow->addWidget(input_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(history_);
    layout->addLayout(inputRow);

    connect(input_, &QLineEdit::returnPressed, this, &CommandLine::enterLine);
    connect(input_, &CommandInput::escapePressed, this, &CommandLine::escapePressed);
}

void CommandLine::showPrompt(const QString& prompt)
{
    if (prompt_->text() == prompt)
        return;
    prompt_->setText(prompt);
    emit promptShown(prompt);
}

void CommandLine::clearPrompt() { showPrompt(CommandPrompt); }

QString CommandLine::prompt() const { return prompt_->text(); }

void CommandLine::echo(const QString& line)
{
    history_->appendPlainText(line);
    history_->verticalScrollBar()->setValue(history_->verticalScrollBar()->maximum());
    emit echoed(line);
}

QStringList CommandLine::history() const
{
    return history_->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

QString CommandLine::input() const { return input_->text(); }

void CommandLine::setInput(const QString& text) { input_->setText(text); }

void CommandLine::typeKey(const QString& text)
{
    input_->setFocus();
    input_->insert(text);
}

void CommandLine::type(const QString& line)
{
    input_->setText(line);
    enterLine();
}

void CommandLine::pressEscape() { emit escapePressed(); }

void CommandLine::enterLine()
{
    const QString line = input_->text();
    input_->remember(line);
    input_->clear();
    echo((prompt() + u' ' + line).trimmed());
    emit lineEntered(line);
}

}  // namespace hostapp
