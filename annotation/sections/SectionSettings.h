#pragma once
// The window's entries as the user left them at the last Exit: six strings
// under the application "Sections", section "Settings", each with its default.

#include <QString>

namespace settings { class Store; }

namespace sections {

struct SectionSettings {
    QString textSize;
    QString sectionText;
    QString sectionArrow;
    QString layerName;
    QString lineType;
    QString layerColor;

    static SectionSettings load(settings::Store& store);
    void save(settings::Store& store) const;
};

}  // namespace sections
