#include "annotation/orbessa/TextJustification.h"

#include "platform/cad/Entity.h"
#include "platform/runtime/Error.h"

namespace orbessa {

const QString TextJustification::TextClass = QStringLiteral("AcDbText");
const QString TextJustification::MTextClass = QStringLiteral("AcDbMText");

bool TextJustification::isText(const cad::Entity& object) { return object.entityName() == TextClass; }

bool TextJustification::isParagraph(const cad::Entity& object) { return object.entityName() == MTextClass; }

void TextJustification::justify(cad::Entity& text, int chosen)
{
    if (chosen == alignment::Left || chosen == alignment::Aligned || chosen == alignment::Fit) {
        text.setAlignment(chosen);
        return;
    }
    const cad::Point stays = text.insertionPoint();
    text.setAlignment(chosen);
    text.setTextAlignmentPoint(stays);
}

void TextJustification::attach(cad::Entity& paragraph, int attachmentPoint)
{
    paragraph.setAttachmentPoint(attachmentPoint);
}

void TextJustification::alignTo(cad::Entity& text, const cad::Point& reference, const QString& axis)
{
    const cad::Point from = text.insertionPoint();
    const cad::Point to = axis == QStringLiteral("X") ? cad::Point{reference.x, from.y, reference.z}
                                                      : cad::Point{from.x, reference.y, reference.z};
    try {
        text.setInsertionPoint(to);
    } catch (const runtime::Error&) {
        // A left-aligned text has no alignment point to move it by.
        if (!isText(text) || text.alignment() == alignment::Left)
            throw;
        const cad::Point by = text.textAlignmentPoint();
        text.setTextAlignmentPoint({by.x + to.x - from.x, by.y + to.y - from.y, by.z + to.z - from.z});
    }
}

}  // namespace orbessa
