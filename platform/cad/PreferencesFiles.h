#pragma once
// The file paths of the active profile.

#include <QString>

namespace cad {

class PreferencesFiles {
public:
    virtual ~PreferencesFiles() = default;
    // Folders separated by ";".
    virtual QString supportPath() const = 0;
    virtual void setSupportPath(const QString& path) = 0;
    virtual QString templateDwgPath() const = 0;
    virtual void setTemplateDwgPath(const QString& path) = 0;
    virtual QString printerStyleSheetPath() const = 0;
    virtual void setPrinterStyleSheetPath(const QString& path) = 0;
};

}  // namespace cad
