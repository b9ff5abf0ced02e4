#include "batch/drossel/FrmSetting.h"

#include "batch/drossel/ComboText.h"
#include "batch/drossel/DrosselSettings.h"
#include "batch/drossel/ErrorText.h"
#include "batch/drossel/FrmAplot.h"
#include "batch/drossel/MuduleAplot.h"
#include "batch/drossel/PaperButtons.h"
#include "batch/drossel/PlotTables.h"
#include "platform/cad/CadErrors.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/TopMost.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/PassOver.h"
#include "shared/LastPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QBoxLayout>
#include <QGridLayout>
#include <QScopeGuard>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <limits>

namespace drossel {

namespace {

const QString kFrameAtDesign = QStringLiteral("Printer Settings:");
const QString kLowerLeftPrompt = QStringLiteral("Click the lower-left of the window.");
const QString kUpperRightPrompt = QStringLiteral("Click the upper-right of the window.");

QString pointText(const cad::Point2& point)
{
    return runtime::formatGeneral(point.x) + QStringLiteral(", ") + runtime::formatGeneral(point.y);
}

}  // namespace

FrmSetting::FrmSetting(MuduleAplot& module, FrmAplot& main, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent), module_(module), main_(main)
{
    setObjectName(QStringLiteral("FrmSetting"));
    setCaption(QStringLiteral("Settings"));
    createControls();
    layOut();
    bindEvents();
}

namespace {

template <typename Control>
Control* named(Control* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

}  // namespace

void FrmSetting::createControls()
{
    FrPrinter = named(new QGroupBox(kFrameAtDesign, this), "FrPrinter");
    LblName = named(new QLabel(QStringLiteral("Printer Button Name:"), FrPrinter), "LblName");
    TxtName = named(new QLineEdit(FrPrinter), "TxtName");
    LblName->setBuddy(TxtName);
    PloterName = named(new QComboBox(FrPrinter), "PloterName");
    PaperSize1 = named(new QComboBox(FrPrinter), "PaperSize1");
    // The canonical names are never shown: item k of both lists is the same
    // paper.
    PaperSize2 = named(new QComboBox(this), "PaperSize2");
    PaperSize2->setVisible(false);
    for (QComboBox* box : {PloterName, PaperSize1, PaperSize2})
        ComboText::prepare(box);
    // Room for a device or paper name such as "ARCH D (24.00 x 36.00 Inches)"
    // before the lists are filled.
    for (QComboBox* box : {PloterName, PaperSize1}) {
        box->setMinimumContentsLength(30);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }

    FrRotations = named(new QGroupBox(QStringLiteral("Plot Rotation:"), this), "FrRotations");
    CmbRotation = named(new QComboBox(FrRotations), "CmbRotation");
    ComboText::prepare(CmbRotation);
    FrCopy = named(new QGroupBox(QStringLiteral("Copies:"), this), "FrCopy");
    TxtCopy = named(new QLineEdit(FrCopy), "TxtCopy");

    FrPlotArea = named(new QGroupBox(QStringLiteral("Plot Area:"), this), "FrPlotArea");
    OptWindow = named(new QRadioButton(QStringLiteral("Window"), FrPlotArea), "OptWindow");
    OptExtents = named(new QRadioButton(QStringLiteral("Extents"), FrPlotArea), "OptExtents");
    CmdWindow = named(new QPushButton(QStringLiteral("Window"), FrPlotArea), "CmdWindow");

    FrBrowse = named(new QGroupBox(QStringLiteral("Pick Files Startup Directory:"), this), "FrBrowse");
    TxtStartup = named(new QLineEdit(FrBrowse), "TxtStartup");

    FrOther = named(new QGroupBox(QStringLiteral("Other:"), this), "FrOther");
    ChkTop = named(new QCheckBox(QStringLiteral("Always on Top"), FrOther), "ChkTop");
    ChkClose = named(new QCheckBox(QStringLiteral("Close App on Exit"), FrOther), "ChkClose");

    CmdSaveSettings = named(new QPushButton(QStringLiteral("Save Printer Settings "), this), "CmdSaveSettings");
}

void FrmSetting::layOut()
{
    auto* printer = new QGridLayout(FrPrinter);
    printer->addWidget(LblName, 0, 0);
    printer->addWidget(TxtName, 0, 1);
    printer->addWidget(PloterName, 1, 0, 1, 2);
    printer->addWidget(PaperSize1, 2, 0, 1, 2);
    printer->setColumnStretch(1, 1);

    (new QVBoxLayout(FrRotations))->addWidget(CmbRotation);
    (new QVBoxLayout(FrCopy))->addWidget(TxtCopy);
    auto* rotationAndCopies = new QHBoxLayout;
    rotationAndCopies->addWidget(FrRotations, 1);
    rotationAndCopies->addWidget(FrCopy, 1);

    auto* area = new QHBoxLayout(FrPlotArea);
    area->addWidget(OptWindow);
    area->addWidget(OptExtents);
    area->addStretch(1);
    area->addWidget(CmdWindow);

    (new QVBoxLayout(FrBrowse))->addWidget(TxtStartup);

    auto* other = new QHBoxLayout(FrOther);
    other->addWidget(ChkTop);
    other->addWidget(ChkClose);
    other->addStretch(1);

    auto* window = new QVBoxLayout(this);
    window->addWidget(FrPrinter);
    window->addLayout(rotationAndCopies);
    window->addWidget(FrPlotArea);
    window->addWidget(FrBrowse);
    window->addWidget(FrOther);
    window->addStretch(1);
    window->addWidget(CmdSaveSettings);
}

void FrmSetting::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    // A device picked from the list; text typed into the box is only saved.
    connect(PloterName, &QComboBox::activated, this, d.wrap(this, &FrmSetting::PloterName_Click));
    connect(OptExtents, &QRadioButton::clicked, this, d.wrap(this, &FrmSetting::OptExtents_Click));
    connect(OptWindow, &QRadioButton::clicked, this, d.wrap(this, &FrmSetting::OptWindow_Click));
    connect(CmdWindow, &QPushButton::clicked, this, d.wrap(this, &FrmSetting::CmdWindow_Click));
    connect(CmdSaveSettings, &QPushButton::clicked, this, d.wrap(this, &FrmSetting::CmdSaveSettings_Click));
}

DrosselSettings& FrmSetting::settings() const { return module_.settings(); }

void FrmSetting::showFor(const QString& paperKey)
{
    if (isVisible() && paperKey == paperKey_) {
        raise();
        activateWindow();
        return;
    }
    // Open for another button, or closed: a fresh load for this one, as a
    // closed window writes nothing.
    paperKey_ = paperKey;
    if (isLoaded())
        Form_Load();
    show();
}

void FrmSetting::resetControls()
{
    FrPrinter->setTitle(kFrameAtDesign);
    TxtName->clear();
    for (QComboBox* box : {PloterName, PaperSize1, PaperSize2, CmbRotation})
        ComboText::clear(box);
    TxtCopy->clear();
    TxtStartup->clear();
    ChkTop->setChecked(false);
    ChkClose->setChecked(false);
    OptWindow->setEnabled(true);
    OptExtents->setEnabled(true);
    // Neither option is set in a new window.
    OptWindow->setAutoExclusive(false);
    OptExtents->setAutoExclusive(false);
    OptWindow->setChecked(false);
    OptExtents->setChecked(false);
    OptWindow->setAutoExclusive(true);
    OptExtents->setAutoExclusive(true);
}

void FrmSetting::Form_Load()
{
    resetControls();
    loadSucceeded_ = false;
    storedMedia_.clear();
    loadedPaper_.reset();
    try {
        const std::shared_ptr<cad::Layout> layout = module_.conn.doc().activeLayout();
        const QString name = settings().get(DrosselSettings::captionKey(paperKey_));
        const QString plotter = settings().get(DrosselSettings::plotterKey(paperKey_));
        const QString media = settings().get(DrosselSettings::mediaKey(paperKey_));
        ComboText::set(PloterName, plotter);
        ComboText::set(PaperSize1, media);
        ComboText::set(PaperSize2, media);
        FrPrinter->setTitle(QStringLiteral("Printer Settings For: ") + name);
        TxtName->setText(name);
        layout->refreshPlotDeviceInfo();
        for (const QString& device : layout->getPlotDeviceNames())
            ComboText::add(PloterName, device);
        fillPaperLists();
        showStoredPaper(media);
        const QString rotation = settings().get(DrosselSettings::Rotation, DrosselSettings::DefaultRotation);
        TxtStartup->setText(settings().get(DrosselSettings::PickFiles));
        TxtCopy->setText(settings().get(DrosselSettings::NumberCopy, DrosselSettings::DefaultNumberCopy));
        ChkClose->setChecked(settings().isTrue(DrosselSettings::CloseExit, DrosselSettings::True));
        ChkTop->setChecked(settings().isTrue(DrosselSettings::OnTop, DrosselSettings::True));
        ComboText::set(CmbRotation, rotation);
        for (const QString& item : PlotTables::rotationItems())
            ComboText::add(CmbRotation, item);
        selectPlotArea();
        loadSucceeded_ = true;
        if (settings().isTrue(DrosselSettings::OnTop, DrosselSettings::True))
            runtime::passOver([this] { forms::setTopMost(this, forms::TopMostShowNoActivate); });
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("  Location: Load")), forms::msgbox::Critical);
    }
    // A window that did not load fully shows empty or default values; saving
    // them would overwrite the stored ones.
    CmdSaveSettings->setEnabled(loadSucceeded_);
}

