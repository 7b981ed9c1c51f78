#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QObject>
#include <QString>

// A skin held as its compressed package (a zlib stream). Empty while it holds
// no bytes. Nothing reloads a skin when its bytes change.
class TbsCompressedStoredSkin : public QObject {
    Q_OBJECT
public:
    explicit TbsCompressedStoredSkin(QObject* parent = nullptr);

    QString Description() const { return m_description; }
    void SetDescription(const QString& value) { m_description = value; }
    // The name part of the skin definition file the data was built from.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& value) { m_fileName = value; }
    // The name part of the compressed skin file the data was read from.
    QString CompressedFileName() const { return m_compressedFileName; }
    void SetCompressedFileName(const QString& value) { m_compressedFileName = value; }

    const QByteArray& CompressedData() const { return m_compressedData; }
    void SetCompressedData(const QByteArray& data) { m_compressedData = data; }
    bool IsEmpty() const { return m_compressedData.isEmpty(); }

    // Builds and compresses the package from a skin definition file and the
    // pictures beside it. On failure throws SkinPackageError and keeps the
    // stored data as it was.
    void LoadFromSkinFile(const QString& path);
    // Reads a compressed skin file (version, length, zlib data). Throws
    // SkinPackageError (UnsupportedSkinVersionError for a version above 3);
    // the stored data is then empty.
    void LoadFromCompressedFile(const QString& path);
    // The framed layout (version, length, data) from position 0 of stream;
    // fails like LoadFromCompressedFile.
    void ReadFramed(QIODevice& stream);
    void WriteFramed(QIODevice& stream) const;
    // Inflates the stored data into destination (see Decompress).
    void Unpack(QIODevice& destination) const;

private:
    QString m_description;
    QString m_fileName;
    QString m_compressedFileName;
    QByteArray m_compressedData;
};

// Whether the first bytes of a file are those of a compressed skin file: a
// plausible version, a length and the start of a skin's zlib stream. Says
// nothing of whether the rest is whole; loading tells that.
bool LooksLikeCompressedSkinFile(const QByteArray& head);
