#pragma once
// The five selection modes of the palette's spin control: the caption each
// gives the Select button and the kinds of object each moves, by the host's
// class name, compared exactly.

#include <QString>
#include <QStringList>

namespace brindok {

class SelectionModes {
public:
    static constexpr int First = 0;
    static constexpr int Last = 4;

    // "Select", "Select All Text", ...; raises 9 for a mode outside 0 to 4.
    static QString caption(int mode);
    // Mode 0 moves every object.
    static bool moves(int mode, const QString& entityName);
};

}  // namespace brindok
