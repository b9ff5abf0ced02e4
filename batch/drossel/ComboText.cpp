#include "batch/drossel/ComboText.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace drossel {

void ComboText::prepare(QComboBox* box)
{
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
}

void ComboText::set(QComboBox* box, const QString& text)
{
    const QSignalBlocker blocker(box);
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(text);
}

void ComboText::select(QComboBox* box, int index)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(index);
}

void ComboText::add(QComboBox* box, const QString& item)
{
    const QSignalBlocker blocker(box);
    const QString text = box->currentText();
    const int index = box->currentIndex();
    box->addItem(item);
    if (index < 0) {
        box->setCurrentIndex(-1);
        box->setEditText(text);
    }
}

void ComboText::clear(QComboBox* box)
{
    const QSignalBlocker blocker(box);
    box->clear();
    box->setEditText(QString());
}

}  // namespace drossel
