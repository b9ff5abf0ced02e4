#pragma once
// Texts as outlines in drawing coordinates: single-line texts by their height
// (the height of a capital), rotation and alignment, paragraph texts by their
// width, attachment point and line breaks, and the short texts a dimension
// writes. Outlines are filled like any other shape, so a text looks the same
// on the screen, in a plot and in a thumbnail, and its extents are exact.
// The host's special codes are shown as their characters (%%d degree, %%c
// diameter, %%p plus-minus); a paragraph's formatting codes are left out,
// its line breaks kept.

#include "platform/cad/standin/Shapes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

namespace hostview {

class TextOutline {
public:
    // Where a text stands against its anchor point.
    enum class Across { Left, Centre, Right };
    enum class Upright { Baseline, Bottom, Middle, Top };

    struct Outline {
        QPainterPath glyphs;
        // The box the text takes (left to right along the baseline, from
        // its bottom to the top of a capital), for picking; empty for an
        // empty text.
        QPolygonF box;
    };

    TextOutline();

    Outline text(const standin::TextShape& shape) const;
    Outline paragraph(const standin::ParagraphShape& shape) const;
    // A text of `height` anchored at `at`, turned by `rotation` radians.
    Outline placed(const QString& text, const QPointF& at, double height, double rotation, Across across,
                   Upright upright) const;

    // The text with the special codes replaced by their characters.
    static QString shown(const QString& text);
    // A paragraph's lines, its formatting codes left out.
    static QStringList paragraphLines(const QString& text);

private:
    // The outline of one line in text units (baseline on y = 0, y up,
    // capitals 1 high), and its advance.
    QPainterPath line(const QString& text, double& advance) const;
    Outline finish(const QPainterPath& local, double advance, const QTransform& toDrawing) const;

    QFont font_;
    QFontMetricsF metrics_;
    double capHeight_;
};

}  // namespace hostview
