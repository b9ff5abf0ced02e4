#include "platform/cad/standin/EntityKinds.h"

#include "platform/cad/standin/AngularDimension.h"
#include "platform/cad/standin/Arc.h"
#include "platform/cad/standin/AttributeDefinition.h"
#include "platform/cad/standin/AttributeReference.h"
#include "platform/cad/standin/BlockReference.h"
#include "platform/cad/standin/Circle.h"
#include "platform/cad/standin/DiametricDimension.h"
#include "platform/cad/standin/ExternalReference.h"
#include "platform/cad/standin/Hatch.h"
#include "platform/cad/standin/Leader.h"
#include "platform/cad/standin/LightweightPolyline.h"
#include "platform/cad/standin/Line.h"
#include "platform/cad/standin/LinearDimension.h"
#include "platform/cad/standin/MText.h"
#include "platform/cad/standin/OrdinateDimension.h"
#include "platform/cad/standin/RadialDimension.h"
#include "platform/cad/standin/Text.h"
#include "platform/cad/standin/Viewport.h"

#include <vector>

namespace standin {

namespace {

// The kind T reads its records with T::read, given the records that follow
// when it takes them.
template <class T>
EntityKind kind(const QString& keyword, bool nested = false)
{
    return {keyword,
            [](RecordReader& record, EntityStream& following) -> std::shared_ptr<EntityBase> {
                if constexpr (requires { T::read(record, following); })
                    return T::read(record, following);
                else
                    return T::read(record);
            },
            nested};
}

const std::vector<EntityKind>& kinds()
{
    static const std::vector<EntityKind> all = {
        kind<Line>(Line::Keyword),
        kind<Circle>(Circle::Keyword),
        kind<Arc>(Arc::Keyword),
        kind<LightweightPolyline>(LightweightPolyline::Keyword),
        kind<Text>(Text::Keyword),
        kind<MText>(MText::Keyword),
        kind<Leader>(Leader::Keyword),
        kind<Hatch>(Hatch::Keyword),
        kind<LinearDimension>(LinearDimension::AlignedKeyword),
        kind<LinearDimension>(LinearDimension::RotatedKeyword),
        kind<DiametricDimension>(DiametricDimension::Keyword),
        kind<RadialDimension>(RadialDimension::Keyword),
        kind<AngularDimension>(AngularDimension::Keyword),
        kind<OrdinateDimension>(OrdinateDimension::Keyword),
        kind<AttributeDefinition>(AttributeDefinition::Keyword),
        kind<Viewport>(Viewport::Keyword),
        kind<BlockReference>(BlockReference::Keyword),
        kind<ExternalReference>(ExternalReference::Keyword),
        // Only after the block reference that holds it.
        kind<AttributeReference>(AttributeReference::Keyword, true),
    };
    return all;
}

}  // namespace

QStringList EntityKinds::keywords()
{
    QStringList all;
    for (const EntityKind& kind : kinds())
        all.append(kind.keyword);
    return all;
}

const EntityKind* EntityKinds::find(const QString& keyword)
{
    for (const EntityKind& kind : kinds()) {
        if (kind.keyword == keyword)
            return &kind;
    }
    return nullptr;
}

}  // namespace standin
