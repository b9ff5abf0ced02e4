#include "annotation/sections/SectionSettings.h"

#include "platform/settings/Store.h"

#include <array>

namespace sections {

namespace {

const QString Application = QStringLiteral("Sections");
const QString Section = QStringLiteral("Settings");

struct Key {
    const char* name;
    const char* defaultValue;
    QString SectionSettings::*field;
};

const std::array<Key, 6> Keys = {{
    {"Textsize", ".125", &SectionSettings::textSize},
    {"SectionText", "A", &SectionSettings::sectionText},
    {"SectionArrow", ".375", &SectionSettings::sectionArrow},
    {"LayerName", "", &SectionSettings::layerName},
    {"LineType", "", &SectionSettings::lineType},
    {"LayerColor", "", &SectionSettings::layerColor},
}};

}  // namespace

SectionSettings SectionSettings::load(settings::Store& store)
{
    SectionSettings loaded;
    for (const Key& key : Keys)
        loaded.*key.field =
            store.get(Application, Section, QString::fromLatin1(key.name), QString::fromLatin1(key.defaultValue));
    return loaded;
}

void SectionSettings::save(settings::Store& store) const
{
    for (const Key& key : Keys)
        store.save(Application, Section, QString::fromLatin1(key.name), this->*key.field);
}

}  // namespace sections
