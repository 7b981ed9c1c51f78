#pragma once

// What the render target draws beyond composing faces: the steps the
// controls and the frame take with a composed face before it reaches the
// screen (enlargement for a screen of a higher or fractional ratio, the
// inactive effect, morphs, keyed copies, turned tabs, outlines, glyphs and
// captions in the skin's font, shapes from masks), each followed by a check
// of what it drew; a broken invariant aborts, as a finding.
#include <cstdint>

class TbsSkinData;

// Two faces at sizes of their own, a few frame objects, the first page
// control's tabs and one caption, all picked by hash: the same hash always
// makes the same picks, and a run never costs more than these few. Captions
// need a QGuiApplication (fonts).
void DrawChosenSteps(const TbsSkinData& skin, std::uint64_t hash);
