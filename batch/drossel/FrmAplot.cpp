#include "batch/drossel/FrmAplot.h"

#include "batch/drossel/ComboText.h"
#include "batch/drossel/DrosselSettings.h"
#include "batch/drossel/ErrorText.h"
#include "batch/drossel/FrmCancel.h"
#include "batch/drossel/FrmSetting.h"
#include "batch/drossel/MuduleAplot.h"
#include "batch/drossel/PaperButtons.h"
#include "batch/drossel/PlotTables.h"
#include "batch/drossel/Variants.h"
#include "platform/cad/Document.h"
#include "platform/cad/Layout.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "shared/EditableFileList.h"
#include "shared/PickFilesForm.h"
#include "shared/ReattachTimer.h"
#include "shared/SingleDocumentMode.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include <algorithm>

namespace drossel {

namespace {

const QString kCaption = QStringLiteral("Drossel   (Right Click On Printer Buttons To Setup)   ");
const QString kPenStyleAtDesign = QStringLiteral("Pen Style");
const QString kMissing = QStringLiteral(" (Missing)");
constexpr int kTimerInterval = 100;
// The caption bar and borders: the window heights include them, the client
// area does not.
constexpr int kNonClientHeight = 405;

QLabel* labelFor(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

FrmAplot::FrmAplot(MuduleAplot& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent), module_(module), plot_(module), batch_(module, plot_)
{
    setObjectName(QStringLiteral("FrmAplot"));
    setCaption(kCaption);
    createControls();
    layOut();
    // Wide enough for the whole caption and for the options at their width.
    layout()->activate();
    resize(std::max(forms::captionWidth(*this), sizeHint().width()), height());
    setHeightTwips(CompactHeight);
    frmCancel_ = std::make_unique<FrmCancel>(module_);
    frmSetting_ = std::make_unique<FrmSetting>(module_, *this);
    frmBatch_ = std::make_unique<suite::PickFilesForm>(module_.env(), pickFilesVariant(), *this);
    bindEvents();
}

FrmAplot::~FrmAplot() = default;

void FrmAplot::createControls()
{
    for (int index = 0; index < PaperButtons::Count; ++index) {
        auto* button = new QPushButton(PaperButtons::all()[std::size_t(index)].caption, this);
        button->setObjectName(QStringLiteral("CmdPrinter(%1)").arg(index));
        button->setToolTip(QStringLiteral("Right Click For Settings."));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        // Big buttons: they are the window's daily use.
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        button->setMinimumHeight(2 * button->sizeHint().height());
        CmdPrinter[std::size_t(index)] = button;
    }
    ChkBatch = new QCheckBox(QStringLiteral("Batch Plot"), this);
    ChkBatch->setObjectName(QStringLiteral("ChkBatch"));
    ChkPreview = new QCheckBox(QStringLiteral("Plot Preview"), this);
    ChkPreview->setObjectName(QStringLiteral("ChkPreview"));
    CmdMore = new QPushButton(QStringLiteral("<< More Options >>"), this);
    CmdMore->setObjectName(QStringLiteral("CmdMore"));

    options_ = new QWidget(this);
    cmdPickFiles = new QPushButton(QStringLiteral("Pick Files"), options_);
    cmdPickFiles->setObjectName(QStringLiteral("cmdPickFiles"));
    fileList_ = new suite::EditableFileList(module_.env(), FileListVariant, module_.drawings, options_);
    Scaleit = new QComboBox(options_);
    Scaleit->setObjectName(QStringLiteral("Scaleit"));
    ComboText::prepare(Scaleit);
    ComboText::set(Scaleit, PlotTables::ScaleToFit);
    PenStyles = new QComboBox(options_);
    PenStyles->setObjectName(QStringLiteral("PenStyles"));
    ComboText::prepare(PenStyles);
    ComboText::set(PenStyles, kPenStyleAtDesign);
    ChkCenter = new QCheckBox(QStringLiteral("Center The Plot"), options_);
    ChkCenter->setObjectName(QStringLiteral("ChkCenter"));
    FrmPlotOffSet = new QGroupBox(QStringLiteral("Plot Off Set:"), options_);
    FrmPlotOffSet->setObjectName(QStringLiteral("FrmPlotOffSet"));
    TxtX = new QLineEdit(QStringLiteral("0"), FrmPlotOffSet);
    TxtX->setObjectName(QStringLiteral("TxtX"));
    TxtY = new QLineEdit(QStringLiteral("0"), FrmPlotOffSet);
    TxtY->setObjectName(QStringLiteral("TxtY"));

    Timer1 = new suite::ReattachTimer(dispatcher(), this, kTimerInterval, [this] { Timer1_Timer(); });
    Timer1->setObjectName(QStringLiteral("Timer1"));
}

void FrmAplot::layOut()
{
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : CmdPrinter)
        buttons->addWidget(button);
    auto* checks = new QHBoxLayout;
    checks->addWidget(ChkBatch);
    checks->addWidget(ChkPreview);
    checks->addStretch(1);
    checks->addWidget(CmdMore);

    auto* pick = new QHBoxLayout;
    pick->addWidget(cmdPickFiles);
    pick->addStretch(1);
    auto* choices = new QHBoxLayout;
    choices->addWidget(labelFor(QStringLiteral("Scale:"), Scaleit));
    choices->addWidget(Scaleit, 1);
    choices->addSpacing(12);
    choices->addWidget(labelFor(QStringLiteral("Pen Style:"), PenStyles));
    choices->addWidget(PenStyles, 1);
    auto* offsets = new QHBoxLayout(FrmPlotOffSet);
    offsets->addWidget(labelFor(QStringLiteral("X:"), TxtX));
    offsets->addWidget(TxtX, 1);
    offsets->addWidget(labelFor(QStringLiteral("Y:"), TxtY));
    offsets->addWidget(TxtY, 1);
    auto* centring = new QHBoxLayout;
    centring->addWidget(ChkCenter);
    centring->addWidget(FrmPlotOffSet, 1);

    auto* options = new QVBoxLayout(options_);
    options->setContentsMargins(0, 0, 0, 0);
    options->addLayout(pick);
    options->addWidget(fileList_, 1);
    options->addLayout(choices);
    options->addLayout(centring);

    auto* window = new QVBoxLayout(this);
    window->addLayout(buttons, 1);
    window->addLayout(checks);
    window->addWidget(options_, 3);
}

void FrmAplot::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    for (int index = 0; index < PaperButtons::Count; ++index) {
        QPushButton* button = CmdPrinter[std::size_t(index)];
        connect(button, &QPushButton::clicked, this,
                d.wrap([this, index] { CmdPrinter_MouseDown(index, Qt::LeftButton); }));
        connect(button, &QPushButton::customContextMenuRequested, this,
                d.wrap([this, index] { CmdPrinter_MouseDown(index, Qt::RightButton); }));
    }
    connect(CmdMore, &QPushButton::clicked, this, d.wrap(this, &FrmAplot::CmdMore_Click));
    connect(cmdPickFiles, &QPushButton::clicked, this, d.wrap(this, &FrmAplot::cmdPickFiles_Click));
    connect(ChkPreview, &QCheckBox::clicked, this, d.wrap(this, &FrmAplot::ChkPreview_Click));
    connect(ChkCenter, &QCheckBox::clicked, this, d.wrap(this, &FrmAplot::ChkCenter_Click));
    // An item picked from the list; typed text is only read at the next plot.
    connect(Scaleit, &QComboBox::activated, this, d.wrap(this, &FrmAplot::Scaleit_Click));
}

DrosselSettings& FrmAplot::settings() const { return module_.settings(); }

void FrmAplot::setHeightTwips(int height)
{
    heightTwips_ = height;
    // The compact window shows the paper buttons only; its height is the
    // one the user knows, unless the buttons need more at a large font.
    options_->setVisible(height != CompactHeight);
    layout()->activate();
    resize(width(), qMax(forms::twipsToPixels(height - kNonClientHeight), minimumSizeHint().height()));
}

void FrmAplot::showAtStart()
{
    show();
    if (settings().isTrue(DrosselSettings::OnTop, DrosselSettings::True))
        forms::setTopMost(this, forms::TopMostShowNoActivate);
}

void FrmAplot::Form_Load()
{
    module_.AcadProj();
    setHeightTwips(CompactHeight);
    // The re-attach runs from the load on, so the window follows the drawing
    // the user switches to.
    Timer1->setEnabled(true);
    // A failed load leaves the window as far as it got.
    runtime::passOver([this] { loadFromHost(); });
}

void FrmAplot::loadFromHost()
{
    cad::Document& document = module_.conn.doc();
    module_.sdi().save();
    const std::shared_ptr<cad::Layout> layout = document.activeLayout();
    layout->refreshPlotDeviceInfo();
    for (int index = 0; index < PaperButtons::Count; ++index) {
        const QString caption = settings().get(DrosselSettings::captionKey(PaperButtons::paperKey(index)));
        if (!caption.isEmpty())
            setButtonCaption(index, caption);
    }
    const QString styleSheet = layout->styleSheet();
    for (const QString& name : layout->getPlotStyleTableNames()) {
        ComboText::add(PenStyles, name);
        if (name == styleSheet)
            ComboText::set(PenStyles, styleSheet);
    }
    // A style sheet the host no longer offers is shown as missing; a plot
    // with it is refused until another is picked.
    if (PenStyles->currentText() == kPenStyleAtDesign)
        ComboText::set(PenStyles, styleSheet + kMissing);
    ChkCenter->setChecked(settings().get(DrosselSettings::Center) == DrosselSettings::True);
    const QString scale = settings().get(DrosselSettings::Scaleit2);
    if (PlotTables::standardScale(scale))
        ComboText::set(Scaleit, scale);
    for (const QString& item : PlotTables::scaleItems())
        ComboText::add(Scaleit, item);
    // The stored choices go into the drawing at once, but a drawing that has
    // them already is left unchanged, and the settings they came from are
    // not written back.
    plot_.Scales(Scaleit->currentText(), PlotRoutine::Write::OnlyChanges);
    showOffset(plot_.Centers(ChkCenter->isChecked(), PlotRoutine::Write::OnlyChanges));
}

void FrmAplot::Form_Unload(bool&)
{
    // The host's mode is put back by the work at the program's end.
    runtime::endProgram();
}

void FrmAplot::Timer1_Timer() { module_.AcadProj(); }

void FrmAplot::setButtonCaption(int index, const QString& caption)
{
    if (index >= 0 && index < PaperButtons::Count)
        CmdPrinter[std::size_t(index)]->setText(caption);
}

PlotChoices FrmAplot::plotChoices() const
{
    return PlotChoices{Scaleit->currentText(), ChkCenter->isChecked(), PenStyles->currentText()};
}

void FrmAplot::showOffset(const std::optional<PlotOffset>& offset)
{
    if (!offset)
        return;
    TxtX->setText(offset->x);
    TxtY->setText(offset->y);
}

void FrmAplot::CmdPrinter_MouseDown(int index, Qt::MouseButton button)
{
    // A plot under way keeps the buttons from starting another; they are
    // reachable while its boxes are up.
    if (module_.plotRunning)
        return;
    try {
        module_.conn.doc().activeLayout();
        const QString paperKey = PaperButtons::paperKey(index);
        if (paperKey.isEmpty())
            return;
        module_.PaperKey = paperKey;
        if (button == Qt::RightButton) {
            showSettings();
            return;
        }
        module_.ButtonPlotter = settings().get(DrosselSettings::plotterKey(paperKey));
        module_.ButtonMedia = settings().get(DrosselSettings::mediaKey(paperKey));
        if (module_.ButtonPlotter.isEmpty() || module_.ButtonMedia.isEmpty()) {
            // Not set up yet: nothing to plot with.
            showSettings();
            return;
        }
        if (ChkBatch->isChecked())
            BatchPlotting();
        else
            Plotting();
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("  PrinterSub")), forms::msgbox::Critical);
    }
}

