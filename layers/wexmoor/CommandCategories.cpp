#include "layers/wexmoor/CommandCategories.h"

namespace wexmoor {

namespace {

const QStringList DrawCommands = {"LINE", "CIRCLE", "RAY", "SPLINE", "ELLIPSE", "RECTANG", "ARC"};
const QStringList TextCommands = {"MTEXT", "DTEXT", "TEXT"};
const QStringList DimensionCommands = {"DIMLINEAR",   "DIMALIGNED",  "DIMANGULAR", "DIMRADIUS",  "DIMORDINATE",
                                       "DIMCONTINUE", "DIMBASELINE", "TOLERANCE",  "DIMDIAMETER"};

constexpr int TextCombo = 10;
constexpr int DimensionCombo = 9;
constexpr int LeaderCombo = 8;
constexpr int MarkCombo = 7;
constexpr int HatchCombo = 6;

// The combo box of each draw mode.
std::optional<int> drawModeCombo(const QString& mode)
{
    static const std::array<std::pair<const char*, int>, CommandCategories::DrawModes> combos = {{
        {"Solid", 0}, {"Solid2", 1}, {"Solid3", 2}, {"Center", 3}, {"Phantom", 4}, {"Dash", 5}, {"Other", 11},
    }};
    for (const auto& [name, combo] : combos)
        if (mode == QLatin1String(name))
            return combo;
    return std::nullopt;
}

}  // namespace

const QString CommandCategories::StartMode = QStringLiteral("Solid");

const std::array<Category, CommandCategories::Count>& CommandCategories::categories()
{
    static const std::array<Category, Count> table = {{
        {"Solid", "Draw Layer (Solid):"},
        {"Solid2", "Draw Layer (Solid 2):"},
        {"Solid3", "Draw Layer (Solid 3):"},
        {"Center", "Draw Layer (Center):"},
        {"Phantom", "Draw Layer (Phantom):"},
        {"Dash", "Draw Layer (Dash):"},
        {"Hatch", "Hatch Layer:"},
        {"Mark", "Center Mark:"},
        {"Leader", "Leader Lines:"},
        {"Dim", "Dimension Layer:"},
        {"Text", "Text Layer:"},
        {"Other", " (Other):"},
    }};
    return table;
}

const std::array<DrawModeItem, CommandCategories::DrawModes>& CommandCategories::drawModeMenu()
{
    static const std::array<DrawModeItem, DrawModes> menu = {{
        {"MnudSolid", "Draw Layer (Solid)", "Solid"},
        {"MnuDSolid2", "Draw Layer (Solid 2)", "Solid2"},
        {"MnudSolid3", "Draw Layer (Solid 3)", "Solid3"},
        {"MnuDCenter", "Draw Layer (Center)", "Center"},
        {"MnuPhantom", "Draw Layer (Phantom)", "Phantom"},
        {"MnuDDash", "Draw Layer (Dash)", "Dash"},
        {"MnuOther", "(Other)", "Other"},
    }};
    return menu;
}

const std::array<int, CommandCategories::Count>& CommandCategories::readOrder()
{
    static const std::array<int, Count> order = {0, 1, 2, 3, 4, 5, 11, 10, 9, 8, 7, 6};
    return order;
}

const std::array<int, CommandCategories::Count>& CommandCategories::saveOrder() { return readOrder(); }

const std::array<int, CommandCategories::Count / 2>& CommandCategories::leftColumn()
{
    static const std::array<int, Count / 2> column = {0, 1, 2, 3, 4, 5};
    return column;
}

const std::array<int, CommandCategories::Count / 2>& CommandCategories::rightColumn()
{
    static const std::array<int, Count / 2> column = {11, 10, 9, 8, 7, 6};
    return column;
}

std::optional<int> CommandCategories::comboFor(const QString& commandName, const QString& drawMode)
{
    if (DrawCommands.contains(commandName))
        return drawModeCombo(drawMode);
    if (TextCommands.contains(commandName))
        return TextCombo;
    if (DimensionCommands.contains(commandName))
        return DimensionCombo;
    if (commandName == QLatin1String("QLEADER"))
        return LeaderCombo;
    if (commandName == QLatin1String("DIMCENTER"))
        return MarkCombo;
    if (commandName == QLatin1String("BHATCH"))
        return HatchCombo;
    return std::nullopt;
}

}  // namespace wexmoor
