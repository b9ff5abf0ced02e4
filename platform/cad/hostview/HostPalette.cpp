#include "platform/cad/hostview/HostPalette.h"

namespace hostview {

namespace {

QColor wheel(int index)
{
    // Ten shades per hue: full and pale at five brightnesses.
    const int hue = (index - 10) / 10;
    const int shade = (index - 10) % 10;
    static constexpr double Brightness[] = {1.0, 0.8, 0.62, 0.48, 0.32};
    const double saturation = shade % 2 == 0 ? 1.0 : 0.5;
    return QColor::fromHsvF(float(hue * 15) / 360.0f, float(saturation), float(Brightness[shade / 2]));
}

}  // namespace

QColor HostPalette::colour(int index, Background background)
{
    switch (index) {
    case 1: return QColor(255, 0, 0);
    case 2: return QColor(255, 255, 0);
    case 3: return QColor(0, 255, 0);
    case 4: return QColor(0, 255, 255);
    case 5: return QColor(0, 0, 255);
    case 6: return QColor(255, 0, 255);
    case 8: return QColor(128, 128, 128);
    case 9: return QColor(192, 192, 192);
    default: break;
    }
    if (index >= 10 && index <= 249)
        return wheel(index);
    if (index >= 250 && index <= 255) {
        static constexpr int Greys[] = {48, 80, 112, 144, 184, 224};
        const int grey = Greys[index - 250];
        return QColor(grey, grey, grey);
    }
    return background == Background::Dark ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

QColor HostPalette::viewBackground() { return QColor(33, 40, 48); }

QList<QRgb> HostPalette::thumbnailPalette()
{
    QList<QRgb> entries;
    entries.reserve(256);
    entries.append(qRgb(0, 0, 0));
    for (int index = 1; index <= 255; ++index)
        entries.append(colour(index, Background::Dark).rgb());
    return entries;
}

}  // namespace hostview
