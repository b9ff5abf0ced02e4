#pragma once
// The host's command line: the lines so far (what was typed, prompts and
// their answers, the host's messages) above the prompt and the input line.
// It shows and takes text; what a line means is for the command processor
// and the prompts.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace hostapp {

class CommandInput;

class CommandLine : public QWidget {
    Q_OBJECT

public:
    static const QString CommandPrompt;  // "Command:"

    explicit CommandLine(QWidget* parent = nullptr);

    // The prompt before the input line; clearPrompt() goes back to "Command:".
    void showPrompt(const QString& prompt);
    void clearPrompt();
    QString prompt() const;

    // A line added to the history.
    void echo(const QString& line);
    QStringList history() const;

    QString input() const;
    void setInput(const QString& text);
    // Puts the keyboard into the input line with the text typed so far.
    void typeKey(const QString& text);

    // What the person does at the input line, for the host's control channel
    // and tests: a line typed and entered, and Esc.
    void type(const QString& line);
    void pressEscape();

signals:
    // A line entered (Enter), after it was added to the history.
    void lineEntered(const QString& line);
    void escapePressed();
    // Every line added to the history, and every change of the prompt.
    void echoed(const QString& line);
    void promptShown(const QString& prompt);

private:
    static constexpr int HistoryLimit = 2000;

    void enterLine();

    QPlainTextEdit* const history_;
    QLabel* const prompt_;
    CommandInput* const input_;
};

}  // namespace hostapp
