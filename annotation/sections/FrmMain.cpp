#include "annotation/sections/FrmMain.h"

#include "annotation/sections/MdlMain.h"
#include "annotation/sections/SectionMarker.h"
#include "annotation/sections/SectionSettings.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Named.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/EndProgram.h"
#include "shared/LayerRoutines.h"
#include "shared/ReattachTimer.h"
#include "shared/ShowAppError.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace sections {

namespace {

using forms::named;

constexpr int TimerInterval = 300;
const QString DefaultLinetype = QStringLiteral("PHANTOM");

QLabel* label(const QString& caption, const char* name, QWidget* parent)
{
    return named(new QLabel(caption, parent), name);
}

QComboBox* list(const char* name, QWidget* parent)
{
    auto* made = named(new QComboBox(parent), name);
    made->setEditable(true);
    return made;
}

// A size box holds a number above 0.
bool isSize(const QString& text) { return runtime::isNumeric(text) && runtime::toDouble(text) > 0.0; }

}  // namespace

FrmMain::FrmMain(MdlMain& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      FrGeneral(named(new QGroupBox(QStringLiteral("Settings:"), this), "FrGeneral")),
      LblArrow(label(QStringLiteral("Arrow Size:"), "LblArrow", FrGeneral)),
      TxtArrow(named(new QLineEdit(FrGeneral), "TxtArrow")),
      LblTextSize(label(QStringLiteral("Text Size:"), "LblTextSize", FrGeneral)),
      TxtSize(named(new QLineEdit(FrGeneral), "TxtSize")),
      LblText(label(QStringLiteral("Section Text:"), "LblText", FrGeneral)),
      TxtText(named(new QLineEdit(FrGeneral), "TxtText")),
      FrSettings(named(new QGroupBox(QStringLiteral("Optional Layer Settings:"), this), "FrSettings")),
      LblLayerName(label(QStringLiteral("Layer Name:"), "LblLayerName", FrSettings)),
      TxtLayerName(named(new QLineEdit(FrSettings), "TxtLayerName")),
      LblColor(label(QStringLiteral("Color:"), "LblColor", FrSettings)),
      TxtColor(list("TxtColor", FrSettings)),
      LblLineType(label(QStringLiteral("Line Type:"), "LblLineType", FrSettings)),
      TxtLineType(list("TxtLineType", FrSettings)),
      CmdCreate(named(new QPushButton(QStringLiteral("Create"), this), "CmdCreate")),
      CmdExit(named(new QPushButton(QStringLiteral("Exit"), this), "CmdExit")),
      Timer1(new suite::ReattachTimer(dispatcher(), this, TimerInterval, [this] { Timer1_Timer(); }))
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(QStringLiteral("Standard Sections"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    layOut();
    bind();
}

void FrmMain::layOut()
{
    auto* sizes = new QFormLayout(FrGeneral);
    sizes->addRow(LblArrow, TxtArrow);
    sizes->addRow(LblTextSize, TxtSize);
    sizes->addRow(LblText, TxtText);

    auto* layer = new QFormLayout(FrSettings);
    layer->addRow(LblLayerName, TxtLayerName);
    layer->addRow(LblColor, TxtColor);
    layer->addRow(LblLineType, TxtLineType);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CmdCreate);
    buttons->addWidget(CmdExit);

    auto* window = new QVBoxLayout(this);
    window->addWidget(FrGeneral);
    window->addWidget(FrSettings);
    window->addLayout(buttons);
    setMinimumWidth(forms::captionWidth(*this));
}

void FrmMain::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdCreate, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdCreate_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdExit_Click));
}

void FrmMain::Form_Load()
{
    // The first attach waits for the first tick.
    Timer1->setEnabled(true);
    try {
        TxtColor->addItems({"red", "yellow", "green", "cyan", "blue", "magenta", "white"});
        TxtLineType->addItems({"Continuous", "CENTER", "PHANTOM", "PHANTOM2", "PHANTOMX2"});
        const SectionSettings entries = SectionSettings::load(*module_.env().settings);
        TxtSize->setText(entries.textSize);
        TxtText->setText(entries.sectionText);
        TxtArrow->setText(entries.sectionArrow);
        TxtLayerName->setText(entries.layerName);
        TxtLineType->setEditText(entries.lineType);
        TxtColor->setEditText(entries.layerColor);
    } catch (const runtime::Error& error) {
        report(QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::Timer1_Timer() { module_.AcadProj(); }

std::optional<MarkerSizes> FrmMain::sizes()
{
    if (!isSize(TxtArrow->text())) {
        module_.env().ui->msgBox(QStringLiteral("The Arrow Size must be a number above 0."), forms::msgbox::OkOnly);
        return std::nullopt;
    }
    if (!isSize(TxtSize->text())) {
        module_.env().ui->msgBox(QStringLiteral("The Text Size must be a number above 0."), forms::msgbox::OkOnly);
        return std::nullopt;
    }
    return MarkerSizes{runtime::toDouble(TxtArrow->text()), runtime::toDouble(TxtSize->text()), TxtText->text()};
}

QString FrmMain::LayerSetup()
{
    const QString name = TxtLayerName->text();
    if (name.isEmpty())
        return {};
    const int colour = SectionMarker::colourNumber(TxtColor->currentText());
    const QString linetype = TxtLineType->currentText().isEmpty() ? DefaultLinetype : TxtLineType->currentText();
    suite::createLayer(module_.connection(), name, linetype, colour);
    // A layer that could not be made leaves the marker on the current one.
    return suite::layerExist(module_.connection(), name) ? name : QString();
}

void FrmMain::CmdCreate_Click()
{
    const std::optional<MarkerSizes> given = sizes();
    if (!given)
        return;
    bool hidden = false;
    auto showWindow = [&] {
        if (hidden)
            show();
        hidden = false;
    };
    const auto showAgain = qScopeGuard(showWindow);
    try {
        module_.connection().doc();
        SectionMarker marker(module_.connection().document, *given);
        marker.setLayer(LayerSetup());
        if (isVisible()) {
            hide();
            hidden = true;
        }
        marker.cutLine();
        if (marker.arrows() == SectionMarker::Arrows::SideOnLastPoint)
            module_.env().ui->msgBox(
                QStringLiteral("No arrows drawn: the arrow side was picked on the last point of the section line."),
                forms::msgbox::OkOnly);
        AddText(marker);
    } catch (const runtime::Error& error) {
        // The marker has put ortho mode back by now.
        showWindow();
        report(QStringLiteral("Create_Click"), error);
    }
}

void FrmMain::AddText(SectionMarker& marker)
{
    try {
        marker.label(QStringLiteral("Pick First Text Point:"));
        marker.label(QStringLiteral("Pick Second Text Point:"));
    } catch (const runtime::Error& error) {
        show();
        report(QStringLiteral("AddText"), error);
    }
}

void FrmMain::CmdExit_Click()
{
    try {
        SectionSettings entries;
        entries.textSize = TxtSize->text();
        entries.sectionText = TxtText->text();
        entries.sectionArrow = TxtArrow->text();
        entries.layerName = TxtLayerName->text();
        entries.lineType = TxtLineType->currentText();
        entries.layerColor = TxtColor->currentText();
        entries.save(*module_.env().settings);
    } catch (const runtime::Error& error) {
        report(QStringLiteral("CmdExit_Click"), error);
        return;
    }
    runtime::endProgram();
}

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

void FrmMain::report(const QString& location, const runtime::Error& error)
{
    suite::showAppError(*module_.env().ui, location, error);
}

}  // namespace sections
