#include "scales/mervane/FrmMain.h"

#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Format.h"
#include "scales/mervane/NextViewport.h"
#include "scales/mervane/Variants.h"
#include "shared/AcadProj.h"
#include "shared/ShowAppError.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>

namespace mervane {

namespace {

const QString kCaption = QStringLiteral("Standard Scales");
constexpr int kTimerInterval = 1000;
// Translucency: the window and, more so, the list, so the drawing shows through.
constexpr int kWindowAlpha = 186;
constexpr int kListAlpha = 100;
constexpr int kOpaque = 255;

}  // namespace

FrmMain::FrmMain(env::Environment& env, QWidget* parent) : forms::Form(*env.dispatcher, parent), env_(env)
{
    setCaption(kCaption);
    // The twips layout was drawn for a narrow 8-point dialog font; wider text
    // would be cut off in the option buttons.
    QFont small = font();
    small.setPointSize(8);
    small.setStretch(QFont::SemiCondensed);
    setFont(small);
    // The window is as large as its controls plus their margin.
    setTwipsSize(7695, 4935);
    createControls();
    bindEvents();
}

void FrmMain::createControls()
{
    LVscales = new QTreeWidget(this);
    LVscales->setRootIsDecorated(false);
    LVscales->setItemsExpandable(false);
    LVscales->setUniformRowHeights(true);
    LVscales->setSelectionMode(QAbstractItemView::SingleSelection);
    LVscales->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVscales->setAllColumnsShowFocus(true);
    LVscales->setHeaderLabels(ScaleTables::columnTitles());
    LVscales->header()->setStretchLastSection(false);
    const QList<int> widths = ScaleTables::columnWidths();
    for (int column = 0; column < widths.size(); ++column)
        LVscales->setColumnWidth(column, forms::twipsToPixels(widths[column]));
    forms::placeTwips(LVscales, 120, 120, 7455, 3255);

    FrameOptions = new QGroupBox(QStringLiteral("Scale Type:"), this);
    forms::placeTwips(FrameOptions, 180, 3480, 5775, 735);
    const std::array<QString, ScaleTables::FamilyCount> captions = {
        QStringLiteral("Architectural"), QStringLiteral("Machine"), QStringLiteral("Civil"),
        QStringLiteral("Metric")};
    const std::array<int, ScaleTables::FamilyCount> lefts = {240, 2040, 3480, 4560};
    const std::array<int, ScaleTables::FamilyCount> widthsOfOptions = {1215, 1215, 1215, 975};
    for (int index = 0; index < ScaleTables::FamilyCount; ++index) {
        Option1[index] = new QRadioButton(captions[index], FrameOptions);
        // The captions were laid out for a narrower font than the desktop's:
        // a button may grow into the room before the next one, never past it.
        const int room = (index + 1 < ScaleTables::FamilyCount ? lefts[index + 1] : 5775) - lefts[index] - 60;
        const int wanted = forms::pixelsToTwips(Option1[index]->sizeHint().width());
        forms::placeTwips(Option1[index], lefts[index], 360,
                          std::max(widthsOfOptions[index], std::min(wanted, room)), 255);
    }

    ChkTransparent = new QCheckBox(QStringLiteral("Transparent"), this);
    forms::placeTwips(ChkTransparent, 6240, 3720, 1215, 375);

    CmdOK = new QPushButton(QStringLiteral("Ok"), this);
    forms::placeTwips(CmdOK, 240, 4440, 1575, 375);
    CmdNext = new QPushButton(QStringLiteral("Next VPort"), this);
    forms::placeTwips(CmdNext, 2160, 4440, 1215, 375);
    CmdGetscale = new QPushButton(QStringLiteral("Current Scale"), this);
    forms::placeTwips(CmdGetscale, 3480, 4440, 1455, 375);
    CmdExit = new QPushButton(QStringLiteral("Exit"), this);
    forms::placeTwips(CmdExit, 6240, 4440, 1335, 375);

    Timer1 = new forms::Timer(dispatcher(), this);
    Timer1->setInterval(kTimerInterval);
    Timer1->setEnabled(true);
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    Timer1->setHandler([this] { Timer1_Timer(); });
    for (int index = 0; index < ScaleTables::FamilyCount; ++index)
        connect(Option1[index], &QRadioButton::clicked, this, d.wrap([this, index] { Option1_Click(index); }));
    connect(LVscales, &QTreeWidget::itemClicked, this, d.wrap(this, &FrmMain::LVscales_Click));
    connect(CmdOK, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdOK_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdExit_Click));
    connect(CmdGetscale, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdGetscale_Click));
    connect(CmdNext, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdNext_Click));
    connect(ChkTransparent, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkTransparent_Click));
}

