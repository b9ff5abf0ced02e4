#include "batch/pollent/FrmBatchSettings.h"

#include "batch/pollent/Session.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "shared/ReportError.h"
#include "shared/StepRunner.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pollent {

FrmBatchSettings::FrmBatchSettings(Session& session, suite::ReportError& report)
    : forms::Form(*session.env.dispatcher),
      TxtName(new QLineEdit(this)),
      CmdSaveTag(new QPushButton(QStringLiteral("Save Tag"), this)),
      SaveString(new QPushButton(QStringLiteral("Save String"), this)),
      CmdApply(new QPushButton(QStringLiteral("Apply Pollent Attribute Settings"), this)),
      session_(session),
      report_(report)
{
    setObjectName(QStringLiteral("FrmBatchSettings"));
    setCaption(QStringLiteral("UpDate Attribute Settings"));
    TxtName->setObjectName(QStringLiteral("TxtName"));
    CmdSaveTag->setObjectName(QStringLiteral("CmdSaveTag"));
    SaveString->setObjectName(QStringLiteral("SaveString"));
    CmdApply->setObjectName(QStringLiteral("CmdApply"));
    for (int i = 0; i < AttributeSettings::PairCount; ++i) {
        TxtTag[i] = new QLineEdit(this);
        TxtTag[i]->setObjectName(QStringLiteral("TxtTag(%1)").arg(i));
        TxtString[i] = new QLineEdit(this);
        TxtString[i]->setObjectName(QStringLiteral("TxtString(%1)").arg(i));
    }
    layOut();
    forms::Dispatcher& d = dispatcher();
    connect(CmdSaveTag, &QPushButton::clicked, this, d.wrap(this, &FrmBatchSettings::CmdSaveTag_Click));
    connect(SaveString, &QPushButton::clicked, this, d.wrap(this, &FrmBatchSettings::SaveString_Click));
    connect(CmdApply, &QPushButton::clicked, this, d.wrap(this, &FrmBatchSettings::CmdApply_Click));
}

void FrmBatchSettings::layOut()
{
    auto* frame = new QGroupBox(QStringLiteral("Block Attributes"));
    frame->setObjectName(QStringLiteral("FrameBlockAtt"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("Block Name:")), 0, 0);
    grid->addWidget(TxtName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Attribute Tag")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Attribute String")), 1, 1);
    for (int i = 0; i < AttributeSettings::PairCount; ++i) {
        grid->addWidget(TxtTag[i], i + 2, 0);
        grid->addWidget(TxtString[i], i + 2, 1);
    }
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdSaveTag);
    buttons->addWidget(SaveString);
    buttons->addStretch(1);
    buttons->addWidget(CmdApply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setTwipsSize(7200, 6000);
}

void FrmBatchSettings::showModeless()
{
    show();
    raise();
    activateWindow();
}

void FrmBatchSettings::Form_Load()
{
    suite::runProcedure(report_.at(QStringLiteral("Form_Load")), [this](suite::StepRunner& step) {
        step([this] { session_.attributes.GetBatchSettings(*session_.env.settings, report_); });
        step([this] { fill(); });
    });
}

void FrmBatchSettings::fill()
{
    const AttributeSettings& a = session_.attributes;
    TxtName->setText(a.BlockName);
    for (int i = 0; i < AttributeSettings::PairCount; ++i) {
        TxtTag[i]->setText(a.AttTag[i]);
        TxtString[i]->setText(a.AttString[i]);
    }
}

void FrmBatchSettings::CmdSaveTag_Click()
{
    suite::runProcedure(report_.at(QStringLiteral("CmdSaveTag_Click")), [this](suite::StepRunner& step) {
        AttributeSettings& a = session_.attributes;
        a.BlockName = TxtName->text();
        for (int i = 0; i < AttributeSettings::PairCount; ++i)
            a.AttTag[i] = TxtTag[i]->text();
        a.saveTags(*session_.env.settings, step);
    });
}

void FrmBatchSettings::SaveString_Click()
{
    suite::runProcedure(report_.at(QStringLiteral("SaveString_Click")), [this](suite::StepRunner& step) {
        AttributeSettings& a = session_.attributes;
        for (int i = 0; i < AttributeSettings::PairCount; ++i)
            a.AttString[i] = TxtString[i]->text();
        a.saveStrings(*session_.env.settings, step);
    });
}

void FrmBatchSettings::CmdApply_Click() { close(); }

}  // namespace pollent
