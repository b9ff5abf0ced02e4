#include "project/kandrel/IplotReg.h"

#include "platform/env/Environment.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/PassOver.h"
#include "platform/settings/Registry.h"

#include <optional>

namespace kandrel {

using settings::Registry;

const QString IplotReg::ReadFailed = QStringLiteral("Error");

namespace {
// The value buffer: 254 characters and the terminating NUL.
constexpr int BufferSize = 255;
}  // namespace

uint32_t IplotReg::HiveFromName(const QString& name) { return Registry::hiveFromName(name); }

bool IplotReg::SplitKeyPath(QString& path, uint32_t& root)
{
    root = 0;
    if (!path.startsWith(QLatin1String("HKEY_")) || path.endsWith(u'\\')) {
        env_.ui->msgBox(QStringLiteral("Incorrect Format:\n\n") + path, forms::msgbox::OkOnly);
        return false;
    }
    const qsizetype separator = path.indexOf(u'\\');
    if (separator < 0) {
        root = HiveFromName(path);
        path.clear();
    } else {
        root = HiveFromName(path.left(separator));
        path = path.mid(separator + 1);
    }
    return true;
}

QString IplotReg::ReadRegString(const QString& path, const QString& valueName)
{
    QString subKey = path;
    uint32_t root = 0;
    if (!SplitKeyPath(subKey, root) || root == 0)
        return QString();
    Registry& registry = *env_.registry;
    std::optional<Registry::Key> key;
    if (runtime::passOver([&] { key = registry.openKey(root, subKey, Registry::KeyRead); }))
        return ReadFailed;
    Registry::Data data;
    const bool queried = !runtime::passOver([&] { data = registry.queryValue(*key, valueName, BufferSize); });
    runtime::passOver([&] { registry.closeKey(*key); });
    // Only text is taken, and only as far as the query says it goes: up to
    // its first NUL, whatever follows it in the value.
    if (!queried || (data.type != Registry::TypeString && data.type != Registry::TypeExpandString))
        return ReadFailed;
    const qsizetype nul = data.bytes.indexOf('\0');
    QString text = QString::fromLatin1(nul < 0 ? data.bytes : data.bytes.left(nul));
    // Leading blanks never counted as part of a value read this way.
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    return text.mid(blanks);
}

void IplotReg::WriteRegString(const QString& path, const QString& valueName, const QString& value)
{
    QString subKey = path;
    uint32_t root = 0;
    if (!SplitKeyPath(subKey, root) || root == 0)
        return;
    Registry& registry = *env_.registry;
    std::optional<Registry::Key> key;
    if (runtime::passOver([&] { key = registry.openKey(root, subKey, Registry::KeyWrite); }))
        return;
    runtime::passOver([&] { registry.setString(*key, valueName, value); });
    runtime::passOver([&] { registry.closeKey(*key); });
}

}  // namespace kandrel
