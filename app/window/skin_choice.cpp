#include "app/window/skin_choice.h"

#include "app/window/form1.h"
#include "app/window/skin_file_kind.h"
#include "app/window/skin_load_failure.h"
#include "skin/data/compressed_stored_skin.h"
#include "skin/data/skin_data.h"
#include "skins/built_in_skins.h"

#include <QFileInfo>
#include <QSettings>
#include <exception>
#include <memory>

namespace {

constexpr char kChoiceProperty[] = "lumenoSkinChoice";
constexpr char kFileSkinName[] = "skinFromFile";


// The built-in skins share the form's own stored skin; its bytes change only
// when the skin data took the new ones.
void LoadBuiltInSkin(TForm1& form, const QString& name)
{
    TbsCompressedStoredSkin& stored = *form.bsCompressedStoredSkin1;
    const QByteArray previous = stored.CompressedData();
    stored.SetCompressedData(BuiltInSkinCompressedData(name));
    try {
        form.bsSkinData1->SetCompressedStoredSkin(&stored);
    } catch (...) {
        stored.SetCompressedData(previous);
        throw;
    }
}

// A file's skin gets a stored skin of its own, which replaces that of the
// file shown before, so switching back and forth keeps one at most.
void LoadSkinFile(TForm1& form, const QString& path)
{
    auto stored = std::make_unique<TbsCompressedStoredSkin>();
    // A file that is neither kind is read as the kind its name says, so that
    // the error names what is wrong with it.
    const SkinFileKind kind = SkinFileKindOf(path);
    if (kind == SkinFileKind::SkinDefinition
        || (kind == SkinFileKind::NotASkin && path.endsWith(QStringLiteral(".ini"), Qt::CaseInsensitive)))
        stored->LoadFromSkinFile(path);
    else
        stored->LoadFromCompressedFile(path);
    form.bsSkinData1->SetCompressedStoredSkin(stored.get());
    delete form.findChild<TbsCompressedStoredSkin*>(QLatin1String(kFileSkinName), Qt::FindDirectChildrenOnly);
    stored->setObjectName(QLatin1String(kFileSkinName));
    stored.release()->setParent(&form);
}

} // namespace

void LoadSkinChoice(TForm1& form, const QString& choice)
{
    if (IsBuiltInSkinName(choice))
        LoadBuiltInSkin(form, choice);
    else
        LoadSkinFile(form, choice);
    form.setProperty(kChoiceProperty, choice);
}

QString ApplySkinChoice(TForm1& form, const QString& choice)
{
    if (choice.trimmed().isEmpty())
        return QStringLiteral("没有指定皮肤");
    const QFileInfo file(choice);
    if (!IsBuiltInSkinName(choice) && (!file.isFile() || !file.isReadable()))
        return QStringLiteral("文件不存在或无法读取");
    try {
        LoadSkinChoice(form, choice);
    } catch (const std::exception& error) {
        return SkinLoadFailureReason(error);
    }
    return {};
}

QString CurrentSkinChoice(const TForm1& form)
{
    const QString choice = form.property(kChoiceProperty).toString();
    return choice.isEmpty() ? QString::fromLatin1(kDefaultBuiltInSkinName) : choice;
}

void RememberSkinChoice(QSettings& settings, const QString& choice)
{
    settings.setValue(QLatin1String(kSkinSettingsKey),
        IsBuiltInSkinName(choice) ? choice : QFileInfo(choice).absoluteFilePath());
    // Written now: a program that is killed still starts with it next time.
    settings.sync();
}

QString RememberedSkinChoice(const QSettings& settings)
{
    return settings.value(QLatin1String(kSkinSettingsKey)).toString().trimmed();
}

StartSkin ApplyStartSkin(TForm1& form, const std::optional<QString>& commandLineChoice, QSettings& settings,
    bool remember)
{
    StartSkin start;
    start.fromCommandLine = commandLineChoice.has_value();
    start.choice = start.fromCommandLine ? *commandLineChoice : RememberedSkinChoice(settings);
    if (start.choice.isEmpty() && !start.fromCommandLine)
        return start;
    // A built-in skin that the window shows already is not loaded twice.
    if (!IsBuiltInSkinName(start.choice) || start.choice != CurrentSkinChoice(form))
        start.error = ApplySkinChoice(form, start.choice);
    if (start.error.isEmpty() && start.fromCommandLine && remember)
        RememberSkinChoice(settings, start.choice);
    return start;
}
