#pragma once

#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/loaded_skin.h"

#include <QEvent>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class TbsIniFile;
class TbsSkinData;

// The user-interface text called name: the skin's resource string when it has
// a non-empty one, else the program's own (English) text.
QString SkinResStr(const TbsSkinData* skinData, const QString& name);

// Holds one loaded skin (its pictures and every definition) as a shared,
// read-only value and tells whoever uses it when it changes: forms and
// controls connect to its signals, and every signal that stands for one of
// the numbered skin data messages (skin_messages.h) is also delivered as that
// message to the application's windows. A load replaces the whole value; a
// failed load changes nothing, announces nothing, and the error propagates.
class TbsSkinData : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinData(QObject* parent = nullptr);
    ~TbsSkinData() override;

    // Whether forms that use this skin get a skinned frame.
    bool SkinnableForm() const { return m_skinnableForm; }
    void SetSkinnableForm(bool value);
    // Whether frame objects and controls may run morphs and other animations.
    bool EnableSkinEffects() const { return m_enableSkinEffects; }
    void SetEnableSkinEffects(bool value) { m_enableSkinEffects = value; }
    // Setting a stored skin that holds data loads it at once.
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return m_compressedStoredSkin; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* value);
    // The attached texts, else those the loaded skin carries in its
    // [RESOURCESTRINGS] section; null when there are neither.
    TbsResourceStrData* ResourceStrData() const;
    void SetResourceStrData(TbsResourceStrData* value);
    // With a list attached, SkinIndex selects (and loads) one of its skins.
    TbsCompressedSkinList* SkinList() const { return m_skinList; }
    void SetSkinList(TbsCompressedSkinList* value);
    int SkinIndex() const { return m_skinIndex; }
    void SetSkinIndex(int value);

    bool Empty() const { return m_empty; }
    bool SkinChanging() const { return m_skinChanging; }

    const QImage& Picture() const { return m_skin->picture; }
    const QImage& InactivePicture() const { return m_skin->inactivePicture; }
    const QImage& MaskPicture() const { return m_skin->maskPicture; }
    // Every "...pictureindex" key of the definitions indexes this list.
    const QList<QImage>& ActivePictures() const { return m_skin->activePictures; }
    const QString& PictureName() const { return m_skin->pictureName; }
    const QString& InactivePictureName() const { return m_skin->inactivePictureName; }
    const QString& MaskName() const { return m_skin->maskName; }
    const QStringList& ActivePictureNames() const { return m_skin->activePictureNames; }

    const QString& SkinName() const { return m_skin->skinName; }
    const QString& SkinAuthor() const { return m_skin->skinAuthor; }
    const QString& AuthorEmail() const { return m_skin->authorEmail; }
    const QString& AuthorURL() const { return m_skin->authorUrl; }
    const QString& SkinComments() const { return m_skin->skinComments; }

    // The skin in use, never null (an empty value before the first load and
    // after ClearSkin). Holding it keeps every definition and picture it
    // holds alive, whatever the component loads next.
    const TbsSharedSkin& Skin() const { return m_skin; }

    // These four are there for the component's whole life; a load replaces
    // them with the new skin's.
    const TbsFormInfo& FormInfo() const { return m_skin->formInfo; }
    const TbsDataSkinPopupWindow& PopupWindow() const { return m_skin->popupWindow; }
    const TbsDataSkinHintWindow& HintWindow() const { return m_skin->hintWindow; }
    const TbsSkinColors& SkinColors() const { return m_skin->skinColors; }

    const std::vector<std::unique_ptr<TbsDataSkinObject>>& ObjectDefinitions() const { return m_skin->objectDefinitions; }
    const std::vector<std::unique_ptr<TbsDataSkinControl>>& ControlDefinitions() const { return m_skin->controlDefinitions; }
    // The first definition bearing exactly that IDName (letter case
    // included), or -1.
    int FindObjectIndex(const QString& name) const { return m_skin->FindObjectIndex(name); }
    int FindControlIndex(const QString& name) const { return m_skin->FindControlIndex(name); }
    // The first control definition named name when it is of kind T, else
    // null.
    template <typename T> const T* FindControl(const QString& name) const
    {
        const int index = FindControlIndex(name);
        return index < 0 ? nullptr : dynamic_cast<const T*>(ControlDefinitions()[static_cast<std::size_t>(index)].get());
    }

    // Does nothing for a stored skin without data. Throws what the package,
    // its decompression, its budgets (skin_budgets.h) or a malformed rectangle
    // or point raise, and SkinPackageError when memory runs out; the skin in
    // use then stays as it was.
    void LoadCompressedStoredSkin(const TbsCompressedStoredSkin& storedSkin);
    // Both replace the skin in use with one that lacks what they free and
    // announce it with SkinCleared; they send no numbered message.
    void ClearSkin();
    void FreeDefinitions();
    // Emits the signal that stands for message (one of the five skin data
    // messages), which also delivers the message itself; other types do
    // nothing.
    void SendSkinDataMessage(QEvent::Type message);

signals:
    // A load has read its skin and is about to put it in place (1225): the
    // old skin is still the one in use.
    void SkinAboutToChange();
    // The new skin is in place, Empty is false, SkinChanging still true (1226).
    void SkinChanged();
    // The load is over: SkinChanging is false again (1227).
    void SkinChangeFinished();
    // SkinnableForm changed (1294).
    void SkinnableFormChanged();
    // ResourceStrData was set (1274).
    void ResourceStringsChanged();
    // ClearSkin or FreeDefinitions took definitions or pictures away.
    void SkinCleared();

private:
    // Delivers message to the windows of the application, when the window
    // layer has given a route for it (skin_message_route.h).
    void RelayMessage(QEvent::Type message);
    // Puts skin in place of the skin in use.
    void Replace(TbsSharedSkin skin);
    void LoadSkinListEntry();

    bool m_skinnableForm { true };
    bool m_enableSkinEffects { true };
    QPointer<TbsCompressedStoredSkin> m_compressedStoredSkin;
    QPointer<TbsResourceStrData> m_resourceStrData;
    QPointer<TbsCompressedSkinList> m_skinList;
    int m_skinIndex { 0 };

    bool m_empty { true };
    bool m_skinChanging { false };

    static std::shared_ptr<TbsLoadedSkin> ReadSkin(const QByteArray& compressed);
    static void ReadDefinitions(const TbsIniFile& ini, TbsLoadedSkin& skin);

    TbsSharedSkin m_skin;
};
