#include "platform/files/IniDocument.h"

#include "platform/runtime/Error.h"

#include <algorithm>

namespace files {

namespace {
const QString crlf = QStringLiteral("\r\n");

bool hasLineBreak(const QString& text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}
}  // namespace

IniDocument::IniDocument(const QString& text) : lines_(TextLines::splitKeepingEndings(text)) {}

std::optional<QString> IniDocument::sectionName(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

std::optional<IniDocument::KeyLine> IniDocument::keyLine(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype equals = trimmed.indexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    const QString key = trimmed.left(equals).trimmed();
    if (key.isEmpty())
        return std::nullopt;
    return KeyLine{key, trimmed.mid(equals + 1).trimmed()};
}

QString IniDocument::unquoted(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2);
    return value;
}

qsizetype IniDocument::findSection(const QString& section) const
{
    const QString wanted = section.trimmed();
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].text);
        if (name && name->compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype IniDocument::sectionEnd(qsizetype header) const
{
    qsizetype i = header + 1;
    while (i < lines_.size() && !sectionName(lines_[i].text))
        ++i;
    return i;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const qsizetype header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const QString wanted = key.trimmed();
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto entry = keyLine(lines_[i].text);
        if (entry && entry->key.compare(wanted, Qt::CaseInsensitive) == 0)
            return unquoted(entry->value);
    }
    return std::nullopt;
}

QList<QPair<QString, QString>> IniDocument::entries(const QString& section) const
{
    QList<QPair<QString, QString>> result;
    const qsizetype header = findSection(section);
    if (header < 0)
        return result;
    const qsizetype end = sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto entry = keyLine(lines_[i].text);
        if (!entry)
            continue;
        const bool seen = std::any_of(result.cbegin(), result.cend(), [&](const auto& pair) {
            return pair.first.compare(entry->key, Qt::CaseInsensitive) == 0;
        });
        if (!seen)
            result.append({entry->key, unquoted(entry->value)});
    }
    return result;
}

void IniDocument::endLine(qsizetype index)
{
    if (lines_[index].ending.isEmpty())
        lines_[index].ending = crlf;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString sectionText = section.trimmed();
    const QString keyText = key.trimmed();
    if (sectionText.isEmpty() || hasLineBreak(sectionText) || sectionText.contains(u']') || keyText.isEmpty()
        || hasLineBreak(keyText) || keyText.contains(u'=') || keyText.startsWith(u';')
        || keyText.startsWith(u'[') || hasLineBreak(value))
        runtime::raise(runtime::err::InvalidProcedureCall);

    const qsizetype header = findSection(sectionText);
    if (header < 0) {
        if (!lines_.isEmpty())
            endLine(lines_.size() - 1);
        lines_.append({u'[' + sectionText + u']', crlf});
        lines_.append({keyText + u'=' + value, crlf});
        return;
    }

    const qsizetype end = sectionEnd(header);
    qsizetype lastFilled = header;
    for (qsizetype i = header + 1; i < end; ++i) {
        const auto entry = keyLine(lines_[i].text);
        if (entry && entry->key.compare(keyText, Qt::CaseInsensitive) == 0) {
            // The key keeps the spelling it already has in the file.
            lines_[i].text = entry->key + u'=' + value;
            return;
        }
        if (!lines_[i].text.trimmed().isEmpty())
            lastFilled = i;
    }
    // After the section's last line that holds anything, so the blank lines
    // before the next section stay where they are.
    endLine(lastFilled);
    lines_.insert(lastFilled + 1, {keyText + u'=' + value, crlf});
}

QString IniDocument::text() const
{
    QString result;
    for (const TextLines::Line& line : lines_)
        result += line.text + line.ending;
    return result;
}

}  // namespace files
