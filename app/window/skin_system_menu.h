#pragma once

#include "skin/menus/menu_item.h"

#include <QObject>
#include <QString>
#include <functional>

class TForm1;

// The window's own rows of its system menu, which the frame puts between its
// standard rows: a "皮肤" submenu listing the built-in skins, the one in use
// checked, and "打开皮肤文件…", which asks for a skin file. A choice is put
// on the window once the menu has closed.
class SkinSystemMenu : public QObject {
    Q_OBJECT

public:
    // The rows live as long as the window, longer than its frame controller.
    explicit SkinSystemMenu(TForm1& form);

    // The "皮肤" submenu.
    TbsMenuItem& Skins() const { return *m_skins; }

    // Asks the user for a skin file; empty when the user cancels. The window
    // shows a file dialog; tests answer in its place.
    std::function<QString()> AskForSkinFile;

private:
    void CheckSkinInUse();
    void ChooseLater(const QString& choice);
    void OpenSkinFile();
    QString AskWithFileDialog();

    TForm1& m_form;
    TbsMenuItem m_rows;
    TbsMenuItem* m_skins { nullptr };
    QString m_lastFolder;
};
