// One QApplication for every GUI test, on Qt's offscreen platform, so that the
// suites drive the real widgets without a display.

#include <gtest/gtest.h>

#include <QApplication>

#include "dialog_units.h"
#include "platform/translations.h"

int main(int argc, char** argv) {
    // Offscreen unless a platform is asked for (the X11 suite runs on xcb).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The session's own style and fonts must not change what the tests see.
    qunsetenv("QT_STYLE_OVERRIDE");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    kestrow::install_font_substitutes();
    kestrow::install_japanese_qt_translation();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
