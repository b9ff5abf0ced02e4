#pragma once
// The plot devices the stand-in host offers, each with its papers (canonical
// name and the name shown in the user's language), and the plot style tables
// it knows. The standard catalogue is small and of our own making; tests may
// add to it.

#include <QList>
#include <QString>
#include <QStringList>

namespace standin {

struct Media {
    QString canonicalName;
    QString localeName;
    // The sheet's size in its own unit (inches or millimetres), portrait.
    double width = 0.0;
    double height = 0.0;
    bool millimetres = false;
};

struct PlotDevice {
    QString name;
    QList<Media> media;
};

class DeviceCatalogue {
public:
    // "None" (no device, no paper) and three devices with their papers; four
    // plot style tables.
    static DeviceCatalogue standard();

    // The device of that name, matched without regard to case; null if none.
    const PlotDevice* device(const QString& name) const;
    // The paper of the device with that canonical name (case-sensitive); null
    // if the device has no such paper.
    static const Media* media(const PlotDevice& device, const QString& canonicalName);

    QStringList deviceNames() const;
    const QStringList& styleTables() const { return styleTables_; }
    // The table of that name (without regard to case) in its catalogue
    // spelling; empty when unknown.
    QString styleTable(const QString& name) const;

    void addDevice(PlotDevice device) { devices_.append(std::move(device)); }

    static const QString NoDevice;

private:
    QList<PlotDevice> devices_;
    QStringList styleTables_;
};

}  // namespace standin
