#pragma once
// The small window that asks the person for a point during a real run with
// the stand-in host: the prompt, a line for "x,y[,z]", OK and Cancel. OK on an
// empty line is Enter (no point); Cancel or Esc cancels the prompt.

#include "platform/cad/standin/User.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace standin {

class PointDialog : public QDialog {
public:
    PointDialog(const QString& prompt, const std::optional<cad::Point>& base, QWidget* parent = nullptr);

    // Shows the dialog and waits for the answer.
    PointAnswer ask();

    QLineEdit* entry() const { return entry_; }

private:
    void tryAccept();

    QLineEdit* entry_;
    QLabel* problem_;
    PointAnswer answer_ = PointAnswer::cancel();
};

}  // namespace standin
