#pragma once
// The value rules the stand-in host enforces on property writes. Each raises
// InvalidInput naming what was refused (a missing style or layer: KeyNotFound).
// The checks at the end are the same rules in the form a property write takes
// them (DrawingObject::set).

#include <QString>

namespace standin {

class Drawing;

class Validate {
public:
    // Assumption: symbol names (layers, linetypes, styles, blocks) are
    // refused when empty, longer than 255 characters, with leading or trailing
    // blanks, or holding any of < > / \ " : ; ? * | , = `.
    static void symbolName(const QString& name);
    static bool isSymbolName(const QString& name);

    static void finite(double value, const QString& what);
    static void positive(double value, const QString& what);
    static void notNegative(double value, const QString& what);
    static void range(int value, int minimum, int maximum, const QString& what);

    // The style's name as the drawing spells it; KeyNotFound when the drawing
    // has no such style.
    static QString textStyle(const Drawing& drawing, const QString& name);
    static QString dimStyle(const Drawing& drawing, const QString& name);
    static QString layer(const Drawing& drawing, const QString& name);

    static auto inRange(int minimum, int maximum, QString what)
    {
        return [=](const Drawing&, int value) { range(value, minimum, maximum, what); };
    }
    static auto aNumber(QString what)
    {
        return [=](const Drawing&, double value) { finite(value, what); };
    }
    static auto greaterThanZero(QString what)
    {
        return [=](const Drawing&, double value) { positive(value, what); };
    }
    static auto zeroOrMore(QString what)
    {
        return [=](const Drawing&, double value) { notNegative(value, what); };
    }
};

}  // namespace standin
