#include "skin/controls/align_layout.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

// A control stacked against an edge that changes its own height (a skin
// change gives a gauge its face's height) moves the edge of the control
// filling the rest, and stays inside its parent.
TEST(AlignLayout, AControlThatResizesItselfIsLaidOutAgain)
{
    QWidget parent;
    auto* layout = new TAlignLayout(&parent);
    auto* top = new QWidget;
    auto* bottom = new QWidget;
    auto* client = new QWidget;
    top->resize(100, 30);
    bottom->resize(100, 20);
    layout->AddControl(top, TAlign::alTop);
    layout->AddControl(bottom, TAlign::alBottom);
    layout->AddControl(client, TAlign::alClient);
    parent.resize(200, 300);
    parent.show();
    QApplication::processEvents();
    ASSERT_EQ(bottom->geometry(), QRect(0, 280, 200, 20));
    ASSERT_EQ(client->geometry(), QRect(0, 30, 200, 250));

    bottom->resize(bottom->width(), 32);
    QApplication::processEvents();
    EXPECT_EQ(bottom->geometry(), QRect(0, 268, 200, 32));
    EXPECT_EQ(client->geometry(), QRect(0, 30, 200, 238));
}
