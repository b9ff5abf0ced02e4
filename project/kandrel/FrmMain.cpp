#include "project/kandrel/FrmMain.h"

#include "platform/cad/Application.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Named.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "project/kandrel/FrmWizard.h"
#include "project/kandrel/ProjectNumber.h"
#include "project/kandrel/ProjectPaths.h"
#include "project/kandrel/Session.h"
#include "project/kandrel/Variants.h"
#include "shared/AcadProj.h"
#include "shared/ReattachTimer.h"
#include "shared/ShowAppError.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kandrel {

namespace {

using forms::named;

const QString Caption = QStringLiteral("Kandrel");
constexpr int NarrowTwips = 6360;
constexpr int WideTwips = 9555;
constexpr int TimerInterval = 3000;

const QString NoProjectToAdd = QStringLiteral("Warning!!! No Project To Add From Project Number Text Box");
const QString NoProjectToRemove = QStringLiteral("Warning!!! No Project Pick From List Box To Remove");
const QString NoProjectSelected = QStringLiteral("Select Project From List Box");

// A frame around one control.
QGroupBox* frameAround(const QString& title, QWidget* control)
{
    auto* frame = new QGroupBox(title);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(control);
    return frame;
}

// A label that shows a path: the whole path in its tooltip, and it does not
// widen the window when the path is long.
QLabel* pathLabel(const char* name)
{
    auto* label = named(new QLabel, name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

void showPath(QLabel* label, const QString& path)
{
    label->setText(path);
    label->setToolTip(path);
}

}  // namespace

FrmMain::FrmMain(Session& session) : forms::Form(*session.env.dispatcher), session_(session)
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(Caption);
    createControls();
    layOut();
    bindEvents();
    wizard_ = std::make_unique<FrmWizard>(session_, *this);
}

FrmMain::~FrmMain() = default;

void FrmMain::createControls()
{
    TxtProjectNum = named(new QLineEdit, "TxtProjectNum");
    TxtProjectNum->setToolTip(QStringLiteral("Company Project Numbers"));
    CmdAdd = named(new QPushButton(QStringLiteral("Add Project")), "CmdAdd");
    CmdRemove = named(new QPushButton(QStringLiteral("Remove Project")), "CmdRemove");
    List1 = named(new QListView, "List1");
    List1->setToolTip(QStringLiteral("Double Click Project"));
    List1->setModel(&session_.projects);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    LblCurrent = pathLabel("LblCurrent");
    LblTemp = pathLabel("LblTemp");
    LblPen = pathLabel("LblPen");
    CmdOK = named(new QPushButton(QStringLiteral("Ok")), "CmdOK");
    CmdExit = named(new QPushButton(QStringLiteral("Exit")), "CmdExit");
    CmdSetting = named(new QPushButton(QStringLiteral("Settings>>")), "CmdSetting");

    TxtPre = named(new QLineEdit, "TxtPre");
    TxtPre->setToolTip(QStringLiteral("What Drive and Path is Company Projects On"));
    TxtSuff = named(new QLineEdit, "TxtSuff");
    TxtSuff->setToolTip(QStringLiteral("Optional (Drawings Located in another directory)"));
    TxtTemp = named(new QLineEdit(QStringLiteral("\\DwgTemplates")), "TxtTemp");
    TxtTemp->setToolTip(QStringLiteral("Example: Project Prefix + Project Number + Project Suffix + \\DwgTemplates"));
    ChkPlot = named(new QCheckBox(QStringLiteral("On")), "ChkPlot");
    TxtPlot = named(new QLineEdit(QStringLiteral("\\Pens")), "TxtPlot");
    TxtPlot->setToolTip(QStringLiteral("Example: Project Prefix + Project Number + Project Suffix + \\Pens"));
    CmdWizard = named(new QPushButton(QStringLiteral("Setup Wizard")), "CmdWizard");

    Timer1 = new suite::ReattachTimer(dispatcher(), this, TimerInterval, [this] { Timer1_Timer(); });
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void FrmMain::layOut()
{
    FraProjectNum = new QGroupBox(QStringLiteral("Project Number:"));
    auto* numberRow = new QHBoxLayout(FraProjectNum);
    numberRow->addWidget(TxtProjectNum, 1);
    numberRow->addWidget(CmdAdd);
    numberRow->addWidget(CmdRemove);

    FraProjectInfo = frameAround(QStringLiteral("Project Info:"), List1);
    FraCurrent = frameAround(QStringLiteral("Current Project:"), LblCurrent);
    FraTemp = frameAround(QStringLiteral("Project Drawing Template paths:"), LblTemp);
    FraPen = frameAround(QStringLiteral("Project Plot style Pen paths:"), LblPen);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdExit);
    buttons->addStretch(1);
    buttons->addWidget(CmdSetting);

    auto* left = new QVBoxLayout;
    left->addWidget(FraProjectNum);
    left->addWidget(FraProjectInfo, 1);
    left->addWidget(FraCurrent);
    left->addWidget(FraTemp);
    left->addWidget(FraPen);
    left->addLayout(buttons);

    FraPre = frameAround(QStringLiteral("Project Prefix (Example: P:\\Projects\\)"), TxtPre);
    FraSuff = frameAround(QStringLiteral("Project Suffix (Example: \\Drawings)"), TxtSuff);
    FraTempLocation = frameAround(QStringLiteral("Drawing Template Project Locations:"), TxtTemp);
    FraPlot = new QGroupBox(QStringLiteral("Plot Styles Project Locations:"));
    auto* plotRow = new QHBoxLayout(FraPlot);
    plotRow->addWidget(ChkPlot);
    plotRow->addWidget(TxtPlot, 1);
    FraSettings = frameAround(QStringLiteral("Settings"), CmdWizard);

    settingsPanel_ = new QWidget;
    auto* panel = new QVBoxLayout(settingsPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(FraPre);
    panel->addWidget(FraSuff);
    panel->addWidget(FraTempLocation);
    panel->addWidget(FraPlot);
    panel->addWidget(FraSettings);
    panel->addStretch(1);
    settingsPanel_->setVisible(false);

    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addWidget(settingsPanel_);
    setWidthTwips(NarrowTwips);
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdAdd, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdAdd_Click));
    connect(CmdRemove, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdRemove_Click));
    connect(CmdOK, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdOK_Click));
    connect(List1, &QListView::doubleClicked, this, d.wrap(this, &FrmMain::List1_DblClick));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdExit_Click));
    connect(CmdSetting, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdSetting_Click));
    connect(CmdWizard, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdWizard_Click));
}

