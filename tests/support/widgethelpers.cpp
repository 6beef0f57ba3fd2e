#include "tests/support/widgethelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

const QStringList &CalendarMonths()
{
    static const QStringList months{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December"),
    };
    return months;
}

int MonthNumber(const QString &name)
{
    return int(CalendarMonths().indexOf(name)) + 1;
}

QWidget *ExitScreenWidget()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("frmExitScreen"))
            return widget;
    }
    return nullptr;
}

bool ExitScreenVisible()
{
    QWidget *screen = ExitScreenWidget();
    return screen && screen->isVisible();
}

void DeleteAllWindows()
{
    // Menus and pop-ups are top-level too, but their window takes them along.
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (!widget->parentWidget())
            windows.append(widget);
    }
    for (const QPointer<QWidget> &window : windows)
        delete window;
}

QImage Normalised(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

void Pick(QComboBox *list, const QString &entry)
{
    list->setFocus();
    const int target = list->findText(entry);
    QVERIFY2(target >= 0, qPrintable(entry));
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < list->count() && list->currentIndex() != target; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), entry);
}

void TypeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

bool UnderWine()
{
#ifdef Q_OS_WIN
    // Wine's ntdll has an export of its own that Windows' lacks.
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}
