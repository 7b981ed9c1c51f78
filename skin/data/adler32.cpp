#include "skin/data/adler32.h"

#include <algorithm>
#include <zlib.h>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define LUMENO_ADLER32_VECTOR 1
#endif

namespace {

constexpr quint32 kModulus = 65521;

// zlib's own code, for what the vector steps leave.
quint32 ScalarAdler32(quint32 adler, const uchar* data, qsizetype size)
{
    return quint32(adler32_z(adler, data, std::size_t(size)));
}

#if defined(LUMENO_ADLER32_VECTOR)
// The most bytes whose sums fit 32 bits before they must be reduced, as zlib
// reckons it, in whole steps of sixteen.
constexpr qsizetype kBlockBytes = 5552;

__attribute__((target("ssse3"))) quint64 LaneSum(__m128i lanes)
{
    alignas(16) quint32 parts[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(parts), lanes);
    return quint64(parts[0]) + parts[1] + parts[2] + parts[3];
}

// Over sixteen bytes b0..b15 the running sums move as
//   sum1 += b0 + ... + b15
//   sum2 += 16 * sum1 (as it was before them) + 16 b0 + 15 b1 + ... + 1 b15
// so each step adds the bytes, the weighted bytes, and keeps the sum1 it
// started from; the lanes are added up and reduced once a block.
__attribute__((target("ssse3"))) quint32 VectorAdler32(quint32 adler, const uchar* data, qsizetype size)
{
    quint32 sum1 = adler & 0xffff;
    quint32 sum2 = adler >> 16;
    const __m128i weights = _mm_setr_epi8(16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    const __m128i ones = _mm_set1_epi16(1);
    const __m128i zero = _mm_setzero_si128();
    while (size >= 16) {
        const qsizetype block = std::min(size, kBlockBytes) & ~qsizetype(15);
        __m128i bytes = _mm_cvtsi32_si128(int(sum1));
        __m128i weighted = zero;
        __m128i sumsBefore = zero;
        for (qsizetype done = 0; done < block; done += 16) {
            const __m128i step = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + done));
            sumsBefore = _mm_add_epi32(sumsBefore, bytes);
            bytes = _mm_add_epi32(bytes, _mm_sad_epu8(step, zero));
            weighted = _mm_add_epi32(weighted, _mm_madd_epi16(_mm_maddubs_epi16(step, weights), ones));
        }
        sum1 = quint32(LaneSum(bytes) % kModulus);
        sum2 = quint32((sum2 + 16 * LaneSum(sumsBefore) + LaneSum(weighted)) % kModulus);
        data += block;
        size -= block;
    }
    return ScalarAdler32(sum2 << 16 | sum1, data, size);
}

__attribute__((target("avx2"))) quint64 WideLaneSum(__m256i lanes)
{
    alignas(32) quint32 parts[8];
    _mm256_store_si256(reinterpret_cast<__m256i*>(parts), lanes);
    quint64 total = 0;
    for (const quint32 part : parts)
        total += part;
    return total;
}

// The steps above, thirty-two bytes at a time; what is left over goes on in
// steps of sixteen.
__attribute__((target("avx2"))) quint32 WideVectorAdler32(quint32 adler, const uchar* data, qsizetype size)
{
    quint32 sum1 = adler & 0xffff;
    quint32 sum2 = adler >> 16;
    const __m256i weights = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15,
        14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
    const __m256i ones = _mm256_set1_epi16(1);
    const __m256i zero = _mm256_setzero_si256();
    while (size >= 32) {
        const qsizetype block = std::min(size, kBlockBytes) & ~qsizetype(31);
        __m256i bytes = _mm256_zextsi128_si256(_mm_cvtsi32_si128(int(sum1)));
        __m256i weighted = zero;
        __m256i sumsBefore = zero;
        for (qsizetype done = 0; done < block; done += 32) {
            const __m256i step = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + done));
            sumsBefore = _mm256_add_epi32(sumsBefore, bytes);
            bytes = _mm256_add_epi32(bytes, _mm256_sad_epu8(step, zero));
            weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(step, weights), ones));
        }
        sum1 = quint32(WideLaneSum(bytes) % kModulus);
        sum2 = quint32((sum2 + 32 * WideLaneSum(sumsBefore) + WideLaneSum(weighted)) % kModulus);
        data += block;
        size -= block;
    }
    return VectorAdler32(sum2 << 16 | sum1, data, size);
}
#endif

} // namespace

quint32 Adler32(quint32 adler, const uchar* data, qsizetype size)
{
#if defined(LUMENO_ADLER32_VECTOR)
    static const bool hasAvx2 = __builtin_cpu_supports("avx2");
    if (hasAvx2)
        return WideVectorAdler32(adler, data, size);
    static const bool hasSsse3 = __builtin_cpu_supports("ssse3");
    if (hasSsse3)
        return VectorAdler32(adler, data, size);
#endif
    return ScalarAdler32(adler, data, size);
}
