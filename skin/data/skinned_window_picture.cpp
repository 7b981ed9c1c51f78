#include "skin/data/skinned_window_picture.h"

#include "skin/data/skin_key_visitor.h"

void SkinnedWindowPicture::VisitPictureKeys(SkinKeyVisitor& keys)
{
    keys.PictureIndex("windowpictureindex", windowPictureIndex);
    keys.PictureIndex("maskpictureindex", maskPictureIndex);
    VisitCornerPointKeys(keys);
}
