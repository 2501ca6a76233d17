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
    {
        QSettings store = openStore();
        store.setValue(keyPath(key), QString::fromStdString(text));
        store.sync();
    }
    // The writer's status cannot tell: after reading a damaged file it reports the damage even when the
    // file was written afresh, and the damage hides a write that failed. Once the writer is gone with its
    // unwritten change, a second look finds the text only if it reached the file, and a store that still
    // cannot be read or written reports that.
    const QSettings check = openStore();
    return check.status() == QSettings::NoError && check.value(keyPath(key)).toString() == QString::fromStdString(text);
}
