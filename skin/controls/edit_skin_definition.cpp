#include "skin/controls/edit_skin_definition.h"

#include "skin/data/control_definitions_edits.h"
#include "skin/draw/composition_mode.h"

bool IsUsableEditDefinition(const TbsDataSkinEditControl& definition)
{
    return !definition.skinRect.IsEmpty() && IsDrawable(PieceGeometryOf(definition))
        && IsDrawable(definition.activeSkinRect);
}

const SkinRect& EditFaceRect(const TbsDataSkinEditControl& definition, bool active)
{
    return active && !definition.activeSkinRect.IsEmpty() ? definition.activeSkinRect : definition.skinRect;
}
