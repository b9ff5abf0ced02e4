#include "launchers/tarvo/FrmPreferences.h"

#include "launchers/tarvo/LauncherError.h"
#include "launchers/tarvo/Session.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"
#include "shared/WindowRoutines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvo {

namespace {

const QString True = QStringLiteral("True");
const QString False = QStringLiteral("False");
const QString OpenFileTitle = QStringLiteral("Open File");
const QString PickError = QStringLiteral("Error.........");

std::array<QLabel*, 3> rowLabels(QWidget* frame)
{
    return {new QLabel(QStringLiteral("Left Click:"), frame), new QLabel(QStringLiteral("Middle Click:"), frame),
            new QLabel(QStringLiteral("Favorites:"), frame)};
}

QLineEdit* textBox(QWidget* frame, const QString& name, const QString& hint)
{
    auto* box = new QLineEdit(frame);
    box->setObjectName(name);
    box->setToolTip(hint);
    box->setMinimumWidth(320);
    return box;
}

QPushButton* browseButton(QWidget* frame, const QString& name)
{
    auto* button = new QPushButton(QStringLiteral("..."), frame);
    button->setObjectName(name);
    return button;
}

}  // namespace

FrmPreferences::FrmPreferences(Session& session, QWidget* parent)
    : forms::Form(*session.env.dispatcher, parent),
      session_(session),
      FrSetting(new QGroupBox(QStringLiteral("Settings:"), this)),
      Lbl(rowLabels(FrSetting)),
      TxtLeft(textBox(FrSetting, QStringLiteral("TxtLeft"), QStringLiteral(" Left Button Click On Icon..."))),
      CmdLeft(browseButton(FrSetting, QStringLiteral("CmdLeft"))),
      TxtMiddle(textBox(FrSetting, QStringLiteral("TxtMiddle"), QStringLiteral("Middle Button Click On Icon..."))),
      CmdMiddle(browseButton(FrSetting, QStringLiteral("CmdMiddle"))),
      TxtFavorites(textBox(FrSetting, QStringLiteral("TxtFavorites"), QStringLiteral("Favorites Folder"))),
      CmdFavorites(browseButton(FrSetting, QStringLiteral("CmdFavorites"))),
      FrSideBar(new QGroupBox(QStringLiteral("Program Side Bar:"), this)),
      OptSidBar(new QRadioButton(QStringLiteral("On"), FrSideBar)),
      OptSideBarOff(new QRadioButton(QStringLiteral("Off"), FrSideBar)),
      CmdSaveSettings(new QPushButton(QStringLiteral("&Save Settings"), this))
{
    setObjectName(QStringLiteral("FrmPreferences"));
    setCaption(QStringLiteral("User Settings..."));
    FrSetting->setObjectName(QStringLiteral("FrSetting"));
    for (int row = 0; row < RowCount; ++row)
        Lbl[row]->setObjectName(QStringLiteral("Lbl(%1)").arg(row));
    FrSideBar->setObjectName(QStringLiteral("FrSideBar"));
    OptSidBar->setObjectName(QStringLiteral("OptSidBar"));
    OptSideBarOff->setObjectName(QStringLiteral("OptSideBarOff"));
    CmdSaveSettings->setObjectName(QStringLiteral("CmdSaveSettings"));
    layOut();
    bindEvents();
}

