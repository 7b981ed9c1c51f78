#include "app/window/skin_load_failure.h"

#include "skin/data/skin_package.h"
#include "skin/data/skin_values.h"
#include "skin/data/zlib_stream.h"

#include <QDir>
#include <new>

namespace {

// Skin versions count up by one a release; a "version" far beyond any there
// has been is the first bytes of a file that is no skin at all.
constexpr int kHighestPlausibleSkinVersion = 255;

// The most specific kinds first: each is also a SkinPackageError.
QString Summary(const std::exception& error)
{
    const auto* version = dynamic_cast<const UnsupportedSkinVersionError*>(&error);
    if (version && version->Version() <= kHighestPlausibleSkinVersion) {
        return QStringLiteral("皮肤的版本 %1 比本程序能读的版本 %2 新")
            .arg(version->Version())
            .arg(kSkinPackageVersion);
    }
    if (dynamic_cast<const MissingSkinPictureError*>(&error))
        return QStringLiteral("皮肤缺少图片");
    if (dynamic_cast<const SkinBudgetError*>(&error))
        return QStringLiteral("皮肤超出了允许的大小");
    if (dynamic_cast<const EZlibError*>(&error))
        return QStringLiteral("皮肤的压缩数据已损坏或不完整");
    if (dynamic_cast<const SkinConversionError*>(&error))
        return QStringLiteral("皮肤定义中有无法读取的值");
    if (dynamic_cast<const SkinPackageError*>(&error))
        return QStringLiteral("文件不是皮肤文件，或已损坏、不完整");
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return QStringLiteral("内存不足");
    return QStringLiteral("无法载入皮肤");
}

} // namespace

QString SkinLoadFailureReason(const std::exception& error)
{
    const QString detail = QString::fromUtf8(error.what());
    const QString summary = Summary(error);
    return detail.isEmpty() ? summary : QStringLiteral("%1（%2）").arg(summary, detail);
}

QString SkinLoadFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("无法使用皮肤文件“%1”：%2。\n当前的皮肤保持不变。")
        .arg(QDir::toNativeSeparators(path), reason);
}
