#pragma once

// The custom mutators of the skin fuzz targets. Each reads its input the way
// the target does (a decompressed package, or a definition text), changes it
// at the level of the format and writes it again with the package writer, so
// that most inputs still load and reach the definitions, the composition, the
// frame and the controls. A share of inputs, and any input that does not
// decode, gets libFuzzer's byte mutations instead, so the readers still see
// garbage. Nothing written is longer than maxSize.
#include <cstddef>
#include <cstdint>

std::size_t MutateSkinPackageInput(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed);
std::size_t CrossSkinPackageInputs(const std::uint8_t* data1, std::size_t size1, const std::uint8_t* data2,
    std::size_t size2, std::uint8_t* out, std::size_t maxOutSize, unsigned seed);

std::size_t MutateSkinDefinitionInput(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed);
std::size_t CrossSkinDefinitionInputs(const std::uint8_t* data1, std::size_t size1, const std::uint8_t* data2,
    std::size_t size2, std::uint8_t* out, std::size_t maxOutSize, unsigned seed);