void FrmMain::Form_Load()
{
    if (!AcadProj())
        return;
    // The list does not wait for the host: whatever the host says to the
    // space switch below, the scales are there to pick from.
    Option1[int(ScaleFamily::Architectural)]->setChecked(true);
    Architectural();
    try {
        cad::Document& doc = document();
        if (doc.activeSpace() != cad::space::Paper)
            doc.setActiveSpace(cad::space::Paper);
        doc.application()->zoomExtents();
        doc.setMSpace(true);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::Timer1_Timer() { AcadProj(); }

bool FrmMain::AcadProj()
{
    suite::AttachHooks hooks;
    hooks.unload = [this] { unloadAndEnd(); };
    return suite::acadProj(env_, conn_, AttachVariant, hooks);
}

void FrmMain::Option1_Click(int index)
{
    switch (ScaleFamily(index)) {
    case ScaleFamily::Architectural:
        Architectural();
        break;
    case ScaleFamily::Machine:
        Machine();
        break;
    case ScaleFamily::Civil:
        Civil();
        break;
    case ScaleFamily::Metric:
        Metric();
        break;
    }
}

void FrmMain::LVscales_Click() { scales(); }

void FrmMain::CmdOK_Click()
{
    // A refused scale is reported and the window stays, so the user can put
    // things right and try again.
    if (scales())
        unloadAndEnd();
}

void FrmMain::CmdExit_Click() { unloadAndEnd(); }

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

void FrmMain::unloadAndEnd()
{
    close();
    runtime::endProgram();
}

void FrmMain::CmdGetscale_Click()
{
    try {
        const double scale = document().activePViewport()->customScale();
        // Architectural scales are read as paper inches to the foot.
        const QString text = family() == ScaleFamily::Architectural
                                 ? runtime::formatGeneral(12 * scale) + QStringLiteral(" = 1'-0")
                                 : runtime::formatGeneral(scale);
        env_.ui->msgBox(text, forms::msgbox::OkOnly);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("CmdGetScale_Click"), error);
    }
}

void FrmMain::CmdNext_Click()
{
    try {
        cad::Document& doc = document();
        const std::shared_ptr<cad::PViewport> next = NextViewport::after(doc);
        if (!next) {
            env_.ui->msgBox(QStringLiteral("There is no viewport in paper space."), forms::msgbox::OkOnly);
            return;
        }
        next->display(true);
        doc.setMSpace(true);
        doc.setActivePViewport(next);
        doc.regen(cad::regen::AllViewports);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("CmdNext_Click"), error);
    }
}

void FrmMain::ChkTransparent_Click()
{
    const bool translucent = ChkTransparent->isChecked();
    forms::setWindowAlpha(this, translucent ? kWindowAlpha : kOpaque);
    forms::setWindowAlpha(LVscales, translucent ? kListAlpha : kOpaque);
}

bool FrmMain::scales()
{
    const std::optional<ScaleFamily> set = family();
    if (!set)
        return true;
    const std::optional<double> zoom = ScaleTables::zoomFactor(*set, selectedPosition());
    if (!zoom)
        return true;
    try {
        document().application()->zoomScaled(*zoom, cad::zoomScale::RelativeToPaperSpace);
        return true;
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("scales"), error);
        return false;
    }
}

void FrmMain::Architectural() { fill(ScaleFamily::Architectural); }
void FrmMain::Machine() { fill(ScaleFamily::Machine); }
void FrmMain::Civil() { fill(ScaleFamily::Civil); }
void FrmMain::Metric() { fill(ScaleFamily::Metric); }

void FrmMain::fill(ScaleFamily family)
{
    try {
        LVscales->clear();
        for (const ScaleRow& row : ScaleTables::rows(family))
            LVscales->addTopLevelItem(new QTreeWidgetItem(row.texts()));
    } catch (const runtime::Error& error) {
        reportAppError(ScaleTables::familyName(family), error);
    }
}

std::optional<ScaleFamily> FrmMain::family() const
{
    for (int index = 0; index < ScaleTables::FamilyCount; ++index)
        if (Option1[index]->isChecked())
            return ScaleFamily(index);
    return std::nullopt;
}

int FrmMain::selectedPosition() const
{
    const QList<QTreeWidgetItem*> selected = LVscales->selectedItems();
    return selected.isEmpty() ? 0 : LVscales->indexOfTopLevelItem(selected.first()) + 1;
}

void FrmMain::reportAppError(const QString& location, const runtime::Error& error)
{
    suite::showAppError(*env_.ui, location, error);
}

cad::Document& FrmMain::document() const
{
    if (!conn_.document)
        runtime::raise(runtime::err::ObjectVariableNotSet);
    return *conn_.document;
}

}  // namespace mervane
