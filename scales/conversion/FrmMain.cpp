#include "scales/conversion/FrmMain.h"

#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "platform/shell/Shell.h"
#include "scales/conversion/MdlAddListBox.h"
#include "scales/conversion/MdlCalculate.h"
#include "shared/ShowAppError.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace conversion {

namespace {

const QString kCaption = QStringLiteral("Conversion Calculator (Tarvo Solutions)");
constexpr int kHighestRoundCount = 15;
const QString kListLocation = QStringLiteral("GetFromList");
constexpr int kMessageStyle = forms::msgbox::Critical + forms::msgbox::OkOnly;

// A frame holding one control that fills it.
void hold(QGroupBox* frame, QWidget* control)
{
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(control);
}

}  // namespace

FrmMain::FrmMain(env::Environment& env, QWidget* parent)
    : forms::Form(*env.dispatcher, parent),
      env_(env),
      FrTxtFrom(new QGroupBox(QStringLiteral("From:"), this)),
      TxtFrom(new QLineEdit(FrTxtFrom)),
      FrTxtInto(new QGroupBox(QStringLiteral("Into:"), this)),
      TxtInto(new QLineEdit(FrTxtInto)),
      CmdCalculate(new QPushButton(QStringLiteral("Calculate"), this)),
      CmdSend(new QPushButton(QStringLiteral("Send To Clipboard"), this)),
      Label1(new QLabel(QStringLiteral("Round Decimal To:"), this)),
      CmbRound(new QComboBox(this)),
      FrFrom(new QGroupBox(QStringLiteral("Convert From:"), this)),
      LstFrom(new QListWidget(FrFrom)),
      FrInto(new QGroupBox(QStringLiteral("Convert Into:"), this)),
      LstInto(new QListWidget(FrInto))
{
    setCaption(kCaption);
    createControls();
    layOut();
    bindEvents();
    // Closing the window ends the program; nothing is saved.
}

void FrmMain::createControls()
{
    FrTxtFrom->setObjectName(QStringLiteral("FrTxtFrom"));
    TxtFrom->setObjectName(QStringLiteral("TxtFrom"));
    FrTxtInto->setObjectName(QStringLiteral("FrTxtInto"));
    TxtInto->setObjectName(QStringLiteral("TxtInto"));
    CmdCalculate->setObjectName(QStringLiteral("CmdCalculate"));
    CmdSend->setObjectName(QStringLiteral("CmdSend"));
    Label1->setObjectName(QStringLiteral("Label1"));
    CmbRound->setObjectName(QStringLiteral("CmbRound"));
    FrFrom->setObjectName(QStringLiteral("FrFrom"));
    LstFrom->setObjectName(QStringLiteral("LstFrom"));
    FrInto->setObjectName(QStringLiteral("FrInto"));
    LstInto->setObjectName(QStringLiteral("LstInto"));

    CmdCalculate->setDefault(true);
    CmbRound->setEditable(true);
    // Typing a count must not add it to the offered counts.
    CmbRound->setInsertPolicy(QComboBox::NoInsert);
    LstFrom->setSortingEnabled(true);
    LstInto->setSortingEnabled(true);

    setTabOrder(TxtFrom, LstFrom);
    setTabOrder(LstFrom, LstInto);
    setTabOrder(LstInto, TxtInto);
    setTabOrder(TxtInto, CmdCalculate);
    setTabOrder(CmdCalculate, CmdSend);
    setTabOrder(CmdSend, CmbRound);
}

