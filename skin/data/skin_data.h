#pragma once

#include "skin/data/compressed_skin_list.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/data_skin_control.h"
#include "skin/data/data_skin_object.h"
#include "skin/data/form_info.h"
#include "skin/data/hint_window_definition.h"
#include "skin/data/popup_window_definition.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_colors.h"

#include <QEvent>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TbsIniFile;
class TbsSkinData;

// The user-interface text called name: the skin's resource string when it has
// a non-empty one, else the program's own (English) text.
QString SkinResStr(const TbsSkinData* skinData, const QString& name);

// Holds one loaded skin (its pictures and every definition) and tells the
// forms of the application when it changes. A load replaces everything; a
// failed load changes nothing, sends no message, and the error propagates.
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

    const QImage& Picture() const { return m_skin.picture; }
    const QImage& InactivePicture() const { return m_skin.inactivePicture; }
    const QImage& MaskPicture() const { return m_skin.maskPicture; }
    // Every "...pictureindex" key of the definitions indexes this list.
    const QList<QImage>& ActivePictures() const { return m_skin.activePictures; }
    const QString& PictureName() const { return m_skin.pictureName; }
    const QString& InactivePictureName() const { return m_skin.inactivePictureName; }
    const QString& MaskName() const { return m_skin.maskName; }
    const QStringList& ActivePictureNames() const { return m_skin.activePictureNames; }

    const QString& SkinName() const { return m_skin.skinName; }
    const QString& SkinAuthor() const { return m_skin.skinAuthor; }
    const QString& AuthorEmail() const { return m_skin.authorEmail; }
    const QString& AuthorURL() const { return m_skin.authorUrl; }
    const QString& SkinComments() const { return m_skin.skinComments; }

    // These four live as long as the component; a load rewrites them.
    const TbsFormInfo& FormInfo() const { return m_skin.formInfo; }
    const TbsDataSkinPopupWindow& PopupWindow() const { return m_skin.popupWindow; }
    const TbsDataSkinHintWindow& HintWindow() const { return m_skin.hintWindow; }
    const TbsSkinColors& SkinColors() const { return m_skin.skinColors; }

    const std::vector<std::unique_ptr<TbsDataSkinObject>>& ObjectDefinitions() const { return m_skin.objectDefinitions; }
    const std::vector<std::unique_ptr<TbsDataSkinControl>>& ControlDefinitions() const { return m_skin.controlDefinitions; }
    // The first definition bearing exactly that IDName (letter case
    // included), or -1.
    int FindObjectIndex(const QString& name) const;
    int FindControlIndex(const QString& name) const;
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
    // Changes whenever the definitions are replaced or freed, so a control can
    // tell that what it kept from them is gone.
    quint64 DefinitionsGeneration() const { return m_definitionsGeneration; }
    void ClearSkin();
    void FreeDefinitions();
    // Sends one of the skin data messages synchronously to the owner form,
    // then to every other top-level widget of the application.
    void SendSkinDataMessage(QEvent::Type message);

private:
    void LoadSkinListEntry();

    bool m_skinnableForm { true };
    bool m_enableSkinEffects { true };
    QPointer<TbsCompressedStoredSkin> m_compressedStoredSkin;
    QPointer<TbsResourceStrData> m_resourceStrData;
    QPointer<TbsCompressedSkinList> m_skinList;
    int m_skinIndex { 0 };

    bool m_empty { true };
    quint64 m_definitionsGeneration { 0 };
    bool m_skinChanging { false };

    // Everything a load reads: built aside and taken over whole once the
    // load has succeeded.
    struct Contents {
        QImage picture;
        QImage inactivePicture;
        QImage maskPicture;
        QList<QImage> activePictures;
        QString pictureName;
        QString inactivePictureName;
        QString maskName;
        QStringList activePictureNames;

        QString skinName;
        QString skinAuthor;
        QString authorEmail;
        QString authorUrl;
        QString skinComments;

        TbsFormInfo formInfo;
        TbsDataSkinPopupWindow popupWindow;
        TbsDataSkinHintWindow hintWindow;
        TbsSkinColors skinColors;

        std::vector<std::unique_ptr<TbsDataSkinObject>> objectDefinitions;
        std::vector<std::unique_ptr<TbsDataSkinControl>> controlDefinitions;
        // The texts the skin carries in [RESOURCESTRINGS], if any.
        std::unique_ptr<TbsResourceStrData> resourceStrData;
    };
    static Contents ReadContents(const QByteArray& compressed);
    static void ReadDefinitions(const TbsIniFile& ini, Contents& skin);

    Contents m_skin;
};
