#include "project/fentrow/FrmMain.h"

#include "platform/cad/Application.h"
#include "platform/cad/CadErrors.h"
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
#include "platform/forms/Named.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/PassOver.h"
#include "project/fentrow/InsertScale.h"
#include "project/fentrow/MdlAcad.h"
#include "project/fentrow/MdlDwgPreview.h"
#include "project/fentrow/PreviewBox.h"
#include "shared/WindowRoutines.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace fentrow {

namespace {

using forms::named;

const QString Caption = QStringLiteral("Fentrowal... (Right Click List Box For Menu)");
const QString DriveC = QStringLiteral("C:\\");
const QString PickPrompt = QStringLiteral("Pick a point: ");
const QString ProjectPanel = QStringLiteral("ProjectPath:  ");
const QString StandardBlocks = QStringLiteral("Standard Blocks...");
const QString MenuTip = QStringLiteral("Right Click For Menu");

QString withSeparator(const QString& folder) { return folder.endsWith(u'\\') ? folder : folder + u'\\'; }

}  // namespace

FrmMain::FrmMain(MdlAcad& acad) : forms::Form(*acad.env.dispatcher), env_(acad.env), acad_(acad)
{
    setObjectName(QStringLiteral("FrmMain"));
    setCaption(Caption);
    createControls();
    buildMenu();
    layOut();
    bindEvents();
}

