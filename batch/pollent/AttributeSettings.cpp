#include "batch/pollent/AttributeSettings.h"

#include "platform/settings/Store.h"
#include "shared/ReportError.h"
#include "shared/StepRunner.h"

namespace pollent {

const QString AttributeSettings::Application = QStringLiteral("Pollent");
const QString AttributeSettings::Section = QStringLiteral("BatchSettings");

namespace {
const QString BlockNameKey = QStringLiteral("BlockName");
}

void AttributeSettings::readKey(settings::Store& store, const QString& key, QString& value)
{
    value = store.get(Application, Section, key, value);
}

void AttributeSettings::GetBatchSettings(settings::Store& store, suite::ReportError& report)
{
    suite::runProcedure(report.at(QStringLiteral("GetBatchSettings")), [&](suite::StepRunner& step) {
        step([&] { readKey(store, BlockNameKey, BlockName); });
        for (int i = 0; i < PairCount; ++i)
            step([&] { readKey(store, tagKey(i + 1), AttTag[i]); });
        for (int i = 0; i < PairCount; ++i)
            step([&] { readKey(store, stringKey(i + 1), AttString[i]); });
    });
}

void AttributeSettings::saveTags(settings::Store& store, suite::StepRunner& step) const
{
    step([&] { store.save(Application, Section, BlockNameKey, BlockName); });
    for (int i = 0; i < PairCount; ++i)
        step([&] { store.save(Application, Section, tagKey(i + 1), AttTag[i]); });
}

void AttributeSettings::saveStrings(settings::Store& store, suite::StepRunner& step) const
{
    for (int i = 0; i < PairCount; ++i)
        step([&] { store.save(Application, Section, stringKey(i + 1), AttString[i]); });
}

}  // namespace pollent
