// Test main for widget tests: one QApplication on the offscreen platform, so the tests run
// without a display, and German as the locale of the program's texts.

#include <gtest/gtest.h>

#include <QApplication>

#include <clocale>
#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A UTF-8 locale, so new documents are UTF-8 whatever the machine's environment says.
    if (!std::setlocale(LC_ALL, "C.UTF-8")) std::setlocale(LC_ALL, "");
    setenv("LC_ALL", "C.UTF-8", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
