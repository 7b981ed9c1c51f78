#include "tools/skin/render_side.h"

#include "tools/skin/skin_tool_command.h"

int ParseRenderSide(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > kMaxRenderSide)
        throw SkinToolError(QStringLiteral("WIDTH and HEIGHT must be whole numbers from 1 to %1, not '%2'")
                                .arg(kMaxRenderSide)
                                .arg(text)
                                .toStdString());
    return value;
}
