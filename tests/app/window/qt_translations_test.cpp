#include "app/window/qt_translations.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

TEST(QtTranslationsTest, QtsOwnTextsReadInTheUsersLanguageAndStayEnglishWithoutATranslation)
{
    QTranslator* chinese = InstallQtTranslations(QLocale(QLocale::Chinese, QLocale::China));
    ASSERT_NE(chinese, nullptr) << "qtbase_zh_CN.qm not found (Debian: qt6-translations-l10n)";
    // What the standard buttons and the file dialog show.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    EXPECT_TRUE(QCoreApplication::translate("QFileDialog", "File &name:").startsWith(QStringLiteral("文件名称")));
    EXPECT_TRUE(QCoreApplication::translate("QFileDialog", "Look in:").startsWith(QStringLiteral("查找范围")));
    QCoreApplication::removeTranslator(chinese);
    delete chinese;

    EXPECT_EQ(InstallQtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)), nullptr);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}
