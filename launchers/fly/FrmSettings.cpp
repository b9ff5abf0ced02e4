#include "launchers/fly/FrmSettings.h"

#include "launchers/fly/FrmFly.h"
#include "platform/env/Environment.h"
#include "platform/forms/Desktop.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/WindowPlacement.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"
#include "shared/WindowRoutines.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace fly {

namespace {

const QString PickError = QStringLiteral("Error.........");

template <typename Control>
std::array<Control*, Session::ButtonCount> row(QWidget* form, const QString& name,
                                               const std::function<Control*(int, QWidget*)>& make)
{
    std::array<Control*, Session::ButtonCount> controls{};
    for (int index = 0; index < Session::ButtonCount; ++index) {
        controls[size_t(index)] = make(index, form);
        controls[size_t(index)]->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    }
    return controls;
}

}  // namespace

FrmSettings::FrmSettings(Session& session, FrmFly& owner, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      owner_(owner),
      LblButton(row<QLabel>(this, QStringLiteral("LblButton"),
                            [](int index, QWidget* form) {
                                return new QLabel(QStringLiteral("Button %1:").arg(index + 1), form);
                            })),
      TxtPath(row<QLineEdit>(this, QStringLiteral("TxtPath"),
                             [](int, QWidget* form) { return new QLineEdit(form); })),
      CmdBrowse(row<QPushButton>(this, QStringLiteral("CmdBrowse"),
                                 [](int, QWidget* form) { return new QPushButton(QStringLiteral("..."), form); }))
{
    setObjectName(QStringLiteral("FrmSettings"));
    setCaption(QStringLiteral("Options...   (Tarvo Solutions)"));
    // A fixed tool window: no task-bar entry, no minimise or maximise box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    layOut();
    bindEvents();
}

void FrmSettings::layOut()
{
    auto* grid = new QGridLayout(this);
    for (int index = 0; index < Session::ButtonCount; ++index) {
        grid->addWidget(LblButton[size_t(index)], index, 0);
        grid->addWidget(TxtPath[size_t(index)], index, 1);
        grid->addWidget(CmdBrowse[size_t(index)], index, 2);
        TxtPath[size_t(index)]->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
        CmdBrowse[size_t(index)]->setFixedWidth(
            CmdBrowse[size_t(index)]->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    }
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmSettings::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    for (int index = 0; index < Session::ButtonCount; ++index) {
        connect(CmdBrowse[size_t(index)], &QPushButton::clicked, this,
                d.wrap([this, index] { CmdBrowse_Click(index); }));
    }
}

void FrmSettings::Form_Load()
{
    // In the middle of the screen: the palette it belongs to is a strip at
    // the edge.
    forms::centreOnScreen(this, *session_.env.desktop);

    loadedRows_.fill(false);
    for (QLineEdit* path : TxtPath)
        path->clear();
    suite::runProcedure(session_.MdlError.at(QStringLiteral("Settings_Load")), [&](suite::StepRunner& step) {
        for (int index = 0; index < Session::ButtonCount; ++index) {
            step([&] {
                TxtPath[size_t(index)]->setText(session_.programPath(index));
                // A long path shows its beginning, where the folders tell it apart.
                TxtPath[size_t(index)]->setCursorPosition(0);
                loadedRows_[size_t(index)] = true;
            });
        }
    });
}

void FrmSettings::CmdBrowse_Click(int index)
{
    try {
        const QString chosen = suite::openFileDialog(session_.env, QStringLiteral("Open File"));
        if (chosen != suite::kCanceled)
            TxtPath[size_t(index)]->setText(chosen);
        else
            session_.env.ui->msgBox(suite::kCanceled, forms::msgbox::Information);
    } catch (const runtime::Error&) {
        session_.env.ui->msgBox(PickError, forms::msgbox::Critical);
    }
}

void FrmSettings::Form_Unload(bool&)
{
    suite::runProcedure(session_.MdlError.at(QStringLiteral("Settings_UnLoad")), [&](suite::StepRunner& step) {
        for (int index = 0; index < Session::ButtonCount; ++index) {
            const QString path = TxtPath[size_t(index)]->text();
            if (loadedRows_[size_t(index)] || !path.isEmpty())
                step([&] { session_.saveProgramPath(index, path); });
        }
        step([&] { owner_.GetIcons(); });
    });
}

}  // namespace fly
