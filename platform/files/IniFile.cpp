#include "platform/files/IniFile.h"

#include "platform/files/IniDocument.h"
#include "platform/files/TextEncoding.h"
#include "platform/runtime/Error.h"

namespace files {

namespace {

// The file's decoded text; empty when the file does not exist.
TextEncoding::Decoded load(const FileSystem& fs, const QString& file)
{
    try {
        return TextEncoding::decode(fs.readAll(file));
    } catch (const runtime::Error& error) {
        if (error.number() == runtime::err::FileNotFound || error.number() == runtime::err::PathNotFound)
            return {};
        throw;
    }
}

}  // namespace

QString IniFile::getProfileString(const FileSystem& fs, const QString& file, const QString& section,
                                  const QString& key, const QString& defaultValue)
{
    return IniDocument(load(fs, file).text).value(section, key).value_or(defaultValue);
}

QList<QPair<QString, QString>> IniFile::getProfileSection(const FileSystem& fs, const QString& file,
                                                          const QString& section)
{
    return IniDocument(load(fs, file).text).entries(section);
}

void IniFile::writeProfileString(FileSystem& fs, const QString& file, const QString& section, const QString& key,
                                 const QString& value)
{
    const TextEncoding::Decoded loaded = load(fs, file);
    IniDocument document(loaded.text);
    document.setValue(section, key, value);
    fs.writeAll(file, TextEncoding::encode(document.text(), loaded.kind, loaded.byteOrderMark));
}

}  // namespace files
