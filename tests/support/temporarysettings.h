// Points the per-user settings store at a fresh temporary directory, never at the player's own settings.
#pragma once

#include <QSettings>
#include <QTemporaryDir>

class TemporarySettings {
public:
    TemporarySettings() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path()); }

    QString filePath() const { return dir_.path() + QStringLiteral("/igra.conf"); }

    void set(const QString& key, const QString& value)
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("igra"));
        store.setValue(QStringLiteral("Options/") + key, value);
    }

    QVariant get(const QString& key) const
    {
        const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("igra"));
        return store.value(QStringLiteral("Options/") + key);
    }

    void clear()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("igra"));
        store.clear();
    }

private:
    QTemporaryDir dir_;
};
