#include "annotation/pemmit/FrmMain.h"

#include "annotation/pemmit/Session.h"
#include "annotation/pemmit/TextHeights.h"
#include "annotation/pemmit/Variants.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Named.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/EndProgram.h"
#include "shared/ReattachTimer.h"
#include "shared/SelectionLoop.h"
#include "shared/ShowAppError.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pemmit {

namespace {

using forms::named;

constexpr int TimerInterval = 1000;

QComboBox* editableList(const char* name, QWidget* parent)
{
    auto* made = named(new QComboBox(parent), name);
    made->setEditable(true);
    return made;
}

}  // namespace

FrmMain::FrmMain(Session& session, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      LblPemmit(named(new QLabel(QStringLiteral("Text Height:"), this), "LblPemmit")),
      Cmbheight(editableList("Cmbheight", this)),
      LblTextStyle(named(new QLabel(QStringLiteral("Text Style:"), this), "LblTextStyle")),
      CmbFont(editableList("CmbFont", this)),
      FraOptions(named(new QGroupBox(QStringLiteral("Change All Text In Drawing Space:"), this),
                       "FraOptions")),
      OptModel(named(new QRadioButton(QStringLiteral("Model Space"), FraOptions), "OptModel")),
      OptPaper(named(new QRadioButton(QStringLiteral("Paper Space"), FraOptions), "OptPaper")),
      CmdSelect(named(new QPushButton(QStringLiteral("Select Text"), this), "CmdSelect")),
      CmdAllText(named(new QPushButton(QStringLiteral("All Text"), this), "CmdAllText")),
      CmdExit(named(new QPushButton(QStringLiteral("Exit"), this), "CmdExit")),
      Timer1(new suite::ReattachTimer(dispatcher(), this, TimerInterval, [this] { Timer1_Timer(); }))
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(QStringLiteral("Text Height"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    layOut();
    bind();
}

void FrmMain::layOut()
{
    auto* entries = new QGridLayout;
    entries->addWidget(LblPemmit, 0, 0);
    entries->addWidget(Cmbheight, 0, 1);
    entries->addWidget(LblTextStyle, 1, 0);
    entries->addWidget(CmbFont, 1, 1);
    entries->setColumnStretch(1, 1);

    auto* spaces = new QHBoxLayout(FraOptions);
    spaces->addWidget(OptModel);
    spaces->addWidget(OptPaper);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdSelect);
    buttons->addWidget(CmdAllText);
    buttons->addStretch();
    buttons->addWidget(CmdExit);

    auto* window = new QVBoxLayout(this);
    window->addLayout(entries);
    window->addWidget(FraOptions);
    window->addLayout(buttons);
    setMinimumWidth(forms::captionWidth(*this));
}

void FrmMain::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdSelect, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdSelect_Click));
    connect(CmdAllText, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdAllText_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdExit_Click));
}

void FrmMain::Form_Load()
{
    if (!AcadProj())
        return;
    Timer1->setEnabled(true);
    try {
        cad::Document& doc = session_.connection.doc();
        (doc.activeSpace() != cad::space::Paper ? OptModel : OptPaper)->setChecked(true);
        for (const auto& style : doc.textStyles()->items())
            CmbFont->addItem(style->name());
        CmbFont->setCurrentIndex(-1);
        Cmbheight->addItems({"0.0625", "0.09375", "0.125", "0.1875", "0.25", "0.375", "0.5", "0.625", "0.75"});
        Cmbheight->setCurrentIndex(-1);
    } catch (const runtime::Error& error) {
        suite::showAppError(*session_.env.ui, QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::Timer1_Timer() { AcadProj(); }

bool FrmMain::AcadProj()
{
    return session_.attach([this] { unloadAndEnd(); });
}

std::optional<double> FrmMain::height()
{
    const QString text = Cmbheight->currentText();
    if (text.isEmpty()) {
        session_.env.ui->msgBox(QStringLiteral("Please Provide Text Height"), forms::msgbox::Critical);
        return std::nullopt;
    }
    if (!runtime::isNumeric(text) || runtime::toDouble(text) <= 0.0) {
        session_.env.ui->msgBox(QStringLiteral("The Text Height must be a number above 0."), forms::msgbox::Critical);
        return std::nullopt;
    }
    return runtime::toDouble(text);
}

void FrmMain::CmdSelect_Click()
{
    const std::optional<double> chosen = height();
    if (!chosen)
        return;
    const QString style = CmbFont->currentText();
    suite::SelectionTool tool = selectionTool();
    tool.work = [&](cad::Entity& object) {
        if (TextHeights::isText(object))
            TextHeights::change(object, *chosen, style);
        return suite::Walk::Next;
    };
    suite::selectOnScreen(*session_.env.ui, session_.connection, this, tool);
}

void FrmMain::CmdAllText_Click()
{
    const std::optional<double> chosen = height();
    if (!chosen)
        return;
    try {
        cad::Document& doc = session_.connection.doc();
        if (OptPaper->isChecked()) {
            // Paper space keeps its texts' styles.
            if (TextHeights::changeAll(*doc.paperSpace(), *chosen, QString()) == 0)
                session_.env.ui->msgBox(QStringLiteral("No text found in PaperSpace."), forms::msgbox::Information);
            return;
        }
        const QString style = CmbFont->currentText();
        // Refused before the first text changes, so a run never stops halfway.
        if (!style.isEmpty() && !TextHeights::hasStyle(doc, style)) {
            session_.env.ui->msgBox(QStringLiteral("The drawing has no text style \"%1\".").arg(style),
                                    forms::msgbox::Critical);
            return;
        }
        if (TextHeights::changeAll(*doc.modelSpace(), *chosen, style) == 0)
            session_.env.ui->msgBox(QStringLiteral("No text found in ModelSpace."), forms::msgbox::Information);
    } catch (const runtime::Error& error) {
        suite::showAppError(*session_.env.ui, QStringLiteral("CCmdAllText_Click"), error);
    }
}

void FrmMain::CmdExit_Click() { unloadAndEnd(); }

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

void FrmMain::unloadAndEnd()
{
    close();
    runtime::endProgram();
}

}  // namespace pemmit
