#include "batch/pollent/BatchForm1.h"

#include "batch/pollent/About.h"
#include "batch/pollent/BatchForm3.h"
#include "batch/pollent/BatchRun.h"
#include "batch/pollent/FrmBatchSettings.h"
#include "batch/pollent/FrmCancel.h"
#include "batch/pollent/MouseUpWatcher.h"
#include "batch/pollent/Session.h"
#include "batch/pollent/Variants.h"
#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "shared/PickFilesForm.h"
#include "shared/PickFilesVariant.h"
#include "shared/StepRunner.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace pollent {

namespace {

const QString HostRunning = QStringLiteral("AutoCad: Running....");

QAction* action(QMenu* menu, const QString& name, const QString& text)
{
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    return item;
}

QMenu* menu(const QString& name, const QString& title, QWidget* parent)
{
    auto* m = new QMenu(title, parent);
    m->setObjectName(name);
    return m;
}

// An item that follows a separator of the menu.
QAction* actionAfter(const QString& separatorName, QMenu* menu, const QString& name, const QString& text)
{
    menu->addSeparator()->setObjectName(separatorName);
    return action(menu, name, text);
}

QTreeView* listView(const QString& name, QAbstractItemModel& model, QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(name);
    view->setModel(&model);
    view->setToolTip(QStringLiteral("Right Click For Menu"));
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setIconSize(QSize(ImageList::Size, ImageList::Size));
    view->header()->setSectionsClickable(false);
    return view;
}

}  // namespace

BatchForm1::BatchForm1(Session& session)
    : forms::Form(*session.env.dispatcher),
      session_(session),
      report_(session.env, suite::ReportErrorVariant{false, &session.connection, [this] { showMainHideRun(); }}),
      drawings_(ImageList1.image(ImageList::Drawing)),
      operations_(ImageList1.image(ImageList::Operation)),
      MenuBar(new QMenuBar(this)),
      Mnufile(menu(QStringLiteral("Mnufile"), QStringLiteral("File"), this)),
      MnuRunProcessor(action(Mnufile, QStringLiteral("MnuRunProcessor"), QStringLiteral("Run Processor"))),
      MnuExit(actionAfter(QStringLiteral("MnuSpace1"), Mnufile, QStringLiteral("MnuExit"), QStringLiteral("Exit"))),
      MnuDrawinglist(menu(QStringLiteral("MnuDrawinglist"), QStringLiteral("Drawing List"), this)),
      MnuAddDrawing(action(MnuDrawinglist, QStringLiteral("MnuAddDrawing"), QStringLiteral("Add Drawing"))),
      MnuRemoveDrawing(actionAfter(QStringLiteral("MnuSpace2"), MnuDrawinglist, QStringLiteral("MnuRemoveDrawing"),
                                   QStringLiteral("Remove Drawing"))),
      MnuRemoveallDrawing(
          action(MnuDrawinglist, QStringLiteral("MnuRemoveallDrawing"), QStringLiteral("Remove (All)"))),
      MnuSortAZ(actionAfter(QStringLiteral("MnuSpace6"), MnuDrawinglist, QStringLiteral("MnuSortAZ"),
                            QStringLiteral("Sort A-Z"))),
      MnuSortZA(action(MnuDrawinglist, QStringLiteral("MnuSortZA"), QStringLiteral("Sort Z-A"))),
      MnuScript(menu(QStringLiteral("MnuScript"), QStringLiteral("Pollent"), this)),
      MnuScriptSettings(action(MnuScript, QStringLiteral("MnuScriptSettings"), QStringLiteral("Pollent Options"))),
      MnuOptions(menu(QStringLiteral("MnuOptions"), QStringLiteral("Options"), this)),
      MnuProSettings(
          action(MnuOptions, QStringLiteral("MnuProSettings"), QStringLiteral("UpDate Attribute Settings"))),
      MnuHelp(menu(QStringLiteral("MnuHelp"), QStringLiteral("Help"), this)),
      MnuAbout(action(MnuHelp, QStringLiteral("MnuAbout"), QStringLiteral("About"))),
      ListView1(listView(QStringLiteral("ListView1"), drawings_, this)),
      ListView2(listView(QStringLiteral("ListView2"), operations_, this)),
      StatusBar1(new QStatusBar(this)),
      Panel1(new QLabel(StatusBar1)),
      Panel2(new QLabel(StatusBar1)),
      BatchForm2(std::make_unique<suite::PickFilesForm>(session.env, pickFilesVariant(), *this)),
      Options(std::make_unique<BatchForm3>(
          session, report_, BatchForm3::Owner{[this] { batchlist(); }, [this] { MnuProSettings_Click(); }})),
      Settings(std::make_unique<FrmBatchSettings>(session, report_)),
      AboutBox(std::make_unique<About>(dispatcher())),
      RunWindow(std::make_unique<FrmCancel>(session, *this))
{
    setObjectName(QStringLiteral("BatchForm1"));
    setCaption(QStringLiteral("Pollent Processor\\Archive Drawings"));
    buildMenus();
    buildLists();
    layOut();
    bind();
    // Exit, a close box, an error report's Abort or an untrapped error: each
    // ends the program here, and the host gets its mode back.
    dispatcher().atEnd([form = QPointer<BatchForm1>(this)] {
        if (form)
            form->session_.singleDocument.putBackPassingOver();
    });
}

