#pragma once
// The changes the window's choices make to a picked dimension: precision,
// unit format, suffix, replacement text and style, each only when chosen.
// Every object of a selection gets them whatever its kind; an object that
// lacks a property, or refuses its value, keeps what it had, and the other
// changes still apply.

#include <QString>
#include <optional>

namespace cad { class Entity; }

namespace lunvik {

// The host's unit formats of a dimension's primary units.
namespace unitsFormat {
inline constexpr int Scientific = 1;
inline constexpr int Decimal = 2;
inline constexpr int Engineering = 3;
inline constexpr int Architectural = 4;
inline constexpr int Fractional = 5;
}  // namespace unitsFormat

// The suffixes of the diameter and TYP options.
inline const QString DiameterSuffix = QStringLiteral("%%c");
inline const QString TypSuffix = QStringLiteral(" TYP");

struct DimensionChanges {
    std::optional<int> precision;
    std::optional<int> unitsFormat;
    std::optional<QString> suffix;
    QString textOverride;  // empty: left as it is
    QString styleName;     // empty: left as it is

    // Makes the chosen changes, then refreshes the object, changed or not.
    void apply(cad::Entity& object) const;
};

}  // namespace lunvik
