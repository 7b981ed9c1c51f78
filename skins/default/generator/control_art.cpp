#include "control_art.h"

IniSection& AddPictureControl(SkinIniWriter& ini, const QString& name, const QString& type, const QRect& skinRect,
    const PieceGeometry& geometry)
{
    return ini.AddControl(name, type)
        .Set("pictureindex", kControlsPicture)
        .Set("maskpictureindex", -1)
        .SetRect("skinrect", skinRect)
        .SetPoint("lefttoppoint", geometry.leftTop)
        .SetPoint("righttoppoint", geometry.rightTop)
        .SetPoint("leftbottompoint", geometry.leftBottom)
        .SetPoint("rightbottompoint", geometry.rightBottom)
        .SetRect("clientrect", geometry.client)
        .SetBool("leftstretch", geometry.stretchEdges)
        .SetBool("topstretch", geometry.stretchEdges)
        .SetBool("rightstretch", geometry.stretchEdges)
        .SetBool("bottomstretch", geometry.stretchEdges)
        .SetBool("stretcheffect", geometry.stretchClient)
        .Set("stretchtype", "stfull");
}

IniSection& SetFont(IniSection& section, int height, const QString& style)
{
    return section.Set("fontname", "Arial").Set("fontheight", height).Set("fontstyle", style);
}

void DrawControls(SkinIniWriter& ini, SkinPictures& pictures, const SkinPalette& colors)
{
    SpriteSheet sheet(256, colors.field);
    AddTextControls(ini, sheet, colors);
    AddScrollControls(ini, sheet, colors);
    AddPageControls(ini, sheet, colors);
    AddGaugeControls(ini, sheet, colors);
    pictures.active[kControlsPicture] = sheet.Render();
}
