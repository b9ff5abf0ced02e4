#include "platform/cad/standin/LinetypeCatalogue.h"

#include "platform/cad/CadErrors.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WinPath.h"

#include <QStringList>

namespace standin {

const QString LinetypeCatalogue::FileName = QStringLiteral("acad.lin");

namespace {

[[noreturn]] void malformed(int line, const QString& why)
{
    cad::raise(cad::err::InvalidInput,
               QStringLiteral("%1 line %2: %3").arg(LinetypeCatalogue::FileName).arg(line).arg(why));
}

}  // namespace

LinetypeCatalogue LinetypeCatalogue::parse(const QString& text)
{
    LinetypeCatalogue catalogue;
    const QStringList lines = text.split(QLatin1Char('\n'));
    LinetypeDefinition* open = nullptr;
    int openLine = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const int number = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1String(";;")))
            continue;
        if (line.startsWith(QLatin1Char('*'))) {
            if (open)
                malformed(openLine, QStringLiteral("linetype %1 has no pattern line").arg(open->name));
            const qsizetype comma = line.indexOf(QLatin1Char(','));
            const QString name = line.mid(1, comma < 0 ? -1 : comma - 1).trimmed();
            if (name.isEmpty())
                malformed(number, QStringLiteral("a linetype without a name"));
            if (catalogue.find(name))
                malformed(number, QStringLiteral("linetype %1 is defined twice").arg(name));
            catalogue.definitions_.append(
                LinetypeDefinition{name, comma < 0 ? QString() : line.mid(comma + 1).trimmed(), QString()});
            open = &catalogue.definitions_.last();
            openLine = number;
        } else if (line.startsWith(QLatin1String("A,"), Qt::CaseInsensitive)) {
            if (!open)
                malformed(number, QStringLiteral("a pattern line without a linetype"));
            const QStringList values = line.mid(2).split(QLatin1Char(','));
            for (const QString& value : values) {
                bool ok = false;
                value.trimmed().toDouble(&ok);
                if (!ok)
                    malformed(number, QStringLiteral("\"%1\" is not a length").arg(value.trimmed()));
            }
            open->pattern = line;
            open = nullptr;
        } else {
            malformed(number, QStringLiteral("unexpected text"));
        }
    }
    if (open)
        malformed(openLine, QStringLiteral("linetype %1 has no pattern line").arg(open->name));
    return catalogue;
}

const LinetypeDefinition* LinetypeCatalogue::find(const QString& name) const
{
    for (const LinetypeDefinition& definition : definitions_) {
        if (definition.name.compare(name, Qt::CaseInsensitive) == 0)
            return &definition;
    }
    return nullptr;
}

QString LinetypeCatalogue::standardText()
{
    return QStringLiteral(
        ";; Linetype catalogue of the stand-in CAD host.\n"
        ";; Lengths in drawing units: dash positive, gap negative, dot 0.\n"
        "*BORDER,Border __ __ . __ __ . __ __ .\n"
        "A,.5,-.25,.5,-.25,0,-.25\n"
        "*BORDER2,Border (half size) _ _ . _ _ . _ _ .\n"
        "A,.25,-.125,.25,-.125,0,-.125\n"
        "*CENTER,Center ____ _ ____ _ ____ _\n"
        "A,1.25,-.25,.25,-.25\n"
        "*CENTER2,Center (half size) ___ _ ___ _ ___\n"
        "A,.75,-.125,.125,-.125\n"
        "*DASHDOT,Dash dot __ . __ . __ . __ .\n"
        "A,.5,-.25,0,-.25\n"
        "*DASHED,Dashed __ __ __ __ __ __\n"
        "A,.5,-.25\n"
        "*DASHED2,Dashed (half size) _ _ _ _ _ _ _\n"
        "A,.25,-.125\n"
        "*DIVIDE,Divide ____ . . ____ . . ____\n"
        "A,.5,-.25,0,-.25,0,-.25\n"
        "*DOT,Dot . . . . . . . . . . . .\n"
        "A,0,-.25\n"
        "*HIDDEN,Hidden _ _ _ _ _ _ _ _ _\n"
        "A,.25,-.125\n"
        "*HIDDEN2,Hidden (half size) _ _ _ _ _ _ _\n"
        "A,.125,-.0625\n"
        "*PHANTOM,Phantom _____ _ _ _____ _ _\n"
        "A,1.25,-.25,.25,-.25,.25,-.25\n"
        "*PHANTOM2,Phantom (half size) ___ _ _ ___ _ _\n"
        "A,.625,-.125,.125,-.125,.125,-.125\n"
        "*PHANTOMX2,Phantom (double size) _______ __ __ _______\n"
        "A,2.5,-.5,.5,-.5,.5,-.5\n");
}

void LinetypeCatalogue::install(files::FileSystem& files, const QString& folder)
{
    const QString path = files::WinPath::join(folder, FileName);
    if (!files.fileExists(path))
        files.writeText(path, standardText());
}

}  // namespace standin
