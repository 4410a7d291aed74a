// The main of every test binary: Qt on the offscreen platform, a Japanese default
// locale, and a data home of its own so that no test reaches the user's real data.
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid()) return 3;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit().constData(), 1);
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
