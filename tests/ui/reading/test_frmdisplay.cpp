// The reading window on its own: layout, initial state, the read-only
// boxes, the clipboard guard, the link labels and the two ways of closing.

#include "engine/catalogue.h"
#include "engine/gemstones.h"
#include "platform/weblinks.h"
#include "ui/reading/clipboardguard.h"
#include "ui/reading/frmDisplay.h"

#include "tests/support/testmain.h"
#include "tests/support/urlrecorder.h"
#include "tests/support/widgethelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

namespace {

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text();
}

bool ClipboardEmpty()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    return !data || data->formats().isEmpty();
}

} // namespace

class TestFrmDisplay : public QObject
{
    Q_OBJECT

private:
    // A shown reading window; the pointer clears itself when it is destroyed.
    QPointer<frmDisplay> m_window;

    frmDisplay *showWindow()
    {
        m_window = new frmDisplay;
        m_window->show();
        m_window->activateWindow();
        if (!QTest::qWaitForWindowExposed(m_window))
            return nullptr;
        return m_window;
    }

    template<typename T>
    T *findControl(const char *name)
    {
        return m_window ? m_window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }

private slots:
    void cleanup()
    {
        delete m_window;
        QGuiApplication::clipboard()->clear();
    }

    void window()
    {
        QVERIFY(showWindow());
        // Caption, icon, frame buttons and placement: see test_windows.
        QCOMPARE(m_window->size(), QSize(496, 360));
    }

    void initialState()
    {
        QVERIFY(showWindow());
        auto *tabs = findControl<QTabWidget>("SSTab1");
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Lifepath Number"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Birthday Number"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Gemstone For You"));
        QCOMPARE(tabs->currentIndex(), 1);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(tabs->tabBar()->tabTextColor(i), QColor(255, 0, 255));
        // All three tabs sit in one row, none scrolled out of sight.
        QCOMPARE(tabs->tabBar()->tabRect(0).top(), tabs->tabBar()->tabRect(2).top());
        QVERIFY(tabs->tabBar()->tabRect(2).right() < tabs->width());
        // Low tabs, as on the form: 18 pixels high.
        for (int i = 0; i < 3; ++i)
            QCOMPARE(tabs->tabBar()->tabRect(i).height(), 18);
        QTRY_VERIFY(tabs->hasFocus());

        QCOMPARE(findControl<QLabel>("lblLifePathNumber")->text(), QStringLiteral("12"));
        QCOMPARE(findControl<QLabel>("lblBirthdayNumber")->text(), QStringLiteral("12"));
        QCOMPARE(findControl<QLabel>("lblGemstoneName")->text(), QString());
        for (const char *box :
             {"txtLifeJourneyNumberDisplay", "txtLifeJourneyNumberDisplayDesc",
              "txtBirthdayNumberDisplay", "txtBirthdayNumberDisplayDesc", "txtGemstoneDesc"})
            QVERIFY2(findControl<QPlainTextEdit>(box)->toPlainText().isEmpty(), box);

        const QImage shown = findControl<QLabel>("picGem")->pixmap().toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(Normalised(shown), Normalised(QImage(GemPicturePath(2))));

        QCOMPARE(findControl<QLabel>("Label61")->text(), ForumAdvertisement());
        QVERIFY(findControl<QLabel>("lblCobrand")
                    ->text()
                    .contains(QStringLiteral(
                        "site's name &  link here. See \"Help\" for details.    Click")));
    }

    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("reference"); // empty: the window
        QTest::addColumn<QRect>("place");

        const QString window;
        const QString tabs = QStringLiteral("SSTab1");
        // clang-format off
        QTest::newRow("Frame2") << "Frame2" << window << QRect(0, 0, 497, 41);
        QTest::newRow("Label61") << "Label61" << "Frame2" << QRect(8, 8, 480, 39);
        QTest::newRow("Label1") << "Label1" << window << QRect(104, 48, 281, 16);
        QTest::newRow("SSTab1") << "SSTab1" << window << QRect(0, 72, 497, 185);
        QTest::newRow("cmdback") << "cmdback" << window << QRect(0, 264, 497, 41);
        QTest::newRow("fraFullBrand") << "fraFullBrand" << window << QRect(0, 304, 497, 57);
        QTest::newRow("lblCobrand") << "lblCobrand" << "fraFullBrand" << QRect(8, 11, 479, 41);
        QTest::newRow("lblFullBrand") << "lblFullBrand" << "fraFullBrand" << QRect(8, 11, 479, 41);
        // clang-format on

