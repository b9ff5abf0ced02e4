#include "shared/PickFilesForm.h"

#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"
#include "platform/forms/DirListBox.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/DriveListBox.h"
#include "platform/forms/FileListBox.h"
#include "platform/forms/FolderPath.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/PassOver.h"
#include "shared/PickFilesOwner.h"
#include "shared/StepRunner.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

namespace suite {

namespace {

const QString RootP = QStringLiteral("P:\\");
const QString RootC = QStringLiteral("C:\\");

}  // namespace

PickFilesForm::PickFilesForm(env::Environment& env, PickFilesVariant variant, PickFilesOwner& owner,
                             QWidget* parent)
    : forms::Form(*env.dispatcher, parent),
      env_(env),
      variant_(std::move(variant)),
      owner_(owner),
      Drive1(new forms::DriveListBox(*env.files, this)),
      Dir1(new forms::DirListBox(*env.files, this)),
      File1(new forms::FileListBox(*env.files, this)),
      Accept(new QPushButton(QStringLiteral("Accept"), this)),
      Exit2(new QPushButton(QStringLiteral("Exit"), this)),
      LblMenu(variant_.showMenuHint ? new QLabel(QStringLiteral("Right Click For Menu:"), this) : nullptr)
{
    setObjectName(variant_.formName);
    setCaption(QStringLiteral("Pick Files"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1->setObjectName(QStringLiteral("File1"));
    Accept->setObjectName(QStringLiteral("Accept"));
    Exit2->setObjectName(QStringLiteral("Exit2"));
    if (LblMenu)
        LblMenu->setObjectName(QStringLiteral("LblMenu"));

    File1->setPattern(variant_.pattern);
    File1->setMultiSelect(true);
    // The three lists start together in the current folder; one that went
    // away in between leaves the file list empty.
    homeFolder_ = Dir1->path();
    if (!homeFolder_.isEmpty()) {
        runtime::passOver([this] {
            Drive1->setDrive(homeFolder_);
            File1->setPath(homeFolder_);
        });
    }

    buildMenus();
    layOut();
    bind();
}

void PickFilesForm::buildMenus()
{
    if (variant_.hasDriveMenu()) {
        MnuDrive = new QMenu(QStringLiteral("Drive"), this);
        MnuDrive->setObjectName(QStringLiteral("MnuDrive"));
        MnuProject = MnuDrive->addAction(QStringLiteral("Current Project"));
        MnuProject->setObjectName(QStringLiteral("MnuProject"));
        if (variant_.hasMnup) {
            Mnup = MnuDrive->addAction(QStringLiteral("P:\\"));
            Mnup->setObjectName(QStringLiteral("Mnup"));
        }
    }
    if (variant_.hasAddMenu()) {
        MnuAdd = new QMenu(QStringLiteral("Add"), this);
        MnuAdd->setObjectName(QStringLiteral("MnuAdd"));
        MnuAddToList = MnuAdd->addAction(QStringLiteral("Add To Drawing List"));
        MnuAddToList->setObjectName(QStringLiteral("MnuAddToList"));
    }
}

void PickFilesForm::layOut()
{
    // The drive list above the folder list, the file list beside both, the
    // buttons under the file list; the hint, where there is one, above all.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Accept);
    buttons->addStretch();
    buttons->addWidget(Exit2);

    auto* window = new QGridLayout(this);
    if (LblMenu)
        window->addWidget(LblMenu, 0, 0, 1, 2);
    window->addWidget(Drive1, 1, 0);
    window->addWidget(Dir1, 2, 0);
    window->addWidget(File1, 1, 1, 2, 1);
    window->addLayout(buttons, 3, 1);
    window->setColumnStretch(0, 1);
    window->setColumnStretch(1, 1);
    window->setRowStretch(2, 1);
}

void PickFilesForm::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(Drive1, &forms::DriveListBox::driveChanged, this, d.wrap(this, &PickFilesForm::Drive1_Change));
    connect(Dir1, &forms::DirListBox::pathChanged, this, d.wrap(this, &PickFilesForm::Dir1_Change));
    connect(Dir1, &forms::DirListBox::rightClicked, this, d.wrap(this, &PickFilesForm::Dir1_MouseDown));
    connect(File1, &forms::FileListBox::rightClicked, this, d.wrap(this, &PickFilesForm::File1_MouseDown));
    if (variant_.doubleClickAdds)
        connect(File1, &forms::FileListBox::doubleClicked, this, d.wrap(this, &PickFilesForm::File1_DblClick));
    connect(Accept, &QPushButton::clicked, this, d.wrap(this, &PickFilesForm::Accept_Click));
    connect(Exit2, &QPushButton::clicked, this, d.wrap(this, &PickFilesForm::Exit2_Click));
    if (MnuProject)
        connect(MnuProject, &QAction::triggered, this, d.wrap(this, &PickFilesForm::MnuProject_Click));
    if (Mnup)
        connect(Mnup, &QAction::triggered, this, d.wrap(this, &PickFilesForm::Mnup_Click));
    if (MnuAddToList)
        connect(MnuAddToList, &QAction::triggered, this, d.wrap(this, &PickFilesForm::MnuAddToList_Click));
}

void PickFilesForm::Form_Load()
{
    switch (variant_.start) {
    case PickFilesVariant::Start::DriveP:
        startOnDriveP();
        break;
    case PickFilesVariant::Start::StoredFolder: {
        // A stored folder that has gone since is passed over: the picker
        // opens where it would without one.
        const QString stored = owner_.startFolder();
        if (runtime::passOver([&] { goToFolder(stored.isEmpty() ? homeFolder_ : stored); }))
            runtime::passOver([this] { goToFolder(homeFolder_); });
        break;
    }
    case PickFilesVariant::Start::CurrentFolder:
        // No load of its own: a window loaded again opens where a new one
        // would, or stays where it was when that folder has gone.
        runtime::passOver([this] { goToFolder(homeFolder_); });
        break;
    }
    // A window loaded again shows its folder afresh, with nothing selected.
    Dir1_Change();
}

void PickFilesForm::Drive1_Change()
{
    try {
        Dir1->setPath(Drive1->drive());
    } catch (const runtime::Error& error) {
        // A drive chosen from the list whose folder has gone: say so and put
        // the drive list back on the folder list's drive.
        env_.ui->msgBox(error.description(), forms::msgbox::Critical);
        const QSignalBlocker blocker(Drive1);
        runtime::passOver([this] { Drive1->setDrive(Dir1->path()); });
    }
}

void PickFilesForm::Dir1_Change()
{
    // A folder that went away after it was listed leaves the file list as it is.
    runtime::passOver([this] { File1->setPath(Dir1->path()); });
}

void PickFilesForm::Dir1_MouseDown(const QPoint& globalPos)
{
    if (variant_.dirPopsDriveMenu)
        popUp(MnuDrive, globalPos);
}

void PickFilesForm::File1_MouseDown(const QPoint& globalPos)
{
    popUp(variant_.fileMenu == PickFilesVariant::FileMenu::Add ? MnuAdd : MnuDrive, globalPos);
}

void PickFilesForm::File1_DblClick() { handOverSelected(); }

void PickFilesForm::Mnup_Click() { startOnDriveP(); }

void PickFilesForm::MnuProject_Click()
{
    runProcedure([this](const runtime::Error& error) { return owner_.reportProjectError(error); },
                 [this](StepRunner& step) { step([this] { goToFolder(owner_.projectFolder()); }); });
}

void PickFilesForm::Accept_Click()
{
    if (variant_.acceptTakesOne) {
        QString name;
        for (int i = 0; i < File1->count() && name.isEmpty(); ++i) {
            if (File1->isSelected(i))
                name = File1->item(i);
        }
        if (owner_.takePickedFile(File1->path(), name))
            hide();
        return;
    }
    handOverSelected();
    close();
}

void PickFilesForm::MnuAddToList_Click() { handOverSelected(); }

void PickFilesForm::Exit2_Click() { close(); }

void PickFilesForm::handOverSelected()
{
    const QString folder = File1->path();
    // A drive's root already ends in its backslash.
    const QString prefix = folder.size() < 4 ? folder : folder + u'\\';
    for (int i = 0; i < File1->count(); ++i) {
        if (!File1->isSelected(i))
            continue;
        owner_.Batchlist1sub(prefix + File1->item(i));
    }
}

void PickFilesForm::startOnDriveP()
{
    if (runtime::passOver([this] { goToDrive(RootP); }))
        runtime::passOver([this] { goToDrive(RootC); });
}

void PickFilesForm::goToDrive(const QString& drive)
{
    const QString folder = forms::FolderPath::existing(*env_.files, drive.left(2));
    Drive1->setDrive(folder);
    Dir1->setPath(folder);
}

void PickFilesForm::goToFolder(const QString& folder)
{
    const QString existing = forms::FolderPath::existing(*env_.files, folder);
    if (files::WinPath::hasDrive(existing))
        Drive1->setDrive(existing);
    Dir1->setPath(existing);
}

void PickFilesForm::popUp(QMenu* menu, const QPoint& globalPos)
{
    if (!menu)
        return;
    if (QAction* chosen = env_.ui->popupMenu(menu, globalPos))
        chosen->trigger();
}

}  // namespace suite
