#include "app/window/skin_system_menu.h"

#include "app/window/form1.h"
#include "app/window/skin_choice.h"
#include "app/window/skin_switch.h"
#include "skin/frame/skin_form.h"
#include "skins/built_in_skins.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

const QString kSkinRowName = QStringLiteral("skin:");

} // namespace

SkinSystemMenu::SkinSystemMenu(TForm1& form)
    : QObject(&form)
    , m_form(form)
{
    AskForSkinFile = [this] { return AskWithFileDialog(); };
    m_rows.AddSeparator();
    // The submenu's rows are brought up to date each time it opens.
    m_skins = m_rows.Add(QStringLiteral("皮肤"), [this] { CheckSkinInUse(); });
    m_rows.AddSeparator();

    for (const QString& name : BuiltInSkinNames()) {
        TbsMenuItem* row = m_skins->Add(BuiltInSkinTitle(name), [this, name] { ChooseLater(name); });
        row->SetName(kSkinRowName + name);
        row->SetRadioItem(true);
    }
    m_skins->AddSeparator();
    // The dialog waits for the user; it opens once the menu's own event
    // handling has finished.
    m_skins->Add(QStringLiteral("打开皮肤文件…"),
        [this] { QMetaObject::invokeMethod(this, &SkinSystemMenu::OpenSkinFile, Qt::QueuedConnection); });

    CheckSkinInUse();
    m_form.bsSkinForm1->SetSystemMenu(&m_rows);
    m_form.bsSkinForm1->SetUseDefaultSysMenu(true);
}

void SkinSystemMenu::CheckSkinInUse()
{
    const QString inUse = kSkinRowName + CurrentSkinChoice(m_form);
    for (int i = 0; i < m_skins->Count(); ++i) {
        TbsMenuItem* row = m_skins->Items(i);
        if (row->Name().startsWith(kSkinRowName))
            row->SetChecked(row->Name() == inUse);
    }
}

void SkinSystemMenu::ChooseLater(const QString& choice)
{
    // The menu's own event handling finishes before the window changes skin.
    QMetaObject::invokeMethod(this, [this, choice] { SwitchSkin(m_form, choice); }, Qt::QueuedConnection);
}

void SkinSystemMenu::OpenSkinFile()
{
    const QString path = AskForSkinFile();
    // Nothing hands the activation back to the window when the dialog
    // closes, so it would stay inactive until clicked; it takes it itself.
    m_form.activateWindow();
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    SwitchSkin(m_form, path);
}

QString SkinSystemMenu::AskWithFileDialog()
{
    return QFileDialog::getOpenFileName(&m_form, QStringLiteral("打开皮肤文件"), m_lastFolder,
        QStringLiteral("皮肤文件 (*.skn skin.ini);;所有文件 (*)"));
}
