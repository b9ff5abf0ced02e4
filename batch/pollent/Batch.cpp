#include "batch/pollent/Batch.h"

#include "batch/pollent/Session.h"
#include "platform/cad/Document.h"
#include "platform/env/Environment.h"
#include "platform/files/WinPath.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/Convert.h"
#include "platform/runtime/PassOver.h"
#include "shared/ReportError.h"
#include "shared/StepRunner.h"

#include <QList>
#include <optional>

namespace pollent {

namespace {

QString blanks(int count) { return QString(count, u' '); }
const QString Successful = QStringLiteral("Successful...");
const QString ErrorPrefix = QStringLiteral("Error...") + blanks(10);

constexpr qint64 PurgeWaitMs = 1000;

bool isReferenceTo(const cad::Entity& entity, const QString& name)
{
    // Only block references have a block name to ask for.
    return entity.entityType() == cad::entityType::BlockReference && entity.name() == name;
}

// A log line is one line, whatever line breaks the host's text holds.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

}  // namespace

// One call of an operation: its steps under the operation's report, the
// failures they met (each under what the log calls the thing that failed),
// and the line the operation leaves when it worked.
class Batch::Operation {
public:
    explicit Operation(QString name) : name_(std::move(name)) {}

    // What an error line names when a step fails; the operation names it
    // more closely as it learns more.
    void setName(const QString& name) { name_ = name; }

    void begin(suite::StepRunner& step) { step_ = &step; }
    // A step; false when it failed and the operation goes on (the user's
    // Ignore, or a failure passed over).
    bool attempt(const std::function<void()>& call) { return attempt(name_, call); }
    bool attempt(const QString& what, const std::function<void()>& call)
    {
        step_->clearError();
        reported_.reset();
        bool done = false;
        (*step_)([&] {
            call();
            done = true;
        });
        if (!done)
            fail(what, step_->lastError() ? *step_->lastError() : *reported_);
        return done;
    }
    // From here on a failing step is passed over without a report.
    void passOverFailures() { step_->setSkipErrors(true); }

    void reported(const runtime::Error& error) { reported_ = error; }
    // The report left the operation at the step that failed.
    void left()
    {
        if (reported_)
            fail(name_, *reported_);
    }

    bool failed() const { return !failures_.isEmpty(); }
    void done(const QString& line) { line_ = line; }

    // The error lines, then the usual line when the operation gave one.
    QStringList lines(const QString& drawing) const
    {
        QStringList all;
        for (const auto& [what, error] : failures_)
            all.append(ErrorPrefix + what + QStringLiteral(" Failed = ") + drawing + blanks(4)
                       + oneLine(error.description()));
        if (!line_.isEmpty())
            all.append(line_);
        return all;
    }

private:
    // One line for each thing that failed, however often it failed.
    void fail(const QString& what, const runtime::Error& error)
    {
        for (const auto& failure : failures_) {
            if (failure.first == what)
                return;
        }
        failures_.append({what, error});
    }

