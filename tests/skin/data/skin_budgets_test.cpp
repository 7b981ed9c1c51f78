#include "skin/data/skin_budgets.h"

#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "tests/skin/data/test_skin_package.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray Int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// An 8-bit run-length picture of any size whose pixels take two bytes: the
// end-of-picture escape and nothing else.
QByteArray TinyHugePicture(int width, int height)
{
    QByteArray file(14 + 40 + 4, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(file.size() + 2, file.data() + 2);
    qToLittleEndian<quint32>(file.size(), file.data() + 10);
    qToLittleEndian<quint32>(40, file.data() + 14);
    qToLittleEndian<qint32>(width, file.data() + 18);
    qToLittleEndian<qint32>(height, file.data() + 22);
    qToLittleEndian<quint16>(1, file.data() + 26);
    qToLittleEndian<quint16>(8, file.data() + 28);
    qToLittleEndian<quint32>(1, file.data() + 30);
    qToLittleEndian<quint32>(1, file.data() + 46);
    return file + QByteArray("\0\1", 2);
}

QByteArray PackageWithActivePictures(const QList<QByteArray>& pictures, const QByteArray& text = "[VERSION]\r\n")
{
    QByteArray package = Int32(3) + "\1\1\1" + Int32(qint32(pictures.size()));
    for (const QByteArray& picture : pictures)
        package += picture;
    return package + text;
}

template<typename Call>
std::string BudgetMessageOf(Call call)
{
    try {
        call();
    } catch (const SkinBudgetError& error) {
        return error.what();
    } catch (const std::exception& error) {
        return std::string("not a budget error: ") + error.what();
    }
    return "no error";
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

// Each cost of a skin is refused from the package's headers, before anything
// is decoded: 5700 x 5700 pixels in two bytes, three times over, would
// otherwise take 390 MB; a long definition text or a flood of pictures or
// definitions the same.
TEST(SkinBudgets, EveryCostIsRefusedBeforeItIsPaid)
{
    const QByteArray huge = TinyHugePicture(5700, 5700);
    EXPECT_EQ(ReadSkinPackage(PackageWithActivePictures({ huge })).activePictures.at(0).size(), QSize(5700, 5700))
        << "one such picture is within the budget";
    EXPECT_TRUE(Contains(BudgetMessageOf([&] { ReadSkinPackage(PackageWithActivePictures({ huge, huge, huge })); }),
        "pixels"));
    EXPECT_TRUE(Contains(BudgetMessageOf([&] { ListSkinPackageBitmaps(PackageWithActivePictures({ huge, huge, huge })); }),
        "pixels"));

    const QByteArray longText(kMaxSkinDefinitionTextSize + 1, 'x');
    EXPECT_TRUE(Contains(BudgetMessageOf([&] { ReadSkinPackage(PackageWithActivePictures({}, longText)); }),
        "definition text"));
    EXPECT_NO_THROW(ReadSkinPackage(PackageWithActivePictures({}, longText.first(kMaxSkinDefinitionTextSize))));

    const QByteArray tiny = TinyHugePicture(1, 1);
    QList<QByteArray> many(kMaxSkinActivePictures + 1, tiny);
    EXPECT_TRUE(Contains(BudgetMessageOf([&] { ReadSkinPackage(PackageWithActivePictures(many)); }), "active pictures"));
    many.removeLast();
    EXPECT_EQ(ReadSkinPackage(PackageWithActivePictures(many)).activePictures.size(), kMaxSkinActivePictures);
}

// A skin over a budget is refused like a corrupt one: the skin in use stays.
TEST(SkinBudgets, ASkinOverBudgetLeavesTheSkinInUse)
{
    TbsSkinData data;
    data.LoadCompressedStoredSkin(*StoredSkin(TestDefinition("Good")));

    QString definitions = QStringLiteral("[SKINCONTROLS]\ncount=%1\n").arg(kMaxSkinDefinitions + 1);
    for (int i = 0; i <= kMaxSkinDefinitions; ++i)
        definitions += QStringLiteral("%1=panel%1:panel\n").arg(i);
    const auto tooManyDefinitions = StoredSkin(definitions);
    EXPECT_TRUE(Contains(BudgetMessageOf([&] { data.LoadCompressedStoredSkin(*tooManyDefinitions); }), "SKINCONTROLS"));
    EXPECT_EQ(data.SkinName(), "Good");

    const auto tooManyPixels = StoredSkinFromPackageBytes(
        PackageWithActivePictures({ TinyHugePicture(5700, 5700), TinyHugePicture(5700, 5700), TinyHugePicture(5700, 5700) }));
    EXPECT_TRUE(Contains(BudgetMessageOf([&] { data.LoadCompressedStoredSkin(*tooManyPixels); }), "pixels"));
    EXPECT_EQ(data.SkinName(), "Good");
    EXPECT_FALSE(data.Empty());
    EXPECT_FALSE(data.SkinChanging());
    EXPECT_EQ(data.ActivePictures().size(), 2);
    EXPECT_EQ(data.ControlDefinitions().size(), 2u);
}

// The sanitizers reserve far more address space than any limit below allows.
#if !defined(__SANITIZE_ADDRESS__) && !defined(LUMENO_SANITIZED)
// A picture within the budget that memory still cannot hold fails the load
// with a message; it never loads as a skin with a null picture.
// Loads stored under an address-space limit a little above what the process
// already uses, and exits 0 when the load fails for want of memory.
[[noreturn]] void LoadWithLittleMemory(const TbsCompressedStoredSkin& stored)
{
    QFile status(QStringLiteral("/proc/self/statm"));
    status.open(QIODevice::ReadOnly);
    const qint64 pages = status.readAll().split(' ').value(0).toLongLong();
    const rlim_t headroom = 64 << 20;
    const rlimit limit { rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + headroom, RLIM_INFINITY };
    setrlimit(RLIMIT_AS, &limit);
    TbsSkinData data;
    try {
        data.LoadCompressedStoredSkin(stored);
    } catch (const SkinPackageError& error) {
        std::_Exit(Contains(error.what(), "memory") && data.Empty() ? 0 : 2);
    }
    std::_Exit(1);
}

// A picture within the budget that memory still cannot hold fails the load
// with a message; it never loads as a skin with a null picture.
TEST(SkinBudgetsDeathTest, MemoryRunningOutIsALoadError)
{
    const auto stored = StoredSkinFromPackageBytes(PackageWithActivePictures({ TinyHugePicture(5700, 5700) }));
    EXPECT_EXIT(LoadWithLittleMemory(*stored), testing::ExitedWithCode(0), "");
}
#endif
