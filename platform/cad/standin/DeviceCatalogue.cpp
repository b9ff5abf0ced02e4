#include "platform/cad/standin/DeviceCatalogue.h"

namespace standin {

const QString DeviceCatalogue::NoDevice = QStringLiteral("None");

namespace {

Media inches(const char* name, const char* width, const char* height)
{
    const QString w = QString::fromLatin1(width);
    const QString h = QString::fromLatin1(height);
    const QString n = QString::fromLatin1(name);
    return Media{QStringLiteral("%1_(%2_x_%3_Inches)").arg(n, w, h),
                 QStringLiteral("%1 (%2 x %3 Inches)").arg(QString(n).replace('_', ' '), w, h), w.toDouble(),
                 h.toDouble()};
}

Media millimetres(const char* name, const char* width, const char* height)
{
    const QString w = QString::fromLatin1(width);
    const QString h = QString::fromLatin1(height);
    const QString n = QString::fromLatin1(name);
    return Media{QStringLiteral("ISO_%1_(%2_x_%3_MM)").arg(n, w, h), QStringLiteral("ISO %1 (%2 x %3 MM)").arg(n, w, h),
                 w.toDouble(), h.toDouble(), true};
}

}  // namespace

DeviceCatalogue DeviceCatalogue::standard()
{
    DeviceCatalogue catalogue;
    catalogue.addDevice(PlotDevice{NoDevice, {}});
    catalogue.addDevice(PlotDevice{QStringLiteral("Office Laser.pc3"),
                                   {inches("Letter", "8.50", "11.00"), inches("Legal", "8.50", "14.00"),
                                    inches("Tabloid", "11.00", "17.00"), millimetres("A4", "210.00", "297.00"),
                                    millimetres("A3", "297.00", "420.00")}});
    catalogue.addDevice(PlotDevice{QStringLiteral("Wide Format Plotter.pc3"),
                                   {inches("ARCH_C", "18.00", "24.00"), inches("ARCH_D", "24.00", "36.00"),
                                    inches("ARCH_E", "36.00", "48.00"), millimetres("A1", "594.00", "841.00"),
                                    millimetres("A0", "841.00", "1189.00")}});
    catalogue.addDevice(PlotDevice{QStringLiteral("Document Writer.pc3"),
                                   {inches("Letter", "8.50", "11.00"), inches("Tabloid", "11.00", "17.00"),
                                    inches("ARCH_D", "24.00", "36.00")}});
    catalogue.styleTables_ = {QStringLiteral("monochrome.ctb"), QStringLiteral("Grayscale.ctb"),
                              QStringLiteral("Screening 50%.ctb"), QStringLiteral("Standard Pens.ctb")};
    return catalogue;
}

const PlotDevice* DeviceCatalogue::device(const QString& name) const
{
    for (const PlotDevice& device : devices_) {
        if (device.name.compare(name, Qt::CaseInsensitive) == 0)
            return &device;
    }
    return nullptr;
}

const Media* DeviceCatalogue::media(const PlotDevice& device, const QString& canonicalName)
{
    for (const Media& media : device.media) {
        if (media.canonicalName == canonicalName)
            return &media;
    }
    return nullptr;
}

QStringList DeviceCatalogue::deviceNames() const
{
    QStringList names;
    for (const PlotDevice& device : devices_)
        names.append(device.name);
    return names;
}

QString DeviceCatalogue::styleTable(const QString& name) const
{
    for (const QString& table : styleTables_) {
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    }
    return QString();
}

}  // namespace standin
