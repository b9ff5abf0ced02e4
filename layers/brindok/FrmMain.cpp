#include "layers/brindok/FrmMain.h"

#include "layers/brindok/LayerStates.h"
#include "layers/brindok/MdlMain.h"
#include "layers/brindok/SelectionModes.h"
#include "layers/brindok/Variants.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/WindowAlpha.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "shared/ErrorNumberBox.h"
#include "shared/SelectionLoop.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace brindok {

namespace {

constexpr int TranslucentAlpha = 200;
constexpr int OpaqueAlpha = 255;

QCheckBox* box(const QString& caption, const QString& name, QWidget* parent)
{
    auto* made = new QCheckBox(caption, parent);
    made->setObjectName(name);
    return made;
}

}  // namespace

FrmMain::FrmMain(MdlMain& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      ListBox1(new QListWidget(this)),
      Chkiso(box(QStringLiteral("Isolate Layer"), QStringLiteral("Chkiso"), this)),
      ChkTurn(box(QStringLiteral("Turn Off Layer"), QStringLiteral("ChkTurn"), this)),
      ChkCurrent(box(QStringLiteral("Make Current"), QStringLiteral("ChkCurrent"), this)),
      ChkAll(box(QStringLiteral("All On"), QStringLiteral("ChkAll"), this)),
      Check1(box(QStringLiteral("All Off"), QStringLiteral("Check1"), this)),
      ChkFreezeOn(box(QStringLiteral("Freeze All On"), QStringLiteral("ChkFreezeOn"), this)),
      ChkFreezeOff(box(QStringLiteral("Freeze All Off"), QStringLiteral("ChkFreezeOff"), this)),
      CmdSelect(new QPushButton(SelectionModes::caption(SelectionModes::First), this)),
      ScrollBar1(new QScrollBar(Qt::Vertical, this)),
      ChkTransparent(box(QStringLiteral("Transparent"), QStringLiteral("ChkTransparent"), this)),
      CmdClose(new QPushButton(QStringLiteral("&Exit"), this))
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(QStringLiteral("Brindok"));
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSortingEnabled(true);
    CmdSelect->setObjectName(QStringLiteral("CmdSelect"));
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(SelectionModes::First, SelectionModes::Last);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(1);
    CmdClose->setObjectName(QStringLiteral("CmdClose"));
    layOut();
    bind();
}

void FrmMain::layOut()
{
    auto* boxes = new QVBoxLayout;
    for (QCheckBox* each : {Chkiso, ChkTurn, ChkCurrent, ChkAll, Check1, ChkFreezeOn, ChkFreezeOff})
        boxes->addWidget(each);
    boxes->addStretch();

    auto* top = new QHBoxLayout;
    ListBox1->setMinimumSize(160, 180);
    top->addWidget(ListBox1, 1);
    top->addLayout(boxes);

    // A small spin control, as tall as the button beside it.
    ScrollBar1->setFixedWidth(ScrollBar1->sizeHint().width());
    ScrollBar1->setFixedHeight(CmdSelect->sizeHint().height());
    // Room for the longest caption the mode gives the button.
    int widest = 0;
    for (int mode = SelectionModes::First; mode <= SelectionModes::Last; ++mode)
        widest = std::max(widest, CmdSelect->fontMetrics().horizontalAdvance(SelectionModes::caption(mode)));
    CmdSelect->setMinimumWidth(widest + 24);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CmdSelect);
    bottom->addWidget(ScrollBar1);
    bottom->addStretch();
    bottom->addWidget(ChkTransparent);
    bottom->addWidget(CmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

void FrmMain::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(ChkFreezeOff, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkFreezeOff_Click));
    connect(ChkFreezeOn, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkFreezeOn_Click));
    connect(Check1, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::Check1_Click));
    connect(ChkAll, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkAll_Click));
    connect(ChkCurrent, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkCurrent_Click));
    connect(ChkTurn, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkTurn_Click));
    connect(Chkiso, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::Chkiso_Click));
    connect(ChkTransparent, &QCheckBox::clicked, this, d.wrap(this, &FrmMain::ChkTransparent_Click));
    connect(ScrollBar1, &QScrollBar::valueChanged, this, d.wrap(this, &FrmMain::ScrollBar1_Change));
    connect(CmdSelect, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdSelect_Click));
    connect(CmdClose, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdClose_Click));
}

