#include "launchers/tarvo/FrmMain.h"

#include "launchers/tarvo/DrawingCommands.h"
#include "launchers/tarvo/FrmPreferences.h"
#include "launchers/tarvo/LauncherError.h"
#include "launchers/tarvo/Session.h"
#include "launchers/tarvo/ToolTable.h"
#include "launchers/tarvo/frmAbout.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/TrayIcon.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "platform/runtime/Program.h"
#include "platform/shell/Shell.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace tarvo {

namespace {

const QString PathNotFound = QStringLiteral("\\\\Path Not Found...");
const QString NotFound = QStringLiteral(" Not Found...");
const QString NoNotificationArea =
    QStringLiteral("This desktop has no notification area for the launcher's icon, so the launcher cannot be "
                   "reached and ends.");

}  // namespace

const QString FrmMain::IconTip = QStringLiteral("Right Click For Menu.");

FrmMain::FrmMain(Session& session, FrmPreferences& preferences, frmAbout& about, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      preferences_(preferences),
      about_(about),
      Mnu(new QMenu(QStringLiteral("Mnu"), this)),
      MnuExit(addItem(QStringLiteral("MnuExit"), QStringLiteral("Exit..."))),
      Mnuspace17(addSeparator(QStringLiteral("Mnuspace17"))),
      MnuHelp(addItem(QStringLiteral("MnuHelp"), QStringLiteral("Help..."))),
      MnuAbout(addItem(QStringLiteral("MnuAbout"), QStringLiteral("About..."))),
      MnuSpace22(addSeparator(QStringLiteral("MnuSpace22"))),
      MnuPreferences(addItem(QStringLiteral("MnuPreferences"), QStringLiteral("User Settings..."))),
      MnuSpace7(addSeparator(QStringLiteral("MnuSpace7"))),
      MnuExplorerDwG(addItem(QStringLiteral("MnuExplorerDwG"), QStringLiteral("Explore Drawing Path..."))),
      Mnuexplore(addItem(QStringLiteral("Mnuexplore"), QStringLiteral("Explore Favorites..."))),
      MnuSpace2(addSeparator(QStringLiteral("MnuSpace2"))),
      MnuBindAll(addItem(QStringLiteral("MnuBindAll"), QStringLiteral("Bind All Xrefs..."))),
      MnuPurge(addItem(QStringLiteral("MnuPurge"), QStringLiteral("Purge All..."))),
      MnuSpace5(addSeparator(QStringLiteral("MnuSpace5"))),
      trayIcon_(new forms::TrayIcon(dispatcher(), this))
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(QStringLiteral("Tarvo"));
    Mnu->setObjectName(QStringLiteral("Mnu"));
    trayIcon_->setObjectName(QStringLiteral("TrayIcon"));
    addToolItems();
    bindEvents();
}

QAction* FrmMain::addItem(const QString& name, const QString& caption)
{
    QAction* item = Mnu->addAction(caption);
    item->setObjectName(name);
    return item;
}

QAction* FrmMain::addSeparator(const QString& name)
{
    QAction* separator = Mnu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

void FrmMain::addToolItems()
{
    forms::Dispatcher& d = dispatcher();
    for (const ToolItem& tool : ToolTable::items()) {
        if (tool.isSeparator()) {
            addSeparator(tool.name);
            continue;
        }
        QAction* item = addItem(tool.name, tool.caption);
        connect(item, &QAction::triggered, this, d.wrap([this, &tool] { Mnu_Click(tool); }));
    }
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    trayIcon_->setHandler([this](int message) { Form_MouseMove(message); });
    connect(MnuExit, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuExit_Click));
    connect(MnuHelp, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuHelp_Click));
    connect(MnuAbout, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuAbout_Click));
    connect(MnuPreferences, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuPreferences_Click));
    connect(MnuExplorerDwG, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuExplorerDwG_Click));
    connect(Mnuexplore, &QAction::triggered, this, d.wrap(this, &FrmMain::Mnuexplore_Click));
    connect(MnuBindAll, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuBindAll_Click));
    connect(MnuPurge, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuPurge_Click));
}

void FrmMain::Form_Load()
{
    // The window is never shown, so the launcher has no task-bar entry and
    // needs no foreground window of its own until its menu pops up.
    try {
        const runtime::Program& program = *session_.env.program;
        MnuExit->setText(QStringLiteral("Exit... (Version %1.%2)").arg(program.major).arg(program.minor));
        addIcon();
        setMenuImages();
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::FormLoad);
        return;
    }
    startSideBar();
}

