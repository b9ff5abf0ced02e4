#include "batch/drossel/FrmAplot.h"

#include "batch/drossel/ComboText.h"
#include "batch/drossel/DrosselSettings.h"
#include "batch/drossel/ErrorText.h"
#include "batch/drossel/FrmCancel.h"
#include "batch/drossel/FrmSetting.h"
#include "batch/drossel/MuduleAplot.h"
#include "batch/drossel/PaperButtons.h"
#include "batch/drossel/PlotTables.h"
#include "batch/drossel/ScopeExit.h"
#include "batch/drossel/Variants.h"
#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Timer.h"
#include "platform/forms/TopMost.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Format.h"
#include "shared/EditableFileList.h"
#include "shared/EditableFileListVariant.h"
#include "shared/PickFilesForm.h"
#include "shared/PickFilesVariant.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QFont>
#include <QPushButton>
#include <QToolButton>

namespace drossel {

namespace {

const QString kCaption = QStringLiteral("Drossel   (Right Click On Printer Buttons To Setup)   ");
const QString kPenStyleAtDesign = QStringLiteral("Pen Style");
const QString kMissing = QStringLiteral(" (Missing)");
const QString kSdi = QStringLiteral("SDI");
constexpr int kTimerInterval = 100;
constexpr int kWidth = 6480;
// The caption bar and borders: the window heights include them, the client
// area does not.
constexpr int kNonClientHeight = 405;

int16_t sdiOf(const cad::Document& document)
{
    return runtime::toInt16(document.getVariable(kSdi).toDouble());
}

}  // namespace

FrmAplot::FrmAplot(MuduleAplot& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent), module_(module)
{
    setObjectName(QStringLiteral("FrmAplot"));
    setCaption(kCaption);
    // The twips layout was drawn for an 8-point dialog font; larger text
    // would be cut off in the controls.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    createControls();
    setHeightTwips(CompactHeight);
    frmCancel_ = std::make_unique<FrmCancel>(module_);
    frmSetting_ = std::make_unique<FrmSetting>(module_, *this);
    frmBatch_ = std::make_unique<suite::PickFilesForm>(module_.env(), pickFilesVariant(), *this);
    bindEvents();
}

FrmAplot::~FrmAplot() = default;

void FrmAplot::createControls()
{
    const std::array<int, PaperButtons::Count> lefts = {120, 1695, 3270, 4845};
    for (int index = 0; index < PaperButtons::Count; ++index) {
        QPushButton* button = new QPushButton(PaperButtons::all()[std::size_t(index)].caption, this);
        button->setObjectName(QStringLiteral("CmdPrinter%1").arg(index));
        button->setToolTip(QStringLiteral("Right Click For Settings."));
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        forms::placeTwips(button, lefts[std::size_t(index)], 120, 1455, 960);
        CmdPrinter[std::size_t(index)] = button;
    }

    ChkBatch = new QCheckBox(QStringLiteral("Batch Plot"), this);
    forms::placeTwips(ChkBatch, 120, 1275, 1455, 285);
    ChkPreview = new QCheckBox(QStringLiteral("Plot Preview"), this);
    forms::placeTwips(ChkPreview, 1695, 1275, 1575, 285);
    CmdMore = new QPushButton(QStringLiteral("<< More Options >>"), this);
    forms::placeTwips(CmdMore, 4125, 1245, 2175, 345);

    cmdPickFiles = new QPushButton(QStringLiteral("Pick Files"), this);
    forms::placeTwips(cmdPickFiles, 120, 2040, 1215, 375);
    fileList_ = new suite::EditableFileList(module_.env(), suite::EditableFileListVariant::drossel(), this);
    LstDwg = fileList_->List;
    cmdUp = fileList_->cmdUp;
    cmdDown = fileList_->cmdDown;
    cmdDelete = fileList_->cmdDelete;
    MnuPlotting = fileList_->MnuPlotting;
    MnuClear = fileList_->MnuClear;
    forms::placeTwips(LstDwg, 120, 2520, 5655, 1935);
    forms::placeTwips(cmdUp, 5880, 2520, 330, 330);
    forms::placeTwips(cmdDown, 5880, 2940, 330, 330);
    forms::placeTwips(cmdDelete, 5880, 3360, 330, 330);

    LblScale = new QLabel(QStringLiteral("Scale:"), this);
    forms::placeTwips(LblScale, 120, 4665, 615, 255);
    Scaleit = new QComboBox(this);
    ComboText::prepare(Scaleit);
    ComboText::set(Scaleit, PlotTables::ScaleToFit);
    forms::placeTwips(Scaleit, 780, 4620, 1935, 315);
    LblPen = new QLabel(QStringLiteral("Pen Style:"), this);
    forms::placeTwips(LblPen, 2880, 4665, 855, 255);
    PenStyles = new QComboBox(this);
    ComboText::prepare(PenStyles);
    ComboText::set(PenStyles, kPenStyleAtDesign);
    forms::placeTwips(PenStyles, 3780, 4620, 2430, 315);

    ChkCenter = new QCheckBox(QStringLiteral("Center The Plot"), this);
    forms::placeTwips(ChkCenter, 120, 5280, 1935, 285);
    FrmPlotOffSet = new QGroupBox(QStringLiteral("Plot Off Set:"), this);
    forms::placeTwips(FrmPlotOffSet, 2880, 5040, 3330, 810);
    auto* labelX = new QLabel(QStringLiteral("X:"), FrmPlotOffSet);
    forms::placeTwips(labelX, 120, 375, 255, 255);
    TxtX = new QLineEdit(QStringLiteral("0"), FrmPlotOffSet);
    forms::placeTwips(TxtX, 390, 330, 1095, 315);
    auto* labelY = new QLabel(QStringLiteral("Y:"), FrmPlotOffSet);
    forms::placeTwips(labelY, 1680, 375, 255, 255);
    TxtY = new QLineEdit(QStringLiteral("0"), FrmPlotOffSet);
    forms::placeTwips(TxtY, 1950, 330, 1095, 315);

    Timer1 = new forms::Timer(dispatcher(), this);
    Timer1->setInterval(kTimerInterval);
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
    Timer1->setHandler([this] { Timer1_Timer(); });
}

DrosselSettings& FrmAplot::settings() const { return module_.settings(); }

void FrmAplot::setHeightTwips(int height)
{
    heightTwips_ = height;
    setTwipsSize(kWidth, height - kNonClientHeight);
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
    try {
        loadFromHost(module_.document());
    } catch (const runtime::Error&) {
        // A failed load leaves the window as far as it got.
    }
}

void FrmAplot::loadFromHost(cad::Document& document)
{
    SavedSdi = sdiOf(document);
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
    Scales();
    Centers();
}

void FrmAplot::Form_Unload(bool&)
{
    putSdiBack();
    runtime::endProgram();
}

void FrmAplot::putSdiBack()
{
    try {
        module_.document().setVariable(kSdi, QVariant::fromValue<qint16>(SavedSdi));
    } catch (const runtime::Error&) {
        // The host may have gone; there is nothing left to put back.
    }
}

void FrmAplot::Timer1_Timer() { module_.AcadProj(); }

void FrmAplot::setButtonCaption(int index, const QString& caption)
{
    if (index >= 0 && index < PaperButtons::Count)
        CmdPrinter[std::size_t(index)]->setText(caption);
}

QStringList FrmAplot::drawings() const { return fileList_->items(); }

void FrmAplot::CmdPrinter_MouseDown(int index, Qt::MouseButton button)
{
    // A plot under way keeps the buttons from starting another; they are
    // reachable while its boxes are up.
    if (module_.plotRunning)
        return;
    try {
        module_.document().activeLayout();
        const QString paperKey = PaperButtons::paperKey(index);
        if (paperKey.isEmpty())
            return;
        module_.PaperKey = paperKey;
        if (button == Qt::RightButton) {
            showSettings();
            return;
        }
        ButtonPlotter = settings().get(DrosselSettings::plotterKey(paperKey));
        ButtonMedia = settings().get(DrosselSettings::mediaKey(paperKey));
        if (ButtonPlotter.isEmpty() || ButtonMedia.isEmpty()) {
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
        ScopeExit back{[this] { module_.plotRunning = false; },
                       [this, &endNow] {
                           if (!endNow)
                               show();
                       }};
        hide();
        const bool plotted = PlotDrawings();
        // A plot that failed leaves the program open, so the user can read
        // the message and try again.
        endNow = plotted && !PlotPreview
                 && settings().isTrue(DrosselSettings::CloseExit, DrosselSettings::True);
    }
    if (endNow)
        runtime::endProgram();
}

bool FrmAplot::PlotDrawings()
{
    bool writingStyleSheet = false;
    cad::Document* document = nullptr;
    try {
        document = &module_.document();
        const std::shared_ptr<cad::Plot> plot = document->plot();
        const std::shared_ptr<cad::Layout> layout = document->activeLayout();
        const QString rotation = settings().get(DrosselSettings::Rotation, DrosselSettings::DefaultRotation);
        if (const std::optional<int> value = PlotTables::plotRotation(rotation))
            layout->setPlotRotation(*value);
        const QString copies = settings().get(DrosselSettings::NumberCopy, DrosselSettings::DefaultNumberCopy);
        plot->setNumberOfCopies(runtime::toInt32(copies));
        if (module_.WindowPlot) {
            writePlotArea(*document);
            layout->setPlotType(cad::plotType::Window);
        } else {
            layout->setPlotType(cad::plotType::Extents);
        }
        layout->refreshPlotDeviceInfo();
        // The paper belongs to the device: the device goes first.
        layout->setConfigName(ButtonPlotter);
        layout->setCanonicalMediaName(ButtonMedia);
        Scales();
        Centers();
        layout->setPlotWithPlotStyles(true);
        writingStyleSheet = true;
        layout->setStyleSheet(PenStyles->currentText());
        writingStyleSheet = false;
        if (PlotPreview)
            plot->displayPlotPreview(1);
        else
            plot->plotToDevice();
    } catch (const runtime::Error& error) {
        // The host's number for a refused pen style is the one it uses for any
        // refused value, so only a refusal of the style sheet is taken as one.
        if (writingStyleSheet && error.number() == cad::err::PlotStyleRefused) {
            module_.env().ui->msgBox(QStringLiteral("Pen Not Found...\rPick Different Pen Style:"),
                                     forms::msgbox::Critical);
            module_.CancelRequested = true;
        } else {
            module_.env().ui->msgBox(errorText(error, QStringLiteral("  PlottingDrawingsSub")), forms::msgbox::OkOnly);
        }
        return false;
    }
    // The drawing keeps the settings it was plotted with; a drawing that
    // cannot be saved (read-only) has still been plotted.
    try {
        document->save();
    } catch (const runtime::Error&) {
    }
    return true;
}

void FrmAplot::writePlotArea(cad::Document& document)
{
    if (!module_.WindowLowerLeft || !module_.WindowUpperRight)
        runtime::raise(cad::err::InvalidArgument, QStringLiteral("No plot window has been picked"));
    document.activeLayout()->setWindowToPlot(*module_.WindowLowerLeft, *module_.WindowUpperRight);
    // Keep the corners as the host stored them.
    const auto [lowerLeft, upperRight] = document.activeLayout()->getWindowToPlot();
    module_.WindowLowerLeft = lowerLeft;
    module_.WindowUpperRight = upperRight;
}

void FrmAplot::Scales()
{
    try {
        const std::shared_ptr<cad::Layout> layout = module_.document().activeLayout();
        if (const std::optional<int> scale = PlotTables::standardScale(Scaleit->currentText()))
            layout->setStandardScale(*scale);
    } catch (const runtime::Error&) {
    }
}

void FrmAplot::Centers()
{
    try {
        cad::Document& document = module_.document();
        if (ChkCenter->isChecked()) {
            settings().save(DrosselSettings::Center, DrosselSettings::True);
            const std::shared_ptr<cad::Layout> layout = document.activeLayout();
            layout->setCenterPlot(true);
            const cad::Point2 origin = layout->plotOrigin();
            TxtX->setText(runtime::formatGeneral(origin.x));
            TxtY->setText(runtime::formatGeneral(origin.y));
        } else {
            settings().save(DrosselSettings::Center, DrosselSettings::False);
            TxtX->setText(QStringLiteral("0"));
            TxtY->setText(QStringLiteral("0"));
            // Unticked means not centred: without this a drawing saved after a
            // centred plot would stay centred.
            document.activeLayout()->setCenterPlot(false);
        }
        document.regen(cad::regen::ActiveViewport);
    } catch (const runtime::Error&) {
    }
}

void FrmAplot::BatchPlotting()
{
    if (module_.plotRunning)
        return;
    QStringList skipped;
    try {
        module_.CancelRequested = false;
        cad::Document& document = module_.document();
        SavedSdi = sdiOf(document);
        if (SavedSdi == 0) {
            if (document.application()->documents()->count() >= 2) {
                module_.env().ui->msgBox(
                    QStringLiteral("Please Close All Drawings Out But One Drawing\rAnd Try Again Please"),
                    forms::msgbox::Information);
                return;
            }
            document.setVariable(kSdi, QVariant::fromValue<qint16>(1));
            SavedSdi = 0;
        }
        runBatch(skipped);
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("   BatchPlotting")), forms::msgbox::OkOnly);
    }
    if (!skipped.isEmpty())
        reportSkipped(skipped);
}

