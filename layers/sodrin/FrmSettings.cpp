#include "layers/sodrin/FrmSettings.h"

#include "layers/sodrin/Disciplines.h"
#include "layers/sodrin/LayerFile.h"
#include "layers/sodrin/ModuleLayer.h"
#include "layers/sodrin/Variants.h"
#include "platform/cad/Application.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"
#include "shared/PickFilesForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sodrin {

namespace {

const QString LoadAll = QStringLiteral("Load All");
const QString LoadAllBrowsed = QStringLiteral("Load All LayerPath");

int at(DisciplineIndex index) { return static_cast<int>(index); }

}  // namespace

FrmSettings::FrmSettings(ModuleLayer& module, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent),
      module_(module),
      ChkFireProtection(new QCheckBox(QStringLiteral("Other"), this)),
      CmdLoadAll(new QPushButton(LoadAll, this)),
      TxtPath(new QLineEdit(this)),
      CmdBrowse(new QPushButton(QStringLiteral("Browse"), this)),
      CmdSave(new QPushButton(QStringLiteral("Save All Settings And Close App."), this))
{
    setObjectName(QStringLiteral("FrmSettings"));
    setCaption(QStringLiteral("Settings"));
    for (size_t i = 0; i < Disciplines.size(); ++i) {
        disciplineBoxes_[i] = new QCheckBox(Disciplines[i].caption, this);
        disciplineBoxes_[i]->setObjectName(Disciplines[i].box);
    }
    ChkFireProtection->setObjectName(QStringLiteral("ChkFireProtection"));
    CmdLoadAll->setObjectName(QStringLiteral("CmdLoadAll"));
    TxtPath->setObjectName(QStringLiteral("TxtPath"));
    CmdBrowse->setObjectName(QStringLiteral("CmdBrowse"));
    CmdSave->setObjectName(QStringLiteral("CmdSave"));
    layOut();

    forms::Dispatcher& d = dispatcher();
    const std::array<void (FrmSettings::*)(), 6> handlers = {
        &FrmSettings::ChkGeneral_Click,    &FrmSettings::ChkProcess_Click,    &FrmSettings::ChkArchitecture_Click,
        &FrmSettings::ChkStructural_Click, &FrmSettings::ChkElectrical_Click, &FrmSettings::ChkMechanical_Click};
    for (size_t i = 0; i < handlers.size(); ++i)
        connect(disciplineBoxes_[i], &QCheckBox::clicked, this, d.wrap(this, handlers[i]));
    connect(CmdLoadAll, &QPushButton::clicked, this, d.wrap(this, &FrmSettings::CmdLoadAll_Click));
    connect(CmdBrowse, &QPushButton::clicked, this, d.wrap(this, &FrmSettings::CmdBrowse_Click));
    connect(CmdSave, &QPushButton::clicked, this, d.wrap(this, &FrmSettings::CmdSave_Click));
}

FrmSettings::~FrmSettings() = default;