        // Pages 0 and 1 share one layout, placed from the tab control's corner.
        const QStringList pages[] = {
            {QStringLiteral("Frame1"), QStringLiteral("lblLifePathNumber"),
             QStringLiteral("Label4"), QStringLiteral("txtLifeJourneyNumberDisplay"),
             QStringLiteral("Label5"), QStringLiteral("txtLifeJourneyNumberDisplayDesc")},
            {QStringLiteral("Frame3"), QStringLiteral("lblBirthdayNumber"),
             QStringLiteral("Label6"), QStringLiteral("txtBirthdayNumberDisplay"),
             QStringLiteral("Label7"), QStringLiteral("txtBirthdayNumberDisplayDesc")},
        };
        for (const QStringList &page : pages) {
            // clang-format off
            QTest::newRow(qPrintable(page[0])) << page[0] << tabs << QRect(8, 24, 97, 149);
            QTest::newRow(qPrintable(page[1])) << page[1] << page[0] << QRect(8, 32, 68, 59);
            QTest::newRow(qPrintable(page[2])) << page[2] << tabs << QRect(112, 32, 68, 13);
            QTest::newRow(qPrintable(page[3])) << page[3] << tabs << QRect(112, 48, 375, 53);
            QTest::newRow(qPrintable(page[4])) << page[4] << tabs << QRect(112, 104, 79, 13);
            QTest::newRow(qPrintable(page[5])) << page[5] << tabs << QRect(112, 120, 375, 53);
            // clang-format on
        }
        // clang-format off
        QTest::newRow("Label2") << "Label2" << tabs << QRect(16, 24, 65, 13);
        QTest::newRow("lblGemstoneName") << "lblGemstoneName" << tabs << QRect(16, 40, 321, 41);
        QTest::newRow("Label3") << "Label3" << tabs << QRect(16, 80, 143, 13);
        QTest::newRow("txtGemstoneDesc") << "txtGemstoneDesc" << tabs << QRect(16, 96, 319, 77);
        QTest::newRow("picGem") << "picGem" << tabs << QRect(352, 32, 120, 90);
        // clang-format on
    }

    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QString, reference);
        QFETCH(QRect, place);
        QVERIFY(showWindow());
        // Pages are laid out when first shown.
        auto *tabs = findControl<QTabWidget>("SSTab1");
        for (int i : {0, 2, 1})
            tabs->setCurrentIndex(i);

        auto *widget = m_window->findChild<QWidget *>(control);
        QVERIFY(widget);
        QWidget *base =
            reference.isEmpty() ? m_window.data() : m_window->findChild<QWidget *>(reference);
        QVERIFY(base);
        const QRect actual(widget->mapTo(base, QPoint(0, 0)), widget->size());
        QCOMPARE(actual, place);
        // Shown again (restored after it was minimised), nothing moves.
        m_window->hide();
        m_window->show();
        QCOMPARE(QRect(widget->mapTo(base, QPoint(0, 0)), widget->size()), place);
        // Headings keep their place; a wider font than the form's is made
        // smaller until the text fits.
        if (control.startsWith(QLatin1String("Label"))) {
            auto *heading = qobject_cast<QLabel *>(widget);
            const QFontMetrics metrics(heading->font());
            const QRect area = heading->contentsRect();
            if (heading->wordWrap())
                QVERIFY(metrics.boundingRect(area, Qt::TextWordWrap, heading->text()).height()
                        <= area.height());
            else
                QVERIFY(metrics.horizontalAdvance(heading->text()) <= area.width());
        }
        // Nothing on a page may hide under the tab row or below the page.
        QWidget *page = tabs->isAncestorOf(widget) ? widget->parentWidget() : nullptr;
        if (page && page->parentWidget() && page->parentWidget()->inherits("QStackedWidget"))
            QVERIFY2(page->rect().contains(widget->geometry()),
                     qPrintable(QStringLiteral("%1 lies outside its page").arg(control)));
    }

    // Colours through the palette, fonts as drawn: no label carries a style
    // sheet (one took the gemstone's name out of its font).
    void labelLook_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("mayShrink"); // a heading made smaller to fit

        const QColor darkPurple(64, 0, 64), darkGreen(0, 64, 0), purple(128, 0, 128),
            magenta(255, 0, 255);
        // clang-format off
        QTest::newRow("Label61") << "Label61" << darkPurple << 8.25 << true << true;
        QTest::newRow("Label1") << "Label1" << darkGreen << 9.75 << true << true;
        QTest::newRow("lblLifePathNumber") << "lblLifePathNumber" << purple << 36.0 << true << false;
        QTest::newRow("lblBirthdayNumber") << "lblBirthdayNumber" << purple << 36.0 << true << false;
        // clang-format on
        for (const char *heading : {"Label4", "Label5", "Label6", "Label7"})
            // clang-format off
            QTest::newRow(heading) << heading << darkGreen << 8.25 << false << true;
        QTest::newRow("Label2") << "Label2" << darkPurple << 8.25 << true << true;
        QTest::newRow("Label3") << "Label3" << darkPurple << 8.25 << true << true;
        QTest::newRow("lblGemstoneName") << "lblGemstoneName" << magenta << 8.25 << false << false;
        QTest::newRow("lblCobrand") << "lblCobrand" << purple << 8.25 << true << false;
        QTest::newRow("lblFullBrand") << "lblFullBrand" << purple << 8.25 << true << false;
        // clang-format on
    }

    void labelLook()
    {
        QFETCH(QString, label);
        QFETCH(QColor, colour);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, mayShrink);
        QVERIFY(showWindow());
        auto *widget = m_window->findChild<QLabel *>(label);
        QVERIFY(widget);
        QVERIFY(widget->styleSheet().isEmpty());
        QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
        const QFont font = widget->font();
        QCOMPARE(font.family(), QStringLiteral("Verdana"));
        QCOMPARE(font.bold(), bold);
        if (mayShrink)
            QVERIFY(font.pointSizeF() <= points && font.pointSizeF() >= points - 1.5);
        else
            QCOMPARE(font.pointSizeF(), points);
    }

    void textBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("tab");
        // clang-format off
        QTest::newRow("life path significance") << "txtLifeJourneyNumberDisplay" << 0;
        QTest::newRow("life path interpretation") << "txtLifeJourneyNumberDisplayDesc" << 0;
        QTest::newRow("birthday significance") << "txtBirthdayNumberDisplay" << 1;
        QTest::newRow("birthday interpretation") << "txtBirthdayNumberDisplayDesc" << 1;
        QTest::newRow("gemstone description") << "txtGemstoneDesc" << 2;
        // clang-format on
    }

    // Locked: the user can select and copy but never change the text.
    void textBoxes()
    {
        QFETCH(QString, box);
        QFETCH(int, tab);
        QVERIFY(showWindow());
        findControl<QTabWidget>("SSTab1")->setCurrentIndex(tab);
        auto *edit = m_window->findChild<QPlainTextEdit *>(box);
        QVERIFY(edit);
        edit->setPlainText(QStringLiteral("A line of the reading. ").repeated(30));

        QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(edit->verticalScrollBar()->isVisible());
        QVERIFY(edit->verticalScrollBar()->maximum() > 0);

        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        const QString before = edit->toPlainText();
        QTest::keyClicks(edit, QStringLiteral("xyz"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->toPlainText(), before);

        QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("A "));
    }

    void clipboardGuard_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("guarded");

        const struct
        {
            const char *box;
            int tab;
            bool guarded;
        } boxes[] = {
            {"txtLifeJourneyNumberDisplay", 0, true},
            {"txtBirthdayNumberDisplay", 1, true},
            {"txtGemstoneDesc", 2, true},
            {"txtLifeJourneyNumberDisplayDesc", 0, false},
            {"txtBirthdayNumberDisplayDesc", 1, false},
        };
        for (const auto &b : boxes) {
            for (const char *action : {"move", "edge", "press", "release", "drag", "change"})
                // clang-format off
                QTest::addRow("%s %s", b.box, action) << b.box << b.tab << action << b.guarded;
            // clang-format on
        }
    }

    void clipboardGuard()
    {
        QFETCH(QString, box);
        QFETCH(int, tab);
        QFETCH(QString, action);
        QFETCH(bool, guarded);
        const bool moves = action == QLatin1String("move") || action == QLatin1String("edge");
        if (moves && guarded && UnderWine())
            QSKIP("Under Wine a pointer moved without a button reaches the window late or never");
        QVERIFY(showWindow());
        findControl<QTabWidget>("SSTab1")->setCurrentIndex(tab);
        auto *edit = m_window->findChild<QPlainTextEdit *>(box);
        QVERIFY(edit);
        edit->setPlainText(QStringLiteral("Some text of the reading."));
        QWidget *area = edit->viewport();
        const QPoint inside = area->rect().center();
        // The frame round the text belongs to the box, not its viewport.
        const QPoint edge(0, edit->height() / 2);
        if (action == QLatin1String("edge"))
            QTest::mouseMove(edit, edge);
        else
            QTest::mouseMove(area, inside + QPoint(-20, 0));
        const int caret = edit->textCursor().position();

        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        QCOMPARE(ClipboardText(), QStringLiteral("copied elsewhere"));

        if (action == QLatin1String("move")) {
            QTest::mouseMove(area, inside);
        } else if (action == QLatin1String("edge")) {
            QVERIFY(edit->frameWidth() > 0);
            QTest::mouseMove(edit, edge + QPoint(0, 3));
        } else if (action == QLatin1String("press")) {
            QTest::mousePress(area, Qt::LeftButton, {}, inside);
            QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
            QTest::mouseRelease(area, Qt::LeftButton, {}, inside);
        } else if (action == QLatin1String("release")) {
            QTest::mousePress(area, Qt::RightButton, {}, inside);
            QTest::mouseRelease(area, Qt::RightButton, {}, inside);
        } else if (action == QLatin1String("drag")) {
            QTest::mousePress(area, Qt::LeftButton, {}, inside);
            QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
            QTest::mouseMove(area, inside + QPoint(5, 0));
            QTest::mouseRelease(area, Qt::LeftButton, {}, inside + QPoint(5, 0));
        } else {
            edit->setPlainText(QStringLiteral("Another text."));
        }

        if (guarded)
            QVERIFY2(ClipboardEmpty(), qPrintable(ClipboardText()));
        else
            QCOMPARE(ClipboardText(), QStringLiteral("copied elsewhere"));

        if (moves) {
            // The guard leaves the box itself alone.
            QCOMPARE(edit->textCursor().position(), caret);
            QCOMPARE(edit->toPlainText(), QStringLiteral("Some text of the reading."));
        }
    }

    // Copying from an interpretation works and survives until a guarded
    // box is touched.
    void copyFromInterpretation()
    {
        QVERIFY(showWindow());
        findControl<QTabWidget>("SSTab1")->setCurrentIndex(1);
        auto *interpretation = findControl<QPlainTextEdit>("txtBirthdayNumberDisplayDesc");
        auto *significance = findControl<QPlainTextEdit>("txtBirthdayNumberDisplay");
        interpretation->setPlainText(QStringLiteral("You are born to lead."));
        significance->setPlainText(QStringLiteral("Middle years."));
        QCoreApplication::processEvents(); // the guard's second emptying after the change

        interpretation->setFocus();
        QTRY_VERIFY(interpretation->hasFocus());
        QTest::keyClick(interpretation, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(interpretation, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ClipboardText(), QStringLiteral("You are born to lead."));

        QTest::mouseMove(interpretation->viewport(), QPoint(10, 10));
        QTest::mouseMove(findControl<QPushButton>("cmdback"), QPoint(10, 10));
        QCOMPARE(ClipboardText(), QStringLiteral("You are born to lead."));

        if (UnderWine())
            QSKIP("Under Wine a pointer moved without a button reaches the window late or never");
        QTest::mouseMove(significance->viewport(), QPoint(10, 10));
        QVERIFY(ClipboardEmpty());
    }

    // The box handles each event after the guard has seen it, and may put
    // text on the clipboard or (X11) into the primary selection then: the
    // guard empties once more when the event is done.
    void guardEmptiesAgainAfterTheBox()
    {
        struct LeakingBox : QPlainTextEdit
        {
            void mouseReleaseEvent(QMouseEvent *event) override
            {
                QPlainTextEdit::mouseReleaseEvent(event);
                QClipboard *clipboard = QGuiApplication::clipboard();
                clipboard->setText(QStringLiteral("put there by the box"));
                if (clipboard->supportsSelection())
                    clipboard->setText(QStringLiteral("selected in the box"),
                                       QClipboard::Selection);
            }
        } box;
        box.setPlainText(QStringLiteral("Some text of the reading."));
        GuardClipboard(&box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY2(ClipboardEmpty(), qPrintable(ClipboardText()));
        if (QGuiApplication::clipboard()->supportsSelection())
            QTRY_VERIFY(QGuiApplication::clipboard()->text(QClipboard::Selection).isEmpty());
    }

    // The focus rule natively on Wayland: each time the window gets the
    // focus the clipboard is emptied, but not when the focus comes back
    // from a popup of the program, such as a box's context menu with Copy.
    void guardOnFocus_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("another window") << "window";
        QTest::newRow("the window's popup") << "popup";
    }
    void guardOnFocus()
    {
        QFETCH(QString, from);
        QWidget window;
        GuardClipboardOnFocus(&window);
        GuardClipboardOnFocus(&window); // once per window, however often asked
        QWidget other;
        QMenu popup(&window);
        popup.addAction(QStringLiteral("Copy"));
        for (QWidget *w : {static_cast<QWidget *>(&other), static_cast<QWidget *>(&window)}) {
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w));
        }
        const auto focusTo = [](QWidget *w) {
            w->windowHandle()->requestActivate();
            return QTest::qWaitFor(
                [w] { return QGuiApplication::focusWindow() == w->windowHandle(); });
        };
        QVERIFY(focusTo(&other));

        // A key stands for any input of the window; a popup opens on one.
        const auto input = [&window] { QTest::keyClick(window.windowHandle(), Qt::Key_Shift); };
        QWidget *before = &other;
        if (from == QLatin1String("popup")) {
            QVERIFY(focusTo(&window));
            input();
            popup.popup(window.mapToGlobal(QPoint(10, 10)));
            QVERIFY(QTest::qWaitForWindowExposed(&popup));
            before = &popup;
            QVERIFY(focusTo(before));
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        popup.close();
        QVERIFY(focusTo(&window));
        if (from == QLatin1String("popup"))
            QCOMPARE(ClipboardText(), QStringLiteral("copied elsewhere"));
        else
            QVERIFY2(ClipboardEmpty(), qPrintable(ClipboardText()));
        // A compositor may drop that emptying (it came with no input of the
        // program): it is made again at the window's first input, not later.
        const auto copiedThenInput = [&input](const char *text) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
            input();
            return ClipboardText();
        };
        QCOMPARE(copiedThenInput("copied before any input"),
                 from == QLatin1String("popup") ? QStringLiteral("copied before any input")
                                                : QString());
        QCOMPARE(copiedThenInput("copied after one"), QStringLiteral("copied after one"));
        // Going to another window and back is a new activation.
        QGuiApplication::clipboard()->setText(QStringLiteral("copied elsewhere"));
        QVERIFY(focusTo(&other));
        QCOMPARE(ClipboardText(), QStringLiteral("copied elsewhere"));
        QVERIFY(focusTo(&window));
        QVERIFY2(ClipboardEmpty(), qPrintable(ClipboardText()));
    }

    // A selection made from the keyboard in a guarded box leaves the
    // clipboard alone (Ctrl+C there works until the next mouse event) but
    // never stays in the primary selection; an interpretation's does.
    void keyboardSelection()
    {
        QVERIFY(showWindow());
        findControl<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QClipboard *clipboard = QGuiApplication::clipboard();
        const bool primary = clipboard->supportsSelection();
        for (const char *name : {"txtBirthdayNumberDisplay", "txtBirthdayNumberDisplayDesc"}) {
            const bool guarded = qstrcmp(name, "txtBirthdayNumberDisplay") == 0;
            auto *box = findControl<QPlainTextEdit>(name);
            box->setPlainText(QStringLiteral("Middle years."));
            QCoreApplication::processEvents();
            box->setFocus();
            QTRY_VERIFY(box->hasFocus());
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            QCoreApplication::processEvents();
            QCOMPARE(ClipboardText(), QStringLiteral("Middle years."));
            if (primary)
                QCOMPARE(clipboard->text(QClipboard::Selection),
                         guarded ? QString() : QStringLiteral("Middle years."));
            QCOMPARE(box->textCursor().selectedText(), QStringLiteral("Middle years."));
        }
    }

    void focusOrder()
    {
        QVERIFY(showWindow());
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        auto *tabs = findControl<QTabWidget>("SSTab1");
        QTRY_VERIFY(tabs->hasFocus());
        // The links follow the form's own order; of the two offers only the
        // one in front is a stop.
        const char *order[] = {"cmdback",
                               "txtLifeJourneyNumberDisplay",
                               "txtBirthdayNumberDisplay",
                               "txtGemstoneDesc",
                               "txtLifeJourneyNumberDisplayDesc",
                               "txtBirthdayNumberDisplayDesc",
                               "Label61",
                               "lblCobrand"};
        // Boxes on hidden pages cannot take the focus, so the chain is
        // walked once per page, skipping the boxes that are out of sight.
        for (int page = 0; page < 3; ++page) {
            tabs->setCurrentIndex(page);
            tabs->setFocus();
            QTRY_VERIFY(tabs->hasFocus());
            QString previous = tabs->objectName();
            for (const char *name : order) {
                auto *widget = m_window->findChild<QWidget *>(QString::fromLatin1(name));
                if (!widget->isVisibleTo(m_window))
                    continue;
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QVERIFY2(widget->hasFocus(),
                         qPrintable(QStringLiteral("after %1 expected %2, got %3")
                                        .arg(previous, QLatin1String(name),
                                             QApplication::focusWidget()->objectName())));
                previous = widget->objectName();
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(tabs->hasFocus(), qPrintable(QApplication::focusWidget()->objectName()));
        }
    }

    void linkLabels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("address");
        // clang-format off
        QTest::newRow("forum advertisement") << "Label61" << ForumSite();
        QTest::newRow("bottom band") << "fraFullBrand" << HelpSite() + QStringLiteral("/co-brand.html");
        // clang-format on
    }

    void linkLabels()
    {
        QFETCH(QString, label);
        QFETCH(QString, address);
        QVERIFY(showWindow());
        UrlRecorder urls;
        auto *target = m_window->findChild<QWidget *>(label);
        QVERIFY(target);
        // Click where the user would: wherever the text is, whichever label is there.
        const QPoint centre = target->rect().center();
        QWidget *hit = target->childAt(centre) ? target->childAt(centre) : target;
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(target, centre));
        QTRY_COMPARE(urls.urls().size(), 1);
        QCOMPARE(urls.urls().first().toString(QUrl::StripTrailingSlash), address);
        QVERIFY(m_window->isVisible());
    }

    void closing_data()
    {
        QTest::addColumn<bool>("back");
        // clang-format off
        QTest::newRow("close box") << false;
        QTest::newRow("Back") << true;
        // clang-format on
    }

    // Back tells only that the user went back; any other closing tells only
    // that it closed. Either way it is gone.
    void closing()
    {
        QFETCH(bool, back);
        QVERIFY(showWindow());
        QStringList told;
        connect(m_window, &frmDisplay::closed, this, [&told] { told << QStringLiteral("closed"); });
        connect(m_window, &frmDisplay::back, this, [&told] { told << QStringLiteral("back"); });

        if (back)
            QTest::mouseClick(findControl<QPushButton>("cmdback"), Qt::LeftButton);
        else
            m_window->windowHandle()->close();

        QTRY_VERIFY(m_window.isNull());
        QCOMPARE(told, QStringList{back ? QStringLiteral("back") : QStringLiteral("closed")});
    }

    void backKey()
    {
        QVERIFY(showWindow());
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QSignalSpy back(m_window.data(), &frmDisplay::back);
        QTest::keyClick(m_window, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(m_window.isNull());
        QCOMPARE(back.count(), 1);
    }
};

GEMVARA_TEST_MAIN(TestFrmDisplay)
#include "test_frmdisplay.moc"