void FrmAplot::runBatch(QStringList& skipped)
{
    module_.plotRunning = true;
    // However the batch ends (its last drawing, a cancel, an error, the
    // program ending), the host's mode and the windows are put back.
    ScopeExit back{[this] { module_.plotRunning = false; }, [this] { putSdiBack(); },
                   [this] { frmCancel_->hide(); },
                   [this] {
                       if (!dispatcher().ended())
                           show();
                   }};
    hide();
    frmCancel_->show();
    // The list may change while the batch lets events through; the batch
    // plots what was listed when it started.
    const QStringList paths = drawings();
    for (const QString& path : paths) {
        if (module_.CancelRequested || dispatcher().ended())
            break;
        if (openForBatch(path))
            PlotDrawings();
        else
            skipped.append(path);
        module_.env().clock->doEvents();
    }
}

bool FrmAplot::openForBatch(const QString& path)
{
    try {
        module_.conn.document = module_.document().open(path);
        return true;
    } catch (const runtime::Error&) {
        // Plotting on would plot and save the drawing opened before again.
        return false;
    }
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
    if (settings().isTrue(DrosselSettings::OnTop, DrosselSettings::True)) {
        try {
            forms::setTopMost(frmBatch_.get(), forms::TopMostShowNoActivate);
        } catch (const runtime::Error&) {
        }
    }
}

void FrmAplot::ChkPreview_Click() { PlotPreview = ChkPreview->isChecked(); }

void FrmAplot::Scaleit_Click()
{
    try {
        settings().save(DrosselSettings::Scaleit2, Scaleit->currentText());
        Scales();
        Centers();
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("  ScaleitSub")), forms::msgbox::OkOnly);
    }
}

void FrmAplot::ChkCenter_Click()
{
    Scales();
    Centers();
}

void FrmAplot::SetListButtons() { fileList_->SetListButtons(); }

void FrmAplot::Batchlist1sub(const QString& fileToAdd) { fileList_->Batchlist1sub(fileToAdd); }

QString FrmAplot::projectFolder() { return module_.document().path(); }

suite::Resume FrmAplot::reportProjectError(const runtime::Error& error)
{
    module_.env().ui->msgBox(errorText(error, QStringLiteral("  MnuProject_Click")), forms::msgbox::Critical);
    return suite::Resume::Leave;
}

QString FrmAplot::startFolder() { return settings().get(DrosselSettings::PickFiles); }

}  // namespace drossel
