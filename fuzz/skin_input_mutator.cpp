#include "fuzz/skin_input_mutator.h"

#include "fuzz/definition_text_mutator.h"
#include "fuzz/skin_picture_mutator.h"
#include "skin/data/skin_budgets.h"
#include "skin/data/skin_package.h"

#include <algorithm>
#include <cstring>
#include <list>
#include <optional>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// One input in this many is mutated byte by byte however well it decodes.
constexpr unsigned kByteMutationShare = 6;
// How many decoded packages are kept: the input being mutated, and the few
// corpus inputs it is crossed with most.
constexpr std::size_t kDecodedPackagesKept = 8;

QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The bytes without a copy, for as long as data lives.
QByteArray View(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

std::optional<SkinPackage> Decoded(const QByteArray& bytes)
{
    try {
        return ReadSkinPackage(bytes, BmpPixels::AsStored);
    } catch (const SkinPackageError&) {
        return std::nullopt;
    }
}

// The packages the last inputs decode to. libFuzzer mutates its own output
// several times in a row and crosses it with the corpus inputs it favours,
// so most inputs come back, and a package's pictures cost far more to
// decode than its bytes cost to compare.
class DecodedPackages {
public:
    std::optional<SkinPackage> Of(const std::uint8_t* data, std::size_t size)
    {
        const QByteArray bytes = View(data, size);
        for (auto entry = m_entries.begin(); entry != m_entries.end(); ++entry) {
            if (entry->bytes == bytes) {
                m_entries.splice(m_entries.begin(), m_entries, entry);
                return entry->package;
            }
        }
        QByteArray copy = Bytes(data, size);
        std::optional<SkinPackage> package = Decoded(copy);
        Remember(std::move(copy), package);
        return package;
    }

    void Remember(QByteArray bytes, std::optional<SkinPackage> package)
    {
        m_entries.push_front({ std::move(bytes), std::move(package) });
        if (m_entries.size() > kDecodedPackagesKept)
            m_entries.pop_back();
    }

private:
    struct Entry {
        QByteArray bytes;
        std::optional<SkinPackage> package;
    };
    std::list<Entry> m_entries;
};

DecodedPackages& Cache()
{
    static DecodedPackages packages;
    return packages;
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

// The definition text runs to the end of a package, and every picture is
// read from its own bytes before it: a package that decodes gives another
// text by replacing its tail, its pictures staying byte for byte. The
// result, of size bytes in out, decodes to package with that text unless
// the text is over the reader's budget.
std::size_t PutDefinitionText(const std::uint8_t* data, std::size_t size, const SkinPackage& package,
    const QByteArray& text, std::uint8_t* out)
{
    const std::size_t textStart = size - std::size_t(package.definitionText.size());
    std::memmove(out, data, textStart);
    std::memcpy(out + textStart, text.constData(), std::size_t(text.size()));
    const std::size_t written = textStart + std::size_t(text.size());
    if (text.size() <= kMaxSkinDefinitionTextSize) {
        SkinPackage result = package;
        result.definitionText = text;
        Cache().Remember(Bytes(out, written), std::move(result));
    }
    return written;
}

bool TextFits(std::size_t size, const SkinPackage& package, const QByteArray& text, std::size_t maxSize)
{
    return size - std::size_t(package.definitionText.size()) + std::size_t(text.size()) <= maxSize;
}

std::size_t MutatePackage(SkinPackage package, std::uint8_t* data, std::size_t size, std::size_t maxSize,
    FuzzRandom& random)
{
    if (random() % 4 != 0) {
        const QByteArray text = MutateDefinitionText(package.definitionText, PictureSizes(package), random);
        if (!TextFits(size, package, text, maxSize))
            return LLVMFuzzerMutate(data, size, maxSize);
        return PutDefinitionText(data, size, package, text, data);
    }
    if (random() % 2 == 0)
        MutatePackagePicture(package, random);
    std::optional<QByteArray> written = Written(package);
    if (written && random() % 2 == 0)
        MutatePackageBitmapBytes(*written, random);
    return Deliver(written, data, size, maxSize);
}

}

std::size_t MutateSkinPackageInput(std::uint8_t* data, std::size_t size, std::size_t maxSize, unsigned seed)
{
    FuzzRandom random(seed);
    if (random() % kByteMutationShare == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    const std::optional<SkinPackage> package = Cache().Of(data, size);
    if (!package && random() % 2 == 0)
        return Deliver(MutateDefinitionText(Bytes(data, size), {}, random), data, size, maxSize);
    if (!package)
        return LLVMFuzzerMutate(data, size, maxSize);
    return MutatePackage(*package, data, size, maxSize, random);
}

std::size_t CrossSkinPackageInputs(const std::uint8_t* data1, std::size_t size1, const std::uint8_t* data2,
    std::size_t size2, std::uint8_t* out, std::size_t maxOutSize, unsigned seed)
{
    FuzzRandom random(seed);
    std::optional<SkinPackage> first = Cache().Of(data1, size1);
    const std::optional<SkinPackage> second = Cache().Of(data2, size2);
    if (!first || !second)
        return DeliverCopy(Bytes(data1, size1).first(random() % (size1 + 1)) + Bytes(data2, size2), out, maxOutSize);
    if (random() % 2 == 0) {
        const QByteArray text = CrossDefinitionTexts(first->definitionText, second->definitionText, random);
        if (!TextFits(size1, *first, text, maxOutSize))
            return DeliverCopy(Bytes(data1, size1), out, maxOutSize);
        return PutDefinitionText(data1, size1, *first, text, out);
    }
    if (!second->activePictures.isEmpty())
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
