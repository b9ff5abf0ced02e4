#include "layers/wexmoor/FrmMain.h"

#include "layers/wexmoor/CommandCategories.h"
#include "layers/wexmoor/EventClassModule.h"
#include "layers/wexmoor/MdlMain.h"
#include "platform/cad/Application.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/TrayIcon.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/EndProgram.h"
#include "platform/settings/Store.h"
#include "shared/ReattachTimer.h"
#include "shared/StepRunner.h"

#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace wexmoor {

namespace {

const QString Caption = QStringLiteral("Wexmoor         (Select Layers and Minimize app) ");
const QString IconTip = QStringLiteral("Right Click For Menu.");
constexpr int ReattachInterval = 100;

// The window's icon: three layer sheets stacked, in the sixteen colours.
QIcon drawIcon()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const std::array<QColor, 3> sheets = {QColor(0, 128, 128), QColor(0, 0, 255), QColor(255, 255, 0)};
    for (int i = 0; i < 3; ++i) {
        const int top = 18 - i * 7;
        const QPolygon sheet({QPoint(2, top + 5), QPoint(16, top), QPoint(30, top + 5), QPoint(16, top + 10)});
        painter.setPen(Qt::black);
        painter.setBrush(sheets[size_t(i)]);
        painter.drawPolygon(sheet);
    }
    return QIcon(image);
}

}  // namespace

FrmMain::FrmMain(MdlMain& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      MnuMenu(new QMenu(QStringLiteral("Menu"), this)),
      icon_(new forms::TrayIcon(dispatcher(), this)),
      Timer1(new suite::ReattachTimer(dispatcher(), this, ReattachInterval, [this] { Timer1_Timer(); })),
      formIcon_(drawIcon())
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(Caption);
    setWindowIcon(formIcon_);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    icon_->setObjectName(QStringLiteral("NotifyIcon"));
    MnuMenu->setObjectName(QStringLiteral("MnuMenu"));
    for (int i = 0; i < CommandCategories::Count; ++i) {
        LblText[size_t(i)] = new QLabel(CommandCategories::categories()[size_t(i)].label, this);
        LblText[size_t(i)]->setObjectName(QStringLiteral("LblText(%1)").arg(i));
        CmbLayer[size_t(i)] = new QComboBox(this);
        CmbLayer[size_t(i)]->setObjectName(QStringLiteral("CmbLayer(%1)").arg(i));
        // A drop-down list that also takes a typed name; typing adds nothing
        // to the list.
        CmbLayer[size_t(i)]->setEditable(true);
        CmbLayer[size_t(i)]->setInsertPolicy(QComboBox::NoInsert);
        CmbLayer[size_t(i)]->setMinimumContentsLength(14);
    }
    for (int i = 0; i < CommandCategories::DrawModes; ++i) {
        const DrawModeItem& item = CommandCategories::drawModeMenu()[size_t(i)];
        drawModeItems_[size_t(i)] = MnuMenu->addAction(item.caption);
        drawModeItems_[size_t(i)]->setObjectName(item.menuItem);
        drawModeItems_[size_t(i)]->setCheckable(true);
    }
    events_ = std::make_unique<EventClassModule>(dispatcher(), module_,
                                                 [this](int index) { return CmbLayer[size_t(index)]->currentText(); });
    layOut();
    bind();
    const QPointer<FrmMain> self(this);
    dispatcher().atEnd([self] {
        if (self)
            self->atEnd();
    });
}

FrmMain::~FrmMain() = default;

