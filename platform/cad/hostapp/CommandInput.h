#pragma once
// The line the person types into at the host's command line. Esc is a key of
// its own (it cancels, it does not clear), and Up and Down walk back through
// the lines entered before.

#include <QLineEdit>
#include <QStringList>

namespace hostapp {

class CommandInput : public QLineEdit {
    Q_OBJECT

public:
    explicit CommandInput(QWidget* parent = nullptr);

    // A line entered, kept for Up and Down.
    void remember(const QString& line);

signals:
    void escapePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int RecallLimit = 100;

    QStringList recall_;
    qsizetype position_ = 0;  // recall_.size(): below the newest line
};

}  // namespace hostapp
