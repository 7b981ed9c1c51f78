#pragma once

#include "skin/draw/system_colors.h"

#include <QRect>

class QWidget;
class TbsDataSkinEditControl;

// Rules the skinned edit and memo share for reading their definitions.

// A definition whose face has no size, or whose geometry only a corrupt skin
// could give, cannot frame a text area; the control keeps its built-in look.
bool IsUsableEditDefinition(const TbsDataSkinEditControl& definition);

// The faces and the client rectangle as the drawing reads them, taken when
// the control takes its definition. The active face is the normal one where
// the skin has none.
struct EditFacePieces {
    QRect face;
    QRect activeFace;
    QRect client;
    const QRect& Shown(bool active) const { return active ? activeFace : face; }
};
EditFacePieces TakeEditFacePieces(const TbsDataSkinEditControl& definition);

// The text colour for the control's state: the definition's active or normal
// font colour, fallback without a definition.
SkinColor EditFontColor(const TbsDataSkinEditControl* definition, bool active, SkinColor fallback);

// The colour of disabled text: the definition's, the system grey without one.
SkinColor EditDisabledFontColor(const TbsDataSkinEditControl* definition);

// The editor draws only the text, in these colours, on what the control has
// painted behind it.
void SetEditorTextColors(QWidget& editor, SkinColor text, SkinColor disabled);
