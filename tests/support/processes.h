// The processes that a process has started, read from /proc.
#pragma once

#include <QDir>
#include <QFile>
#include <QList>

// What /proc records of a process: "cmdline" or "environ", its strings one per line.
inline QByteArray processRecord(qint64 pid, const char* record)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(record)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().replace('\0', '\n') : QByteArray();
}

inline QList<qint64> childProcesses(qint64 parent)
{
    QList<qint64> children;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        // The parent's id is the second field after the command's name in parentheses.
        if (stat.open(QIODevice::ReadOnly) && stat.readAll().split(')').last().split(' ').value(2).toLongLong() == parent)
            children << pid.toLongLong();
    }
    return children;
}
