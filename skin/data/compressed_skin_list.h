#pragma once

#include "skin/data/compressed_stored_skin.h"

#include <QIODevice>
#include <QObject>
#include <QString>
#include <memory>
#include <vector>

// One entry of a skin list; owns its stored skin. Its name is "bsSkin%d" with
// the index it was created at.
class TbsSkinListItem {
public:
    explicit TbsSkinListItem(int index);

    QString Name() const { return m_name; }
    void SetName(const QString& value) { m_name = value; }
    QString Description() const { return m_storedSkin.Description(); }
    void SetDescription(const QString& value) { m_storedSkin.SetDescription(value); }
    QString FileName() const { return m_storedSkin.FileName(); }
    void SetFileName(const QString& value) { m_storedSkin.SetFileName(value); }
    QString CompressedFileName() const { return m_storedSkin.CompressedFileName(); }
    void SetCompressedFileName(const QString& value) { m_storedSkin.SetCompressedFileName(value); }

    TbsCompressedStoredSkin& StoredSkin() { return m_storedSkin; }
    const TbsCompressedStoredSkin& StoredSkin() const { return m_storedSkin; }

    // The item's persisted Skin property, in the framed layout.
    void ReadSkin(QIODevice& stream) { m_storedSkin.ReadFramed(stream); }
    void WriteSkin(QIODevice& stream) const { m_storedSkin.WriteFramed(stream); }

private:
    QString m_name;
    TbsCompressedStoredSkin m_storedSkin;
};

class TbsSkinListItems {
public:
    TbsSkinListItem& Add();
    int Count() const { return static_cast<int>(m_items.size()); }
    // index must be within 0 .. Count() - 1.
    TbsSkinListItem& Item(int index);
    const TbsSkinListItem& Item(int index) const;
    void Delete(int index);
    void Clear() { m_items.clear(); }

private:
    std::vector<std::unique_ptr<TbsSkinListItem>> m_items;
};

class TbsCompressedSkinList : public QObject {
    Q_OBJECT
public:
    explicit TbsCompressedSkinList(QObject* parent = nullptr);

    TbsSkinListItems& Skins() { return m_skins; }
    const TbsSkinListItems& Skins() const { return m_skins; }

private:
    TbsSkinListItems m_skins;
};
