#include "batch/pollent/BatchForm3.h"

#include "batch/pollent/OperationList.h"
#include "batch/pollent/Session.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/PassOver.h"
#include "shared/ReportError.h"
#include "shared/StepRunner.h"
#include "shared/WindowRoutines.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <vector>

namespace pollent {

namespace {

QCheckBox* box(const QString& name, const QString& caption, QWidget* parent)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    return check;
}

QLineEdit* textBox(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// The frames are the elements of one control array, "Frame1(0)" onwards in
// the order they are made.
QGroupBox* frame(int& index, const QString& caption)
{
    auto* group = new QGroupBox(caption);
    group->setObjectName(QStringLiteral("Frame1(%1)").arg(index++));
    return group;
}

}  // namespace

BatchForm3::BatchForm3(Session& session, suite::ReportError& report, Owner owner)
    : forms::Form(*session.env.dispatcher),
      ChkBindAll(box(QStringLiteral("ChkBindAll"), OperationList::captionOf(&OptionSet::DoBindAll), this)),
      chkPurge(box(QStringLiteral("chkPurge"), OperationList::captionOf(&OptionSet::DoPurge), this)),
      ChkArchive(box(QStringLiteral("ChkArchive"), OperationList::captionOf(&OptionSet::DoArchive), this)),
      chkBlockAttributes(box(QStringLiteral("chkBlockAttributes"), OperationList::captionOf(&OptionSet::DoAttributes), this)),
      ChkInsertBlock(box(QStringLiteral("ChkInsertBlock"), OperationList::captionOf(&OptionSet::DoInsertBlock), this)),
      ChkInsertXref(box(QStringLiteral("ChkInsertXref"), OperationList::captionOf(&OptionSet::DoInsertXref), this)),
      ChkDelete(box(QStringLiteral("ChkDelete"), OperationList::captionOf(&OptionSet::DoDeleteXref), this)),
      ChkDeleteB(box(QStringLiteral("ChkDeleteB"), OperationList::captionOf(&OptionSet::DoDeleteBlock), this)),
      ChkModel(box(QStringLiteral("ChkModel"), QStringLiteral("Model Space"), this)),
      ChkPaper(box(QStringLiteral("ChkPaper"), QStringLiteral("Paper Space"), this)),
      FolderLocation(textBox(QStringLiteral("FolderLocation"), this)),
      FolderName(textBox(QStringLiteral("FolderName"), this)),
      TxtScale(textBox(QStringLiteral("TxtScale"), this)),
      TxtX(textBox(QStringLiteral("TxtX"), this)),
      TxtY(textBox(QStringLiteral("TxtY"), this)),
      TxtZ(textBox(QStringLiteral("TxtZ"), this)),
      TxtBlockPath(textBox(QStringLiteral("TxtBlockPath"), this)),
      TxtDeleteName(textBox(QStringLiteral("TxtDeleteName"), this)),
      CmdBrowse(new QPushButton(QStringLiteral("Browse..."), this)),
      CmdSettings(new QPushButton(QStringLiteral("UpDate Attribute Settings"), this)),
      Apply(new QPushButton(QStringLiteral("Apply Pollent Processor Options"), this)),
      session_(session),
      report_(report),
      owner_(std::move(owner))
{
    setObjectName(QStringLiteral("BatchForm3"));
    setCaption(QStringLiteral("Pollent Processor Settings"));
    CmdBrowse->setObjectName(QStringLiteral("CmdBrowse"));
    CmdSettings->setObjectName(QStringLiteral("CmdSettings"));
    Apply->setObjectName(QStringLiteral("Apply"));
    layOut();
    bind();
    // A close by the close box unloads the form, so the next show fills it
    // afresh from the option set: the edits are dropped.
}

void BatchForm3::layOut()
{
    int frames = 0;
    auto* archive = frame(frames, QStringLiteral("Drawing Archive Folder:"));
    auto* archiveGrid = new QGridLayout(archive);
    archiveGrid->addWidget(ChkArchive, 0, 0, 1, 3);
    archiveGrid->addWidget(new QLabel(QStringLiteral("Folder Location:")), 1, 0);
    archiveGrid->addWidget(FolderLocation, 1, 1);
    archiveGrid->addWidget(CmdBrowse, 1, 2);
    archiveGrid->addWidget(new QLabel(QStringLiteral("Folder Name:")), 2, 0);
    archiveGrid->addWidget(FolderName, 2, 1, 1, 2);

    auto* insert = frame(frames, QStringLiteral("Insert Block or Xref:"));
    auto* insertGrid = new QGridLayout(insert);
    insertGrid->addWidget(ChkInsertBlock, 0, 0, 1, 2);
    insertGrid->addWidget(ChkInsertXref, 0, 2, 1, 2);
    insertGrid->addWidget(ChkModel, 1, 0, 1, 2);
    insertGrid->addWidget(ChkPaper, 1, 2, 1, 2);
    insertGrid->addWidget(new QLabel(QStringLiteral("Dont Forget *.Dwg on blocks")), 2, 0, 1, 4);
    insertGrid->addWidget(TxtBlockPath, 3, 0, 1, 4);
    insertGrid->addWidget(new QLabel(QStringLiteral("Scale:")), 4, 0);
    insertGrid->addWidget(TxtScale, 4, 1);
    auto* point = new QHBoxLayout;
    const std::vector<std::pair<QString, QLineEdit*>> coordinates = {
        {QStringLiteral("X:"), TxtX}, {QStringLiteral("Y:"), TxtY}, {QStringLiteral("Z:"), TxtZ}};
    for (const auto& [label, edit] : coordinates) {
        point->addWidget(new QLabel(label));
        point->addWidget(edit);
        edit->setMaximumWidth(70);
    }
    insertGrid->addLayout(point, 5, 0, 1, 4);

    auto* remove = frame(frames, QStringLiteral("Delete Block or Xref:"));
    auto* removeLayout = new QVBoxLayout(remove);
    removeLayout->addWidget(ChkDelete);
    removeLayout->addWidget(ChkDeleteB);
    auto* name = frame(frames, QStringLiteral("Block or Xref Name:"));
    (new QVBoxLayout(name))->addWidget(TxtDeleteName);
    removeLayout->addWidget(name);

    auto* attributes = frame(frames, QStringLiteral("Block Attributes:"));
    auto* attributesLayout = new QVBoxLayout(attributes);
    attributesLayout->addWidget(chkBlockAttributes);
    attributesLayout->addWidget(CmdSettings);
    auto* xref = frame(frames, QStringLiteral("Xref:"));
    (new QVBoxLayout(xref))->addWidget(ChkBindAll);
    auto* other = frame(frames, QStringLiteral("Other:"));
    (new QVBoxLayout(other))->addWidget(chkPurge);

    auto* left = new QVBoxLayout;
    left->addWidget(archive);
    left->addWidget(insert);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(remove);
    right->addWidget(attributes);
    right->addWidget(xref);
    right->addWidget(other);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(Apply);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(bottom);
    setTwipsSize(9000, 6300);
}

void BatchForm3::bind()
{
    forms::Dispatcher& d = dispatcher();
    connect(Apply, &QPushButton::clicked, this, d.wrap(this, &BatchForm3::Apply_Click));
    connect(CmdBrowse, &QPushButton::clicked, this, d.wrap(this, &BatchForm3::CmdBrowse_Click));
    connect(CmdSettings, &QPushButton::clicked, this, d.wrap(this, &BatchForm3::CmdSettings_Click));
    // A change made by a rule runs the rules of the box it changes, as a click
    // of the user's does.
    connect(ChkInsertBlock, &QCheckBox::toggled, this, d.wrap(this, &BatchForm3::ChkInsertBlock_Click));
    connect(ChkInsertXref, &QCheckBox::toggled, this, d.wrap(this, &BatchForm3::ChkInsertXref_Click));
    connect(ChkModel, &QCheckBox::toggled, this, d.wrap(this, &BatchForm3::ChkModel_Click));
    connect(ChkPaper, &QCheckBox::toggled, this, d.wrap(this, &BatchForm3::ChkPaper_Click));
    connect(ChkDelete, &QCheckBox::toggled, this, d.wrap(this, &BatchForm3::ChkDelete_Click));
    connect(ChkDeleteB, &QCheckBox::toggled, this, d.wrap(this, &BatchForm3::ChkDeleteB_Click));
}

QList<QPair<bool OptionSet::*, QCheckBox*>> BatchForm3::flagBoxes() const
{
    return {{&OptionSet::DoBindAll, ChkBindAll},        {&OptionSet::DoPurge, chkPurge},
            {&OptionSet::DoArchive, ChkArchive},        {&OptionSet::DoAttributes, chkBlockAttributes},
            {&OptionSet::DoInsertBlock, ChkInsertBlock}, {&OptionSet::DoInsertXref, ChkInsertXref},
            {&OptionSet::UseModelSpace, ChkModel},      {&OptionSet::UsePaperSpace, ChkPaper},
            {&OptionSet::DoDeleteXref, ChkDelete},      {&OptionSet::DoDeleteBlock, ChkDeleteB}};
}

void BatchForm3::showModeless()
{
    show();
    raise();
    activateWindow();
}

void BatchForm3::Form_Load()
{
    suite::runProcedure(report_.at(QStringLiteral("Load_Form")), [this](suite::StepRunner& step) {
        step([this] { fill(); });
    });
}

void BatchForm3::fill()
{
    // The form shows the option set as it is: the box rules are for the
    // user's changes, so none of them runs while the boxes are set here.
    const OptionSet& o = session_.options;
    for (const auto& [flag, check] : flagBoxes()) {
        const QSignalBlocker quiet(check);
        check->setChecked(o.*flag);
    }
    FolderLocation->setText(o.ArchiveLocation);
    FolderName->setText(o.ArchiveName);
    TxtScale->setText(o.InsertScale);
    TxtBlockPath->setText(o.InsertPath);
    TxtDeleteName->setText(o.DeleteName);
    TxtX->setText(QString::number(o.InsertX));
    TxtY->setText(QString::number(o.InsertY));
    TxtZ->setText(QString::number(o.InsertZ));
}

QLineEdit* BatchForm3::firstBadNumber()
{
    const std::vector<std::pair<QLineEdit*, QString>> whole = {
        {TxtX, QStringLiteral("X:")}, {TxtY, QStringLiteral("Y:")}, {TxtZ, QStringLiteral("Z:")}};
    if (!runtime::isNumeric(TxtScale->text())) {
        session_.env.ui->msgBox(QStringLiteral("The Scale: box must hold a number."));
        return TxtScale;
    }
    for (const auto& [edit, label] : whole) {
        if (runtime::passOver([&] { runtime::toInt16(edit->text()); })) {
            session_.env.ui->msgBox(QStringLiteral("The %1 box must hold a number from -32768 to 32767.").arg(label));
            return edit;
        }
    }
    return nullptr;
}

void BatchForm3::Apply_Click()
{
    suite::runProcedure(report_.at(QStringLiteral("Apply_Click")), [this](suite::StepRunner& step) {
        // Every box is checked before anything is taken, so a bad value
        // leaves the option set and the operation list as they were. The
        // insert boxes matter only to an insert: a user who wants only a
        // purge is not held up by them.
        QLineEdit* bad = nullptr;
        if (ChkInsertBlock->isChecked() || ChkInsertXref->isChecked())
            step([&] { bad = firstBadNumber(); });
        if (bad) {
            bad->setFocus();
            bad->selectAll();
            return;
        }
        step([this] { take(); });
        step([this] { checked(); });
        step([this] { owner_.batchlist(); });
        close();
    });
}

void BatchForm3::take()
{
    OptionSet& o = session_.options;
    o.ArchiveLocation = FolderLocation->text();
    o.ArchiveName = FolderName->text();
    o.InsertScale = TxtScale->text();
    // With no insert ticked a box that holds no number keeps the value it had.
    for (const auto& [value, edit] : {std::pair{&o.InsertX, TxtX}, std::pair{&o.InsertY, TxtY},
                                      std::pair{&o.InsertZ, TxtZ}})
        runtime::passOver([&] { *value = runtime::toInt16(edit->text()); });
    o.InsertPath = TxtBlockPath->text();
    o.DeleteName = TxtDeleteName->text();
}

void BatchForm3::checked()
{
    for (const auto& [flag, check] : flagBoxes())
        session_.options.*flag = check->isChecked();
}

void BatchForm3::CmdBrowse_Click()
{
    suite::runProcedure(report_.at(QStringLiteral("CmdBrowse_Click")), [this](suite::StepRunner& step) {
        QString folder;
        step([&] { folder = suite::browseForFolder(session_.env); });
        if (folder.isEmpty()) {
            session_.env.ui->msgBox(QStringLiteral("Canceled..."), forms::msgbox::Information);
            return;
        }
        if (!folder.endsWith(u'\\'))
            folder += u'\\';
        FolderLocation->setText(folder);
    });
}

void BatchForm3::CmdSettings_Click() { owner_.showAttributeSettings(); }

void BatchForm3::ChkInsertBlock_Click()
{
    if (ChkInsertBlock->isChecked())
        ChkInsertXref->setChecked(false);
}

void BatchForm3::ChkInsertXref_Click()
{
    if (ChkInsertXref->isChecked())
        ChkInsertBlock->setChecked(false);
}

void BatchForm3::ChkModel_Click()
{
    if (ChkModel->isChecked())
        ChkPaper->setChecked(false);
}

void BatchForm3::ChkPaper_Click()
{
    if (ChkPaper->isChecked())
        ChkModel->setChecked(false);
}

void BatchForm3::ChkDelete_Click()
{
    if (ChkDelete->isChecked())
        ChkDeleteB->setChecked(false);
}

void BatchForm3::ChkDeleteB_Click()
{
    if (ChkDeleteB->isChecked())
        ChkDelete->setChecked(false);
    // Deleting a block looks in the space the insert boxes choose.
    session_.env.ui->msgBox(QStringLiteral("Please Use Insert Block/Xref\rModel/Paper Space Box"));
    ChkPaper->setChecked(true);
}

}  // namespace pollent
