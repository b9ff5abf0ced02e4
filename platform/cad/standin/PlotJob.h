#pragma once
// One plot or preview the stand-in host made: the drawing and the layout's
// plot configuration at that moment.

#include "platform/cad/Point.h"

#include <QString>

namespace standin {

struct PlotJob {
    bool preview = false;
    int previewType = 0;
    QString drawing;  // the document's full name (its name when never saved)
    QString layout;
    QString device;
    QString media;
    int rotation = 0;
    int plotType = 0;
    int standardScale = 0;
    bool centered = false;
    cad::Point2 origin;  // as PlotOrigin gives it at that moment
    QString styleSheet;
    bool plotWithPlotStyles = false;
    int copies = 1;
    bool hasWindow = false;
    cad::Point2 windowLowerLeft;
    cad::Point2 windowUpperRight;
};

}  // namespace standin
