#pragma once
// The attribute settings: which block the attribute update looks for and up to
// eight tag/text pairs. Held in memory for the run and kept in the per-user
// settings store (application "Pollent", section "BatchSettings").

#include <QString>
#include <array>

namespace settings { class Store; }
namespace suite { class ReportError; class StepRunner; }

namespace pollent {

class AttributeSettings {
public:
    static constexpr int PairCount = 8;
    static const QString Application;
    static const QString Section;

    QString BlockName;
    // Pair n (1-8) is index n-1.
    std::array<QString, PairCount> AttTag;
    std::array<QString, PairCount> AttString;

    // batch.GetBatchSettings: reads the seventeen keys, each with the value in
    // memory as its default, so a key missing from the store keeps it. Errors
    // go to the report with the location "GetBatchSettings".
    void GetBatchSettings(settings::Store& store, suite::ReportError& report);

    // The steps of the two save buttons: the block name and the tags, or the
    // texts, each key written as a step of its own.
    void saveTags(settings::Store& store, suite::StepRunner& step) const;
    void saveStrings(settings::Store& store, suite::StepRunner& step) const;

    static QString tagKey(int pair) { return QStringLiteral("AttTag%1").arg(pair); }
    static QString stringKey(int pair) { return QStringLiteral("AttString%1").arg(pair); }

private:
    void readKey(settings::Store& store, const QString& key, QString& value);
};

}  // namespace pollent
