#pragma once

#include "skin/data/data_skin_control.h"
#include "skin/data/data_skin_object.h"
#include "skin/data/form_info.h"
#include "skin/data/hint_window_definition.h"
#include "skin/data/popup_window_definition.h"
#include "skin/data/resource_str_data.h"
#include "skin/data/skin_colors.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// Everything one load of a skin package reads: its pictures, its descriptive
// texts and every definition. It is built whole aside and then shared
// read-only: whoever took it from the skin data component (a form, a control)
// keeps it alive, so what it points into stays valid after the component has
// moved on to another skin.
struct TbsLoadedSkin {
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
    std::shared_ptr<TbsResourceStrData> resourceStrData;

    // The first definition bearing exactly that IDName (letter case
    // included), or -1.
    int FindObjectIndex(const QString& name) const;
    int FindControlIndex(const QString& name) const;
    // A picture of the skin by index; null for -1 or past the list's end.
    QImage ActivePicture(int index) const;
};

using TbsSharedSkin = std::shared_ptr<const TbsLoadedSkin>;
