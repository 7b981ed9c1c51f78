#pragma once

#include <QEvent>

class TbsSkinData;

// How a skin data component's messages reach the application's windows. The
// data layer knows no windows: the window layer registers the route when its
// first form is skinned. Without a route (the skin tool, the data alone) the
// messages go nowhere, as no window could act on them.
using SkinMessageRoute = void (*)(TbsSkinData& sender, QEvent::Type message);

void SetSkinMessageRoute(SkinMessageRoute route);
SkinMessageRoute CurrentSkinMessageRoute();
