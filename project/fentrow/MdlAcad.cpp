#include "project/fentrow/MdlAcad.h"

#include "platform/cad/Application.h"
#include "platform/env/Environment.h"
#include "platform/files/IniFile.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Program.h"
#include "platform/runtime/SingleInstance.h"
#include "project/fentrow/Variants.h"
#include "shared/AcadProj.h"

namespace fentrow {

namespace {
const QString Section = QStringLiteral("ProjectPath");
const QString Key = QStringLiteral("Path");
// The root is read into a buffer of 255 characters with its NUL.
constexpr int RootLength = 254;
}  // namespace

bool MdlAcad::firstCopy()
{
    if (env.instances->claim(env.program->title))
        return true;
    env.ui->msgBox(QStringLiteral("Fentrowal Already running..."), forms::msgbox::Information);
    return false;
}

bool MdlAcad::AcadProj() { return suite::acadProj(env, connection, AttachVariant); }

QString MdlAcad::projectFolder() const
{
    return connection.doc().application()->preferences()->files()->templateDwgPath();
}

QString MdlAcad::iniPath() const { return env.program->file(QStringLiteral("Fentrow.ini")); }

QString MdlAcad::standardBlocksRoot() const
{
    return files::IniFile::getProfileString(*env.files, iniPath(), Section, Key, QString()).left(RootLength);
}

void MdlAcad::setStandardBlocksRoot(const QString& folder)
{
    files::IniFile::writeProfileString(*env.files, iniPath(), Section, Key, folder);
}

}  // namespace fentrow
