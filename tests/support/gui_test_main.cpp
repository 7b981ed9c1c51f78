#include "skin/accessibility/skin_accessibility.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run on Qt's offscreen platform, so they need no display and
// read their pixels back from grab().
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallSkinAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
