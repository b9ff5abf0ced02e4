#pragma once
// The values of the host's active profile that the tools read and write.

#include <QString>

namespace standin {

struct ProfileState {
    QString activeProfile = QStringLiteral("Default");
    QString supportPath;
    QString templateDwgPath;
    QString printerStyleSheetPath;
};

}  // namespace standin
