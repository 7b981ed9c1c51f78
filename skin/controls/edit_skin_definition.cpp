#include "skin/controls/edit_skin_definition.h"

#include "skin/data/control_definitions_edits.h"
#include "skin/draw/composition_mode.h"

#include <QPalette>
#include <QWidget>

bool IsUsableEditDefinition(const TbsDataSkinEditControl& definition)
{
    return !definition.skinRect.IsEmpty() && IsDrawable(PieceGeometryOf(definition))
        && IsDrawable(definition.activeSkinRect);
}

EditFacePieces TakeEditFacePieces(const TbsDataSkinEditControl& definition)
{
    const QRect face = definition.skinRect.ToQRect();
    return { .face = face,
        .activeFace = definition.activeSkinRect.IsEmpty() ? face : definition.activeSkinRect.ToQRect(),
        .client = definition.clientRect.ToQRect() };
}

SkinColor EditFontColor(const TbsDataSkinEditControl* definition, bool active, SkinColor fallback)
{
    if (!definition)
        return fallback;
    return active ? definition->activeFontColor : definition->fontColor;
}

SkinColor EditDisabledFontColor(const TbsDataSkinEditControl* definition)
{
    return definition ? definition->disabledFontColor : clGrayText;
}

void SetEditorTextColors(QWidget& editor, SkinColor text, SkinColor disabled)
{
    QPalette palette = editor.palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, SkinColorToQColor(text));
    palette.setColor(QPalette::Disabled, QPalette::Text, SkinColorToQColor(disabled));
    editor.setPalette(palette);
}
