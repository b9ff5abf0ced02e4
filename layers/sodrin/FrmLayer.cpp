#include "layers/sodrin/FrmLayer.h"

#include "layers/sodrin/FrmSettings.h"
#include "layers/sodrin/LayerFile.h"
#include "layers/sodrin/ModuleLayer.h"
#include "platform/env/Environment.h"
#include "platform/forms/Dispatcher.h"
#include "platform/forms/Interaction.h"
#include "platform/runtime/EndProgram.h"
#include "platform/runtime/Error.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

namespace sodrin {

namespace {

const QString FirstEntry = QStringLiteral("Extra");

// A layer name as a menu caption: an ampersand in it is shown, not taken as
// the mark of an access key.
QString captionOf(const QString& name)
{
    QString caption = name;
    caption.replace(u'&', QStringLiteral("&&"));
    return caption;
}

}  // namespace

FrmLayer::FrmLayer(ModuleLayer& module, FrmSettings& settings, QWidget* parent)
    : forms::Form(*module.env().dispatcher, parent), module_(module), settings_(settings), Mnu(new QMenu(this))
{
    setObjectName(QStringLiteral("FrmLayer"));
    setCaption(QStringLiteral("Brindok"));
    resize(160, 40);
    Mnu->setObjectName(QStringLiteral("Mnu"));
    forms::Dispatcher& d = dispatcher();
    addEntry(0)->setText(FirstEntry);
    MnuSpace1 = Mnu->addSeparator();
    MnuSpace1->setObjectName(QStringLiteral("MnuSpace1"));
    MnuCancel = Mnu->addAction(QStringLiteral("Cancel"));
    MnuCancel->setObjectName(QStringLiteral("MnuCancel"));
    MnuSpace2 = Mnu->addSeparator();
    MnuSpace2->setObjectName(QStringLiteral("MnuSpace2"));
    MnuSettings = Mnu->addAction(QStringLiteral("Settings"));
    MnuSettings->setObjectName(QStringLiteral("MnuSettings"));
    connect(MnuCancel, &QAction::triggered, this, d.wrap(this, &FrmLayer::MnuCancel_Click));
    connect(MnuSettings, &QAction::triggered, this, d.wrap(this, &FrmLayer::MnuSettings_Click));
}

QAction* FrmLayer::addEntry(int index)
{
    auto* entry = new QAction(Mnu);
    entry->setObjectName(QStringLiteral("MnuProject(%1)").arg(index));
    // The entries stand before the first separator, in index order.
    if (MnuSpace1)
        Mnu->insertAction(MnuSpace1, entry);
    else
        Mnu->addAction(entry);
    connect(entry, &QAction::triggered, this, dispatcher().wrap([this, index] { MnuProject_Click(index); }));
    MnuProject.append(entry);
    return entry;
}

void FrmLayer::setVisible(bool visible)
{
    if (visible) {
        load();
        if (dispatcher().ended())
            return;
    }
    forms::Form::setVisible(visible);
}

void FrmLayer::Form_Load()
{
    if (!module_.AcadProj())
        return;
    if (!fillMenu()) {
        failure();
        return;
    }
    show();
    if (QAction* chosen = module_.env().ui->popupMenu(Mnu, QCursor::pos()))
        chosen->trigger();
}

bool FrmLayer::fillMenu()
{
    module_.layerPath = module_.setting(ModuleLayer::LayerPathKey);
    std::optional<QStringList> names;
    try {
        names = LayerFile::menuNames(LayerFile::read(*module_.env().files, module_.layerPath));
    } catch (const runtime::Error&) {
        return false;
    }
    if (!names)
        return false;
    // A load after an unload builds the entries afresh.
    while (MnuProject.size() > 1)
        delete MnuProject.takeLast();
    MnuProject[0]->setText(FirstEntry);
    MnuProject[0]->setData(FirstEntry);
    for (int i = 0; i < names->size(); ++i) {
        QAction* entry = i == 0 ? MnuProject[0] : addEntry(i);
        entry->setText(captionOf(names->at(i)));
        entry->setData(names->at(i));
        entry->setEnabled(true);
        entry->setVisible(true);
    }
    return true;
}

void FrmLayer::failure()
{
    module_.warnBadFile();
    settings_.show();
}

void FrmLayer::MnuProject_Click(int index)
{
    const QString name = MnuProject.value(index) ? MnuProject[index]->data().toString() : QString();
    bool wellFormed = false;
    try {
        wellFormed = LayerFile::createNamed(LayerFile::read(*module_.env().files, module_.layerPath), name,
                                            [this](const LayerDefinition& line) { module_.CreateLayer(line); });
    } catch (const runtime::Error&) {
        // The file went away or became unreadable since the menu was read.
    }
    // The layers made before a malformed line stay.
    if (!wellFormed)
        module_.warnBadFile();
    close();
}

void FrmLayer::MnuCancel_Click()
{
    close();
    runtime::endProgram();
}

void FrmLayer::MnuSettings_Click() { settings_.show(); }

}  // namespace sodrin
