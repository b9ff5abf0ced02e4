#include "batch/pollent/Batch.h"

#include "batch/pollent/Session.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Convert.h"
#include "shared/ReportError.h"
#include "shared/StepRunner.h"

namespace pollent {

namespace {

QString blanks(int count) { return QString(count, u' '); }
const QString Successful = QStringLiteral("Successful...");

constexpr qint64 PurgeWaitMs = 1000;

bool isReferenceTo(const cad::Entity& entity, const QString& name)
{
    // Only block references have a block name to ask for.
    return entity.entityType() == cad::entityType::BlockReference && entity.name() == name;
}

}  // namespace

Batch::Batch(Session& session, suite::ReportError& report, LogSink log)
    : session_(session), report_(report), log_(std::move(log))
{
}

QString Batch::xrefName(const QString& path) { return files::WinPath::baseName(path); }

cad::Document& Batch::doc() const { return session_.connection.doc(); }

cad::Point Batch::insertionPoint() const
{
    const OptionSet& o = session_.options;
    return cad::Point{double(o.InsertX), double(o.InsertY), double(o.InsertZ)};
}

double Batch::scale() const { return runtime::toDouble(session_.options.InsertScale); }

std::shared_ptr<cad::Block> Batch::targetSpace() const
{
    if (session_.options.UseModelSpace)
        return doc().modelSpace();
    if (session_.options.UsePaperSpace)
        return doc().paperSpace();
    return nullptr;
}

QString Batch::findXref() const
{
    for (const auto& block : doc().blocks()->items()) {
        if (block->isXRef() && block->name() == session_.options.DeleteName)
            return block->name();
    }
    return {};
}

void Batch::DeleteXB()
{
    suite::runProcedure(report_.at(QStringLiteral("DeleteXB")), [this](suite::StepRunner& step) {
        QString name;
        step([&] { name = findXref(); });
        if (name.isEmpty())
            return;
        // Written before the detach: the line stands even when the host refuses.
        log_(QStringLiteral("Detach Xref") + blanks(4) + name + blanks(4) + Successful);
        step.setSkipErrors(true);
        step([&] { doc().blocks()->item(name)->detach(); });
    });
}

std::shared_ptr<cad::Entity> Batch::firstReference(const cad::Block& space, const QString& name) const
{
    for (const auto& entity : space.items()) {
        if (isReferenceTo(*entity, name))
            return entity;
    }
    return nullptr;
}

void Batch::DeleteBlock()
{
    suite::runProcedure(report_.at(QStringLiteral("DeleteBlock")), [this](suite::StepRunner& step) {
        const OptionSet& o = session_.options;
        std::shared_ptr<cad::Entity> found;
        if (o.UseModelSpace)
            step([&] { found = firstReference(*doc().modelSpace(), o.DeleteName); });
        if (!found && o.UsePaperSpace)
            step([&] { found = firstReference(*doc().paperSpace(), o.DeleteName); });
        if (!found)
            return;
        QString name;
        step([&] { name = found->name(); });
        log_(QStringLiteral("Detach Block") + blanks(4) + name + blanks(4) + Successful);
        step.setSkipErrors(true);
        step([&] { found->remove(); });
    });
}

struct Batch::Placement {
    cad::Point at;
    double scale = 0.0;
    std::shared_ptr<cad::Block> space;
};

Batch::Placement Batch::placement(suite::StepRunner& step) const
{
    Placement p;
    step([&] { p.at = insertionPoint(); });
    step([&] { p.scale = scale(); });
    step([&] { p.space = targetSpace(); });
    return p;
}

void Batch::InsertBlocks()
{
    suite::runProcedure(report_.at(QStringLiteral("InsertBlocks")), [this](suite::StepRunner& step) {
        const Placement p = placement(step);
        if (!p.space)
            return;
        const double s = p.scale;
        const QString path = session_.options.InsertPath;
        step([&] { p.space->insertBlock(p.at, path, s, s, s, 0.0); });
        log_(QStringLiteral("Insert Block") + blanks(3) + path + blanks(4) + Successful);
    });
}

void Batch::InsertXrefs()
{
    suite::runProcedure(report_.at(QStringLiteral("InsertXrefs")), [this](suite::StepRunner& step) {
        const Placement p = placement(step);
        if (!p.space)
            return;
        const double s = p.scale;
        const QString path = session_.options.InsertPath;
        std::shared_ptr<cad::Entity> reference;
        step([&] { reference = p.space->attachExternalReference(path, xrefName(path), p.at, s, s, s, 0.0, true); });
        step([&] { (reference)->setPath(path); });
        log_(QStringLiteral("Insert Xref") + blanks(3) + path + blanks(4) + Successful);
    });
}

void Batch::applyTags(cad::AttributeReference& attribute) const
{
    const AttributeSettings& a = session_.attributes;
    const QString tag = attribute.tagString();
    // Every matching pair sets the text in turn, so the highest pair wins.
    for (int n = 0; n < AttributeSettings::PairCount; ++n) {
        if (tag == a.AttTag[n])
            attribute.setTextString(a.AttString[n]);
    }
}

void Batch::BlockAttributeP()
{
    suite::runProcedure(report_.at(QStringLiteral("BlockAttributeP")), [this](suite::StepRunner& step) {
        std::vector<std::shared_ptr<cad::Entity>> entities;
        step([&] { entities = doc().paperSpace()->items(); });
        for (const auto& entity : entities) {
            bool match = false;
            step([&] { match = isReferenceTo(*entity, session_.attributes.BlockName); });
            if (!match)
                continue;
            std::vector<std::shared_ptr<cad::AttributeReference>> attributes;
            step([&] { attributes = entity->getAttributes(); });
            for (const auto& attribute : attributes)
                step([&] { applyTags(*attribute); });
        }
    });
}

std::vector<QString> Batch::xrefNames() const
{
    // Gathered before any bind: binding merges and removes definitions, so
    // the collection must not be walked while it changes.
    std::vector<QString> names;
    for (const auto& block : doc().blocks()->items()) {
        if (block->isXRef())
            names.push_back(block->name());
    }
    return names;
}

void Batch::Bindalldrawings()
{
    suite::runProcedure(report_.at(QStringLiteral("Bindalldrawings")), [this](suite::StepRunner& step) {
        int16_t count = 0;
        std::vector<QString> names;
        step([&] { names = xrefNames(); });
        for (const QString& name : names) {
            step([&] { doc().blocks()->item(name)->bind(false); });
            ++count;
        }
        if (count > 0)
            log_(QStringLiteral("Bind All Drawings =") + blanks(15) + Successful);
        else
            log_(QStringLiteral("No Xref To Bind"));
    });
}

void Batch::waitOneSecond()
{
    // Measured on the monotonic clock, so a change of the wall clock (or
    // midnight) neither shortens nor stretches it. Nothing else runs meanwhile.
    runtime::Clock& clock = *session_.env.clock;
    const qint64 start = clock.nowMs();
    for (qint64 waited = 0; waited < PurgeWaitMs; waited = clock.nowMs() - start)
        clock.sleepMs(PurgeWaitMs - waited);
}

void Batch::Purgeall()
{
    suite::runProcedure(report_.at(QStringLiteral("Purgeall")), [this](suite::StepRunner& step) {
        step([&] { doc().purgeAll(); });
        step([&] { waitOneSecond(); });
        step([&] { doc().purgeAll(); });
        log_(QStringLiteral("Purge All =") + blanks(14) + Successful);
    });
}

}  // namespace pollent
