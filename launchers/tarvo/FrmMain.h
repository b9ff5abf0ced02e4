#pragma once
// The launcher's window, which nobody ever sees: it owns the icon in the
// notification area from the launcher's start to its exit, the launcher menu
// that a right click on the icon pops up, and the handlers of the icon's
// double clicks and of every menu item (the tools, the settings and About
// forms, help, and the commands on the host's active drawing).

#include "launchers/tarvo/ImgList.h"
#include "platform/forms/Form.h"

class QAction;
class QMenu;

namespace forms { class TrayIcon; }

namespace tarvo {

class FrmPreferences;
class frmAbout;
struct Session;
struct SettingKey;
struct ToolItem;

class FrmMain : public forms::Form {
public:
    // The tip the icon shows.
    static const QString IconTip;

    FrmMain(Session& session, FrmPreferences& preferences, frmAbout& about, QWidget* parent = nullptr);

    // Handlers, entered through the dispatcher.
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    // A mouse event on the icon, by its message number; only the left and
    // middle double clicks and the right button's press act.
    void Form_MouseMove(int message);
    void MnuExit_Click();
    void MnuHelp_Click();
    void MnuAbout_Click();
    void MnuPreferences_Click();
    void MnuExplorerDwG_Click();
    void Mnuexplore_Click();
    void MnuBindAll_Click();
    void MnuPurge_Click();
    // Every tool item: starts the row's program file from the launcher's folder.
    void Mnu_Click(const ToolItem& item);

private:
    QAction* addItem(const QString& name, const QString& caption);
    QAction* addSeparator(const QString& name);
    void addToolItems();
    void bindEvents();
    // No place for the icon means no way to reach the launcher: it says so
    // and ends rather than run on unseen.
    void addIcon();
    void setMenuImages();
    void startSideBar();
    void startDoubleClickProgram(const SettingKey& key, QString& path);
    void popUpMenu();
    void explore(const QString& folder);

    Session& session_;
    FrmPreferences& preferences_;
    frmAbout& about_;
    const ImgList imgList_;

    QMenu* const Mnu;
    QAction* const MnuExit;
    QAction* const Mnuspace17;
    QAction* const MnuHelp;
    QAction* const MnuAbout;
    QAction* const MnuSpace22;
    QAction* const MnuPreferences;
    QAction* const MnuSpace7;
    QAction* const MnuExplorerDwG;
    QAction* const Mnuexplore;
    QAction* const MnuSpace2;
    QAction* const MnuBindAll;
    QAction* const MnuPurge;
    QAction* const MnuSpace5;
    forms::TrayIcon* const trayIcon_;
};

}  // namespace tarvo
