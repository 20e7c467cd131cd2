// Entry of every test program: the Qt application object that the tested code expects.
#include <gtest/gtest.h>

#ifdef LETTROVA_TESTS_FENETRE
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

int main(int argc, char** argv) {
    // Listing the tests (ctest's discovery) runs outside the tests' pinned environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
