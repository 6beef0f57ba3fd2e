#pragma once

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

// Like QTEST_MAIN, but settings go to Qt's test location, never to the
// real user's configuration, under an organisation's name as the
// program's do, and the month list and built-in texts are English whatever
// the machine's locale.
#define GEMVARA_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QStandardPaths::setTestModeEnabled(true);                                                  \
        QApplication app(argc, argv);                                                              \
        QCoreApplication::setOrganizationName(QStringLiteral("GemvaraTests"));                     \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
