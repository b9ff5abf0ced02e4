#include "installer/unbalo/frmUnbalo.h"

#include "installer/unbalo/ModUnbalo.h"
#include "installer/unbalo/Variants.h"
#include "platform/env/Environment.h"
#include "platform/forms/Caption.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/PassOver.h"
#include "platform/runtime/Program.h"
#include "platform/shell/Shell.h"
#include "shared/EditableFileList.h"
#include "shared/PickFilesForm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace unbalo {

namespace {

const QString Launcher = QStringLiteral("Tarvo.exe");
const QString HelpFile = QStringLiteral("TARVOHELP.HLP");
const QString StartMenuGroup = QStringLiteral("Tarvo");
// The caption bar and the borders: the outer size includes them.
constexpr int NonClientWidth = 120;
constexpr int NonClientHeight = 405;

template <typename T>
T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QCheckBox* ticked(QCheckBox* box)
{
    box->setChecked(true);
    return box;
}

}  // namespace

const QString frmUnbalo::AccessCode = QStringLiteral("quib");

frmUnbalo::frmUnbalo(ModUnbalo& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      shortcuts_(module.env()),
      Frame2(named(new QGroupBox(QStringLiteral("Optional:"), this), QStringLiteral("Frame2"))),
      ChkReadme(ticked(named(new QCheckBox(QStringLiteral("Open Help"), Frame2), QStringLiteral("ChkReadme")))),
      ChkDesktop(ticked(named(new QCheckBox(QStringLiteral("Desktop Icon"), Frame2), QStringLiteral("ChkDesktop")))),
      ChkRun(ticked(named(new QCheckBox(QStringLiteral("Run Program"), Frame2), QStringLiteral("ChkRun")))),
      Frame1(named(new QGroupBox(QStringLiteral("Install Directory:"), this), QStringLiteral("Frame1"))),
      TxtDirectory(named(new QLineEdit(QStringLiteral("c:\\Tarvo\\"), Frame1), QStringLiteral("TxtDirectory"))),
      cmdGo(named(new QPushButton(QStringLiteral("&Install"), this), QStringLiteral("cmdGo"))),
      cmdExit(named(new QPushButton(QStringLiteral("&Exit"), this), QStringLiteral("cmdExit"))),
      frameModuleOptions(
          named(new QGroupBox(QStringLiteral("File Options:"), this), QStringLiteral("frameModuleOptions"))),
      CmdPick(named(new QPushButton(QStringLiteral("Pick Files"), frameModuleOptions), QStringLiteral("CmdPick"))),
      fileList_(new suite::EditableFileList(module.env(), FileListVariant, module.items, frameModuleOptions))
{
    setObjectName(QStringLiteral("frmUnbalo"));
    setCaption(QStringLiteral("Install..."));
    TxtDirectory->setToolTip(QStringLiteral("Installation Directory"));
    cmdGo->setToolTip(QStringLiteral("Install"));
    // The access code's right click on "Open Help".
    ChkReadme->setContextMenuPolicy(Qt::CustomContextMenu);
    // The packer's list lies outside the window until the access code is given.
    frameModuleOptions->setVisible(false);
    layOut();
    // Install is first in the tab order: it has the focus when the window opens.
    setTabOrder(cmdGo, ChkReadme);
    setTabOrder(ChkReadme, ChkDesktop);
    setTabOrder(ChkDesktop, ChkRun);
    setTabOrder(ChkRun, TxtDirectory);
    setTabOrder(TxtDirectory, cmdExit);
    cmdGo->setFocus();
    layout()->activate();
    resize(std::max({forms::twipsToPixels(StartWidth), forms::captionWidth(*this), minimumSizeHint().width()}),
           std::max(forms::twipsToPixels(StartHeight), minimumSizeHint().height()));
    frmBatch_ = std::make_unique<suite::PickFilesForm>(module.env(), pickFilesVariant(), *this);
    bindEvents();
}

frmUnbalo::~frmUnbalo() = default;

void frmUnbalo::layOut()
{
    auto* options = new QHBoxLayout(Frame2);
    options->addWidget(ChkReadme);
    options->addWidget(ChkDesktop);
    options->addWidget(ChkRun);

    auto* directory = new QHBoxLayout(Frame1);
    directory->addWidget(TxtDirectory);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdGo);
    buttons->addWidget(cmdExit);

    auto* lower = new QHBoxLayout;
    lower->addWidget(Frame1, 1);
    lower->addLayout(buttons);

    auto* install = new QVBoxLayout;
    install->addWidget(Frame2);
    install->addLayout(lower);
    install->addStretch(1);

    auto* pick = new QHBoxLayout;
    pick->addWidget(CmdPick);
    pick->addStretch(1);
    auto* packer = new QVBoxLayout(frameModuleOptions);
    packer->addLayout(pick);
    packer->addWidget(fileList_, 1);

    auto* window = new QHBoxLayout(this);
    window->addLayout(install);
    window->addWidget(frameModuleOptions, 1);
}