    QString name_;
    suite::StepRunner* step_ = nullptr;
    std::optional<runtime::Error> reported_;
    QList<QPair<QString, runtime::Error>> failures_;
    QString line_;
};

Batch::Batch(Session& session, suite::ReportError& report, LogSink log)
    : session_(session), report_(report), log_(std::move(log))
{
}

QString Batch::xrefName(const QString& path) { return files::WinPath::baseName(path); }

cad::Document& Batch::doc() const { return session_.connection.doc(); }

void Batch::perform(const QString& location, const std::function<void(Operation&)>& body)
{
    Operation op(location);
    const suite::Reporter reporter = [&](const runtime::Error& error) {
        op.reported(error);
        if (ignored_.contains(location))
            return suite::Resume::Next;
        const suite::Resume resume = report_.report(location, error);
        if (resume == suite::Resume::Next)
            ignored_.insert(location);
        return resume;
    };
    if (!suite::runProcedure(reporter, [&](suite::StepRunner& step) {
            op.begin(step);
            body(op);
        }))
        op.left();
    QString drawing;
    runtime::passOver([&] { drawing = doc().fullName(); });
    for (const QString& line : op.lines(drawing))
        log_(line);
}

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
    perform(QStringLiteral("DeleteXB"), [this](Operation& op) {
        op.setName(QStringLiteral("Detach Xref ") + session_.options.DeleteName);
        QString name;
        op.attempt([&] { name = findXref(); });
        if (name.isEmpty())
            return;
        // The host may refuse the detach: no report, but the log says so.
        op.passOverFailures();
        if (op.attempt([&] { doc().blocks()->item(name)->detach(); }))
            op.done(QStringLiteral("Detach Xref") + blanks(4) + name + blanks(4) + Successful);
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
    perform(QStringLiteral("DeleteBlock"), [this](Operation& op) {
        const OptionSet& o = session_.options;
        op.setName(QStringLiteral("Detach Block ") + o.DeleteName);
        std::shared_ptr<cad::Entity> found;
        if (o.UseModelSpace)
            op.attempt([&] { found = firstReference(*doc().modelSpace(), o.DeleteName); });
        if (!found && o.UsePaperSpace)
            op.attempt([&] { found = firstReference(*doc().paperSpace(), o.DeleteName); });
        if (!found)
            return;
        QString name = o.DeleteName;
        op.attempt([&] { name = found->name(); });
        op.passOverFailures();
        if (op.attempt([&] { found->remove(); }))
            op.done(QStringLiteral("Detach Block") + blanks(4) + name + blanks(4) + Successful);
    });
}

struct Batch::Placement {
    cad::Point at;
    double scale = 0.0;
    std::shared_ptr<cad::Block> space;
};

Batch::Placement Batch::placement(Operation& op) const
{
    Placement p;
    op.attempt([&] { p.at = insertionPoint(); });
    op.attempt([&] { p.scale = scale(); });
    op.attempt([&] { p.space = targetSpace(); });
    return p;
}

void Batch::InsertBlocks()
{
    perform(QStringLiteral("InsertBlocks"), [this](Operation& op) {
        const QString path = session_.options.InsertPath;
        op.setName(QStringLiteral("Insert Block ") + path);
        const Placement p = placement(op);
        if (!p.space)
            return;
        const double s = p.scale;
        if (op.attempt([&] { p.space->insertBlock(p.at, path, s, s, s, 0.0); }))
            op.done(QStringLiteral("Insert Block") + blanks(3) + path + blanks(4) + Successful);
    });
}

void Batch::InsertXrefs()
{
    perform(QStringLiteral("InsertXrefs"), [this](Operation& op) {
        const QString path = session_.options.InsertPath;
        op.setName(QStringLiteral("Insert Xref ") + path);
        const Placement p = placement(op);
        if (!p.space)
            return;
        const double s = p.scale;
        std::shared_ptr<cad::Entity> reference;
        if (!op.attempt([&] {
                reference = p.space->attachExternalReference(path, xrefName(path), p.at, s, s, s, 0.0, true);
            }))
            return;
        if (op.attempt([&] { reference->setPath(path); }))
            op.done(QStringLiteral("Insert Xref") + blanks(3) + path + blanks(4) + Successful);
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
    // Writes no line when it works.
    perform(QStringLiteral("BlockAttributeP"), [this](Operation& op) {
        op.setName(QStringLiteral("UpDate Attributes"));
        std::vector<std::shared_ptr<cad::Entity>> entities;
        op.attempt([&] { entities = doc().paperSpace()->items(); });
        for (const auto& entity : entities) {
            bool match = false;
            op.attempt([&] { match = isReferenceTo(*entity, session_.attributes.BlockName); });
            if (!match)
                continue;
            std::vector<std::shared_ptr<cad::AttributeReference>> attributes;
            op.attempt([&] { attributes = entity->getAttributes(); });
            for (const auto& attribute : attributes)
                op.attempt([&] { applyTags(*attribute); });
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
    perform(QStringLiteral("Bindalldrawings"), [this](Operation& op) {
        op.setName(QStringLiteral("Bind All Drawings"));
        int16_t count = 0;
        std::vector<QString> names;
        op.attempt([&] { names = xrefNames(); });
        for (const QString& name : names) {
            if (op.attempt(QStringLiteral("Bind Xref ") + name, [&] { doc().blocks()->item(name)->bind(false); }))
                ++count;
        }
        if (count > 0)
            op.done(QStringLiteral("Bind All Drawings =") + blanks(15) + Successful);
        else if (!op.failed())
            op.done(QStringLiteral("No Xref To Bind"));
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
    perform(QStringLiteral("Purgeall"), [this](Operation& op) {
        op.setName(QStringLiteral("Purge All"));
        op.attempt([&] { doc().purgeAll(); });
        op.attempt([&] { waitOneSecond(); });
        op.attempt([&] { doc().purgeAll(); });
        if (!op.failed())
            op.done(QStringLiteral("Purge All =") + blanks(14) + Successful);
    });
}

}  // namespace pollent
