#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// How long a save waits for another run of the game to finish writing the store.
constexpr int kLockWait = 1000; // milliseconds

// A fresh view of the store each time, so a change made by another run of the game is seen.
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("igra"));
}

QString keyPath(const std::string& key)
{
    return QStringLiteral("Options/") + QString::fromStdString(key);
}

// The store's text with one value changed, as the settings library writes it, made in a scratch copy.
std::optional<QByteArray> changed(const QByteArray& stored, const std::string& key, const std::string& text)
{
    const QTemporaryDir scratch;
    QFile copy(scratch.filePath(QStringLiteral("igra.conf")));
    if (!scratch.isValid() || !copy.open(QIODevice::WriteOnly) || copy.write(stored) != stored.size())
        return std::nullopt;
    copy.close();
    {
        QSettings edited(copy.fileName(), QSettings::IniFormat);
        edited.setValue(keyPath(key), QString::fromStdString(text));
    }
    if (!copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    return copy.readAll();
}

} // namespace

std::optional<std::string> SettingsStore::value(const std::string& key) const
{
    const QSettings store = openStore();
    if (!store.contains(keyPath(key)))
        return std::nullopt;
    return store.value(keyPath(key)).toString().toStdString();
}

// The store is written whole, never through the settings library's own writer: that keeps a write it could
// not make pending in its cache for the whole process and makes it with the next view of the store once
// the file may be written, and it waits without end for a lock it cannot take. A refused save leaves
// nothing behind, and a lock held too long is a refused save.
bool SettingsStore::setValue(const std::string& key, const std::string& text)
{
    const QString path = openStore().fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWait))
        return false;
    QFile stored(path);
    if (stored.exists() && !stored.open(QIODevice::ReadOnly))
        return false;
    const QDateTime before = QFileInfo(path).lastModified();
    const std::optional<QByteArray> content = changed(stored.isOpen() ? stored.readAll() : QByteArray(), key, text);
    QSaveFile file(path);
    if (!content || !file.open(QIODevice::WriteOnly) || file.write(*content) != content->size() || !file.commit())
        return false;
    // The settings library's views know a file by its size and time: a file written within the same
    // millisecond as the one before it must not pass for that one.
    QFile written(path);
    if (QFileInfo(path).lastModified() == before && written.open(QIODevice::ReadWrite))
        written.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}
