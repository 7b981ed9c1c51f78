#include "tools/preview/skin_source_watch.h"

#include <QDir>

SkinSourceWatch::SkinSourceWatch(const QString& folder, const QString& fileName, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
    , m_fileName(fileName)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        Rewatch();
        emit Changed();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &SkinSourceWatch::Settle);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &SkinSourceWatch::Settle);
    Rewatch();
}

void SkinSourceWatch::Settle()
{
    m_settle.start();
}

QStringList SkinSourceWatch::FilesToWatch() const
{
    const QDir folder(m_folder);
    if (!m_fileName.isEmpty())
        return folder.exists(m_fileName) ? QStringList { folder.filePath(m_fileName) } : QStringList();
    QStringList files;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(u'~'))
            continue;
        files << folder.filePath(name);
        if (files.size() == kMaxWatchedFiles)
            break;
    }
    return files;
}

void SkinSourceWatch::Rewatch()
{
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_watcher.addPath(m_folder);
    const QStringList files = FilesToWatch();
    if (!files.isEmpty())
        m_watcher.addPaths(files);
}
