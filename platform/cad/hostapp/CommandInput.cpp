#include "platform/cad/hostapp/CommandInput.h"

#include <QKeyEvent>

namespace hostapp {

CommandInput::CommandInput(QWidget* parent) : QLineEdit(parent) {}

void CommandInput::remember(const QString& line)
{
    if (!line.trimmed().isEmpty() && (recall_.isEmpty() || recall_.last() != line)) {
        recall_.append(line);
        if (recall_.size() > RecallLimit)
            recall_.removeFirst();
    }
    position_ = recall_.size();
}

void CommandInput::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        emit escapePressed();
        return;
    case Qt::Key_Up:
        if (position_ > 0)
            setText(recall_[--position_]);
        return;
    case Qt::Key_Down:
        if (position_ < recall_.size())
            ++position_;
        setText(position_ < recall_.size() ? recall_[position_] : QString());
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

}  // namespace hostapp
