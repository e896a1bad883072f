#include <QApplication>

#include <gtest/gtest.h>

#include <clocale>

// Every suite runs with a QApplication so windows can be built offscreen, and
// with the C library's locale taken from the environment, as the program
// gets it from QApplication: under LANG=fr_FR.UTF-8 a conversion that
// follows the locale reads and writes "," and the tests catch it.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
