#pragma once
// Drossel's keys in the per-user settings store: every value lives under the
// program's title and the section "Settings", as text, and each reader names
// its own default. The key names and defaults are gathered here so that the
// windows that write a key and those that read it cannot drift apart.

#include <QString>

namespace settings { class Store; }

namespace drossel {

class DrosselSettings {
public:
    static const QString Application;  // "DROSSEL"
    static const QString Section;      // "Settings"

    // Keys that do not belong to a paper button, with the default a reader
    // uses when the key is missing.
    static const QString Rotation;    // default "90"
    static const QString NumberCopy;  // default "1"
    static const QString PickFiles;   // default ""
    static const QString CloseExit;   // default "True"
    static const QString OnTop;       // default "True"
    static const QString Scaleit2;    // default ""
    static const QString Center;      // no default: missing means unticked
    static const QString PlotType;    // default "Extents"; nothing writes it

    static const QString DefaultRotation;
    static const QString DefaultNumberCopy;
    static const QString True;
    static const QString False;
    static const QString Extents;

    // A paper button's keys: its paper key followed by the suffix.
    static QString plotterKey(const QString& paperKey) { return paperKey + QStringLiteral("Plotter"); }
    static QString mediaKey(const QString& paperKey) { return paperKey + QStringLiteral("MediaName"); }
    static QString captionKey(const QString& paperKey) { return paperKey + QStringLiteral("PrinterName"); }

    explicit DrosselSettings(settings::Store& store) : store_(store) {}

    QString get(const QString& key, const QString& defaultValue = {}) const;
    void save(const QString& key, const QString& value);
    // "True" when the flag is set, "False" otherwise.
    void saveFlag(const QString& key, bool value);
    // Values are compared as exact text, so "true" is not "True".
    bool isTrue(const QString& key, const QString& defaultValue) const { return get(key, defaultValue) == True; }

private:
    settings::Store& store_;
};

}  // namespace drossel
