#pragma once
// How values are written in journal entries: numbers in their shortest exact
// form, points as "x,y,z", flags as "True"/"False". of() picks the form by the
// value's type, for the property helpers.

#include "platform/cad/Point.h"

#include <QString>

namespace standin {

class JournalText {
public:
    static QString number(double value) { return QString::number(value, 'g', 15); }
    static QString point(const cad::Point& p)
    {
        return number(p.x) + QLatin1Char(',') + number(p.y) + QLatin1Char(',') + number(p.z);
    }
    static QString point(const cad::Point2& p) { return number(p.x) + QLatin1Char(',') + number(p.y); }
    static QString flag(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

    static QString of(const QString& value) { return value; }
    static QString of(int value) { return QString::number(value); }
    static QString of(double value) { return number(value); }
    static QString of(bool value) { return flag(value); }
    static QString of(const cad::Point& value) { return point(value); }
};

}  // namespace standin
