#include "fuzz/skin_input_mutator.h"

#include "fuzz/definition_text_mutator.h"
#include "fuzz/skin_picture_mutator.h"
#include "skin/data/skin_package.h"

#include <algorithm>
#include <cstring>
#include <optional>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// One input in this many is mutated byte by byte however well it decodes.
constexpr unsigned kByteMutationShare = 6;

QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

std::optional<SkinPackage> Decoded(const QByteArray& bytes)
{
    try {
        return ReadSkinPackage(bytes, BmpPixels::AsStored);
    } catch (const SkinPackageError&) {
        return std::nullopt;
    }
}

QList<QSize> PictureSizes(const SkinPackage& package)
{
    QList<QSize> sizes;
    for (const QImage& picture : { package.picture, package.inactivePicture, package.mask }) {
        if (!picture.isNull())
            sizes.append(picture.size());
    }
    for (const QImage& picture : package.activePictures)
        sizes.append(picture.size());
    return sizes;
}

std::optional<QByteArray> Written(const SkinPackage& package)
{
    try {
        return WriteSkinPackage(package);
    } catch (const SkinPackageError&) {
        return std::nullopt;
    }
}

// The result copied out, or the byte mutation when it does not fit.
std::size_t Deliver(const std::optional<QByteArray>& result, std::uint8_t* data, std::size_t size, std::size_t maxSize)
{
    if (!result || result->isEmpty() || std::size_t(result->size()) > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, result->constData(), std::size_t(result->size()));
    return std::size_t(result->size());
}

std::size_t DeliverCopy(const QByteArray& result, std::uint8_t* out, std::size_t maxOutSize)
{
    const std::size_t size = std::min(std::size_t(result.size()), maxOutSize);
    std::memcpy(out, result.constData(), size);
    return size;
}

std::optional<QByteArray> MutatedPackage(SkinPackage package, FuzzRandom& random)
{
    if (random() % 4 != 0) {
        package.definitionText = MutateDefinitionText(package.definitionText, PictureSizes(package), random);
        return Written(package);
    }
    if (random() % 2 == 0)
        MutatePackagePicture(package, random);
    std::optional<QByteArray> written = Written(package);
    if (written && random() % 2 == 0)
        MutatePackageBitmapBytes(*written, random);
    return written;
}

}

std::size_t MutateSkinPackageInput(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    FuzzRandom random(seed);
    if (random() % kByteMutationShare == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::optional<SkinPackage> package = Decoded(Bytes(data, size));
    if (!package && random() % 2 == 0)
        return Deliver(MutateDefinitionText(Bytes(data, size), {}, random), data, size, maxSize);
    if (!package)
        return LLVMFuzzerMutate(data, size, maxSize);
    return Deliver(MutatedPackage(*package, random), data, size, maxSize);
}

std::size_t CrossSkinPackageInputs(const std::uint8_t* data1, std::size_t size1, const std::uint8_t* data2,
    std::size_t size2, std::uint8_t* out, std::size_t maxOutSize, unsigned seed)
{
    FuzzRandom random(seed);
    std::optional<SkinPackage> first = Decoded(Bytes(data1, size1));
    const std::optional<SkinPackage> second = Decoded(Bytes(data2, size2));
    if (!first || !second)
        return DeliverCopy(Bytes(data1, size1).first(random() % (size1 + 1)) + Bytes(data2, size2), out, maxOutSize);
    if (random() % 2 == 0)
        first->definitionText = CrossDefinitionTexts(first->definitionText, second->definitionText, random);
    else if (!second->activePictures.isEmpty())
        first->activePictures.append(second->activePictures[random() % second->activePictures.size()]);
    else
        first->picture = second->picture;
    const std::optional<QByteArray> written = Written(*first);
    if (!written || std::size_t(written->size()) > maxOutSize)
        return DeliverCopy(Bytes(data1, size1), out, maxOutSize);
    return DeliverCopy(*written, out, maxOutSize);
}

std::size_t MutateSkinDefinitionInput(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    FuzzRandom random(seed);
    if (random() % kByteMutationShare == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    return Deliver(MutateDefinitionText(Bytes(data, size), {}, random), data, size, maxSize);
}

std::size_t CrossSkinDefinitionInputs(const std::uint8_t* data1, std::size_t size1, const std::uint8_t* data2,
    std::size_t size2, std::uint8_t* out, std::size_t maxOutSize, unsigned seed)
{
    FuzzRandom random(seed);
    return DeliverCopy(CrossDefinitionTexts(Bytes(data1, size1), Bytes(data2, size2), random), out, maxOutSize);
}
