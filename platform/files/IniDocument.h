#pragma once
// The text of an INI file with the lookup and update rules of the Windows
// profile-string calls. Sections ("[name]") and keys ("key=value") match
// without regard to case, and blanks around names and values do not count. A
// value loses one pair of matching surrounding quotes (" or ') on reading.
// Lines starting with ";" are comments. When a section or key occurs twice, the
// first one counts. An update touches one line (or adds lines) and keeps every
// other line, with its ending, exactly as it was.

#include "platform/files/TextLines.h"

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace files {

class IniDocument {
public:
    explicit IniDocument(const QString& text = QString());

    std::optional<QString> value(const QString& section, const QString& key) const;

    // The section's keys in file order, each with its value as value() reads
    // it; empty when the section is missing.
    QList<QPair<QString, QString>> entries(const QString& section) const;

    // Replaces the key's line, or adds the key at the end of its section, or
    // adds the section at the end of the file; new lines end with CR LF. Names
    // and values that would break the file's structure (a line break anywhere,
    // "]" in a section, "=" in a key, an empty name) raise 5 and change nothing.
    void setValue(const QString& section, const QString& key, const QString& value);

    QString text() const;

private:
    struct KeyLine {
        QString key;    // trimmed
        QString value;  // trimmed, not yet unquoted
    };

    static std::optional<QString> sectionName(const QString& line);
    static std::optional<KeyLine> keyLine(const QString& line);
    static QString unquoted(const QString& value);

    // Index of the section's header line, or -1.
    qsizetype findSection(const QString& section) const;
    // Index of the next header after `header`, or the line count.
    qsizetype sectionEnd(qsizetype header) const;
    // Gives the line an ending if it is the last one and has none.
    void endLine(qsizetype index);

    QList<TextLines::Line> lines_;
};

}  // namespace files
