#include "batch/drossel/DrosselSettings.h"

#include "platform/settings/Store.h"

namespace drossel {

const QString DrosselSettings::Application = QStringLiteral("DROSSEL");
const QString DrosselSettings::Section = QStringLiteral("Settings");

const QString DrosselSettings::Rotation = QStringLiteral("Rotation");
const QString DrosselSettings::NumberCopy = QStringLiteral("NumberCopy");
const QString DrosselSettings::PickFiles = QStringLiteral("PickFiles");
const QString DrosselSettings::CloseExit = QStringLiteral("CloseExit");
const QString DrosselSettings::OnTop = QStringLiteral("OnTop");
const QString DrosselSettings::Scaleit2 = QStringLiteral("Scaleit2");
const QString DrosselSettings::Center = QStringLiteral("Center");
const QString DrosselSettings::PlotType = QStringLiteral("PlotType");

const QString DrosselSettings::DefaultRotation = QStringLiteral("90");
const QString DrosselSettings::DefaultNumberCopy = QStringLiteral("1");
const QString DrosselSettings::True = QStringLiteral("True");
const QString DrosselSettings::False = QStringLiteral("False");
const QString DrosselSettings::Extents = QStringLiteral("Extents");

QString DrosselSettings::get(const QString& key, const QString& defaultValue) const
{
    return store_.get(Application, Section, key, defaultValue);
}

void DrosselSettings::save(const QString& key, const QString& value) { store_.save(Application, Section, key, value); }

void DrosselSettings::saveFlag(const QString& key, bool value) { save(key, value ? True : False); }

}  // namespace drossel
