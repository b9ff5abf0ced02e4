#pragma once
// How Drossel's texts become the host's plot values. The texts are compared
// whole and case-sensitively, so "090" or " 90" matches nothing and the layout
// keeps what it has.

#include <QString>
#include <QStringList>
#include <optional>

namespace drossel {

class PlotTables {
public:
    // "0", "90", "180", "270" to the PlotRotation values 0 to 3.
    static std::optional<int> plotRotation(const QString& rotationText);
    // "Scale To Fit", "1:1", "1:2" to their StandardScale values.
    static std::optional<int> standardScale(const QString& scaleText);

    // The items of the scale box and of the rotation box, in their order.
    static QStringList scaleItems();
    static QStringList rotationItems();

    static const QString ScaleToFit;
};

}  // namespace drossel
