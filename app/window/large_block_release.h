#pragma once

// Makes blocks of memory above a few hundred kilobytes go back to the system
// as soon as they are freed. Call once, first thing in main().
//
// A big article passes through several such blocks in turn: the pasted text,
// its shuffled copy, the text engine's layout of a long paragraph. The C
// library's allocator raises its threshold for separate mappings each time
// one is freed, so from the second article on these blocks come from the
// heap, and the heap keeps their pages after they are freed: the window then
// holds on to several articles' worth of memory it no longer uses.
void ReleaseLargeBlocksWhenFreed();