void FrmSetting::fillPaperLists()
{
    // The papers of the device the layout has now, which is not necessarily
    // the stored one.
    const std::shared_ptr<cad::Layout> layout = module_.conn.doc().activeLayout();
    for (const QString& canonical : layout->getCanonicalMediaNames()) {
        ComboText::add(PaperSize2, canonical);
        ComboText::add(PaperSize1, layout->getLocaleMediaName(canonical));
    }
}

void FrmSetting::showStoredPaper(const QString& media)
{
    storedMedia_ = media;
    // The stored paper by the name the list shows for it; a paper the
    // layout's device does not have is shown as it is stored.
    const int k = PaperSize2->findText(media, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!media.isEmpty() && k >= 0 && k < PaperSize1->count()) {
        ComboText::select(PaperSize1, k);
        ComboText::select(PaperSize2, k);
    }
    loadedPaper_ = PaperSize1->currentText();
}

void FrmSetting::selectPlotArea()
{
    if (settings().get(DrosselSettings::PlotType, DrosselSettings::Extents) == DrosselSettings::Extents) {
        OptExtents->setChecked(true);
        OptExtents_Click();
        OptWindow->setEnabled(false);
    } else {
        OptWindow->setChecked(true);
        OptWindow_Click();
    }
}

void FrmSetting::PloterName_Click()
{
    try {
        const std::shared_ptr<cad::Layout> layout = module_.conn.doc().activeLayout();
        ComboText::clear(PaperSize1);
        ComboText::clear(PaperSize2);
        // The stored paper belonged to the device shown before.
        loadedPaper_.reset();
        // The active drawing takes the device at once, so that the host
        // lists that device's papers.
        layout->setConfigName(PloterName->currentText());
        layout->refreshPlotDeviceInfo();
        fillPaperLists();
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error), forms::msgbox::Critical);
    }
}

