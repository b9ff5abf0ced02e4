#pragma once

#include <QByteArray>
#include <QString>

namespace unbalo {

// The name an item is stored and written out under: a plain file name that
// stays inside the install folder and fits the archive's name field, one byte
// per character of the single-byte code page (Latin-1). The same rule holds
// for packing and for extracting, so an installer that the packer wrote always
// extracts, and a crafted one cannot write outside the folder.
class ItemName {
public:
    // Why the name cannot be an item's; "" when it can. A name is refused when
    // it is empty, "." or "..", holds "\", "/" or ":", a NUL or another
    // control character, a character outside the code page, or is longer than
    // the field allows.
    static QString problem(const QString& name);

    // The name's bytes in the archive; only for names without a problem.
    static QByteArray encode(const QString& name);
    static QString decode(const QByteArray& bytes);

    // The item name a source path gives: the text after its last separator.
    static QString ofPath(const QString& sourcePath);
};

}  // namespace unbalo