BatchForm1::~BatchForm1() = default;

void BatchForm1::buildMenus()
{
    for (QMenu* m : {Mnufile, MnuDrawinglist, MnuScript, MnuOptions, MnuHelp})
        MenuBar->addMenu(m);
}

void BatchForm1::buildLists()
{
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (QLabel* panel : {Panel1, Panel2})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2->setObjectName(QStringLiteral("Panel2"));
    StatusBar1->addWidget(Panel1);
    StatusBar1->addWidget(Panel2, 1);
}

void BatchForm1::layOut()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->setMenuBar(MenuBar);
    layout->addWidget(ListView1, 3);
    layout->addWidget(ListView2, 2);
    layout->addWidget(StatusBar1);
    setTwipsSize(8400, 6600);
}

void BatchForm1::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(MnuRunProcessor, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuRunProcessor_Click));
    connect(MnuExit, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuExit_Click));
    connect(MnuAddDrawing, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuAddDrawing_Click));
    connect(MnuRemoveDrawing, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuRemoveDrawing_Click));
    connect(MnuRemoveallDrawing, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuRemoveallDrawing_Click));
    connect(MnuSortAZ, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuSortAZ_Click));
    connect(MnuSortZA, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuSortZA_Click));
    connect(MnuScriptSettings, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuScriptSettings_Click));
    connect(MnuProSettings, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuProSettings_Click));
    connect(MnuAbout, &QAction::triggered, this, d.wrap(this, &BatchForm1::MnuAbout_Click));
    new MouseUpWatcher(StatusBar1, d, [this](Qt::MouseButton b, const QPoint& p) { StatusBar1_MouseUp(b, p); });
    new MouseUpWatcher(ListView1->viewport(), d,
                       [this](Qt::MouseButton b, const QPoint& p) { ListView1_MouseUp(b, p); });
    new MouseUpWatcher(ListView2->viewport(), d,
                       [this](Qt::MouseButton b, const QPoint& p) { ListView2_MouseUp(b, p); });
}

void BatchForm1::Form_Load()
{
    suite::runProcedure(report_.at(QStringLiteral("Form_Load")), [this](suite::StepRunner& step) {
        step([this] { session_.attributes.GetBatchSettings(*session_.env.settings, report_); });
        bool attached = false;
        step([&] { attached = session_.attach(report_); });
        showHostStatus();
        // Without a host the rest has nothing to read: the window shows, and
        // a run attaches again.
        if (!attached)
            return;
        step([this] { readProjectPath(); });
        step([this] { showProjectPath(); });
        step([this] { session_.singleDocument.save(); });
        // A mode that could not be read is left alone.
        step([this] { session_.singleDocument.switchOn(*session_.env.ui, CloseDrawingsFirst); });
        step([this] { setInitialOptions(); });
    });
}

void BatchForm1::showHostStatus() { Panel1->setText(session_.connection.document ? HostRunning : QString()); }

void BatchForm1::readProjectPath()
{
    session_.ProjectPath = session_.connection.doc().application()->preferences()->files()->templateDwgPath();
}

void BatchForm1::showProjectPath()
{
    if (session_.ProjectPath.isEmpty())
        session_.ProjectPath = QStringLiteral("C:\\");
    Panel2->setText(QStringLiteral("ProjectPath:  ") + session_.ProjectPath);
}

