#include "skin/controls/part_faces.h"

PartFaces TakePartFaces(const SkinRect& normal, const SkinRect& hot, const SkinRect& down)
{
    const SkinRect& hotOrNormal = hot.IsEmpty() ? normal : hot;
    return { normal.ToQRect(), hotOrNormal.ToQRect(), (down.IsEmpty() ? hotOrNormal : down).ToQRect() };
}
