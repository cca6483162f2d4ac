#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Window tests never need a display, also when the suite is only listed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
