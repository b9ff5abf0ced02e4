#pragma once
// Sodrin's start-up window: a small window with no controls that carries the
// layer menu, popped up at the mouse when it loads. The menu lists the layer
// names of the current layer file; picking one creates that layer and ends
// the program. "Settings" opens the settings form, which also opens on its own
// when the current file cannot be read.

#include "platform/forms/Form.h"

#include <QList>

class QAction;
class QMenu;

namespace sodrin {

class FrmSettings;
class ModuleLayer;

class FrmLayer : public forms::Form {
public:
    FrmLayer(ModuleLayer& module, FrmSettings& settings, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void MnuProject_Click(int index);
    void MnuCancel_Click();
    void MnuSettings_Click();

    // A show after the program has ended (the pick ends it inside the load)
    // shows nothing.
    void setVisible(bool visible) override;

protected:
    void Form_Load() override;

private:
    // Fills the menu from the file; false when the file cannot be read or one
    // of its first lines is malformed.
    bool fillMenu();
    QAction* addEntry(int index);
    void failure();

    ModuleLayer& module_;
    FrmSettings& settings_;
    QMenu* const Mnu;
    QList<QAction*> MnuProject;
    QAction* MnuSpace1 = nullptr;
    QAction* MnuCancel = nullptr;
    QAction* MnuSpace2 = nullptr;
    QAction* MnuSettings = nullptr;
};

}  // namespace sodrin