void FrmMain::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    auto place = [&](const auto& column, int at) {
        for (size_t row = 0; row < column.size(); ++row) {
            grid->addWidget(LblText[size_t(column[row])], int(row), at);
            grid->addWidget(CmbLayer[size_t(column[row])], int(row), at + 1);
        }
    };
    place(CommandCategories::leftColumn(), 0);
    place(CommandCategories::rightColumn(), 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void FrmMain::bind()
{
    forms::Dispatcher& d = dispatcher();
    icon_->setHandler([this](int message) { Form_MouseMove(message); });
    const std::array<void (FrmMain::*)(), CommandCategories::DrawModes> handlers = {
        &FrmMain::MnudSolid_Click,  &FrmMain::MnuDSolid2_Click, &FrmMain::MnudSolid3_Click, &FrmMain::MnuDCenter_Click,
        &FrmMain::MnuPhantom_Click, &FrmMain::MnuDDash_Click,   &FrmMain::MnuOther_Click};
    for (size_t i = 0; i < handlers.size(); ++i)
        connect(drawModeItems_[i], &QAction::triggered, this, d.wrap(this, handlers[i]));
}

void FrmMain::Form_Load()
{
    suite::runProcedure(module_.MdlError().at(QStringLiteral("Form_Load")), [this](suite::StepRunner& step) {
        step([this] { module_.AcadProj(); });
        step([this] { InitializeEvents(); });
        step([this] {
            QStringList names;
            for (const auto& layer : module_.connection().doc().layers()->items())
                names.append(layer->name());
            for (QComboBox* combo : CmbLayer)
                combo->addItems(names);
        });
        step([this] {
            // A stored name the drawing lacks shows as typed text.
            for (int index : CommandCategories::readOrder()) {
                const QString& key = CommandCategories::categories()[size_t(index)].key;
                CmbLayer[size_t(index)]->setCurrentText(
                    module_.env().settings->get(MdlMain::Application, MdlMain::Section, key));
            }
            choicesShown_ = true;
        });
        step([this] { chooseDrawMode(0); });
    });
    Timer1->setEnabled(true);
}

void FrmMain::InitializeEvents()
{
    suite::runProcedure(module_.MdlError().at(QStringLiteral("InitializeEvents")), [this](suite::StepRunner& step) {
        // Bound once: the application keeps delivering the event for every
        // drawing, so the re-attach does not bind again.
        step([this] { events_->setApp(module_.connection().doc().application()); });
    });
}

void FrmMain::Timer1_Timer() { module_.AcadProj(); }

void FrmMain::Form_Resize()
{
    if (!isMinimized())
        return;
    // Hidden into an icon that no notification area shows, the window could
    // never be brought back: without one it stays a minimised window.
    if (!module_.env().desktop->hasNotificationArea())
        return;
    suite::runProcedure(module_.MdlError().at(QStringLiteral("Form_Resize")), [this](suite::StepRunner& step) {
        step([this] { hide(); });
        step([this] { activateWindow(); });
        step([this] { icon_->add(formIcon_, IconTip); });
    });
}

void FrmMain::Form_MouseMove(int message)
{
    suite::runProcedure(module_.MdlError().at(QStringLiteral("Form_MouseMove")), [&](suite::StepRunner& step) {
        switch (message) {
        case forms::tray::LeftDoubleClick:
            step([this] { icon_->remove(); });
            step([this] {
                setWindowState(windowState() & ~Qt::WindowMinimized);
                show();
                activateWindow();
            });
            break;
        case forms::tray::RightDown:
            step([this] { module_.env().clock->doEvents(); });
            // So that the menu closes when the user clicks elsewhere.
            step([this] { activateWindow(); });
            step([this] {
                if (QAction* chosen = module_.env().ui->popupMenu(MnuMenu, QCursor::pos()))
                    chosen->trigger();
            });
            break;
        default:
            break;
        }
    });
}

void FrmMain::MnudSolid_Click() { chooseDrawMode(0); }
void FrmMain::MnuDSolid2_Click() { chooseDrawMode(1); }
void FrmMain::MnudSolid3_Click() { chooseDrawMode(2); }
void FrmMain::MnuDCenter_Click() { chooseDrawMode(3); }
void FrmMain::MnuPhantom_Click() { chooseDrawMode(4); }
void FrmMain::MnuDDash_Click() { chooseDrawMode(5); }
void FrmMain::MnuOther_Click() { chooseDrawMode(6); }

void FrmMain::chooseDrawMode(int item)
{
    for (int i = 0; i < CommandCategories::DrawModes; ++i)
        drawModeItems_[size_t(i)]->setChecked(i == item);
    module_.drawMode = CommandCategories::drawModeMenu()[size_t(item)].mode;
}

void FrmMain::saveChoices()
{
    for (int index : CommandCategories::saveOrder()) {
        module_.env().settings->save(MdlMain::Application, MdlMain::Section,
                                     CommandCategories::categories()[size_t(index)].key,
                                     CmbLayer[size_t(index)]->currentText());
    }
}

void FrmMain::Form_Unload(bool&)
{
    suite::runProcedure(module_.MdlError().at(QStringLiteral("Form_Unload")), [this](suite::StepRunner& step) {
        step([this] {
            saveChoices();
            choicesSaved_ = true;
        });
        step([this] { icon_->remove(); });
        step([this] {
            Timer1->setEnabled(false);
            events_->setApp(nullptr);
            module_.connection().application.reset();
            module_.connection().document.reset();
        });
    });
    runtime::endProgram();
}

void FrmMain::atEnd()
{
    if (choicesShown_ && !choicesSaved_) {
        choicesSaved_ = true;
        saveChoices();
    }
    icon_->remove();
}

}  // namespace wexmoor