void FrmPreferences::layOut()
{
    auto* rows = new QGridLayout(FrSetting);
    const std::array<QLineEdit*, RowCount> boxes = {TxtLeft, TxtMiddle, TxtFavorites};
    const std::array<QPushButton*, RowCount> buttons = {CmdLeft, CmdMiddle, CmdFavorites};
    for (int row = 0; row < RowCount; ++row) {
        rows->addWidget(Lbl[row], row, 0);
        rows->addWidget(boxes[row], row, 1);
        rows->addWidget(buttons[row], row, 2);
        buttons[row]->setFixedWidth(buttons[row]->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 24);
    }
    rows->setColumnStretch(1, 1);

    auto* options = new QHBoxLayout(FrSideBar);
    options->addWidget(OptSidBar);
    options->addWidget(OptSideBarOff);
    options->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(CmdSaveSettings);

    auto* form = new QVBoxLayout(this);
    form->addWidget(FrSetting);
    form->addWidget(FrSideBar);
    form->addLayout(bottom);
    form->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmPreferences::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(CmdLeft, &QPushButton::clicked, this, d.wrap(this, &FrmPreferences::CmdLeft_Click));
    connect(CmdMiddle, &QPushButton::clicked, this, d.wrap(this, &FrmPreferences::CmdMiddle_Click));
    connect(CmdFavorites, &QPushButton::clicked, this, d.wrap(this, &FrmPreferences::CmdFavorites_Click));
    connect(CmdSaveSettings, &QPushButton::clicked, this, d.wrap(this, &FrmPreferences::CmdSaveSettings_Click));
}

void FrmPreferences::Form_Load()
{
    loadedRows_.fill(false);
    sideBarLoaded_ = false;
    // What a failed load left unfilled must not show what an earlier opening
    // showed.
    TxtLeft->clear();
    TxtMiddle->clear();
    TxtFavorites->clear();
    OptSidBar->setAutoExclusive(false);
    OptSidBar->setChecked(false);
    OptSideBarOff->setChecked(false);
    OptSidBar->setAutoExclusive(true);
    try {
        TxtLeft->setText(session_.setting(Session::LeftDoubleClick));
        loadedRows_[Left] = true;
        TxtMiddle->setText(session_.setting(Session::MiddleDoubleClick));
        loadedRows_[Middle] = true;
        TxtFavorites->setText(session_.setting(Session::Favorites));
        loadedRows_[Favorites] = true;
        if (session_.setting(Session::SideBar) == True)
            OptSidBar->setChecked(true);
        else
            OptSideBarOff->setChecked(true);
        sideBarLoaded_ = true;
        // A long path shows its beginning, where the folders tell it apart.
        for (QLineEdit* box : {TxtLeft, TxtMiddle, TxtFavorites})
            box->setCursorPosition(0);
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::FormLoad);
    }
}

void FrmPreferences::pickProgram(QLineEdit* row)
{
    try {
        const QString chosen = suite::openFileDialog(session_.env, OpenFileTitle);
        if (chosen != suite::kCanceled)
            row->setText(chosen);
        else
            session_.env.ui->msgBox(suite::kCanceled, forms::msgbox::Information);
    } catch (const runtime::Error&) {
        session_.env.ui->msgBox(PickError, forms::msgbox::Critical);
    }
}

void FrmPreferences::CmdLeft_Click() { pickProgram(TxtLeft); }

void FrmPreferences::CmdMiddle_Click() { pickProgram(TxtMiddle); }

void FrmPreferences::CmdFavorites_Click()
{
    try {
        const QString folder = suite::browseForFolder(session_.env);
        // A dismissed browser leaves the folder as it was, so that Save does
        // not store an empty folder nobody asked for.
        if (!folder.isEmpty())
            TxtFavorites->setText(folder);
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::CmdFavoritesClick);
    }
}

bool FrmPreferences::keeps(Row row) const
{
    const std::array<const QLineEdit*, RowCount> boxes = {TxtLeft, TxtMiddle, TxtFavorites};
    return loadedRows_[row] || !boxes[row]->text().isEmpty();
}

void FrmPreferences::CmdSaveSettings_Click()
{
    try {
        if (keeps(Left))
            session_.saveSetting(Session::LeftDoubleClick, TxtLeft->text());
        if (keeps(Middle))
            session_.saveSetting(Session::MiddleDoubleClick, TxtMiddle->text());
        if (keeps(Favorites))
            session_.saveSetting(Session::Favorites, TxtFavorites->text());
        if (sideBarLoaded_ || OptSidBar->isChecked() || OptSideBarOff->isChecked())
            session_.saveSetting(Session::SideBar, OptSidBar->isChecked() ? True : False);
    } catch (const runtime::Error& error) {
        LauncherError::show(*session_.env.ui, error, location::CmdSaveSettingsClick);
        return;
    }
    unload();
}

}  // namespace tarvo
