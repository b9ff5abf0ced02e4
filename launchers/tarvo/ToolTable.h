#pragma once
// The launcher menu's tool items, in menu order: each item's given name, its
// caption and the program file it starts from the launcher's folder, with the
// separators between groups. Captions and programs do not always agree
// ("Brindok..." starts Sodrin): each item starts exactly the file of its row.

#include <QList>
#include <QString>

namespace tarvo {

struct ToolItem {
    QString name;         // the menu item's given name, e.g. "MnuLoadLisp"
    QString caption;      // "-" for a separator
    QString programFile;  // e.g. "Ploven.exe"; empty for a separator

    bool isSeparator() const { return programFile.isEmpty(); }
};

class ToolTable {
public:
    static const QList<ToolItem>& items();
};

}  // namespace tarvo