void FrmMain::createControls()
{
    const QFont arial(QStringLiteral("Arial"));
    Drive1 = named(new forms::DriveListBox(*env_.files), "Drive1");
    Drive1->setFont(arial);
    Dir1 = named(new forms::DirListBox(*env_.files), "Dir1");
    Dir1->setFont(arial);
    Dir1->setToolTip(MenuTip);
    File1 = named(new forms::FileListBox(*env_.files), "File1");
    File1->setFont(arial);
    File1->setToolTip(MenuTip);
    File1->setPattern(QStringLiteral("*.DWG"));
    // A drawing dragged out of the list is copied, never moved out of its
    // project by a slip of the mouse.
    File1->setDragActions(Qt::CopyAction);

    Label1 = named(new QLabel, "Label1");
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    Pic = named(new PreviewBox, "Pic");
    LblVersion = named(new QLabel(QStringLiteral("Version:")), "LblVersion");

    InsertBlock = named(new QPushButton(QStringLiteral("Insert Block")), "InsertBlock");
    InsertXref = named(new QPushButton(QStringLiteral("Insert Xref")), "InsertXref");
    OpenDrawing = named(new QPushButton(QStringLiteral("    Setup Standard               Blocks")), "OpenDrawing");
    Exit = named(new QPushButton(QStringLiteral("Exit")), "Exit");
    Picture2 = named(new QToolButton, "Picture2");
    Picture2->setIcon(style()->standardIcon(QStyle::SP_FileLinkIcon));
    Picture2->setIconSize(QSize(32, 32));
    Picture2->setAutoRaise(true);

    StatusBar1 = named(new QStatusBar, "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    Panel2 = named(new QLabel, "Panel2");
    StatusBar1->addWidget(Panel2, 1);
}

void FrmMain::buildMenu()
{
    mnuStandardDrives = named(new QMenu(QStringLiteral("Standard Drives"), this), "mnuStandardDrives");
    MnuUpOne = named(mnuStandardDrives->addAction(QStringLiteral("Up One Level")), "MnuUpOne");
    mnuStandardDrives->addSeparator();
    mnuCurrentProject = named(mnuStandardDrives->addAction(QStringLiteral("Current Project...")), "mnuCurrentProject");
    mnuCurrentProject->setCheckable(true);
    mnuStandardDrives->addSeparator();
    mnuProjectLibrary = named(mnuStandardDrives->addAction(QStringLiteral("Project Library...")), "mnuProjectLibrary");
    mnuProjectLibrary->setCheckable(true);
    mnuStandardDrives->addSeparator();
    MnuDir.append(named(mnuStandardDrives->addAction(StandardBlocks), "MnuDir(0)"));
}

void FrmMain::layOut()
{
    auto* lists = new QVBoxLayout;
    lists->addWidget(Drive1);
    lists->addWidget(Dir1, 1);

    FraPreview = new QGroupBox(QStringLiteral("Image Preview:"));
    auto* preview = new QVBoxLayout(FraPreview);
    preview->addWidget(Pic, 1);
    preview->addWidget(LblVersion);

    auto* browser = new QHBoxLayout;
    browser->addLayout(lists, 1);
    browser->addWidget(File1, 1);
    browser->addWidget(FraPreview);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(InsertBlock);
    buttons->addWidget(InsertXref);
    buttons->addWidget(OpenDrawing);
    buttons->addStretch(1);
    buttons->addWidget(Picture2);
    buttons->addWidget(Exit);

    auto* main = new QVBoxLayout(this);
    main->addLayout(browser, 1);
    main->addWidget(Label1);
    main->addLayout(buttons);
    main->addWidget(StatusBar1);
    resize(std::max(640, sizeHint().width()), std::max(360, sizeHint().height()));
}

void FrmMain::bindEvents()
{
    forms::Dispatcher& d = dispatcher();
    connect(Drive1, &forms::DriveListBox::driveChanged, this, d.wrap(this, &FrmMain::Drive1_Change));
    connect(Dir1, &forms::DirListBox::pathChanged, this, d.wrap(this, &FrmMain::Dir1_Change));
    connect(File1, &forms::FileListBox::selectionChanged, this, d.wrap(this, &FrmMain::File1_Click));
    connect(File1, &forms::FileListBox::rightClicked, this, d.wrap(this, &FrmMain::File1_MouseDown));
    connect(InsertBlock, &QPushButton::clicked, this, d.wrap(this, &FrmMain::InsertBlock_Click));
    connect(InsertXref, &QPushButton::clicked, this, d.wrap(this, &FrmMain::InsertXref_Click));
    connect(OpenDrawing, &QPushButton::clicked, this, d.wrap(this, &FrmMain::OpenDrawing_Click));
    connect(Exit, &QPushButton::clicked, this, d.wrap(this, &FrmMain::Exit_Click));
    connect(Picture2, &QToolButton::clicked, this, d.wrap(this, &FrmMain::Picture2_Click));
    connect(MnuUpOne, &QAction::triggered, this, d.wrap(this, &FrmMain::MnuUpOne_Click));
    connect(mnuCurrentProject, &QAction::triggered, this, d.wrap(this, &FrmMain::mnuCurrentProject_Click));
    connect(mnuProjectLibrary, &QAction::triggered, this, d.wrap(this, &FrmMain::mnuProjectLibrary_Click));
    connect(MnuDir[0], &QAction::triggered, this, d.wrap([this] { MnuDir_Click(0); }));
}

void FrmMain::Form_Load()
{
    acad_.AcadProj();
    try {
        const QString project = acad_.projectFolder();
        Panel2->setText(ProjectPanel + (project.isEmpty() ? DriveC : project));
        const QString root = acad_.standardBlocksRoot();
        if (root.isEmpty())
            runtime::raise(runtime::err::PathNotFound);
        goToFolder(root);
    } catch (const runtime::Error&) {
        // Without the host or a reachable root the browser starts on drive C.
        goToDriveC();
    }
    // The lists may already stand where the load put them: show the folder.
    Dir1_Change();
}

void FrmMain::Form_Unload(bool&) { runtime::endProgram(); }

void FrmMain::Drive1_Change()
{
    try {
        Dir1->setPath(Drive1->drive());
    } catch (const runtime::Error& error) {
        // A drive that cannot be read: say so, and put the drive list back on
        // the folder list's drive so the browser stays usable.
        env_.ui->msgBox(error.description(), forms::msgbox::Critical);
        const QSignalBlocker blocker(Drive1);
        runtime::passOver([&] { Drive1->setDrive(Dir1->path()); });
    }
}

void FrmMain::Dir1_Change()
{
    runtime::passOver([&] { File1->setPath(Dir1->path()); });
    rebuildFolderItems();
}

void FrmMain::rebuildFolderItems()
{
    // An item may be the one whose command is running: it goes once that
    // command has returned.
    for (int i = int(MnuDir.size()) - 1; i >= 1; --i) {
        QAction* item = MnuDir.takeAt(i);
        mnuStandardDrives->removeAction(item);
        item->setObjectName(QString());
        item->deleteLater();
    }
    // An error ends the rebuild; the items added so far stay.
    runtime::passOver([&] {
        const QString folder = Dir1->path();
        for (const QString& name : env_.files->listFolders(folder)) {
            const int index = int(MnuDir.size());
            // A "&" in a folder's name is shown, not taken as a shortcut.
            QAction* item = mnuStandardDrives->addAction(QString(name).replace(u'&', QStringLiteral("&&")));
            item->setData(name);
            item->setObjectName(QStringLiteral("MnuDir(%1)").arg(index));
            connect(item, &QAction::triggered, this, dispatcher().wrap([this, index] { MnuDir_Click(index); }));
            MnuDir.append(item);
        }
    });
}

void FrmMain::File1_Click()
{
    QString name;
    for (int i = 0; i < File1->count() && name.isEmpty(); ++i) {
        if (File1->isSelected(i))
            name = File1->item(i);
    }
    if (name.isEmpty())
        return;
    Label1->setText(withSeparator(File1->path()) + name);
    MdlDwgPreview::ShowDwgPreview(env_, drawing(), *Pic);
    LblVersion->setText(MdlDwgPreview::DwgRelease(env_, drawing()));
}

void FrmMain::File1_MouseDown(const QPoint& globalPos)
{
    if (QAction* chosen = env_.ui->popupMenu(mnuStandardDrives, globalPos))
        chosen->trigger();
    File1->setFocus();
}

QString FrmMain::drawing() const { return Label1->text(); }

void FrmMain::InsertBlock_Click()
{
    hide();
    const auto showAgain = qScopeGuard([this] { show(); });
    try {
        cad::Document& doc = acad_.connection.doc();
        const int tileMode = pickingSpace(doc);
        const double dimScale =
            tileMode == InsertScale::ModelSpace ? doc.getVariable(QStringLiteral("dimscale")).toDouble() : 1.0;
        const int measurement = runtime::toInt32(doc.getVariable(QStringLiteral("measurement")).toDouble());
        const double s = InsertScale::scale(tileMode, dimScale, measurement);
        const cad::Point point = doc.utility()->getPoint(std::nullopt, PickPrompt);
        doc.activate();
        const std::shared_ptr<cad::Block> space =
            tileMode == InsertScale::ModelSpace ? doc.modelSpace() : doc.paperSpace();
        space->insertBlock(point, drawing(), s, s, s, 0);
    } catch (const runtime::Error& error) {
        show();
        reportInsertError(error);
    }
}

void FrmMain::InsertXref_Click()
{
    hide();
    const auto showAgain = qScopeGuard([this] { show(); });
    try {
        cad::Document& doc = acad_.connection.doc();
        const int tileMode = pickingSpace(doc);
        if (tileMode != 0 && tileMode != 1)
            return;
        const cad::Point point = doc.utility()->getPoint(std::nullopt, PickPrompt);
        doc.activate();
        const std::shared_ptr<cad::Block> space = tileMode == 1 ? doc.modelSpace() : doc.paperSpace();
        // Name and path come from the same drawing, the one last clicked,
        // whatever the file list shows by now.
        const QString path = drawing();
        const QString name = files::WinPath::fileName(path);
        acad_.xref = space->attachExternalReference(path, name, point, 1, 1, 1, 0, true);
        // Kept without a folder, so the reference follows the project around.
        acad_.xref->setPath(name);
    } catch (const runtime::Error& error) {
        show();
        if (error.number() == cad::err::DuplicateRecordName)
            env_.ui->msgBox(QStringLiteral("*Error*  Xref is already a standard block in the current drawing"),
                            forms::msgbox::Critical);
        else
            reportInsertError(error);
    }
}

int FrmMain::pickingSpace(cad::Document& doc)
{
    const int tileMode = runtime::toInt32(doc.getVariable(QStringLiteral("tilemode")).toDouble());
    // In a layout with model space worked in through a viewport, the point
    // picked is a model point: inserted into paper space, the drawing would
    // stand off the viewport at the viewport's scale, often off the sheet.
    // It goes into model space, where it was picked, at model space's scale.
    if (tileMode == 0 && doc.mSpace())
        return InsertScale::ModelSpace;
    return tileMode;
}

void FrmMain::reportInsertError(const runtime::Error& error)
{
    env_.ui->msgBox(QString::number(error.number()) + QStringLiteral("   Desription:  ") + error.description(),
                    forms::msgbox::Critical);
}

void FrmMain::OpenDrawing_Click()
{
    const QString folder = suite::browseForFolder(env_);
    if (folder.isEmpty())
        return;
    try {
        acad_.setStandardBlocksRoot(folder);
    } catch (const runtime::Error& error) {
        env_.ui->msgBox(error.description(), forms::msgbox::Critical);
    }
}

void FrmMain::Exit_Click() { unload(); }

void FrmMain::Picture2_Click()
{
    acad_.connection.doc().sendCommand(QStringLiteral("XREF\r"));
    runtime::endProgram();
}

void FrmMain::MnuUpOne_Click()
{
    // A drive's root has no level above it: the browser stays there.
    const QString current = Dir1->path();
    const QString parent = files::WinPath::parentFolder(current);
    if (parent.isEmpty())
        return;
    try {
        Dir1->setPath(parent);
    } catch (const runtime::Error&) {
        runtime::passOver([&] { Dir1->setPath(Drive1->drive()); });
    }
}

void FrmMain::mnuCurrentProject_Click()
{
    check();
    mnuCurrentProject->setChecked(true);
    acad_.AcadProj();
    try {
        goToFolder(acad_.projectFolder());
    } catch (const runtime::Error&) {
        noProjectPath();
    }
}

void FrmMain::mnuProjectLibrary_Click()
{
    check();
    mnuProjectLibrary->setChecked(true);
    try {
        goToFolder(acad_.projectFolder() + QStringLiteral("\\Libraries"));
    } catch (const runtime::Error&) {
        noProjectPath();
    }
}

void FrmMain::noProjectPath()
{
    goToDriveC();
    env_.ui->msgBox(QStringLiteral("Warning!!! No Project Path Selected"), forms::msgbox::OkOnly);
}

void FrmMain::MnuDir_Click(int index)
{
    check();
    if (index == 0) {
        runtime::passOver([&] {
            const QString root = acad_.standardBlocksRoot();
            if (!root.isEmpty())
                goToFolder(root);
        });
        return;
    }
    if (index >= MnuDir.size())
        return;
    const QString folder = withSeparator(Dir1->path()) + MnuDir[index]->data().toString() + u'\\';
    runtime::passOver([&] { goToFolder(folder); });
}

void FrmMain::check()
{
    mnuCurrentProject->setChecked(false);
    mnuProjectLibrary->setChecked(false);
}

void FrmMain::goToFolder(const QString& folder)
{
    if (folder.isEmpty())
        runtime::raise(runtime::err::PathNotFound);
    const QString existing = forms::FolderPath::existing(*env_.files, folder);
    if (files::WinPath::hasDrive(existing)) {
        const QSignalBlocker blocker(Drive1);
        Drive1->setDrive(existing);
    }
    Dir1->setPath(existing);
}

void FrmMain::goToDriveC()
{
    runtime::passOver([&] {
        {
            const QSignalBlocker blocker(Drive1);
            Drive1->setDrive(DriveC);
        }
        Dir1->setPath(DriveC.left(2));
    });
}

}  // namespace fentrow
