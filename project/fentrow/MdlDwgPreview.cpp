#include "project/fentrow/MdlDwgPreview.h"

#include "platform/env/Environment.h"
#include "platform/files/FileSystem.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/MsgBoxStyle.h"
#include "platform/runtime/Error.h"
#include "project/fentrow/preview/DwgPreview.h"
#include "project/fentrow/PreviewBox.h"

namespace fentrow {

void MdlDwgPreview::ShowDwgPreview(env::Environment& env, const QString& path, PreviewBox& pic)
{
    pic.showNoPreview();
    if (!env.files->fileExists(path))
        return;
    DwgPreview::Result preview;
    try {
        preview = DwgPreview::read(env.files->readAll(path));
    } catch (const runtime::Error& error) {
        env.ui->msgBox(error.description(), forms::msgbox::OkOnly);
        return;
    }
    switch (preview.kind) {
    case DwgPreview::Kind::Image:
        pic.showImage(preview.image);
        break;
    case DwgPreview::Kind::NoPreview:
        break;
    case DwgPreview::Kind::Damaged:
        env.ui->msgBox(preview.problem, forms::msgbox::OkOnly);
        break;
    }
}

QString MdlDwgPreview::DwgRelease(env::Environment& env, const QString& path)
{
    try {
        if (env.files->fileExists(path))
            return DwgPreview::release(env.files->readAll(path).left(DwgPreview::TagLength));
    } catch (const runtime::Error&) {
        // An unreadable tag names no release.
    }
    return DwgPreview::release(QByteArray());
}

}  // namespace fentrow