void FrmSetting::OptExtents_Click()
{
    OptWindow->setEnabled(false);
    module_.WindowPlot = false;
}

void FrmSetting::OptWindow_Click() { module_.WindowPlot = true; }

void FrmSetting::CmdWindow_Click()
{
    bool picked = false;
    try {
        picked = pickWindow();
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("  Location: CmdWindow_Click")),
                                 forms::msgbox::Critical);
        return;
    }
    if (picked) {
        module_.env().ui->msgBox(QStringLiteral("Lower Left: ") + pointText(*module_.WindowLowerLeft)
                                 + QStringLiteral("\r\nUpper Right: ") + pointText(*module_.WindowUpperRight));
    }
}

bool FrmSetting::pickWindow()
{
    // Both windows come back on every way out: a window, a cancelled pick or
    // an error. The main window stays hidden while a plot runs, which shows it
    // again itself.
    const auto back = qScopeGuard([this] {
        if (!module_.plotRunning)
            main_.show();
        show();
    });
    main_.hide();
    hide();
    const std::optional<cad::Point> first = pickPoint(std::nullopt, kLowerLeftPrompt);
    if (!first)
        return false;
    const std::optional<cad::Point> second = pickPoint(cad::Point{first->x, first->y, 0.0}, kUpperRightPrompt);
    if (!second)
        return false;
    cad::Document& document = module_.conn.doc();
    document.activeLayout()->setWindowToPlot({first->x, first->y}, {second->x, second->y});
    // The corners change together, and only once the host has taken them,
    // as it stored them.
    const auto [lowerLeft, upperRight] = document.activeLayout()->getWindowToPlot();
    module_.WindowLowerLeft = lowerLeft;
    module_.WindowUpperRight = upperRight;
    OptWindow->setEnabled(true);
    OptWindow->setChecked(true);
    OptWindow_Click();
    OptExtents->setEnabled(false);
    return true;
}

