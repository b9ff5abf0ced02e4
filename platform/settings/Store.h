#pragma once
// The per-user settings store: string values under an application name, a
// section and a key, read with a default, saved, listed and removed. One file
// per user holds every program's settings; each call works on the file as it
// is on disk, so stores of other programs see a value as soon as it is saved.

#include "platform/settings/DocumentFile.h"
#include "platform/settings/NamedList.h"

#include <QList>
#include <QPair>
#include <QString>

namespace settings {

class Store {
public:
    explicit Store(QString filePath);
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // $XDG_CONFIG_HOME/tarvo/settings.ini, or ~/.config/tarvo/settings.ini.
    static QString defaultPath();

    QString get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue = {});
    // Writes the value, unless the file holds that very value already (the
    // names match without regard to case, the value exactly).
    void save(const QString& app, const QString& section, const QString& key, const QString& value);
    // The whole application (no section), a whole section (no key) or one key.
    void remove(const QString& app, const QString& section = {}, const QString& key = {});
    // Key and value pairs of a section in the order they were first saved;
    // empty when the section does not exist.
    QList<QPair<QString, QString>> all(const QString& app, const QString& section);

    const QString& path() const { return file_.path(); }
    // Set when the file was found damaged and moved aside; see DocumentFile.
    const QString& damageReport() const { return file_.damageReport(); }

private:
    using Section = NamedList<QString>;
    using Application = NamedList<Section>;

    void load();
    // The value as last loaded; null when there is none.
    const QString* find(const QString& app, const QString& section, const QString& key) const;
    void parse(const QJsonObject& document);
    QJsonObject toJson() const;
    void change(const std::function<void()>& edit);

    DocumentFile file_;
    NamedList<Application> applications_;
};

}  // namespace settings
