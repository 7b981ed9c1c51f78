#include "app/window/folder_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>

namespace {

// Holds the pictures' paths until the icon is first used, then answers from
// an icon of the pictures read. Copies of the icon share one engine, so the
// pictures are read once.
class FolderIconEngine final : public QIconEngine {
public:
    explicit FolderIconEngine(QStringList paths)
        : m_paths(std::move(paths))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Pictures().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Pictures().pixmap(size, 1.0, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Pictures().availableSizes(mode, state);
    }

    bool isNull() override { return m_read ? m_pictures.isNull() : m_paths.isEmpty(); }
    QString key() const override { return QStringLiteral("FolderIconEngine"); }
    QIconEngine* clone() const override { return new FolderIconEngine(*this); }

private:
    const QIcon& Pictures()
    {
        if (m_read)
            return m_pictures;
        m_read = true;
        for (const QString& path : std::as_const(m_paths)) {
            // The suffix names the format: probing every image plugin for a
            // picture whose format is known would load them all.
            QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
            reader.setAutoDetectImageFormat(false);
            const QImage picture = reader.read();
            if (!picture.isNull())
                m_pictures.addPixmap(QPixmap::fromImage(picture));
        }
        return m_pictures;
    }

    QStringList m_paths;
    QIcon m_pictures;
    bool m_read { false };
};

} // namespace

QIcon FolderIcon(const QString& folder)
{
    const QDir directory(folder);
    QStringList paths;
    for (const QString& name : directory.entryList(QDir::Files))
        paths << directory.filePath(name);
    if (paths.isEmpty())
        return {};
    return QIcon(new FolderIconEngine(std::move(paths)));
}
