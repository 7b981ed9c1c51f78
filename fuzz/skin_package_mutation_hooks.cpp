// Structure-aware mutation for the targets that take a decompressed package.
#include "fuzz/skin_input_mutator.h"

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    return MutateSkinPackageInput(data, size, maxSize, seed);
}

extern "C" std::size_t LLVMFuzzerCustomCrossOver(const std::uint8_t* data1, std::size_t size1,
    const std::uint8_t* data2, std::size_t size2, std::uint8_t* out, std::size_t maxOutSize, unsigned seed)
{
    return CrossSkinPackageInputs(data1, size1, data2, size2, out, maxOutSize, seed);
}
