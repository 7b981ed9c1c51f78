#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

// The ids of the processes whose parent is pid, read from /proc.
inline QStringList ChildProcesses(const QString& pid)
{
    QStringList children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // pid (name) state ppid ...: the name may hold spaces, so read after its ')'.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && QString::fromLatin1(fields[1]) == pid)
            children << entry;
    }
    return children;
}
