#include "scales/mervane/FrmMain.h"

#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "scales/mervane/Session.h"
#include "scales/mervane/ViewportScale.h"
#include "shared/ReattachTimer.h"
#include "shared/ShowAppError.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace mervane {

namespace {

const QString kCaption = QStringLiteral("Standard Scales");
constexpr int kTimerInterval = 1000;
// Translucency: the window and, more so, the list, so the drawing shows through.
constexpr int kWindowAlpha = 186;
constexpr int kListAlpha = 100;
constexpr int kOpaque = 255;

std::array<QRadioButton*, ScaleTables::FamilyCount> optionButtons(QWidget* frame)
{
    std::array<QRadioButton*, ScaleTables::FamilyCount> buttons{};
    for (ScaleFamily family : ScaleTables::families())
        buttons[int(family)] = new QRadioButton(ScaleTables::familyName(family), frame);
    return buttons;
}

}  // namespace

FrmMain::FrmMain(Session& session, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      LVscales(new QTreeWidget(this)),
      FrameOptions(new QGroupBox(QStringLiteral("Scale Type:"), this)),
      Option1(optionButtons(FrameOptions)),
      ChkTransparent(new QCheckBox(QStringLiteral("Transparent"), this)),
      CmdOK(new QPushButton(QStringLiteral("Ok"), this)),
      CmdNext(new QPushButton(QStringLiteral("Next VPort"), this)),
      CmdGetscale(new QPushButton(QStringLiteral("Current Scale"), this)),
      CmdExit(new QPushButton(QStringLiteral("Exit"), this)),
      Timer1(new suite::ReattachTimer(dispatcher(), this, kTimerInterval, [this] { Timer1_Timer(); }))
{
    setCaption(kCaption);
    createControls();
    layOut();
    bindEvents();
}

void FrmMain::createControls()
{
    LVscales->setObjectName(QStringLiteral("LVscales"));
    FrameOptions->setObjectName(QStringLiteral("FrameOptions"));
    for (int index = 0; index < ScaleTables::FamilyCount; ++index)
        Option1[index]->setObjectName(QStringLiteral("Option1(%1)").arg(index));
    ChkTransparent->setObjectName(QStringLiteral("ChkTransparent"));
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdNext->setObjectName(QStringLiteral("CmdNext"));
    CmdGetscale->setObjectName(QStringLiteral("CmdGetscale"));
    CmdExit->setObjectName(QStringLiteral("CmdExit"));
    Timer1->setObjectName(QStringLiteral("Timer1"));

    LVscales->setRootIsDecorated(false);
    LVscales->setItemsExpandable(false);
    LVscales->setUniformRowHeights(true);
    LVscales->setSelectionMode(QAbstractItemView::SingleSelection);
    LVscales->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVscales->setAllColumnsShowFocus(true);
    LVscales->setHeaderLabels(ScaleTables::columnTitles());
    fitList();
}

void FrmMain::fitList()
{
    LVscales->ensurePolished();
    // Measured on every family's rows at once, so that a change of family
    // never needs a wider column.
    for (ScaleFamily family : ScaleTables::families())
        for (const ScaleRow& row : ScaleTables::rows(family))
            LVscales->addTopLevelItem(new QTreeWidgetItem(row.texts()));
    const QList<int> least = ScaleTables::columnWidths();
    for (int column = 0; column < LVscales->columnCount(); ++column) {
        LVscales->resizeColumnToContents(column);
        LVscales->setColumnWidth(column, std::max(LVscales->columnWidth(column), forms::twipsToPixels(least[column])));
    }
    const int rowHeight = LVscales->sizeHintForRow(0);
    LVscales->clear();

    int longest = 0;
    for (ScaleFamily family : ScaleTables::families())
        longest = std::max(longest, ScaleTables::rowCount(family));
    const int frame = 2 * LVscales->frameWidth();
    // Room for a vertical scroll bar is kept, so that the columns fit even
    // where the style shows one; without it the last column takes the room.
    const int scrollBar = LVscales->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, LVscales);
    LVscales->header()->setStretchLastSection(true);
    LVscales->setMinimumWidth(LVscales->header()->length() + frame + scrollBar);
    LVscales->setMinimumHeight(LVscales->header()->sizeHint().height() + longest * rowHeight + frame);
}

void FrmMain::layOut()
{
    auto* options = new QHBoxLayout(FrameOptions);
    for (QRadioButton* option : Option1)
        options->addWidget(option);
    options->addStretch();

    // The bottom rows share their columns, so that "Transparent" stands
    // above "Exit".
    auto* bottom = new QGridLayout;
    bottom->addWidget(FrameOptions, 0, 0, 1, 4);
    bottom->addWidget(ChkTransparent, 0, 4);
    bottom->addWidget(CmdOK, 1, 0);
    bottom->addWidget(CmdNext, 1, 1);
    bottom->addWidget(CmdGetscale, 1, 2);
    bottom->setColumnStretch(3, 1);
    bottom->addWidget(CmdExit, 1, 4);

    auto* window = new QVBoxLayout(this);
    window->addWidget(LVscales, 1);
    window->addLayout(bottom);
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
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
    Timer1->setEnabled(true);
    // The list does not wait for the host: whatever the host says to the
    // space switch below, the scales are there to pick from.
    Option1[int(ScaleFamily::Architectural)]->setChecked(true);
    Architectural();
    try {
        ViewportScale::enterLayout(session_.connection.doc());
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::Timer1_Timer() { AcadProj(); }

bool FrmMain::AcadProj()
{
    return session_.attach([this] { unloadAndEnd(); });
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
        const QString scale = ViewportScale::currentScale(session_.connection.doc(), family());
        session_.env.ui->msgBox(scale, forms::msgbox::OkOnly);
    } catch (const runtime::Error& error) {
        reportAppError(QStringLiteral("CmdGetScale_Click"), error);
    }
}

void FrmMain::CmdNext_Click()
{
    try {
        if (!ViewportScale::moveToNext(session_.connection.doc()))
            session_.env.ui->msgBox(QStringLiteral("There is no viewport in paper space."), forms::msgbox::OkOnly);
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
        ViewportScale::apply(session_.connection.doc(), *zoom);
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
    suite::showAppError(*session_.env.ui, location, error);
}

}  // namespace mervane