void FrmMain::layOut()
{
    hold(FrTxtFrom, TxtFrom);
    hold(FrTxtInto, TxtInto);
    hold(FrFrom, LstFrom);
    hold(FrInto, LstInto);

    // Beside the two number boxes: the buttons, then the rounding count.
    auto* round = new QHBoxLayout;
    round->addWidget(Label1);
    round->addWidget(CmbRound);
    auto* commands = new QVBoxLayout;
    commands->addWidget(CmdCalculate);
    commands->addWidget(CmdSend);
    commands->addLayout(round);
    commands->addStretch();

    auto* window = new QGridLayout(this);
    window->addWidget(FrTxtFrom, 0, 0);
    window->addWidget(FrTxtInto, 1, 0);
    window->addLayout(commands, 0, 1, 2, 1);
    window->addWidget(FrFrom, 2, 0);
    window->addWidget(FrInto, 2, 1);
    window->setColumnStretch(0, 1);
    window->setColumnStretch(1, 1);
    window->setRowStretch(2, 1);
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(LstFrom, &QListWidget::itemSelectionChanged, this, d.wrap(this, &FrmMain::LstFrom_Click));
    connect(CmdCalculate, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdCalculate_Click));
    connect(CmdSend, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdSend_Click));
}

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

void FrmMain::Form_Load()
{
    try {
        CmbRound->clear();
        for (int count = 0; count <= kHighestRoundCount; ++count)
            CmbRound->addItem(QString::number(count));
        CmbRound->setCurrentText(QStringLiteral("15"));
        showFromUnits();
        // Selecting Feet fills the Into list through LstFrom_Click.
        setListText(LstFrom, QStringLiteral("Feet"));
    } catch (const runtime::Error& error) {
        reportAt(QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::LstFrom_Click() { showIntoUnits(); }

void FrmMain::showFromUnits()
{
    try {
        LstFrom->addItems(MdlAddListBox::FillFromList());
    } catch (const runtime::Error& error) {
        reportAt(kListLocation, error);
    }
}

void FrmMain::showIntoUnits()
{
    try {
        LstInto->clear();
        LstInto->addItems(MdlAddListBox::FillIntoList(listText(LstFrom)));
    } catch (const runtime::Error& error) {
        reportAt(kListLocation, error);
    }
}

void FrmMain::CmdCalculate_Click()
{
    try {
        if (listText(LstFrom).isEmpty()) {
            env_.ui->msgBox(QStringLiteral("Please Select Convert From List Box"), kMessageStyle);
            return;
        }
        if (listText(LstInto).isEmpty()) {
            env_.ui->msgBox(QStringLiteral("Please Select Convert Into List Box"), kMessageStyle);
            return;
        }
        if (TxtFrom->text().isEmpty()) {
            env_.ui->msgBox(QStringLiteral("Need Number in From Text Box"), kMessageStyle);
            return;
        }
        calculate();
    } catch (const runtime::Error& error) {
        reportAt(QStringLiteral("CmdCalculate_Click"), error);
    }
}

void FrmMain::calculate()
{
    try {
        const std::optional<QString> result = MdlCalculate::calculate(TxtFrom->text(), listText(LstFrom),
                                                                      listText(LstInto), CmbRound->currentText());
        if (!result) {
            env_.ui->msgBox(QStringLiteral("Calculation Not Found"), kMessageStyle);
            return;
        }
        TxtInto->setText(*result);
    } catch (const runtime::Error& error) {
        // A bad number or count: the result box keeps its text.
        reportAt(QStringLiteral("calculate"), error);
    }
}

void FrmMain::CmdSend_Click()
{
    try {
        env_.shell->clearClipboard();
        env_.shell->setClipboardText(TxtInto->text());
    } catch (const runtime::Error& error) {
        reportAt(QStringLiteral("CmdSend_Click"), error);
    }
}

void FrmMain::reportAt(const QString& location, const runtime::Error& error)
{
    suite::showAppError(*env_.ui, location, error);
}

QString FrmMain::listText(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void FrmMain::setListText(QListWidget* list, const QString& text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            list->setCurrentRow(row);
            return;
        }
    }
    list->clearSelection();
}

void FrmMain::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        forms::Form::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused ? focused : CmdCalculate)->click();
    event->accept();
}

}  // namespace conversion
