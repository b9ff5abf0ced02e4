#pragma once
// What a plot style table does to the colours of a plot: the monochrome table
// plots every colour black, the grey-scale table plots each colour as a grey
// of its brightness, the screening table plots colours at half strength, and
// any other table (or none, or plotting without plot styles) plots the
// colours as they are.

#include <QColor>
#include <QString>

namespace hostview {

class PenTable {
public:
    enum class Kind { Colour, Monochrome, Grayscale, Screening };

    PenTable() = default;
    explicit PenTable(Kind kind) : kind_(kind) {}

    // The pens of a layout's plot style table, its name matched without
    // regard to case.
    static PenTable named(const QString& styleSheet, bool withPlotStyles);

    Kind kind() const { return kind_; }
    // The colour a line of `colour` is plotted in.
    QColor pen(const QColor& colour) const;

private:
    Kind kind_ = Kind::Colour;
};

}  // namespace hostview
