#include "skin/data/popup_window_definition.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinPopupWindow::VisitKeys(SkinKeyVisitor& keys)
{
    VisitPictureKeys(keys);
    keys.Rect("itemsrect", itemsRect);
    keys.Color("scrollmarkercolor", scrollMarkerColor);
    keys.Color("scrollmarkeractivecolor", scrollMarkerActiveColor);
    VisitEdgeStretchKeys(keys, EdgeOrder::SidesFirst);
}
