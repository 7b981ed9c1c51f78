#pragma once

#include "skin/data/skin_rect.h"

class TbsDataSkinEditControl;

// Rules the skinned edit and memo share for reading their definitions.

// A definition whose face has no size, or whose geometry only a corrupt skin
// could give, cannot frame a text area; the control keeps its built-in look.
bool IsUsableEditDefinition(const TbsDataSkinEditControl& definition);

// The face shown: the active one while the control is active, when the skin
// has one.
const SkinRect& EditFaceRect(const TbsDataSkinEditControl& definition, bool active);
