#pragma once
// One JSON document kept in one file that several stores, in this process or
// another, share. Reads take the file as it is on disk now. Changes are made
// under a lock file on a fresh read and written whole through a temporary
// file that then replaces the old one, so a crash or a failed write leaves
// the previous content. A file that cannot be parsed is moved aside, never
// overwritten, and reported once.

#include <QJsonObject>
#include <QString>
#include <functional>

namespace settings {

class DocumentFile {
public:
    // Thrown by a reader that finds the document's content malformed.
    struct Damage {
        QString reason;
    };
    // Fills the owner's model from the document, replacing what it held. An
    // empty object stands for no document: the model starts empty.
    using Reader = std::function<void(const QJsonObject& document)>;
    // Makes the owner's change on the model just read and returns the whole
    // document to write. It may raise a runtime::Error; nothing is written then.
    using Writer = std::function<QJsonObject()>;

    // `format` marks the documents this file holds; `kind` names the file in
    // messages ("settings file").
    DocumentFile(QString path, QString format, QString kind);

    const QString& path() const { return path_; }

    // Raises error 75 when the file exists but cannot be read.
    void read(const Reader& reader);
    // Raises error 75 when the change cannot be saved; the file then keeps
    // its previous content.
    void update(const Reader& reader, const Writer& writer);

    // What was found wrong with the file, once, or empty.
    const QString& damageReport() const { return damageReport_; }

private:
    QString tryRead(const Reader& reader);
    bool moveAside(const QString& reason);
    void reportStuck(const QString& reason, const QString& why);
    void writeWhole(const QJsonObject& document);
    [[noreturn]] void raiseAccess(const QString& what) const;

    QString path_;
    QString format_;
    QString kind_;
    QString damageReport_;
    bool stuck_ = false;
};

}  // namespace settings
