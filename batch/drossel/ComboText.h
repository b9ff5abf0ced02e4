#pragma once
// The text of an editable combo box as Drossel's windows use it: the text
// shown may be one of the items or anything else (a stored name the list
// lacks, a name marked missing), and filling the list must not change it.
// Qt would make the first item added to an empty box current and show it.

#include <QString>

class QComboBox;

namespace drossel {

class ComboText {
public:
    // An editable box that does not add what is typed to its list.
    static void prepare(QComboBox* box);
    // Shows the text; the item of exactly that text, if there is one,
    // becomes the selected item, otherwise none is selected.
    static void set(QComboBox* box, const QString& text);
    // Selects the item at the index and shows its text.
    static void select(QComboBox* box, int index);
    // Adds an item at the end without changing the text shown or the
    // selection.
    static void add(QComboBox* box, const QString& item);
    // Empties the list and the text.
    static void clear(QComboBox* box);
};

}  // namespace drossel
