#pragma once

// A second window of the program beside the main one, as a dialog or a tool
// window is: a plain widget whose frame is a frame controller of its own on
// the main window's skin data, with the frame settings a program gives such
// a window (border style and icons, place on the monitor, fade-in, icon,
// size limits, menu look, a button's drop-down menu) drawn from a hash. It
// is made, shown, taken through a few window states and mouse steps, hidden
// and deleted again; a broken check aborts, as a finding.
#include <cstdint>

class TbsSkinData;

// The same hash always takes the same steps, each bounded: a few frame
// objects, a few timer ticks, one fade of at most a few milliseconds.
void RunSecondaryForm(TbsSkinData& skin, std::uint64_t hash);