void FrmAplot::showSettings() { frmSetting_->showFor(module_.PaperKey); }

void FrmAplot::Plotting()
{
    bool endNow = false;
    {
        module_.plotRunning = true;
        const auto back = qScopeGuard([this, &endNow] {
            module_.plotRunning = false;
            if (!endNow && !dispatcher().ended())
                show();
        });
        hide();
        const PlotRoutine::Outcome outcome = plot_.PlotDrawings(plotChoices());
        showOffset(outcome.offset);
        // A plot that failed leaves the program open, so the user can read
        // the message and try again.
        endNow = outcome.plotted && !module_.PlotPreview
                 && settings().isTrue(DrosselSettings::CloseExit, DrosselSettings::True);
    }
    if (endNow)
        runtime::endProgram();
}

void FrmAplot::BatchPlotting()
{
    if (module_.plotRunning)
        return;
    BatchPlot::Outcome outcome;
    try {
        if (!batch_.prepare())
            return;
        module_.plotRunning = true;
        // However the batch ends (its last drawing, a cancel, an error, the
        // program ending), the host's mode and the windows are put back.
        const auto back = qScopeGuard([this] {
            module_.plotRunning = false;
            module_.sdi().putBackPassingOver();
            frmCancel_->hide();
            if (!dispatcher().ended())
                show();
        });
        hide();
        frmCancel_->show();
        outcome = batch_.run(module_.drawings, plotChoices());
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("   BatchPlotting")), forms::msgbox::OkOnly);
    }
    showOffset(outcome.offset);
    if (!outcome.skipped.isEmpty())
        reportSkipped(outcome.skipped);
}

