#include "app/frame/translations.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

// Widget tests drive real windows on the offscreen platform.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Settings and recovery files go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    velbrant::installTranslations(app, velbrant::Language::German);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
