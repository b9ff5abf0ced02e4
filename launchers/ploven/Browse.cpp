#include "launchers/ploven/Browse.h"

#include "launchers/ploven/ModuleAlisp.h"
#include "launchers/ploven/Qel_Ploven_Settings.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/forms/DriveListBox.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/PassOver.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ploven {

namespace {
const QString DriveC = QStringLiteral("c:\\");
}  // namespace

Browse::Browse(ModuleAlisp& module, Qel_Ploven_Settings& owner, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      owner_(owner),
      Drive1(new forms::DriveListBox(*module.env().files, this)),
      Dir1(new forms::DirListBox(*module.env().files, this)),
      Command1(new QPushButton(QStringLiteral("Apply"), this)),
      Command2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("Browse"));
    setCaption(QStringLiteral("Browse..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    layOut();
    forms::Dispatcher& d = dispatcher();
    connect(Drive1, &forms::DriveListBox::driveChanged, this, d.wrap(this, &Browse::Drive1_Change));
    connect(Command1, &QPushButton::clicked, this, d.wrap(this, &Browse::Command1_Click));
    connect(Command2, &QPushButton::clicked, this, d.wrap(this, &Browse::Command2_Click));
}

void Browse::layOut()
{
    Dir1->setMinimumSize(240, 200);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* form = new QVBoxLayout(this);
    form->addWidget(Drive1);
    form->addWidget(Dir1);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

QString Browse::pickerSpelling(const QString& folder)
{
    QString spelled = folder;
    if (!spelled.endsWith(u'\\'))
        spelled += u'\\';
    return spelled.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
}

void Browse::Form_Load()
{
    forms::centreOnScreen(this, *module_.env().desktop);
    try {
        Drive1->setDrive(DriveC);
        Dir1->setPath(DriveC);
    } catch (const runtime::Error&) {
        module_.env().ui->msgBox(QStringLiteral("Warning!!! No c:\\ Detected..."), forms::msgbox::OkOnly);
    }
}

void Browse::Drive1_Change()
{
    // A drive that cannot be read leaves the folder list where it was, and
    // the drive list goes back to that folder's drive.
    const QString drive = Drive1->drive();
    if (drive.isEmpty())
        return;
    if (runtime::passOver([&] { Dir1->setPath(drive + u'\\'); }))
        runtime::passOver([&] { Drive1->setDrive(Dir1->path()); });
}

void Browse::Command1_Click()
{
    owner_.takeFolder(pickerSpelling(Dir1->path()));
    unload();
}

void Browse::Command2_Click() { unload(); }

}  // namespace ploven