std::optional<cad::Point> FrmSetting::pickPoint(const std::optional<cad::Point>& base, const QString& prompt)
{
    for (int retry = 0;; ++retry) {
        try {
            return module_.conn.doc().utility()->getPoint(base, prompt);
        } catch (const runtime::Error& error) {
            // Enter or a keyword: the user gives up the pick.
            if (error.number() == cad::err::NoPointGiven)
                return std::nullopt;
            if (error.number() != cad::err::ExceptionOccurred)
                throw;
            // Esc fails the prompt the way other failures do; the host's
            // command line then reads a cancel, and the pick ends at once.
            if (suite::promptCancelled(module_.conn.doc()))
                return std::nullopt;
            // Any other failure is asked again, but not for ever.
            if (retry >= PickRetries)
                return std::nullopt;
        }
    }
}

void FrmSetting::CmdSaveSettings_Click()
{
    if (!loadSucceeded_ || !copiesValid())
        return;
    const std::optional<QString> media = chosenMedia();
    if (!media)
        return;
    try {
        saveSettings(*media);
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(errorText(error, QStringLiteral("  Location: SaveSetting")), forms::msgbox::Critical);
        return;
    }
    close();
}

bool FrmSetting::copiesValid()
{
    const QString text = TxtCopy->text();
    if (runtime::isNumeric(text)) {
        const double copies = runtime::toDouble(text);
        if (copies == std::floor(copies) && copies >= 1.0 && copies <= std::numeric_limits<int32_t>::max())
            return true;
    }
    module_.env().ui->msgBox(QStringLiteral("Copies Must Be A Whole Number Of At Least 1, Not \"%1\"").arg(text),
                             forms::msgbox::Exclamation);
    return false;
}

std::optional<QString> FrmSetting::chosenMedia()
{
    const QString text = PaperSize1->currentText();
    const QString typed = text.trimmed();
    // A paper of the list, by the name shown or by its canonical name; the
    // exact spelling first, then in any case.
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int k = 0; k < PaperSize1->count() && k < PaperSize2->count(); ++k) {
            if (PaperSize1->itemText(k).compare(typed, cs) == 0 || PaperSize2->itemText(k).compare(typed, cs) == 0)
                return PaperSize2->itemText(k);
        }
    }
    // The stored paper, shown as it was loaded: a save without changes keeps
    // it, also when the layout's device lacks it.
    if (loadedPaper_ && text == *loadedPaper_)
        return storedMedia_;
    module_.env().ui->msgBox(QStringLiteral("The Plotter Has No Paper \"%1\": Pick One From The List").arg(text),
                             forms::msgbox::Exclamation);
    return std::nullopt;
}

void FrmSetting::saveSettings(const QString& media)
{
    settings().save(DrosselSettings::captionKey(paperKey_), TxtName->text());
    settings().save(DrosselSettings::mediaKey(paperKey_), media);
    settings().save(DrosselSettings::plotterKey(paperKey_), PloterName->currentText());
    for (int index = 0; index < PaperButtons::Count; ++index) {
        const QString caption = settings().get(DrosselSettings::captionKey(PaperButtons::paperKey(index)));
        if (!caption.isEmpty())
            main_.setButtonCaption(index, caption);
    }
    settings().save(DrosselSettings::Rotation, CmbRotation->currentText());
    settings().save(DrosselSettings::PickFiles, TxtStartup->text());
    settings().save(DrosselSettings::NumberCopy, TxtCopy->text());
    settings().saveFlag(DrosselSettings::CloseExit, ChkClose->isChecked());
    settings().saveFlag(DrosselSettings::OnTop, ChkTop->isChecked());
}

}  // namespace drossel
