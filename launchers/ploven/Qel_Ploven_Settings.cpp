#include "launchers/ploven/Qel_Ploven_Settings.h"

#include "launchers/ploven/Browse.h"
#include "launchers/ploven/ModuleAlisp.h"
#include "launchers/ploven/Qel_Ploven.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ploven {

Qel_Ploven_Settings::Qel_Ploven_Settings(ModuleAlisp& module, Qel_Ploven& owner, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      owner_(owner),
      Frame1(new QGroupBox(QStringLiteral("Directory Location"), this)),
      Text1(new QLineEdit(Frame1)),
      Command1(new QPushButton(QStringLiteral("Apply Directory Location Settings"), this)),
      Command2(new QPushButton(QStringLiteral("Browse..."), this)),
      browse_(new Browse(module, *this, this))
{
    setObjectName(QStringLiteral("Qel_Ploven_Settings"));
    setCaption(QStringLiteral("Settings"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    layOut();
    forms::Dispatcher& d = dispatcher();
    connect(Command1, &QPushButton::clicked, this, d.wrap(this, &Qel_Ploven_Settings::Command1_Click));
    connect(Command2, &QPushButton::clicked, this, d.wrap(this, &Qel_Ploven_Settings::Command2_Click));
}

void Qel_Ploven_Settings::layOut()
{
    Text1->setMinimumWidth(Text1->fontMetrics().averageCharWidth() * 48);
    auto* frame = new QVBoxLayout(Frame1);
    frame->addWidget(Text1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    auto* form = new QVBoxLayout(this);
    form->addWidget(Frame1);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

void Qel_Ploven_Settings::Form_Load()
{
    forms::centreOnScreen(this, *module_.env().desktop);
    Text1->setText(module_.Location);
}

void Qel_Ploven_Settings::Command1_Click()
{
    if (Text1->text().isEmpty()) {
        module_.env().ui->msgBox(QStringLiteral("No Dirtectory to Add..."), forms::msgbox::Critical);
        return;
    }
    module_.setLocation(Text1->text());
    owner_.FillLispList();
    unload();
}

void Qel_Ploven_Settings::Command2_Click()
{
    forms::showInFront(browse_);
}

void Qel_Ploven_Settings::takeFolder(const QString& folder) { Text1->setText(folder); }

}  // namespace ploven