void FrmMain::addIcon()
{
    if (!session_.env.desktop->hasNotificationArea()) {
        session_.env.ui->msgBox(NoNotificationArea, forms::msgbox::Critical);
        runtime::endProgram();
    }
    trayIcon_->add(windowIcon(), IconTip);
    // However the launcher ends, its icon does not stay behind.
    dispatcher().atEnd([icon = QPointer<forms::TrayIcon>(trayIcon_)] {
        if (icon)
            icon->remove();
    });
}

void FrmMain::setMenuImages()
{
    MnuExit->setIcon(imgList_.image(ImgList::Exit));
    MnuHelp->setIcon(imgList_.image(ImgList::Help));
    Mnuexplore->setIcon(imgList_.image(ImgList::Favorites));
}

void FrmMain::startSideBar()
{
    // A missing palette is no reason to trouble the user at every start.
    runtime::passOver([&] {
        if (session_.setting(Session::SideBar) == QLatin1String("True"))
            session_.env.shell->startProgram(session_.programCommand(QStringLiteral("Fly.exe")),
                                             shell::WindowStyle::NormalFocus);
    });
}

void FrmMain::Form_Unload(bool&) { trayIcon_->remove(); }

void FrmMain::Form_MouseMove(int message)
{
    QString path;
    try {
        switch (message) {
        case forms::tray::LeftDoubleClick:
            startDoubleClickProgram(Session::LeftDoubleClick, path);
            break;
        case forms::tray::RightDown:
            popUpMenu();
            break;
        case forms::tray::MiddleDoubleClick:
            startDoubleClickProgram(Session::MiddleDoubleClick, path);
            break;
        default:
            break;
        }
    } catch (const runtime::Error&) {
        session_.env.ui->msgBox(path + NotFound, forms::msgbox::Critical);
    }
}

void FrmMain::startDoubleClickProgram(const SettingKey& key, QString& path)
{
    path = session_.setting(key);
    // Taken as typed: the setting may carry arguments after the program.
    session_.env.shell->startProgram(path, shell::WindowStyle::Maximized);
}

void FrmMain::popUpMenu()
{
    session_.env.clock->doEvents();
    if (QAction* chosen = session_.env.ui->popupMenu(Mnu, session_.env.desktop->pointerPosition()))
        chosen->trigger();
}

void FrmMain::MnuExit_Click() { unload(); }

void FrmMain::MnuHelp_Click()
{
    // Whether the help opened is not asked: there is nothing the launcher
    // could do about it.
    session_.env.shell->openDocument(session_.programFile(QStringLiteral("TARVOHELP.HLP")));
}

void FrmMain::MnuAbout_Click()
{
    forms::showInFront(&about_);
}

void FrmMain::MnuPreferences_Click()
{
    forms::showInFront(&preferences_);
}

void FrmMain::explore(const QString& folder)
{
    try {
        session_.env.shell->startProgram(DrawingCommands::explorerCommand(folder), shell::WindowStyle::NormalFocus);
    } catch (const runtime::Error&) {
        session_.env.ui->msgBox(PathNotFound, forms::msgbox::Critical);
    }
}

void FrmMain::MnuExplorerDwG_Click()
{
    session_.attach();
    QString folder;
    try {
        folder = session_.connection.doc().path();
    } catch (const runtime::Error&) {
        session_.env.ui->msgBox(PathNotFound, forms::msgbox::Critical);
        return;
    }
    explore(folder);
}

void FrmMain::Mnuexplore_Click() { explore(session_.setting(Session::Favorites)); }

void FrmMain::MnuBindAll_Click()
{
    session_.attach();
    try {
        const QList<BindFailure> failures = DrawingCommands::bindAllXrefs(session_.connection.doc());
        if (!failures.isEmpty()) {
            LauncherError::show(*session_.env.ui, failures.first().error.number(),
                                DrawingCommands::describe(failures), location::MnuClick);
        }
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::MnuClick);
    }
}

void FrmMain::MnuPurge_Click()
{
    session_.attach();
    try {
        DrawingCommands::purgeTwice(session_.connection.doc(), *session_.env.clock);
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::MnuClick);
    }
}

void FrmMain::Mnu_Click(const ToolItem& item)
{
    try {
        session_.env.shell->startProgram(session_.programCommand(item.programFile), shell::WindowStyle::NormalFocus);
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::MnuClick);
    }
}

}  // namespace tarvo
