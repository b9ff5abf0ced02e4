#pragma once
// Reads a stand-in drawing file (see DrawingWriter for the layout) strictly:
// the head, every record and every reference between records are checked, and
// anything out of place raises the host's damaged-drawing error naming the
// line. A damaged file never yields a half-read drawing.

#include "platform/cad/standin/EntityKinds.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

namespace standin {

class Block;
class Drawing;
class EntityBase;
class HostContext;
class RecordReader;

class DrawingReader : private EntityStream {
public:
    static std::shared_ptr<Drawing> read(std::shared_ptr<HostContext> context, const QByteArray& file);

private:
    DrawingReader(std::shared_ptr<HostContext> context, QStringList lines);

    std::shared_ptr<Drawing> parse();
    RecordReader next();
    void header();
    void variable(RecordReader& record);
    void linetype(RecordReader& record);
    void layer(RecordReader& record);
    void textStyle(RecordReader& record);
    void dimStyle(RecordReader& record);
    void block(RecordReader& record);
    void entity(RecordReader& record, Block& block);
    // The record of an entity of that kind, with its head, its handle checked.
    std::shared_ptr<EntityBase> readEntity(RecordReader& record, const EntityKind& kind);
    std::shared_ptr<EntityBase> nested(const QString& keyword) override;
    void layout(RecordReader& record);
    void state(RecordReader& record);
    // The references between records, once everything is read.
    void check();
    void checkEntity(const Block& block, const EntityBase& entity);
    void checkHandle(const RecordReader& record, const QString& handle);
    template <class Table>
    static void checkNew(const RecordReader& record, const Table& table, const QString& name);

    std::shared_ptr<Drawing> drawing_;
    QStringList lines_;
    int position_ = 0;
    QSet<QString> spacesSeen_;
    QSet<QString> layoutsSeen_;
    QSet<QString> handles_;
    QHash<QString, int> lineOf_;
    int stateLine_ = 0;
    QString currentLayer_;
    QString activeViewport_;
    bool inFloatingViewport_ = false;
};

}  // namespace standin
