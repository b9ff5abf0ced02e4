#pragma once
// How values are written in journal entries: numbers in their shortest exact
// form, points as "x,y,z", flags as "True"/"False".

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
};

}  // namespace standin
