#include "skin/data/skin_message_route.h"

namespace {
SkinMessageRoute g_route = nullptr;
}

void SetSkinMessageRoute(SkinMessageRoute route) { g_route = route; }

SkinMessageRoute CurrentSkinMessageRoute() { return g_route; }
