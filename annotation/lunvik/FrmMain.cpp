#include "annotation/lunvik/FrmMain.h"

#include "annotation/lunvik/DimensionChanges.h"
#include "annotation/lunvik/MdlMain.h"
#include "annotation/lunvik/Variants.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Named.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "shared/SelectionLoop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lunvik {

namespace {

using forms::named;

constexpr int TranslucentAlpha = 200;
constexpr int OpaqueAlpha = 255;

QGroupBox* frame(const QString& caption, const char* name, QWidget* parent)
{
    return named(new QGroupBox(caption, parent), name);
}

QRadioButton* option(const QString& caption, const char* name, QWidget* parent)
{
    return named(new QRadioButton(caption, parent), name);
}

}  // namespace

FrmMain::FrmMain(MdlMain& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      FrPrecision(frame(QStringLiteral("Precision Places:"), "FrPrecision", this)),
      FrUnit(frame(QStringLiteral("Dimension Unit Format:"), "FrUnit", this)),
      OptScientific(option(QStringLiteral("Scientific"), "OptScientific", FrUnit)),
      OptDecimal(option(QStringLiteral("Decimal"), "OptDecimal", FrUnit)),
      OptEngineering(option(QStringLiteral("Engineering"), "OptEngineering", FrUnit)),
      OptArchitectural(option(QStringLiteral("Architectural"), "OptArchitectural", FrUnit)),
      OptFractional(option(QStringLiteral("Fractional"), "OptFractional", FrUnit)),
      FrDia(frame(QStringLiteral("Diameter + TYP Symbol:"), "FrDia", this)),
      OptDiaOn(option(QStringLiteral("Dia On"), "OptDiaOn", FrDia)),
      OptDiaOff(option(QStringLiteral("Dia Off"), "OptDiaOff", FrDia)),
      OptTyp(option(QStringLiteral("TYP On"), "OptTyp", FrDia)),
      OptTypoff(option(QStringLiteral("TYP Off"), "OptTypoff", FrDia)),
      FrOverRide(frame(QStringLiteral("Text OverRide"), "FrOverRide", this)),
      TxtOverRide(named(new QLineEdit(FrOverRide), "TxtOverRide")),
      frStyle(frame(QStringLiteral("Style Name"), "frStyle", this)),
      CmbStyle(named(new QComboBox(frStyle), "CmbStyle")),
      ChkTransparent(named(new QCheckBox(QStringLiteral("Transparent"), this), "ChkTransparent")),
      CmdSelect(named(new QPushButton(QStringLiteral("&Select"), this), "CmdSelect")),
      CmdClose(named(new QPushButton(QStringLiteral("&Exit"), this), "CmdClose"))
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(QStringLiteral("Lunvik"));
    for (int places = 0; places < int(Opt.size()); ++places) {
        Opt[places] = new QRadioButton(QString::number(places), FrPrecision);
        Opt[places]->setObjectName(QStringLiteral("Opt") + QString::number(places));
    }
    CmbStyle->setEditable(true);
    layOut();
    bind();
}

void FrmMain::layOut()
{
    auto* places = new QGridLayout(FrPrecision);
    for (int index = 0; index < int(Opt.size()); ++index)
        places->addWidget(Opt[index], index / 3, index % 3);

    auto* units = new QVBoxLayout(FrUnit);
    for (QRadioButton* each : {OptScientific, OptDecimal, OptEngineering, OptArchitectural, OptFractional})
        units->addWidget(each);

    auto* suffixes = new QGridLayout(FrDia);
    suffixes->addWidget(OptDiaOn, 0, 0);
    suffixes->addWidget(OptDiaOff, 0, 1);
    suffixes->addWidget(OptTyp, 1, 0);
    suffixes->addWidget(OptTypoff, 1, 1);

    (new QVBoxLayout(FrOverRide))->addWidget(TxtOverRide);
    (new QVBoxLayout(frStyle))->addWidget(CmbStyle);

    auto* left = new QVBoxLayout;
    left->addWidget(FrPrecision);
    left->addWidget(FrDia);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(FrUnit);
    right->addStretch();
    auto* choices = new QHBoxLayout;
    choices->addLayout(left);
    choices->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ChkTransparent);
    buttons->addStretch();
    buttons->addWidget(CmdSelect);
    buttons->addWidget(CmdClose);

    auto* window = new QVBoxLayout(this);
    window->addLayout(choices);
    window->addWidget(FrOverRide);
    window->addWidget(frStyle);
    window->addLayout(buttons);
    setMinimumWidth(forms::captionWidth(*this));
}

void FrmMain::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(ChkTransparent, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkTransparent_Click));
    connect(CmdSelect, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdSelect_Click));
    connect(CmdClose, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdClose_Click));
}

void FrmMain::Form_Load()
{
    if (!module_.AcadProj())
        return;
    // A failure ends the filling: the list keeps what it has.
    runtime::passOver([this] {
        for (const auto& style : module_.connection().doc().dimStyles()->items())
            CmbStyle->addItem(style->name());
    });
    CmbStyle->setCurrentIndex(-1);
}

DimensionChanges FrmMain::changes() const
{
    DimensionChanges chosen;
    for (int places = 0; places < int(Opt.size()); ++places) {
        if (Opt[places]->isChecked())
            chosen.precision = places;
    }
    const std::array<std::pair<QRadioButton*, int>, 5> formats = {{
        {OptArchitectural, unitsFormat::Architectural},
        {OptDecimal, unitsFormat::Decimal},
        {OptEngineering, unitsFormat::Engineering},
        {OptFractional, unitsFormat::Fractional},
        {OptScientific, unitsFormat::Scientific},
    }};
    for (const auto& [button, format] : formats) {
        if (button->isChecked())
            chosen.unitsFormat = format;
    }
    if (OptDiaOn->isChecked())
        chosen.suffix = DiameterSuffix;
    else if (OptTyp->isChecked())
        chosen.suffix = TypSuffix;
    else if (OptDiaOff->isChecked() || OptTypoff->isChecked())
        chosen.suffix = QString();
    chosen.textOverride = TxtOverRide->text();
    chosen.styleName = CmbStyle->currentText();
    return chosen;
}

void FrmMain::CmdSelect_Click()
{
    suite::SelectionTool tool = selectionTool();
    // Each selection goes to the drawing the user works in now.
    tool.precondition = [this] { return module_.AcadProj(); };
    const DimensionChanges chosen = changes();
    tool.work = [&](cad::Entity& object) {
        chosen.apply(object);
        return suite::Walk::Next;
    };
    suite::selectOnScreen(*module_.env().ui, module_.connection(), this, tool);
}

void FrmMain::ChkTransparent_Click()
{
    try {
        forms::setWindowAlpha(this, ChkTransparent->isChecked() ? TranslucentAlpha : OpaqueAlpha);
    } catch (const runtime::Error&) {
        module_.env().ui->msgBox(QStringLiteral("Transparent Error..."), forms::msgbox::Information);
    }
}

void FrmMain::CmdClose_Click() { runtime::endProgram(); }

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

}  // namespace lunvik
