#include "platform/cad/standin/SelectionDialog.h"

#include "platform/cad/standin/EntityBase.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace standin {

SelectionDialog::SelectionDialog(const std::vector<std::shared_ptr<cad::Entity>>& candidates, QWidget* parent)
    : QDialog(parent), candidates_(candidates), list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Stand-in CAD host"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(SelectPrompt, this));
    for (const auto& candidate : candidates_) {
        const auto* entity = dynamic_cast<const EntityBase*>(candidate.get());
        auto* item = new QListWidgetItem(entity ? entity->describe() : QStringLiteral("(object)"), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

SelectionAnswer SelectionDialog::ask()
{
    if (exec() != QDialog::Accepted)
        return SelectionAnswer{{}, CancelPrompt};
    SelectionAnswer answer{{}, SelectPrompt};
    for (int row = 0; row < list_->count(); ++row) {
        if (list_->item(row)->checkState() == Qt::Checked)
            answer.entities.push_back(candidates_[static_cast<size_t>(row)]);
    }
    return answer;
}

}  // namespace standin
