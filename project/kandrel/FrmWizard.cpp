#include "project/kandrel/FrmWizard.h"

#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"
#include "project/kandrel/ProjectNumber.h"
#include "project/kandrel/Session.h"
#include "project/kandrel/WizardOwner.h"
#include "shared/ShowAppError.h"
#include "shared/WindowRoutines.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kandrel {

namespace {

const QString Caption = QStringLiteral("Welcome To Kandrel Setup Wizard");
const QString Placeholder = QStringLiteral("<<Type Project Number>>");
const QString RootDescription = QStringLiteral(
    "Description:  Please select Directory of Company's Projects\rDo not include Projects themselves\r"
    "Example: P\\:Projectlocation\\ or P\\: or z\\: etc...");
const QString NumberDescription = QStringLiteral(
    "Description:  Please Add Project Number or work Number\r"
    "Example: Directory name with Company's Projects (P:\\Projectlocation\\ Project Number)");

// The label shows the line breaks the description was written with.
QString shown(QString text) { return text.replace(u'\r', u'\n'); }

}  // namespace

FrmWizard::FrmWizard(Session& session, WizardOwner& owner)
    : forms::Form(*session.env.dispatcher), session_(session), owner_(owner)
{
    setObjectName(QStringLiteral("FrmWizard"));
    setCaption(Caption);
    createControls();
    bindEvents();
}

void FrmWizard::createControls()
{
    Frame1 = new QGroupBox(QStringLiteral("Project Locations:"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    TxtProject = new QLineEdit;
    TxtProject->setObjectName(QStringLiteral("TxtProject"));
    CmdProject = new QPushButton(QStringLiteral("..."));
    CmdProject->setObjectName(QStringLiteral("CmdProject"));
    auto* row = new QHBoxLayout(Frame1);
    row->addWidget(TxtProject, 1);
    row->addWidget(CmdProject);

    LblDescription = new QLabel;
    LblDescription->setObjectName(QStringLiteral("LblDescription"));
    LblDescription->setWordWrap(true);
    CmdNext = new QPushButton(QStringLiteral("Next"));
    CmdNext->setObjectName(QStringLiteral("CmdNext"));
    CmdNext->setEnabled(false);
    CmdExit = new QPushButton(QStringLiteral("Cancel"));
    CmdExit->setObjectName(QStringLiteral("CmdExit"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdNext);
    buttons->addWidget(CmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LblDescription);
    layout->addWidget(Frame1);
    layout->addStretch(1);
    layout->addLayout(buttons);
    LblDescription->setText(shown(RootDescription));
    resize(std::max(460, sizeHint().width()), sizeHint().height());
}

void FrmWizard::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdProject, &QPushButton::clicked, this, d.wrap(this, &FrmWizard::CmdProject_Click));
    connect(CmdNext, &QPushButton::clicked, this, d.wrap(this, &FrmWizard::CmdNext_Click));
    connect(CmdExit, &QPushButton::clicked, this, d.wrap(this, &FrmWizard::CmdExit_Click));
}

void FrmWizard::Form_Load()
{
    // A wizard opened again starts again.
    step_ = 0;
    Frame1->setTitle(QStringLiteral("Project Locations:"));
    TxtProject->clear();
    CmdProject->setVisible(true);
    CmdNext->setEnabled(false);
    CmdExit->setText(QStringLiteral("Cancel"));
    LblDescription->setText(shown(RootDescription));
}

void FrmWizard::Form_Unload(bool&) { owner_.wizardClosed(); }

QString FrmWizard::prefixOf(const QString& folder)
{
    // Only a missing "\" is added, so a drive root keeps its one "\" and a
    // network folder keeps its leading "\\".
    return (folder.endsWith(u'\\') ? folder : folder + u'\\').toUpper();
}

void FrmWizard::CmdProject_Click()
{
    const QString folder = suite::browseForFolder(session_.env);
    if (folder.isEmpty()) {
        session_.env.ui->msgBox(QStringLiteral("Canceled..."), forms::msgbox::Critical);
        return;
    }
    const QString prefix = prefixOf(folder);
    TxtProject->setText(prefix);
    session_.saveSetting(QStringLiteral("ProjectPrefix"), prefix);
    owner_.setProjectPrefix(prefix);
    CmdNext->setEnabled(true);
}

void FrmWizard::CmdNext_Click()
{
    if (step_ == 0) {
        CmdProject->setVisible(false);
        LblDescription->setText(shown(NumberDescription));
        TxtProject->setText(Placeholder);
        TxtProject->setFocus();
        Frame1->setTitle(QStringLiteral("Project Number"));
        step_ = 1;
        return;
    }
    const QString number = TxtProject->text();
    if (number.isEmpty()) {
        session_.env.ui->msgBox(QStringLiteral("Warning!!! No Project To Add From Project Number Text Box"),
                                forms::msgbox::Critical);
    } else if (!ProjectNumber::acceptable(number)) {
        // The user may put the number right and go on.
        session_.env.ui->msgBox(ProjectNumber::Refused, forms::msgbox::Critical);
        return;
    } else {
        // The number joins the company's list; it does not replace it.
        try {
            session_.projects.add(number);
        } catch (const runtime::Error& error) {
            suite::showAppError(*session_.env.ui, QStringLiteral("CmdNext_Click"), error);
        }
    }
    CmdExit->setText(QStringLiteral("Finished"));
    CmdNext->setEnabled(false);
}

void FrmWizard::CmdExit_Click() { unload(); }

}  // namespace kandrel
