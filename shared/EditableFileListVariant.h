#pragma once
// What the programs' editable file lists differ in, as plain data: one list
// class serves them all.

#include <QString>

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

    bool hasClearButton() const { return !clearToolTip.isEmpty(); }

    // The installer's packer item list.
    static EditableFileListVariant unbalo();
    // The batch plotter's list of drawings to plot.
    static EditableFileListVariant drossel();
};

}  // namespace suite
