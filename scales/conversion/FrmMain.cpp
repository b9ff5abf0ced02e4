#include "scales/conversion/FrmMain.h"

#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Twips.h"
#include "platform/runtime/EndProgram.h"
#include "platform/shell/Shell.h"
#include "scales/conversion/MdlAddListBox.h"
#include "scales/conversion/MdlCalculate.h"
#include "shared/ShowAppError.h"

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace conversion {

namespace {

const QString kCaption = QStringLiteral("Conversion Calculator (Tarvo Solutions)");
constexpr int kHighestRoundCount = 15;

void reportAt(env::Environment& env, const QString& location, const runtime::Error& error)
{
    suite::showAppError(*env.ui, location, error);
}

}  // namespace

FrmMain::FrmMain(env::Environment& env, QWidget* parent) : forms::Form(*env.dispatcher, parent), env_(env)
{
    setCaption(kCaption);
    // The twips layout was drawn for an 8-point dialog font; larger text
    // would be cut off in the controls.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    // The window is as large as its controls plus their margin.
    setTwipsSize(5895, 5535);
    createControls();
    bindEvents();
    // Closing the window ends the program; nothing is saved.
}

void FrmMain::createControls()
{
    FrTxtFrom = new QGroupBox(QStringLiteral("From:"), this);
    forms::placeTwips(FrTxtFrom, 120, 0, 2775, 735);
    TxtFrom = new QLineEdit(FrTxtFrom);
    forms::placeTwips(TxtFrom, 120, 240, 2535, 405);

    FrTxtInto = new QGroupBox(QStringLiteral("Into:"), this);
    forms::placeTwips(FrTxtInto, 120, 840, 2775, 735);
    TxtInto = new QLineEdit(FrTxtInto);
    forms::placeTwips(TxtInto, 120, 240, 2535, 405);

    CmdCalculate = new QPushButton(QStringLiteral("Calculate"), this);
    forms::placeTwips(CmdCalculate, 3240, 240, 2415, 375);
    CmdCalculate->setDefault(true);
    CmdSend = new QPushButton(QStringLiteral("Send To Clipboard"), this);
    forms::placeTwips(CmdSend, 3240, 720, 2415, 375);

    Label1 = new QLabel(QStringLiteral("Round Decimal To:"), this);
    forms::placeTwips(Label1, 3240, 1230, 1575, 255);
    CmbRound = new QComboBox(this);
    CmbRound->setEditable(true);
    // Typing a count must not add it to the offered counts.
    CmbRound->setInsertPolicy(QComboBox::NoInsert);
    forms::placeTwips(CmbRound, 4800, 1200, 855, 315);

    FrFrom = new QGroupBox(QStringLiteral("Convert From:"), this);
    forms::placeTwips(FrFrom, 120, 1680, 2775, 3735);
    LstFrom = new QListWidget(FrFrom);
    LstFrom->setSortingEnabled(true);
    forms::placeTwips(LstFrom, 120, 240, 2535, 3375);

    FrInto = new QGroupBox(QStringLiteral("Convert Into:"), this);
    forms::placeTwips(FrInto, 3000, 1680, 2775, 3735);
    LstInto = new QListWidget(FrInto);
    LstInto->setSortingEnabled(true);
    forms::placeTwips(LstInto, 120, 240, 2535, 3375);

    setTabOrder(TxtFrom, LstFrom);
    setTabOrder(LstFrom, LstInto);
    setTabOrder(LstInto, TxtInto);
    setTabOrder(TxtInto, CmdCalculate);
    setTabOrder(CmdCalculate, CmdSend);
    setTabOrder(CmdSend, CmbRound);
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
        MdlAddListBox::FillFromList(*this);
        // Selecting Feet fills the Into list through LstFrom_Click.
        setListText(LstFrom, QStringLiteral("Feet"));
    } catch (const runtime::Error& error) {
        reportAt(env_, QStringLiteral("Form_Load"), error);
    }
}

void FrmMain::LstFrom_Click() { MdlAddListBox::FillIntoList(*this); }

void FrmMain::CmdCalculate_Click()
{
    try {
        const int style = forms::msgbox::Critical + forms::msgbox::OkOnly;
        if (listText(LstFrom).isEmpty()) {
            env_.ui->msgBox(QStringLiteral("Please Select Convert From List Box"), style);
            return;
        }
        if (listText(LstInto).isEmpty()) {
            env_.ui->msgBox(QStringLiteral("Please Select Convert Into List Box"), style);
            return;
        }
        if (TxtFrom->text().isEmpty()) {
            env_.ui->msgBox(QStringLiteral("Need Number in From Text Box"), style);
            return;
        }
        MdlCalculate::calculate(*this);
    } catch (const runtime::Error& error) {
        reportAt(env_, QStringLiteral("CmdCalculate_Click"), error);
    }
}

void FrmMain::CmdSend_Click()
{
    try {
        env_.shell->clearClipboard();
        env_.shell->setClipboardText(TxtInto->text());
    } catch (const runtime::Error& error) {
        reportAt(env_, QStringLiteral("CmdSend_Click"), error);
    }
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
