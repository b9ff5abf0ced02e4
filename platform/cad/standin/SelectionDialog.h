#pragma once
// The small window that lets the person pick objects during a real run with
// the stand-in host: a check list of the objects of the space worked in, OK
// (selection ended) and Cancel.

#include "platform/cad/standin/User.h"

#include <QDialog>

class QListWidget;

namespace standin {

class SelectionDialog : public QDialog {
public:
    SelectionDialog(const std::vector<std::shared_ptr<cad::Entity>>& candidates, QWidget* parent = nullptr);

    SelectionAnswer ask();

    QListWidget* list() const { return list_; }

private:
    std::vector<std::shared_ptr<cad::Entity>> candidates_;
    QListWidget* list_;
};

}  // namespace standin
