#include "skin/data/hint_window_definition.h"

#include "skin/data/skin_key_visitor.h"

void TbsDataSkinHintWindow::VisitKeys(SkinKeyVisitor& keys)
{
    VisitPictureKeys(keys);
    keys.Rect("clientrect", clientRect);
    VisitFontKeys(keys);
    VisitEdgeStretchKeys(keys, EdgeOrder::SidesFirst);
}
