// main of the window test suites: a QApplication (offscreen unless a platform was chosen), a
// point locale, and GoogleTest.
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

int main(int argc, char **argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TPastaTemporariaDoProcesso pasta;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
