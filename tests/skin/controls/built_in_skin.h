#pragma once

#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skins/built_in_skins.h"

// Loads the skin built into the program into skinData.
inline void LoadBuiltInSkin(TbsSkinData& skinData)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(BuiltInSkinCompressedData(kDefaultBuiltInSkinName));
    skinData.LoadCompressedStoredSkin(stored);
}
