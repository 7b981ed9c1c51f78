#pragma once

#include <QtGlobal>

// The Adler-32 checksum zlib streams end with, continued from adler over
// size bytes at data (start from 1). The same value zlib's adler32 gives,
// computed sixteen bytes a step where the processor can.
quint32 Adler32(quint32 adler, const uchar* data, qsizetype size);
