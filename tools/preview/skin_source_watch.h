#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Tells when the files of a skin have been saved. It watches a folder and
// the files in it that belong to the skin: every visible file (an editor's
// hidden swap files and "~" backups are left out), or only the one file
// named. A burst of changes, such as an editor writing a new file and
// renaming it over the old one, is reported once, when the folder has been
// quiet for kSettleMs. After each change the paths are watched afresh: a
// file replaced by a rename is a new file that the old watch does not see.
class SkinSourceWatch : public QObject {
    Q_OBJECT

public:
    static constexpr int kSettleMs = 150;
    // A folder holds a skin's few pictures; one holding many more files is
    // watched only for its first ones, by name.
    static constexpr int kMaxWatchedFiles = 512;

    // fileName empty: every visible file of the folder.
    SkinSourceWatch(const QString& folder, const QString& fileName, QObject* parent = nullptr);

    QStringList WatchedFiles() const { return m_watcher.files(); }

signals:
    void Changed();

private:
    void Rewatch();
    QStringList FilesToWatch() const;
    void Settle();

    const QString m_folder;
    const QString m_fileName;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
