#include "settingsstore.h"

#include <QSettings>

namespace {

// A fresh view of the store each time, so a change made by another run of the game is seen.
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("igra"));
}

QString keyPath(const std::string& key)
{
    return QStringLiteral("Options/") + QString::fromStdString(key);
}

} // namespace

std::optional<std::string> SettingsStore::value(const std::string& key) const
{
    const QSettings store = openStore();
    if (!store.contains(keyPath(key)))
        return std::nullopt;
    return store.value(keyPath(key)).toString().toStdString();
}

bool SettingsStore::setValue(const std::string& key, const std::string& text)
{
    QSettings store = openStore();
    store.setValue(keyPath(key), QString::fromStdString(text));
    store.sync();
    return store.status() == QSettings::NoError;
}