void FrmSettings::layOut()
{
    auto* disciplines = new QGroupBox(QStringLiteral("Standard Layers"), this);
    auto* boxes = new QGridLayout(disciplines);
    for (size_t i = 0; i < disciplineBoxes_.size(); ++i)
        boxes->addWidget(disciplineBoxes_[i], int(i % 4), int(i / 4));
    boxes->addWidget(ChkFireProtection, 2, 1);
    boxes->addWidget(CmdLoadAll, 3, 1);

    auto* browsed = new QGroupBox(QStringLiteral("Layer File"), this);
    auto* pathRow = new QHBoxLayout(browsed);
    TxtPath->setMinimumWidth(260);
    pathRow->addWidget(TxtPath, 1);
    pathRow->addWidget(CmdBrowse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(disciplines);
    layout->addWidget(browsed);
    layout->addWidget(CmdSave);
}

void FrmSettings::Form_Load()
{
    // The order in which the original read its keys: a discipline stored as
    // ticked overrides a stored browsed file, before or after it.
    auto discipline = [this](DisciplineIndex index) {
        const Discipline& d = Disciplines[size_t(at(index))];
        module_.disciplineFlags[size_t(at(index))] = module_.flagSetting(d.key);
        if (module_.disciplineFlags[size_t(at(index))]) {
            disciplineBoxes_[size_t(at(index))]->setChecked(true);
            select(index);
        }
    };
    discipline(DisciplineIndex::General);
    discipline(DisciplineIndex::Process);
    module_.browsed = module_.flagSetting(ModuleLayer::BrowsedKey);
    if (module_.browsed) {
        TxtPath->setText(module_.layerPath);
        CmdLoadAll->setText(LoadAllBrowsed);
    }
    discipline(DisciplineIndex::Architecture);
    discipline(DisciplineIndex::Structural);
    discipline(DisciplineIndex::Electrical);
    discipline(DisciplineIndex::Mechanical);
}

void FrmSettings::ChkGeneral_Click() { disciplineClicked(DisciplineIndex::General); }
void FrmSettings::ChkProcess_Click() { disciplineClicked(DisciplineIndex::Process); }
void FrmSettings::ChkArchitecture_Click() { disciplineClicked(DisciplineIndex::Architecture); }
void FrmSettings::ChkStructural_Click() { disciplineClicked(DisciplineIndex::Structural); }
void FrmSettings::ChkElectrical_Click() { disciplineClicked(DisciplineIndex::Electrical); }
void FrmSettings::ChkMechanical_Click() { disciplineClicked(DisciplineIndex::Mechanical); }

void FrmSettings::disciplineClicked(DisciplineIndex index)
{
    if (disciplineBoxes_[size_t(at(index))]->isChecked()) {
        select(index);
        return;
    }
    // Unticked by hand: stored as the user left it, so the box does not come
    // back ticked at the next opening. With no box ticked there is no
    // discipline to load.
    module_.disciplineFlags[size_t(at(index))] = false;
    if (!module_.browsed)
        CmdLoadAll->setText(LoadAll);
    Saveall();
}

void FrmSettings::select(DisciplineIndex index)
{
    for (size_t i = 0; i < Disciplines.size(); ++i) {
        const bool chosen = int(i) == at(index);
        module_.disciplineFlags[i] = chosen;
        if (!chosen)
            disciplineBoxes_[i]->setChecked(false);
    }
    TxtPath->clear();
    module_.browsed = false;
    CmdLoadAll->setText(Disciplines[size_t(at(index))].loadAllCaption);
    Saveall();
}

void FrmSettings::Saveall()
{
    auto flag = [this](DisciplineIndex index) {
        module_.saveFlag(Disciplines[size_t(at(index))].key, module_.disciplineFlags[size_t(at(index))]);
    };
    flag(DisciplineIndex::General);
    flag(DisciplineIndex::Process);
    module_.saveFlag(ModuleLayer::BrowsedKey, module_.browsed);
    flag(DisciplineIndex::Architecture);
    flag(DisciplineIndex::Structural);
    flag(DisciplineIndex::Electrical);
    flag(DisciplineIndex::Mechanical);
    module_.saveSetting(ModuleLayer::LayerPathKey, TxtPath->text());
    for (size_t i = 0; i < Disciplines.size(); ++i) {
        if (disciplineBoxes_[i]->isChecked())
            module_.saveSetting(ModuleLayer::LayerPathKey, module_.programFile(Disciplines[i].fileName));
    }
}

void FrmSettings::CmdLoadAll_Click()
{
    // The stored path, not the text in the box: a typed path counts once it
    // is saved.
    const QString path = module_.setting(ModuleLayer::LayerPathKey);
    bool wellFormed = false;
    try {
        wellFormed = LayerFile::createAll(LayerFile::read(*module_.env().files, path),
                                          [this](const LayerDefinition& line) { module_.CreateLayer(line); });
    } catch (const runtime::Error&) {
    }
    if (wellFormed)
        return;
    // The layers made before the bad line stay.
    module_.warnBadFile();
    close();
}

void FrmSettings::CmdBrowse_Click()
{
    if (!FrmFile)
        FrmFile = std::make_unique<suite::PickFilesForm>(module_.env(), pickFilesVariant(), *this, this);
    FrmFile->show();
}

void FrmSettings::CmdSave_Click()
{
    Saveall();
    runtime::endProgram();
}

void FrmSettings::Form_Unload(bool&) { runtime::endProgram(); }

void FrmSettings::Batchlist1sub(const QString&)
{
    // Sodrin's picker takes one file through takePickedFile; it keeps no list.
}

QString FrmSettings::projectFolder()
{
    return module_.connection().app().preferences()->files()->templateDwgPath();
}

bool FrmSettings::takePickedFile(const QString& folder, const QString& fileName)
{
    // Nothing picked: nothing to take, and no folder stored in place of a file.
    if (fileName.isEmpty())
        return false;
    try {
        for (size_t i = 0; i < Disciplines.size(); ++i) {
            disciplineBoxes_[i]->setChecked(false);
            module_.disciplineFlags[i] = false;
        }
        CmdLoadAll->setText(LoadAllBrowsed);
        // A drive's root already ends in its separator.
        const QString path = folder.endsWith(u'\\') || folder.endsWith(u'/') ? folder + fileName
                                                                              : folder + u'\\' + fileName;
        TxtPath->setText(path);
        module_.browsed = true;
        module_.saveSetting(ModuleLayer::LayerPathKey, path);
        module_.saveSetting(ModuleLayer::BrowsedKey, QStringLiteral("True"));
        return true;
    } catch (const runtime::Error&) {
        module_.env().ui->msgBox(QStringLiteral("Error....."), forms::msgbox::Critical);
        return false;
    }
}

}  // namespace sodrin
