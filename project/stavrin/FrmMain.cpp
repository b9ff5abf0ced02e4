#include "project/stavrin/FrmMain.h"

#include "platform/cad/Application.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "project/stavrin/MdlMain.h"
#include "shared/StepRunner.h"
#include "shared/WindowRoutines.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace stavrin {

namespace {
const QString Caption = QStringLiteral("Drawing Templates (.dwt)");
const QString NoTemplate = QStringLiteral("Warning!!! No Template Selected");
}  // namespace

FrmMain::FrmMain(MdlMain& main) : forms::Form(*main.env.dispatcher), main_(main)
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(Caption);
    createControls();
    bindEvents();
}

void FrmMain::createControls()
{
    LstTemp = new QListWidget;
    LstTemp->setObjectName(QStringLiteral("LstTemp"));
    LstTemp->setToolTip(QStringLiteral("Double Click (Ok)"));
    CmdOK = new QPushButton(QStringLiteral("&Ok"));
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdSettings = new QPushButton(QStringLiteral("&Setup"));
    CmdSettings->setObjectName(QStringLiteral("CmdSettings"));
    CmdExit = new QPushButton(QStringLiteral("&Exit"));
    CmdExit->setObjectName(QStringLiteral("CmdExit"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdOK);
    buttons->addWidget(CmdSettings);
    buttons->addStretch(1);
    buttons->addWidget(CmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LstTemp, 1);
    layout->addLayout(buttons);
    resize(std::max(320, sizeHint().width()), 300);
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdOK, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdOK_Click));
    connect(LstTemp, &QListWidget::itemDoubleClicked, this, d.wrap(this, &FrmMain::LstTemp_DblClick));
    connect(CmdSettings, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdSettings_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmMain::CmdExit_Click));
}

void FrmMain::Form_Load()
{
    suite::runProcedure(main_.report.at(QStringLiteral("Form_Load")), [&](suite::StepRunner& step) {
        step([&] { main_.AcadProj(); });
        step([&] { GetDirectory(); });
    });
}

void FrmMain::Form_Unload(bool&)
{
    main_.connection = suite::AcadConnection{};
    runtime::endProgram();
}

void FrmMain::GetDirectory()
{
    QString folder;
    QStringList found;
    suite::runProcedure(main_.report.at(QStringLiteral("GetDirectory")), [&](suite::StepRunner& step) {
        step([&] { folder = main_.templateFolder(); });
        step([&] { found = main_.templatesIn(folder); });
    });
    folder_ = folder;
    templates_.append(found);
    LstTemp->addItems(found);
}

void FrmMain::clearList()
{
    templates_.clear();
    LstTemp->clear();
}

void FrmMain::CmdOK_Click() { NewDrawing(); }

void FrmMain::LstTemp_DblClick() { NewDrawing(); }

void FrmMain::NewDrawing()
{
    const int row = LstTemp->currentRow();
    if (row < 0 || row >= templates_.size() || !LstTemp->item(row)->isSelected()) {
        // Without a name the template would be the bare folder: say so and
        // let the user pick one.
        main_.env.ui->msgBox(NoTemplate, forms::msgbox::Critical);
        return;
    }
    const QString templatePath = folder_ + templates_[row];
    const bool ran = suite::runProcedure(main_.report.at(QStringLiteral("NewDrawing")), [&](suite::StepRunner& step) {
        int sdi = 0;
        step([&] { sdi = main_.connection.doc().getVariable(QStringLiteral("SDI")).toInt(); });
        step([&] {
            if (sdi != 1)
                main_.connection.doc().application()->documents()->add(templatePath);
            else
                main_.connection.doc().newDrawing(templatePath);
        });
    });
    if (ran)
        unload();
}

void FrmMain::CmdSettings_Click()
{
    suite::runProcedure(main_.report.at(QStringLiteral("CmdSettings_Click")), [&](suite::StepRunner& step) {
        QString chosen;
        step([&] { chosen = suite::browseForFolder(main_.env, QStringLiteral("   Location of Templates")); });
        if (chosen.isEmpty()) {
            main_.env.ui->msgBox(suite::kCanceled, forms::msgbox::Information);
            return;
        }
        step([&] { main_.setLocation(chosen); });
        clearList();
        GetDirectory();
    });
}

void FrmMain::CmdExit_Click() { unload(); }

}  // namespace stavrin
