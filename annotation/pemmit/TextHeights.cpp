#include "annotation/pemmit/TextHeights.h"

#include "platform/cad/Document.h"

namespace pemmit {

bool TextHeights::isText(const cad::Entity& object)
{
    const QString name = object.entityName();
    return name == QStringLiteral("AcDbText") || name == QStringLiteral("AcDbMText");
}

bool TextHeights::hasStyle(const cad::Document& doc, const QString& style)
{
    for (const auto& each : doc.textStyles()->items()) {
        if (each->name().compare(style, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TextHeights::change(cad::Entity& text, double height, const QString& style)
{
    text.setHeight(height);
    if (!style.isEmpty())
        text.setStyleName(style);
    text.update();
}

int TextHeights::changeAll(const cad::Block& space, double height, const QString& style)
{
    int texts = 0;
    for (const auto& object : space.items()) {
        if (!isText(*object))
            continue;
        change(*object, height, style);
        ++texts;
    }
    return texts;
}

}  // namespace pemmit