void FrmMain::Form_Load()
{
    if (!module_.AcadProj())
        return;
    // A failure ends the filling: the list keeps what it has.
    runtime::passOver([this] {
        const std::shared_ptr<cad::Layers> layers = module_.connection().doc().layers();
        const int count = layers->count();
        for (int index = 0; index < count; ++index)
            ListBox1->addItem(layers->item(index)->name());
    });
}

QString FrmMain::listText() const
{
    const QListWidgetItem* picked = ListBox1->currentItem();
    return picked && picked->isSelected() ? picked->text() : QString();
}

void FrmMain::allLayers(QCheckBox* box, const std::function<void()>& action)
{
    if (!box->isChecked())
        return;
    action();
    box->setChecked(false);
}

void FrmMain::listedLayer(QCheckBox* box, void (*action)(cad::Document&, const QString&))
{
    if (!box->isChecked())
        return;
    const QString name = listText();
    if (name.isEmpty()) {
        module_.env().ui->msgBox(QStringLiteral("Select Layer From List Box"), forms::msgbox::Information);
        return;
    }
    runtime::passOver([&] { action(module_.connection().doc(), name); });
    box->setChecked(false);
}

void FrmMain::ChkFreezeOff_Click()
{
    allLayers(ChkFreezeOff, [this] {
        runtime::passOver([this] { LayerStates::freezeAll(module_.connection().doc(), true); });
    });
}

void FrmMain::ChkFreezeOn_Click()
{
    allLayers(ChkFreezeOn, [this] {
        runtime::passOver([this] { LayerStates::freezeAll(module_.connection().doc(), false); });
    });
}

void FrmMain::Check1_Click()
{
    allLayers(Check1, [this] { runtime::passOver([this] { LayerStates::turnAll(module_.connection().doc(), false); }); });
}

void FrmMain::ChkAll_Click()
{
    allLayers(ChkAll, [this] { runtime::passOver([this] { LayerStates::turnAll(module_.connection().doc(), true); }); });
}

void FrmMain::ChkCurrent_Click() { listedLayer(ChkCurrent, &LayerStates::makeCurrent); }
void FrmMain::ChkTurn_Click() { listedLayer(ChkTurn, &LayerStates::turnOff); }
void FrmMain::Chkiso_Click() { listedLayer(Chkiso, &LayerStates::isolate); }

void FrmMain::ChkTransparent_Click()
{
    try {
        if (ChkTransparent->isChecked()) {
            forms::setWindowAlpha(this, TranslucentAlpha);
        } else {
            forms::setWindowAlpha(this, OpaqueAlpha);
            forms::setWindowAlpha(ListBox1, OpaqueAlpha);
        }
    } catch (const runtime::Error&) {
        module_.env().ui->msgBox(QStringLiteral("Transparent Error..."), forms::msgbox::Information);
    }
}

void FrmMain::ScrollBar1_Change()
{
    try {
        CmdSelect->setText(SelectionModes::caption(ScrollBar1->value()));
    } catch (const runtime::Error& error) {
        suite::showErrorNumber(*module_.env().ui, error, forms::msgbox::Critical);
    }
}

void FrmMain::CmdSelect_Click()
{
    const QString name = listText();
    const int mode = ScrollBar1->value();
    suite::SelectionTool tool = selectionTool();
    tool.precondition = [&] {
        if (!name.isEmpty())
            return true;
        module_.env().ui->msgBox(QStringLiteral("Please Pick Layer from Listbox"), forms::msgbox::Information);
        return false;
    };
    tool.work = [&](cad::Entity& object) {
        if (mode == SelectionModes::First) {
            // Every object; one that refuses the layer is skipped.
            runtime::passOver([&] { object.setLayer(name); });
            runtime::passOver([&] { object.update(); });
        } else {
            // Only the mode's kinds; the first refusal ends the move.
            if (SelectionModes::moves(mode, object.entityName()))
                object.setLayer(name);
            object.update();
        }
        return suite::Walk::Next;
    };
    suite::selectOnScreen(*module_.env().ui, module_.connection(), this, tool);
}

void FrmMain::CmdClose_Click() { runtime::endProgram(); }

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

}  // namespace brindok
