#include "skin/accessibility/skin_accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

// Tests of what assistive technology hears run where Qt's accessibility
// bridge is really active: on a display, with an accessibility bus (see
// run_on_accessibility_bus.sh). The offscreen platform has no bridge, and
// without an active one Qt drops every accessibility event.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallSkinAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) {
        std::fprintf(stderr, "FAIL: the accessibility bridge never became active; is there an accessibility bus?\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