void FrmAplot::reportSkipped(const QStringList& skipped)
{
    module_.env().ui->msgBox(QStringLiteral("These Drawings Could Not Be Opened And Were Not Plotted:\r\n")
                                 + skipped.join(QStringLiteral("\r\n")),
                             forms::msgbox::Exclamation);
}

void FrmAplot::CmdMore_Click() { setHeightTwips(heightTwips_ != CompactHeight ? CompactHeight : FullHeight); }

void FrmAplot::cmdPickFiles_Click()
{
    frmBatch_->show();
    if (settings().isTrue(DrosselSettings::OnTop, DrosselSettings::True))
        runtime::passOver([this] { forms::setTopMost(frmBatch_.get(), forms::TopMostShowNoActivate); });
}

void FrmAplot::ChkPreview_Click() { module_.PlotPreview = ChkPreview->isChecked(); }

void FrmAplot::Scaleit_Click()
{
    try {
        settings().save(DrosselSettings::Scaleit2, Scaleit->currentText());
        plot_.Scales(Scaleit->currentText());
        showOffset(plot_.Centers(ChkCenter->isChecked()));
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("  ScaleitSub")), forms::msgbox::OkOnly);
    }
}

void FrmAplot::ChkCenter_Click()
{
    plot_.Scales(Scaleit->currentText());
    showOffset(plot_.Centers(ChkCenter->isChecked()));
}

void FrmAplot::Batchlist1sub(const QString& fileToAdd) { fileList_->Batchlist1sub(fileToAdd); }

QString FrmAplot::projectFolder() { return module_.conn.doc().path(); }

suite::Resume FrmAplot::reportProjectError(const runtime::Error& error)
{
    module_.env().ui->msgBox(errorText(error, QStringLiteral("  MnuProject_Click")), forms::msgbox::Critical);
    return suite::Resume::Leave;
}

QString FrmAplot::startFolder() { return settings().get(DrosselSettings::PickFiles); }

}  // namespace drossel
