#pragma once
// The twelve command categories and which host command feeds which: the draw
// commands go to the combo box of the current draw mode, texts, dimensions,
// leaders, centre marks and hatches each to their own. Command names are
// compared whole, exactly and with their letter case.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace wexmoor {

struct Category {
    QString key;    // settings key
    QString label;  // the label beside its combo box
};

struct DrawModeItem {
    QString menuItem;  // the pop-up menu item's given name
    QString caption;
    QString mode;
};

class CommandCategories {
public:
    static constexpr int Count = 12;
    static constexpr int DrawModes = 7;

    // By combo index.
    static const std::array<Category, Count>& categories();
    // The draw-mode menu, in menu order.
    static const std::array<DrawModeItem, DrawModes>& drawModeMenu();

    static const QString StartMode;

    // Combo indices in the order the settings are read at start and saved at
    // the end, and the two columns of the window from top to bottom.
    static const std::array<int, Count>& readOrder();
    static const std::array<int, Count>& saveOrder();
    static const std::array<int, Count / 2>& leftColumn();
    static const std::array<int, Count / 2>& rightColumn();

    // The combo box a command feeds while the draw mode is `drawMode`; none
    // for a command of no category.
    static std::optional<int> comboFor(const QString& commandName, const QString& drawMode);
};

}  // namespace wexmoor
