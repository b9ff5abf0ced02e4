#include "launchers/tarvo/frmAbout.h"

#include "launchers/tarvo/Session.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/runtime/Program.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tarvo {

namespace {
constexpr int IconSize = 32;
}  // namespace

frmAbout::frmAbout(Session& session, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      picIcon(new QLabel(this)),
      lblTitle(new QLabel(Session::Application, this)),
      lblDescription(new QLabel(QStringLiteral("Starts the drafting tools of the suite from the notification area."),
                                this)),
      lblCompany(new QLabel(QStringLiteral("Tarvo Solutions"), this)),
      lblVersion(new QLabel(this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setCaption(QStringLiteral("About..."));
    // A tool window: no task-bar entry, no minimise or maximise box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblCompany->setObjectName(QStringLiteral("lblCompany"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    QFont title = lblTitle->font();
    title.setBold(true);
    lblTitle->setFont(title);
    layOut();
    connect(cmdOK, &QPushButton::clicked, this, dispatcher().wrap(this, &frmAbout::cmdOK_Click));
}

void frmAbout::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblDescription, 1, 1);
    grid->addWidget(lblCompany, 2, 1);
    grid->addWidget(lblVersion, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::Form_Load()
{
    const runtime::Program& program = *session_.env.program;
    lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(program.major).arg(program.minor).arg(program.revision));
    picIcon->setPixmap(windowIcon().pixmap(IconSize, IconSize));
    // The launcher's own window is never on screen: the middle of the screen
    // stands in for the middle of its owner.
    adjustSize();
    forms::centreOnScreen(this, *session_.env.desktop);
}

void frmAbout::cmdOK_Click() { unload(); }

}  // namespace tarvo
