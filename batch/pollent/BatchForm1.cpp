#include "batch/pollent/BatchForm1.h"

#include "batch/pollent/About.h"
#include "batch/pollent/BatchForm3.h"
#include "batch/pollent/BatchRun.h"
#include "batch/pollent/FrmBatchSettings.h"
#include "batch/pollent/FrmCancel.h"
#include "batch/pollent/MouseUpWatcher.h"
#include "batch/pollent/OperationList.h"
#include "batch/pollent/SingleDocumentMode.h"
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
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace pollent {

namespace {

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

}  // namespace

BatchForm1::BatchForm1(env::Environment& env)
    : forms::Form(*env.dispatcher),
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
      ListView1(new QTreeWidget(this)),
      ListView2(new QTreeWidget(this)),
      StatusBar1(new QStatusBar(this)),
      Panel1(new QLabel(QStringLiteral("AutoCad: Running...."), StatusBar1)),
      Panel2(new QLabel(StatusBar1)),
      env_(env),
      session_(env),
      report_(env, suite::ReportErrorVariant{false, &session_.connection, [this] { showMainHideRun(); }})
{
    setObjectName(QStringLiteral("BatchForm1"));
    setCaption(QStringLiteral("Pollent Processor\\Archive Drawings"));
    buildMenus();
    buildLists();
    layOut();

    BatchForm2 = std::make_unique<suite::PickFilesForm>(env_, pickFilesVariant(), *this);
    Options = std::make_unique<BatchForm3>(
        session_, report_,
        BatchForm3::Owner{[this] { batchlist(); }, [this] { MnuProSettings_Click(); }});
    Settings = std::make_unique<FrmBatchSettings>(session_, report_);
    AboutBox = std::make_unique<About>(dispatcher());
    RunWindow = std::make_unique<FrmCancel>(session_, *this);
    bind();
}

BatchForm1::~BatchForm1() = default;

void BatchForm1::buildMenus()
{
    for (QMenu* m : {Mnufile, MnuDrawinglist, MnuScript, MnuOptions, MnuHelp})
        MenuBar->addMenu(m);
}

void BatchForm1::buildLists()
{
    const QString hint = QStringLiteral("Right Click For Menu");
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabel(QStringLiteral("Drawing List") + QString(21, u' ')
                              + QStringLiteral("Right click on listbox for menu"));
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setHeaderLabel(QStringLiteral("Pollent  (What to with the drawings)  Right click on listbox for menu"));
    for (QTreeWidget* list : {ListView1, ListView2}) {
        list->setToolTip(hint);
        list->setRootIsDecorated(false);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setIconSize(QSize(ImageList::Size, ImageList::Size));
        list->header()->setSectionsClickable(false);
    }
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
        step([this] { session_.attributes.GetBatchSettings(*env_.settings, report_); });
        step([this] { session_.attach(report_); });
        step([this] { readProjectPath(); });
        step([this] { showProjectPath(); });
        step([this] { readSavedSdi(); });
        step([this] { switchToSingleDocument(); });
        step([this] { setInitialOptions(); });
    });
}

void BatchForm1::readProjectPath()
{
    session_.ProjectPath = session_.document().application()->preferences()->files()->templateDwgPath();
}

void BatchForm1::showProjectPath()
{
    if (session_.ProjectPath.isEmpty())
        session_.ProjectPath = QStringLiteral("C:\\");
    Panel2->setText(QStringLiteral("ProjectPath:  ") + session_.ProjectPath);
}

void BatchForm1::readSavedSdi() { session_.SavedSdi = SingleDocumentMode::read(session_); }

void BatchForm1::switchToSingleDocument()
{
    // A mode that could not be read is left alone.
    if (session_.SavedSdi)
        SingleDocumentMode::switchOn(session_, *session_.SavedSdi);
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
    SingleDocumentMode::putBackAtEnd(session_);
    runtime::endProgram();
}

void BatchForm1::MnuExit_Click()
{
    SingleDocumentMode::putBackAtEnd(session_);
    runtime::endProgram();
}

void BatchForm1::Batchlist1sub(const QString& fileToAdd)
{
    auto* item = new QTreeWidgetItem(ListView1, QStringList{fileToAdd});
    item->setIcon(0, ImageList1.image(ImageList::Drawing));
}

QStringList BatchForm1::drawingList() const
{
    QStringList paths;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        paths.append(ListView1->topLevelItem(i)->text(0));
    return paths;
}

void BatchForm1::batchlist()
{
    OperationList::batchlist(*ListView2, session_.options, ImageList1.image(ImageList::Operation));
}

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
    const auto idle = qScopeGuard([this] { setRunning(false); });
    BatchRun run(session_, report_, *this, *RunWindow, drawingList(), ListView2->topLevelItemCount());
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
        if (ListView1->topLevelItemCount() == 0) {
            env_.ui->msgBox(QStringLiteral("Warning!!! No Drawing In List"), forms::msgbox::Critical);
            return;
        }
        step([this] { removeSelected(); });
    });
}

void BatchForm1::removeSelected()
{
    // With nothing selected there is nothing to remove.
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (!selected.isEmpty())
        delete ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(selected.first()));
}

void BatchForm1::MnuRemoveallDrawing_Click() { ListView1->clear(); }

void BatchForm1::sortList(Qt::SortOrder order)
{
    // Paths compare as the user reads them, regardless of letter case; equal
    // ones keep their order.
    QList<QTreeWidgetItem*> items;
    while (ListView1->topLevelItemCount() > 0)
        items.append(ListView1->takeTopLevelItem(0));
    std::stable_sort(items.begin(), items.end(), [order](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        const int c = a->text(0).compare(b->text(0), Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    ListView1->addTopLevelItems(items);
}

void BatchForm1::MnuSortAZ_Click() { sortList(Qt::AscendingOrder); }

void BatchForm1::MnuSortZA_Click() { sortList(Qt::DescendingOrder); }

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
    if (QAction* chosen = env_.ui->popupMenu(menu, globalPos))
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
