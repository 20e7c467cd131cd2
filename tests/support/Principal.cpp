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
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    return RUN_ALL_TESTS();
}
