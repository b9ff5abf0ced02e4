#pragma once
// What the programs' editable file lists differ in, as plain data: one list
// class serves them all, and each program declares its own in its Variants.h.

#include <QString>
#include <QStringList>

namespace suite {

struct EditableFileListVariant {
    QString listName;
    QString listToolTip;
    // New rows go to their alphabetical place instead of the end.
    bool sorted = false;
    // Clearing is a picture button (`cmdAdd`) with this tooltip; when empty,
    // a right click on the list pops up a menu with one item instead.
    QString clearToolTip;
    QString clearMenuTitle;
    QString clearMenuItem;
    QString deleteToolTip;
    QString upToolTip;
    QString downToolTip;
    // Rows can be dragged to another place in the list.
    bool dragReorder = false;
    // The picture buttons beside the list, top to bottom, by given name.
    QStringList buttonColumn;

    bool hasClearButton() const { return !clearToolTip.isEmpty(); }
};

}  // namespace suite