void frmUnbalo::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(ChkReadme, &QCheckBox::customContextMenuRequested, this,
            d.wrap([this] { ChkReadme_MouseDown(Qt::RightButton); }));
    connect(cmdGo, &QPushButton::clicked, this, d.wrap(this, &frmUnbalo::cmdGo_Click));
    connect(cmdExit, &QPushButton::clicked, this, d.wrap(this, &frmUnbalo::cmdExit_Click));
    connect(CmdPick, &QPushButton::clicked, this, d.wrap(this, &frmUnbalo::CmdPick_Click));
}

void frmUnbalo::Form_Unload(bool&) { runtime::endProgram(); }

void frmUnbalo::ChkReadme_MouseDown(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    const QString reply = module_.env().ui->inputBox(QStringLiteral("Password"), QStringLiteral("Unbaloor"));
    if (reply != AccessCode)
        return;
    frameModuleOptions->setVisible(true);
    layout()->activate();
    resize(std::max(forms::twipsToPixels(PackerWidth - NonClientWidth), minimumSizeHint().width()),
           std::max(forms::twipsToPixels(PackerHeight - NonClientHeight), minimumSizeHint().height()));
}

void frmUnbalo::cmdGo_Click()
{
    if (module_.items.count() > 99) {
        module_.env().ui->msgBox(QStringLiteral("To Many File To Attach..."), forms::msgbox::Critical);
        return;
    }
    const std::optional<InstallReport> report = module_.PackOrExtract(TxtDirectory->text(), *this);
    if (report)
        afterInstall(*report);
}

void frmUnbalo::afterInstall(const InstallReport& report)
{
    env::Environment& env = module_.env();
    if (report.complete()) {
        env.ui->msgBox(QStringLiteral("The file has been extracted successfully..."), forms::msgbox::Information,
                       QStringLiteral("Information"));
    } else {
        env.ui->msgBox(QStringLiteral("These files could not be written into ") + report.directory
                           + QStringLiteral(":\r\n") + report.failed.join(QStringLiteral("\r\n")),
                       forms::msgbox::Critical);
    }
    env.clock->doEvents();
    const QString launcher = report.directory + Launcher;
    if (ChkReadme->isChecked())
        runtime::passOver([&] { env.shell->openDocument(report.directory + HelpFile); });
    // A launcher this install did not write is not started.
    if (ChkRun->isChecked() && !report.failedProgram(Launcher))
        runtime::passOver([&] { env.shell->openDocument(launcher); });
    if (ChkDesktop->isChecked())
        runtime::passOver([&] { shortcuts_.MakeDesktopShortcut(launcher); });
    runtime::passOver([&] { shortcuts_.MakeStartMenuShortcut(launcher, StartMenuGroup); });
    unload();
}

void frmUnbalo::cmdExit_Click() { unload(); }

void frmUnbalo::CmdPick_Click() { forms::showInFront(frmBatch_.get()); }

void frmUnbalo::Batchlist1sub(const QString& fileToAdd) { fileList_->Batchlist1sub(fileToAdd); }

void frmUnbalo::showProgress(const QString& caption) { setCaption(caption); }

}  // namespace unbalo
