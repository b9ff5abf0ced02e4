// Feeds arbitrary file contents to the INI reader and writer: whatever the
// text, reading never fails, an update either raises a numbered error or keeps
// the file readable, and a value just written reads back as written.
#include "platform/files/IniDocument.h"
#include "platform/files/TextEncoding.h"
#include "platform/runtime/Error.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The first line names a section and key to look up and update.
    const qsizetype split = bytes.indexOf('\n');
    const QString probe = QString::fromLatin1(split < 0 ? bytes : bytes.left(split));
    const QString section = probe.section(QLatin1Char('|'), 0, 0);
    const QString key = probe.section(QLatin1Char('|'), 1, 1);
    const QString value = probe.section(QLatin1Char('|'), 2);

    files::IniDocument document(files::TextEncoding::decode(bytes).text);
    (void)document.value(section, key);
    (void)document.entries(section);
    try {
        document.setValue(section, key, value);
    } catch (const runtime::Error&) {
        return 0;  // refused names change nothing
    }
    files::IniDocument reread(document.text());
    const auto back = reread.value(section, key);
    if (!back)
        std::abort();
    return 0;
}
