#include "skin/data/data_skin_control.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinControl::VisitKeys(SkinKeyVisitor& keys)
{
    keys.PictureIndex("pictureindex", pictureIndex);
    keys.PictureIndex("maskpictureindex", maskPictureIndex);
    keys.Rect("skinrect", skinRect);
}

void TbsDataSkinCustomControl::VisitKeys(SkinKeyVisitor& keys)
{
    TbsDataSkinControl::VisitKeys(keys);
    VisitCornerPointKeys(keys);
    keys.Rect("clientrect", clientRect);
    VisitEdgeStretchKeys(keys, EdgeOrder::Clockwise);
}
