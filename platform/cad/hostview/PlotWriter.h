#pragma once
// Puts a plot on paper a person can see: paints the sheet of a plot job on a
// white page (the drawing's lines in the pens of its plot style table) and
// writes it as a one-page PDF of the paper's size into a plot folder, named
// after the drawing, the layout and the time of the plot.

#include "platform/cad/hostview/PlotSheet.h"
#include "platform/cad/standin/PlotJob.h"

#include <QDateTime>
#include <QRectF>
#include <QString>

class QPainter;

namespace standin {
class Drawing;
}

namespace hostview {

class PlotWriter {
public:
    // What a write gave: the file written, or why none was.
    struct Result {
        QString path;
        QString problem;
    };

    // Paints the plot onto `page` (device coordinates of the painter).
    static void paint(QPainter& painter, const QRectF& page, const PlotSheet& sheet, const standin::Drawing& drawing);

    // "A101-Layout1-20240304-101500.pdf": the drawing's name without folder
    // and extension, the layout, the time; characters a file name cannot
    // hold become "_".
    static QString fileName(const standin::PlotJob& job, const QDateTime& when);

    // Writes the plot into the folder (made when missing) under its file
    // name, numbered ("-2", "-3", ...) when a file of that name is there.
    static Result write(const standin::PlotJob& job, const standin::Drawing& drawing, const QString& folder,
                        const QDateTime& when);
};

}  // namespace hostview
