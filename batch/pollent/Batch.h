#pragma once
// The per-drawing operations of a batch run (module batch): detach an xref,
// delete a block reference, insert a block, attach an xref, update block
// attributes, bind all xrefs, purge. Each acts on the drawing the connection
// holds, reads the option set and the attribute settings at the moment it is
// called, and handles its own errors: a failure goes to the error report under
// the operation's name, and the run goes on with the next operation.
//
// What an operation writes to the run log says what happened: its usual line
// when it worked, an "Error..." line naming the operation, the drawing and the
// host's reason for each thing that failed. Once the user has chosen to ignore
// an operation's failure, later failures of that operation in the same batch
// are only logged: one bad setting asks once, not once per drawing.

#include <QSet>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace cad { class AttributeReference; class Block; class Document; class Entity; struct Point; }
namespace suite { class ReportError; class StepRunner; }

namespace pollent {

class Session;

class Batch {
public:
    using LogSink = std::function<void(const QString& line)>;

    Batch(Session& session, suite::ReportError& report, LogSink log);

    void DeleteXB();
    void DeleteBlock();
    void InsertBlocks();
    void InsertXrefs();
    void BlockAttributeP();
    void Bindalldrawings();
    void Purgeall();

    // The name an attached xref gets: the file's base name, since a path is no
    // valid block name.
    static QString xrefName(const QString& path);

private:
    class Operation;
    struct Placement;

    // Runs an operation's body under its report location and logs its outcome.
    void perform(const QString& location, const std::function<void(Operation&)>& body);

    // The drawing the run has open; 91 when there is none.
    cad::Document& doc() const;
    // The insertion point, scale and target space of an insert, each as a
    // step of the calling routine.
    Placement placement(Operation& op) const;
    cad::Point insertionPoint() const;
    double scale() const;
    // Model space, else paper space, by the two space flags; null for neither.
    std::shared_ptr<cad::Block> targetSpace() const;
    QString findXref() const;
    std::shared_ptr<cad::Entity> firstReference(const cad::Block& space, const QString& name) const;
    std::vector<QString> xrefNames() const;
    void applyTags(cad::AttributeReference& attribute) const;
    void waitOneSecond();

    Session& session_;
    suite::ReportError& report_;
    LogSink log_;
    // The operations whose failure the user chose to ignore in this batch.
    QSet<QString> ignored_;
};

}  // namespace pollent
