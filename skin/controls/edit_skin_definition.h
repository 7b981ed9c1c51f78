#pragma once

#include "skin/data/skin_rect.h"
#include "skin/draw/system_colors.h"

class QWidget;
class TbsDataSkinEditControl;

// Rules the skinned edit and memo share for reading their definitions.

// A definition whose face has no size, or whose geometry only a corrupt skin
// could give, cannot frame a text area; the control keeps its built-in look.
bool IsUsableEditDefinition(const TbsDataSkinEditControl& definition);

// The face shown: the active one while the control is active, when the skin
// has one.
const SkinRect& EditFaceRect(const TbsDataSkinEditControl& definition, bool active);

// The text colour for the control's state: the definition's active or normal
// font colour, fallback without a definition.
SkinColor EditFontColor(const TbsDataSkinEditControl* definition, bool active, SkinColor fallback);

// The colour of disabled text: the definition's, the system grey without one.
SkinColor EditDisabledFontColor(const TbsDataSkinEditControl* definition);

// The editor draws only the text, in these colours, on what the control has
// painted behind it.
void SetEditorTextColors(QWidget& editor, SkinColor text, SkinColor disabled);
