#include "launchers/ploven/Qel_Ploven.h"

#include "launchers/ploven/LispFolder.h"
#include "launchers/ploven/LoadExpression.h"
#include "launchers/ploven/ModuleAlisp.h"
#include "launchers/ploven/Qel_Ploven_Settings.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace ploven {

namespace {

const QString FolderWarning = QStringLiteral("Warning!!! Can't Find Directory Path...");
const QString SendWarning = QStringLiteral("Warning!!! The Lisp File Could Not Be Sent To AutoCad...");

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

}  // namespace

Qel_Ploven::Qel_Ploven(ModuleAlisp& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      ListAlisp(new QListWidget(this)),
      CmdLoad(new QPushButton(QStringLiteral("&Load"), this)),
      CmdExit(new QPushButton(QStringLiteral("&Exit"), this)),
      CmdSettings(new QPushButton(QStringLiteral("S&ettings"), this)),
      MnuSettings(new QMenu(QStringLiteral("Settings"), this)),
      MnuSetting(MnuSettings->addAction(QStringLiteral("Settings"))),
      settings_(new Qel_Ploven_Settings(module, *this, this))
{
    setObjectName(QStringLiteral("Qel_Ploven"));
    setCaption(QStringLiteral("Ploven (Tarvo Solutions)"));
    // A fixed dialog-like window: no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ListAlisp->setObjectName(QStringLiteral("ListAlisp"));
    ListAlisp->setToolTip(QStringLiteral("Right Click For Settings"));
    ListAlisp->setSelectionMode(QAbstractItemView::SingleSelection);
    CmdLoad->setObjectName(QStringLiteral("CmdLoad"));
    CmdExit->setObjectName(QStringLiteral("CmdExit"));
    CmdSettings->setObjectName(QStringLiteral("CmdSettings"));
    MnuSettings->setObjectName(QStringLiteral("MnuSettings"));
    MnuSetting->setObjectName(QStringLiteral("MnuSetting"));
    layOut();
    bindEvents();
}

void Qel_Ploven::layOut()
{
    ListAlisp->setMinimumSize(260, 220);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdLoad);
    buttons->addWidget(CmdSettings);
    buttons->addStretch(1);
    buttons->addWidget(CmdExit);
    auto* form = new QVBoxLayout(this);
    form->addWidget(ListAlisp);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

void Qel_Ploven::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdLoad, &QPushButton::clicked, this, d.wrap(this, &Qel_Ploven::CmdLoad_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &Qel_Ploven::CmdExit_Click));
    connect(CmdSettings, &QPushButton::clicked, this, d.wrap(this, &Qel_Ploven::CmdSettings_Click));
    connect(MnuSetting, &QAction::triggered, this, d.wrap(this, &Qel_Ploven::MnuSetting_Click));
    connect(ListAlisp, &QListWidget::itemDoubleClicked, this, d.wrap(this, &Qel_Ploven::ListAlisp_DblClick));
    ListAlisp->viewport()->installEventFilter(this);
}

bool Qel_Ploven::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListAlisp->viewport() && event->type() == QEvent::MouseButtonPress) {
        const int button = buttonNumber(static_cast<QMouseEvent*>(event)->button());
        dispatcher().run([&] { ListAlisp_MouseDown(button); });
    }
    return forms::Form::eventFilter(watched, event);
}

void Qel_Ploven::Form_Load()
{
    // In the middle of the screen.
    forms::centreOnScreen(this, *module_.env().desktop);

    if (!module_.AcadProj())
        return;
    FillLispList();
}

void Qel_Ploven::FillLispList()
{
    ListAlisp->clear();
    files_.clear();
    LispFolder::Listing listing;
    try {
        listing = LispFolder::list(*module_.env().files, module_.Location);
    } catch (const runtime::Error&) {
        module_.env().ui->msgBox(FolderWarning, forms::msgbox::Critical);
        return;
    }
    const QIcon image = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name : listing.lispFiles) {
        ListAlisp->addItem(new QListWidgetItem(image, name));
        files_.append(name);
    }
    if (!listing.anyFile)
        module_.env().ui->msgBox(FolderWarning, forms::msgbox::Critical);
}

std::optional<QString> Qel_Ploven::selectedFile() const
{
    const QList<QListWidgetItem*> selected = ListAlisp->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int row = ListAlisp->row(selected.first());
    return row >= 0 && row < files_.size() ? std::optional<QString>(files_[row]) : std::nullopt;
}

bool Qel_Ploven::sendLoad()
{
    const std::optional<QString> file = selectedFile();
    if (!file)
        return false;
    module_.lastExpression = LoadExpression::build(module_.Location, *file);
    try {
        module_.connection().doc().sendCommand(module_.lastExpression + u'\r');
    } catch (const runtime::Error& error) {
        module_.env().ui->msgBox(SendWarning + QStringLiteral("\r\nDescription: ") + error.description(),
                                 forms::msgbox::Critical);
        return false;
    }
    return true;
}

void Qel_Ploven::CmdLoad_Click()
{
    if (sendLoad())
        module_.env().ui->msgBox(module_.lastExpression, forms::msgbox::OkOnly);
}

void Qel_Ploven::ListAlisp_DblClick()
{
    if (sendLoad())
        runtime::endProgram();
}

void Qel_Ploven::ListAlisp_MouseDown(int button)
{
    if (button != 2)
        return;
    if (QAction* chosen = module_.env().ui->popupMenu(MnuSettings, module_.env().desktop->pointerPosition()))
        chosen->trigger();
}

void Qel_Ploven::showSettings()
{
    forms::showInFront(settings_);
}

void Qel_Ploven::CmdSettings_Click() { showSettings(); }

void Qel_Ploven::MnuSetting_Click() { showSettings(); }

void Qel_Ploven::CmdExit_Click() { unload(); }

}  // namespace ploven
