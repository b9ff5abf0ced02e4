#pragma once
// The four families of standard drawing scales as fixed data: for each row the
// six texts the scale list shows, exactly as drafters know them, and the scale
// factor (drawing units per plotted unit) that the row's viewport zoom is
// derived from. No widgets here: the window fills its list from this.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace mervane {

// The index of a family is the index of its option button.
enum class ScaleFamily { Architectural = 0, Machine = 1, Civil = 2, Metric = 3 };

struct ScaleRow {
    QString dwgScale;
    QString scaleFactor;
    QString textSizeSm;
    QString textSizeLg;
    QString ltScale;
    QString dimensionStyle;
    // The scale factor as a number; the texts are shown as written, this is
    // what the zoom is computed from.
    double factor = 1;

    // The six texts in column order.
    QStringList texts() const;
    // The viewport's scale relative to paper space: exactly 1 / factor.
    double zoomFactor() const { return 1.0 / factor; }
};

class ScaleTables {
public:
    static constexpr int FamilyCount = 4;

    static QList<ScaleFamily> families();
    // "Architectural", "Machine", "Civil", "Metric": also the name an error
    // while filling the list is reported under.
    static QString familyName(ScaleFamily family);

    static const QList<ScaleRow>& rows(ScaleFamily family);
    static int rowCount(ScaleFamily family) { return int(rows(family).size()); }

    // The zoom factor of the row at a 1-based position; none outside
    // 1..rowCount, and then nothing is to be applied.
    static std::optional<double> zoomFactor(ScaleFamily family, int position);

    // The list's column titles, and the least width of each column in twips;
    // a column is widened where its title or a cell needs more.
    static QStringList columnTitles();
    static QList<int> columnWidths();
};

}  // namespace mervane
