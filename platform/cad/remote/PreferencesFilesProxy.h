#pragma once
// The host's file path preferences, as a tool holds them.

#include "platform/cad/PreferencesFiles.h"
#include "platform/cad/remote/ProxyBase.h"

namespace remote {

class PreferencesFilesProxy : public cad::PreferencesFiles, public ProxyBase {
public:
    using ProxyBase::ProxyBase;

    QString supportPath() const override { return call(&cad::PreferencesFiles::supportPath); }
    void setSupportPath(const QString& path) override { return call(&cad::PreferencesFiles::setSupportPath, path); }
    QString templateDwgPath() const override { return call(&cad::PreferencesFiles::templateDwgPath); }
    void setTemplateDwgPath(const QString& path) override { return call(&cad::PreferencesFiles::setTemplateDwgPath, path); }
    QString printerStyleSheetPath() const override { return call(&cad::PreferencesFiles::printerStyleSheetPath); }
    void setPrinterStyleSheetPath(const QString& path) override { return call(&cad::PreferencesFiles::setPrinterStyleSheetPath, path); }
};

}  // namespace remote
