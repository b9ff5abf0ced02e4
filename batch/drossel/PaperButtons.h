#pragma once
// The four paper buttons of the main window: the caption each carries until
// the user names it, and the paper key that is the stem of its settings.

#include <QString>
#include <array>

namespace drossel {

struct PaperButton {
    QString caption;
    QString paperKey;
};

class PaperButtons {
public:
    static constexpr int Count = 4;

    static const std::array<PaperButton, Count>& all();
    // The button's paper key; "" for an index outside 0 to 3.
    static QString paperKey(int index);
};

}  // namespace drossel
