#pragma once

#include <QEvent>

class TbsSkinData;

// Sends a skin data message to every top-level window, the window that owns
// the component first: each skinned form reacts to it in its own handler.
void BroadcastSkinDataMessage(TbsSkinData& sender, QEvent::Type message);

// Makes the skin data components broadcast their messages. Skinned forms call
// it when they are created; calling it again changes nothing.
void InstallSkinMessageBroadcast();
