#include "platform/cad/standin/PointDialog.h"

#include "platform/cad/standin/JournalText.h"
#include "platform/cad/standin/PointText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace standin {

PointDialog::PointDialog(const QString& prompt, const std::optional<cad::Point>& base, QWidget* parent)
    : QDialog(parent), entry_(new QLineEdit(this)), problem_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Stand-in CAD host"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(prompt, this));
    if (base)
        layout->addWidget(new QLabel(QStringLiteral("From %1").arg(JournalText::point(*base)), this));
    entry_->setPlaceholderText(QStringLiteral("x,y or x,y,z (empty: no point)"));
    layout->addWidget(entry_);
    problem_->hide();
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PointDialog::tryAccept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

PointAnswer PointDialog::ask()
{
    answer_ = PointAnswer::cancel();
    exec();
    return answer_;
}

void PointDialog::tryAccept()
{
    const QString text = entry_->text().trimmed();
    if (text.isEmpty()) {
        answer_ = PointAnswer::enter();
        accept();
        return;
    }
    if (const std::optional<cad::Point> point = PointText::parse(text)) {
        answer_ = PointAnswer::typedAt(*point);
        accept();
        return;
    }
    problem_->setText(QStringLiteral("Type a point as x,y or x,y,z."));
    problem_->show();
}

}  // namespace standin