void FrmMain::setWidthTwips(int twips)
{
    // The narrow and the wide window are what the user toggles between; the
    // controls never get less room than they need.
    layout()->activate();
    const int width = std::max(forms::twipsToPixels(twips), minimumSizeHint().width());
    resize(width, std::max(height(), sizeHint().height()));
}

void FrmMain::Form_Load()
{
    setWidthTwips(NarrowTwips);
    CmdSetting->setText(QStringLiteral("Settings>>"));
    SettingState = 0;
    if (!AcadProj())
        return;
    Timer1->setEnabled(true);
    try {
        cad::Document& doc = session_.connection.doc();
        doc.setVariable(QStringLiteral("rememberfolders"), 1);
        session_.projects.load();
        const QString projectPath = session_.setting(QStringLiteral("ProjectPath"));
        const QString prefix = session_.setting(QStringLiteral("ProjectPrefix"));
        const QString suffix = session_.setting(QStringLiteral("ProjectSuffix"));
        const QString templates = session_.setting(QStringLiteral("ProjectTemplates"));
        const QString pens = session_.setting(QStringLiteral("ProjectPens"));
        const QString pensOn = session_.setting(QStringLiteral("ProjectPensOn"));
        session_.preferences = doc.application()->preferences();
        const std::shared_ptr<cad::PreferencesFiles> files = session_.preferences->files();
        showPath(LblCurrent, projectPath);
        showPath(LblPen, files->printerStyleSheetPath());
        showPath(LblTemp, files->templateDwgPath());
        TxtPre->setText(prefix);
        TxtSuff->setText(suffix);
        TxtTemp->setText(templates);
        TxtPlot->setText(pens);
        ChkPlot->setChecked(pensOn == QLatin1String("True"));
        settingsShown_ = true;
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::Form_Unload(bool&)
{
    if (settingsShown_) {
        session_.saveSetting(QStringLiteral("ProjectPrefix"), TxtPre->text());
        session_.saveSetting(QStringLiteral("ProjectSuffix"), TxtSuff->text());
        session_.saveSetting(QStringLiteral("ProjectPens"), TxtPlot->text());
        session_.saveSetting(QStringLiteral("ProjectTemplates"), TxtTemp->text());
        session_.saveSetting(QStringLiteral("ProjectPensOn"),
                             ChkPlot->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    }
    runtime::endProgram();
}

bool FrmMain::AcadProj()
{
    suite::AttachHooks hooks;
    hooks.unload = [this] { unload(); };
    return suite::acadProj(session_.env, session_.connection, AttachVariant, hooks);
}

void FrmMain::Timer1_Timer() { AcadProj(); }

void FrmMain::CmdAdd_Click()
{
    const QString number = TxtProjectNum->text();
    if (number.isEmpty()) {
        session_.env.ui->msgBox(NoProjectToAdd, forms::msgbox::Critical);
        return;
    }
    if (!ProjectNumber::acceptable(number)) {
        session_.env.ui->msgBox(ProjectNumber::Refused, forms::msgbox::Critical);
        return;
    }
    try {
        session_.projects.add(number);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("CmdAdd_Click"), error);
    }
}

void FrmMain::CmdRemove_Click()
{
    // The selection, not its text, says what to remove: an empty line of the
    // list is an entry too and can be taken out.
    const int row = selectedRow();
    if (row < 0) {
        session_.env.ui->msgBox(NoProjectToRemove, forms::msgbox::Critical);
        return;
    }
    try {
        session_.projects.removeAt(row);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("CmdRemove_Click"), error);
    }
}

void FrmMain::CmdOK_Click()
{
    DoProject();
    unload();
}

void FrmMain::List1_DblClick()
{
    DoProject();
    unload();
}

void FrmMain::CmdExit_Click() { unload(); }

void FrmMain::CmdSetting_Click()
{
    if (SettingState != 0) {
        settingsPanel_->setVisible(false);
        setWidthTwips(NarrowTwips);
        CmdSetting->setText(QStringLiteral("Settings>>"));
        SettingState = 0;
    } else {
        settingsPanel_->setVisible(true);
        setWidthTwips(WideTwips);
        CmdSetting->setText(QStringLiteral("<<Settings"));
        SettingState = -1;
    }
}

void FrmMain::CmdWizard_Click()
{
    hide();
    wizard_->show();
}

void FrmMain::DoProject()
{
    const QString number = selectedProject();
    if (number.isEmpty()) {
        session_.env.ui->msgBox(NoProjectSelected, forms::msgbox::Critical);
        return;
    }
    // A number read from a list file edited by hand is checked here too.
    if (!ProjectNumber::acceptable(number)) {
        session_.env.ui->msgBox(ProjectNumber::Refused, forms::msgbox::Critical);
        return;
    }
    ProjectChoice choice;
    choice.number = number;
    choice.root = TxtPre->text();
    choice.suffix = TxtSuff->text();
    choice.templates = TxtTemp->text();
    choice.pens = TxtPlot->text();
    choice.pensOn = ChkPlot->isChecked();
    choice.previousFolder = LblCurrent->text();
    try {
        ProjectPaths(session_).apply(choice);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("DoProject"), error);
    }
}

void FrmMain::setProjectPrefix(const QString& prefix) { TxtPre->setText(prefix); }

void FrmMain::wizardClosed() { show(); }

int FrmMain::selectedRow() const
{
    const QModelIndexList selected = List1->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString FrmMain::selectedProject() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : session_.projects.entries().value(row);
}

void FrmMain::reportAppError(const QString& location, const runtime::Error& error)
{
    suite::showAppError(*session_.env.ui, location, error);
}

}  // namespace kandrel
