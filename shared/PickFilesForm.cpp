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
#include "platform/forms/Twips.h"
#include "platform/runtime/Error.h"
#include "shared/PickFilesOwner.h"
#include "shared/StepRunner.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

namespace suite {

namespace {

// Layout in twips. The hint line, where there is one, pushes everything down.
constexpr int Margin = 120;
constexpr int HintHeight = 255;
constexpr int ColumnWidth = 2535;
constexpr int Gap = 120;
constexpr int DriveHeight = 345;
constexpr int ListHeight = 2940;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

const QString RootP = QStringLiteral("P:\\");
const QString RootC = QStringLiteral("C:\\");

}  // namespace

PickFilesForm::PickFilesForm(env::Environment& env, PickFilesVariant variant, PickFilesOwner& owner,
                             QWidget* parent)
    : forms::Form(*env.dispatcher, parent),
      Drive1(new forms::DriveListBox(*env.files, this)),
      Dir1(new forms::DirListBox(*env.files, this)),
      File1(new forms::FileListBox(*env.files, this)),
      Accept(new QPushButton(QStringLiteral("Accept"), this)),
      Exit2(new QPushButton(QStringLiteral("Exit"), this)),
      env_(env),
      variant_(std::move(variant)),
      owner_(owner)
{
    setObjectName(variant_.formName);
    setCaption(QStringLiteral("Pick Files"));
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1->setObjectName(QStringLiteral("File1"));
    Accept->setObjectName(QStringLiteral("Accept"));
    Exit2->setObjectName(QStringLiteral("Exit2"));
    if (variant_.showMenuHint) {
        LblMenu = new QLabel(QStringLiteral("Right Click For Menu:"), this);
        LblMenu->setObjectName(QStringLiteral("LblMenu"));
    }

    File1->setPattern(variant_.pattern);
    File1->setMultiSelect(true);
    // The three lists start together in the current folder.
    homeFolder_ = Dir1->path();
    if (!homeFolder_.isEmpty()) {
        try {
            Drive1->setDrive(homeFolder_);
            File1->setPath(homeFolder_);
        } catch (const runtime::Error&) {
            // The folder went away in between: the file list starts empty.
        }
    }

    buildMenus();
    layOut();
    bind();
    // Shown from anywhere, not only from inside a handler: the load enters
    // through the dispatcher itself.
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
    const int top = Margin + (LblMenu ? HintHeight + 45 : 0);
    if (LblMenu)
        forms::placeTwips(LblMenu, Margin, Margin, 2 * ColumnWidth + Gap, HintHeight);
    const int right = Margin + ColumnWidth + Gap;
    forms::placeTwips(Drive1, Margin, top, ColumnWidth, DriveHeight);
    forms::placeTwips(Dir1, Margin, top + DriveHeight + Gap, ColumnWidth, ListHeight - DriveHeight - Gap);
    forms::placeTwips(File1, right, top, ColumnWidth, ListHeight);
    const int buttonTop = top + ListHeight + Gap;
    forms::placeTwips(Accept, right, buttonTop, ButtonWidth, ButtonHeight);
    forms::placeTwips(Exit2, right + ColumnWidth - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight);
    setTwipsSize(right + ColumnWidth + Margin, buttonTop + ButtonHeight + Margin);
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

void PickFilesForm::showEvent(QShowEvent* event)
{
    forms::Form::showEvent(event);
    if (!event->spontaneous())
        load();
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
        try {
            goToFolder(stored.isEmpty() ? homeFolder_ : stored);
        } catch (const runtime::Error&) {
            try {
                goToFolder(homeFolder_);
            } catch (const runtime::Error&) {
            }
        }
        break;
    }
    case PickFilesVariant::Start::CurrentFolder:
        // No load of its own: a window loaded again opens where a new one would.
        try {
            goToFolder(homeFolder_);
        } catch (const runtime::Error&) {
        }
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
        try {
            Drive1->setDrive(Dir1->path());
        } catch (const runtime::Error&) {
        }
    }
}

void PickFilesForm::Dir1_Change()
{
    try {
        File1->setPath(Dir1->path());
    } catch (const runtime::Error&) {
        // The folder went away after it was listed; the file list stays.
    }
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
    try {
        goToDrive(RootP);
    } catch (const runtime::Error&) {
        try {
            goToDrive(RootC);
        } catch (const runtime::Error&) {
        }
    }
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
