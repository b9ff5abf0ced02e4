#include "batch/drossel/PaperButtons.h"

namespace drossel {

const std::array<PaperButton, PaperButtons::Count>& PaperButtons::all()
{
    static const std::array<PaperButton, Count> buttons = {{
        {QStringLiteral("8.5 x 11"), QStringLiteral("Img85x11")},
        {QStringLiteral("11 x 17"), QStringLiteral("Img11x17")},
        {QStringLiteral("17 x 22"), QStringLiteral("Img17x22")},
        {QStringLiteral("22 x 34"), QStringLiteral("Img22x34")},
    }};
    return buttons;
}

QString PaperButtons::paperKey(int index)
{
    return index >= 0 && index < Count ? all()[std::size_t(index)].paperKey : QString();
}

}  // namespace drossel