void BatchForm1::setInitialOptions()
{
    OptionSet& o = session_.options;
    o.ArchiveName = QStringLiteral("Issued");
    o.InsertScale = QStringLiteral("1");
    o.InsertX = o.InsertY = o.InsertZ = 0;
    // A project folder that already ends in "\" (a drive's root) gets no second.
    const QString& project = session_.ProjectPath;
    o.ArchiveLocation = project.endsWith(u'\\') ? project : project + u'\\';
}

void BatchForm1::Form_Unload(bool&)
{
    // The host's mode goes back with the program's end.
    runtime::endProgram();
}

void BatchForm1::MnuExit_Click() { runtime::endProgram(); }

void BatchForm1::Batchlist1sub(const QString& fileToAdd) { drawings_.add(fileToAdd); }

void BatchForm1::batchlist() { operations_.batchlist(session_.options); }

QString BatchForm1::projectFolder() { return session_.ProjectPath; }

void BatchForm1::setRunning(bool running)
{
    running_ = running;
    for (QAction* command : {MnuRunProcessor, MnuAddDrawing, MnuRemoveDrawing, MnuRemoveallDrawing, MnuSortAZ,
                             MnuSortZA, MnuScriptSettings, MnuProSettings})
        command->setEnabled(!running);
    for (QWidget* window : std::initializer_list<QWidget*>{BatchForm2.get(), Options.get(), Settings.get()})
        window->setEnabled(!running);
}

void BatchForm1::MnuRunProcessor_Click()
{
    if (running_)
        return;
    setRunning(true);
    const auto idle = qScopeGuard([this] {
        setRunning(false);
        showHostStatus();
    });
    BatchRun run(session_, report_, drawings_, operations_.count(), *RunWindow, *RunWindow);
    run.run();
}

void BatchForm1::showMainHideRun()
{
    if (RunWindow)
        RunWindow->hide();
    show();
}

suite::Resume BatchForm1::reportProjectError(const runtime::Error& error)
{
    return report_.report(QStringLiteral("MnuProject_Click"), error);
}

void BatchForm1::MnuAddDrawing_Click()
{
    BatchForm2->show();
    BatchForm2->raise();
    BatchForm2->activateWindow();
}

void BatchForm1::MnuRemoveDrawing_Click()
{
    suite::runProcedure(report_.at(QStringLiteral("MnuRemoveDrawing_Click")), [this](suite::StepRunner& step) {
        if (drawings_.count() == 0) {
            session_.env.ui->msgBox(QStringLiteral("Warning!!! No Drawing In List"), forms::msgbox::Critical);
            return;
        }
        step([this] { removeSelected(); });
    });
}

void BatchForm1::removeSelected()
{
    // With nothing selected there is nothing to remove.
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        drawings_.remove(selected.first().row());
}

void BatchForm1::MnuRemoveallDrawing_Click() { drawings_.clear(); }

void BatchForm1::MnuSortAZ_Click() { drawings_.sort(0, Qt::AscendingOrder); }

void BatchForm1::MnuSortZA_Click() { drawings_.sort(0, Qt::DescendingOrder); }

void BatchForm1::MnuScriptSettings_Click() { Options->showModeless(); }

void BatchForm1::MnuProSettings_Click() { Settings->showModeless(); }

void BatchForm1::MnuAbout_Click()
{
    AboutBox->show();
    AboutBox->raise();
}

void BatchForm1::popUp(QMenu* menu, Qt::MouseButton button, const QPoint& globalPos)
{
    if (button != Qt::RightButton)
        return;
    if (QAction* chosen = session_.env.ui->popupMenu(menu, globalPos))
        chosen->trigger();
}

void BatchForm1::StatusBar1_MouseUp(Qt::MouseButton button, const QPoint& globalPos)
{
    popUp(Mnufile, button, globalPos);
}

void BatchForm1::ListView1_MouseUp(Qt::MouseButton button, const QPoint& globalPos)
{
    popUp(MnuDrawinglist, button, globalPos);
}

void BatchForm1::ListView2_MouseUp(Qt::MouseButton button, const QPoint& globalPos)
{
    popUp(MnuScript, button, globalPos);
}

}  // namespace pollent
