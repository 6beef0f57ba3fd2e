#pragma once

// Small helpers the widget tests share: finding controls by objectName,
// finding top-level windows, and entering values as a user does.

#include <QApplication>
#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;

// The month list as the main window offers it in English, January first.
const QStringList &CalendarMonths();
// A month's number (1 for January) by its English name; 0 for any other text.
int MonthNumber(const QString &name);

// The control named `name` below `parent`; a missing one ends the test run,
// since every later check on it would be meaningless.
template<typename T = QWidget>
T *Child(const QObject *parent, const char *name)
{
    T *child = parent->findChild<T *>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

template<typename T = QWidget>
T *Child(const QObject &parent, const char *name)
{
    return Child<T>(&parent, name);
}

// Every top-level widget of type T, shown or not.
template<typename T>
QList<T *> TopLevels()
{
    QList<T *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *typed = qobject_cast<T *>(widget))
            found.append(typed);
    }
    return found;
}

// The exit screen if it was ever created; found by class name so that tests
// which do not link it can still ask.
QWidget *ExitScreenWidget();
bool ExitScreenVisible();

// Deletes every window of the program, shown or hidden (a test's clean-up
// after the navigator has opened some).
void DeleteAllWindows();

// Pictures compared pixel by pixel, whatever format they were drawn in.
QImage Normalised(const QImage &image);

// Picks an entry the way a user does with the keyboard: focus the list and
// step down from the top until the entry is the current one.
void Pick(QComboBox *list, const QString &entry);

// Replaces the text of a line box by typing.
void TypeInto(QLineEdit *box, const QString &text);

// Whether this is a Windows build running under Wine. Without a display
// there, a pointer moved without a button (QTest does it through the
// system's cursor) reaches the window seconds later or not at all, so
// checks of what hovering does cannot run.
bool UnderWine();
