#include "app/dialogs/about_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace velbrant::test {
namespace {

TEST(AboutBox, TheDogRunsInFramesTwoToSevenAndComesBackFromTheRight) {
    DogAnimation dog;
    {
        AboutDialog box(dog);
        box.show();
        auto* picture = box.findChild<QLabel*>("Dog");
        EXPECT_FALSE(box.isRunning());
        QTest::mouseClick(picture, Qt::LeftButton);
        EXPECT_TRUE(box.isRunning());
        box.step();
        EXPECT_EQ(dog.frame, 2);
        EXPECT_EQ(dog.position, 198);
        EXPECT_EQ(picture->property("frame").toInt(), 2);
        for (int i = 0; i < 5; ++i)
            box.step();
        EXPECT_EQ(dog.frame, 7);
        box.step();
        EXPECT_EQ(dog.frame, 2);
        dog.position = -50;
        box.step();
        EXPECT_EQ(dog.position, 300);
        EXPECT_EQ(picture->x(), 300 - 8);
        box.hide();
        EXPECT_FALSE(box.isRunning());
    }
    AboutDialog again(dog);
    again.show();
    EXPECT_FALSE(again.isRunning());
    again.step();
    EXPECT_EQ(dog.frame, 4); // the frame number is kept across openings
    EXPECT_EQ(dog.position, 198);
    EXPECT_EQ(again.findChild<QLabel*>("Version")->text(), "Version " VELBRANT_VERSION);
}

} // namespace
} // namespace velbrant::test
