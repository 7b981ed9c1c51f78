#include "skin/data/bgr_row.h"

#include <QtEndian>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define LUMENO_BGR_ROW_SSSE3 1
#endif

namespace {

constexpr QRgb kOpaque = 0xff000000u;

// Four pixels from three little-endian words at a time: B G R B | G R B G | R B G R.
void ExpandBgrPixels(const uchar* in, QRgb* out, int from, int width)
{
    in += 3 * from;
    int x = from;
    for (; x + 4 <= width; x += 4, in += 12) {
        const quint32 a = qFromLittleEndian<quint32>(in);
        const quint32 b = qFromLittleEndian<quint32>(in + 4);
        const quint32 c = qFromLittleEndian<quint32>(in + 8);
        out[x] = kOpaque | (a & 0xffffff);
        out[x + 1] = kOpaque | a >> 24 | (b & 0xffff) << 8;
        out[x + 2] = kOpaque | b >> 16 | (c & 0xff) << 16;
        out[x + 3] = kOpaque | c >> 8;
    }
    for (; x < width; ++x, in += 3)
        out[x] = kOpaque | quint32(in[2]) << 16 | quint32(in[1]) << 8 | in[0];
}

#if defined(LUMENO_BGR_ROW_SSSE3)
// One byte shuffle spreads four triples over four pixels. Each load takes
// sixteen bytes for the twelve it uses, so it stops while two more pixels
// of the row follow and never reads past the row. Gives the pixels done.
__attribute__((target("ssse3"))) int ExpandBgrPixelsSsse3(const uchar* in, QRgb* out, int width)
{
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(int(kOpaque));
    int x = 0;
    for (; x + 6 <= width; x += 4, in += 12) {
        const __m128i triples = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_or_si128(_mm_shuffle_epi8(triples, spread), opaque));
    }
    return x;
}
#endif

} // namespace

void ExpandBgrRow(const uchar* in, QRgb* out, int width)
{
    int done = 0;
#if defined(LUMENO_BGR_ROW_SSSE3)
    static const bool hasSsse3 = __builtin_cpu_supports("ssse3");
    if (hasSsse3)
        done = ExpandBgrPixelsSsse3(in, out, width);
#endif
    ExpandBgrPixels(in, out, done, width);
}
