// Every window and message in each language the program speaks: nothing is
// left in English but names and addresses, and every text fits its control
// at a readable size, English included, at the size that QLabel's own size
// hints decide.

#include "engine/reading.h"
#include "platform/updatereminder.h"
#include "ui/app/caption.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/app/language.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/exit/tellafriend.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/main/validation.h"
#include "ui/reading/frmDisplay.h"
#include "ui/widgets/fittext.h"

#include "tests/support/testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QSettings>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// One text the user meets, and whether it fits where it is shown.
struct Shown
{
    QString text;
    bool fits = true;
    double points = 0;          // the font's size, 0 where it is not fitted
    QString misfit = QString(); // where the fit and QLabel's own size hints part
    bool bold = true;           // drawn in bold faces where its font is bold
};
using Texts = QMap<QString, Shown>;

bool Wraps(const QFontMetrics &metrics, const QRect &area, const QString &text, int flags = 0)
{
    const QRect needed = metrics.boundingRect(area, flags | Qt::TextWordWrap, text);
    return needed.height() <= area.height() && needed.width() <= area.width();
}

// What a label's parent cuts off below it, twice that where the text is
// centred: its lines must stay clear of it.
int Cut(const QLabel *label)
{
    const int cut =
        std::max(0, label->geometry().bottom() - label->parentWidget()->rect().bottom());
    return (label->alignment() & Qt::AlignVCenter ? 2 : 1) * cut;
}

// The size the fit decided by asking the label's own size hints at every
// quarter point down from the form's size, before it laid the text out
// once: the first at which the text fits, but not below 7 pt.
double HintedSize(QLabel *label, double from)
{
    const auto fits = [label] {
        const int room = label->height() - Cut(label);
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= room
                   && label->minimumSizeHint().width() <= label->width();
        const QSize needed = label->sizeHint();
        return needed.width() <= label->width()
               && (!label->font().underline() || needed.height() <= room);
    };
    QFont font = label->font();
    double points = from;
    for (;; points -= 0.25) {
        font.setPointSizeF(points);
        label->setFont(font);
        if (fits() || points - 0.25 < 7)
            break;
    }
    return points;
}

// Where fitting the shown label from its form's size ends elsewhere than
// its own size hints decide: at its size, and squeezed to three quarters
// of it, where the text must shrink.
QString Misfit(QLabel *label, double from)
{
    const QFont shown = label->font();
    const QRect place = label->geometry();
    QStringList found;
    for (const QSize size : {place.size(), place.size() * 3 / 4}) {
        label->resize(size);
        QFont font = shown;
        font.setPointSizeF(from);
        label->setFont(font);
        FitTextToLabel(label);
        const double fitted = label->font().pointSizeF();
        const double hinted = HintedSize(label, from);
        if (fitted != hinted)
            found << QStringLiteral("fitted %1 pt in %2 x %3, its hints %4 pt")
                         .arg(fitted)
                         .arg(size.width())
                         .arg(size.height())
                         .arg(hinted);
    }
    label->setGeometry(place);
    label->setFont(shown);
    return found.join(QLatin1String(", "));
}

// The weight a face declares for itself (its OS/2 table's weight class):
// a regular face that is thickened to look bold keeps its regular weight.
int FaceWeight(const QRawFont &font)
{
    const QByteArray os2 = font.fontTable("OS/2");
    return os2.size() < 6 ? 0 : quint8(os2.at(4)) << 8 | quint8(os2.at(5));
}

// Whether text in a bold font is drawn in faces of their own bold, not in
// a face without one that is thickened (as Lohit Devanagari is).
bool DrawnBold(const QWidget *widget, const QString &text)
{
    if (!widget->font().bold())
        return true;
    QTextLayout layout(WithoutMnemonic(text), widget->font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
        line.setLineWidth(widget->width());
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    return std::all_of(runs.cbegin(), runs.cend(), [](const QGlyphRun &run) {
        return FaceWeight(run.rawFont()) >= QFont::DemiBold;
    });
}

// made: each label's size as its form made it, before it was shown.
void Collect(QWidget *window, Texts &texts, const QHash<QLabel *, double> &made)
{
    texts[QStringLiteral("title")] = {window->windowTitle()};
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const QString name = w->objectName();
        const QFontMetrics metrics = w->fontMetrics();
        const QRect area = w->contentsRect();
        // What screen readers hear of what is on screen (a tab bar's scroll
        // buttons, hidden while every tab fits, are not).
        const bool onScreen = w->isVisibleTo(window);
        if (onScreen && !w->accessibleName().isEmpty())
            texts[name + QStringLiteral(" name")] = {w->accessibleName()};
        if (onScreen && !w->accessibleDescription().isEmpty())
            texts[name + QStringLiteral(" description")] = {w->accessibleDescription()};
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            // Lines, and their underlines, where the parent still shows them;
            // the offer behind the other is fitted once it comes in front.
            QRect shown = area;
            shown.setHeight(area.height() - Cut(label));
            const QRect line = metrics.boundingRect(shown, 0, label->text());
            const bool fits = label->isHidden()
                              || (label->wordWrap() ? Wraps(metrics, shown, label->text())
                                                    : line.width() <= area.width()
                                                          && (!label->font().underline()
                                                              || line.height() <= shown.height()));
            texts[name] = {label->text(), fits, label->font().pointSizeF(),
                           label->isVisible() ? Misfit(label, made.value(label)) : QString(),
                           DrawnBold(label, label->text())};
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            QStyleOptionButton option;
            option.initFrom(check);
            const QRect room =
                check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
            texts[name] = {check->text(), metrics.horizontalAdvance(WithoutMnemonic(check->text()))
                                              <= room.width()};
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            // The big button wraps its caption; the others keep it on one line.
            const bool fits =
                button->inherits("WrapButton")
                    ? Wraps(metrics, room, WithoutMnemonic(button->text()), Qt::AlignCenter)
                    : metrics.horizontalAdvance(WithoutMnemonic(button->text())) <= room.width();
            texts[name] = {button->text(), fits, 0, QString(), DrawnBold(button, button->text())};
        } else if (auto *group = qobject_cast<QGroupBox *>(w); group && !group->title().isEmpty()) {
            texts[name] = {group->title(), metrics.horizontalAdvance(group->title()) < w->width(),
                           0, QString(), DrawnBold(group, group->title())};
        } else if (auto *line = qobject_cast<QLineEdit *>(w); line && !line->text().isEmpty()) {
            texts[name] = {line->text(),
                           metrics.horizontalAdvance(line->text()) < area.width() - 4};
        } else if (auto *list = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < list->count(); ++i)
                texts[name + QString::number(i)] = {list->itemText(i),
                                                    list->sizeHint().width() <= list->width()};
        } else if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts[name + QString::number(i)] = {
                    tabs->tabText(i), tabs->tabBar()->sizeHint().width() <= tabs->width()};
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            for (QAction *menu : bar->actions()) {
                if (!menu->menu()) {
                    texts[menu->objectName()] = {menu->text()};
                    continue;
                }
                texts[menu->menu()->objectName()] = {menu->text()};
                for (QAction *entry : menu->menu()->actions())
                    texts[entry->objectName()] = {entry->text()};
            }
        }
    }
}

// What each message of the program says, produced as the program does.
void CollectMessages(Texts &texts)
{
    const EnteredInput good{QStringLiteral("A"),
                            QStringLiteral("B"),
                            QStringLiteral("1"),
                            QStringLiteral("x"),
                            QStringLiteral("2001"),
                            0,
                            0};
    const QList<std::function<void(EnteredInput &)>> faults = {
        [](EnteredInput &in) { in.firstName.clear(); },
        [](EnteredInput &in) { in.lastName.clear(); },
        [](EnteredInput &in) { in.dayText.clear(); },
        [](EnteredInput &in) { in.monthName.clear(); },
        [](EnteredInput &in) { in.yearText.clear(); },
        [](EnteredInput &in) { in.monthIndex = 1, in.dayIndex = 29; },
        [](EnteredInput &in) { in.monthIndex = 3, in.dayIndex = 30; },
    };
    for (const auto &fault : faults) {
        EnteredInput input = good;
        fault(input);
        texts[QStringLiteral("check %1").arg(texts.size())] = {InputProblemOf(input)->message};
    }
    const ReferralFields filled{QStringLiteral("Ann"), QStringLiteral("a@b.c"),
                                QStringLiteral("Hi"), QStringLiteral("Bo"),
                                QStringLiteral("b@c.d")};
    QList<ReferralFields> referrals(7, filled);
    referrals[0].friendEmail = referrals[0].email;
    referrals[1].email = QStringLiteral("ab.c");
    referrals[2].name = Placeholder(NamePlaceholder);
    referrals[3].email.clear();
    referrals[4].message.clear();
    referrals[5].friendName.clear();
    referrals[6].friendEmail.clear();
    for (const ReferralFields &fields : referrals) {
        texts[QStringLiteral("referral %1").arg(texts.size())] = {
            SubmissionProblem(fields).value_or(ReferralProblem(fields).value_or(QString()))};
    }
    for (const char *placeholder : {NamePlaceholder, EmailPlaceholder, MessagePlaceholder,
                                    FriendNamePlaceholder, FriendEmailPlaceholder})
        texts[QLatin1String(placeholder)] = {Placeholder(placeholder)};

    QTemporaryDir folder;
    QSettings store(folder.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    store.setValue(QLatin1String(ReminderKey), QStringLiteral("2000-01-01"));
    CheckUpdateReminder(
        store,
        [&texts](const QString &question) {
            texts[QStringLiteral("update question")] = {question};
            return false;
        },
        QDate(2001, 1, 1));
    texts[QStringLiteral("second copy")] = {
        QCoreApplication::translate("StartApplication", "Application is already running")};
}

// Every text the user meets in the language, by where it is met.
Texts Everything(const QString &language)
{
    InstallLanguage({language});
    Texts texts;
    const auto add = [&texts](const char *window, QWidget *form) {
        QHash<QLabel *, double> made;
        for (QLabel *label : form->findChildren<QLabel *>())
            made[label] = label->font().pointSizeF();
        // Labels are fitted as they are shown: the window, and each page.
        form->show();
        if (auto *tabs = form->findChild<QTabWidget *>()) {
            const int current = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i)
                tabs->setCurrentIndex(i);
            tabs->setCurrentIndex(current);
        }
        Texts own;
        Collect(form, own, made);
        for (auto it = own.cbegin(); it != own.cend(); ++it)
            texts[QLatin1String(window) + QLatin1Char(' ') + it.key()] = it.value();
    };
    const std::unique_ptr<frmMain> main(new frmMain);
    add("main", main.get());
    const std::unique_ptr<frmDisplay> reading(new frmDisplay);
    reading->showReading(ComputeReading(QStringLiteral("29"), 11, QStringLiteral("1999")));
    add("reading", reading.get());
    const std::unique_ptr<frmAbout> about(new frmAbout);
    add("about", about.get());
    const std::unique_ptr<frmExitScreen> exit(new frmExitScreen);
    add("exit", exit.get());
    CollectMessages(texts);
    return texts;
}

// Names and addresses stay as they are in every language.
bool SameInEveryLanguage(const QString &text)
{
    static const QRegularExpression kept(
        QStringLiteral(R"(^(Gemvara( v\d+\.\d+)?|[\d\s]*|https?://\S+|[\w.]+@[\w.]+|Hi|Ann|Bo)$)"));
    return kept.match(WithoutMnemonic(text)).hasMatch();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    Texts m_english;

private slots:
    void initTestCase()
    {
        // The forms' fonts as the program sets them up.
        InstallFontSubstitutes();
        m_english = Everything(QStringLiteral("en"));
    }
    void cleanupTestCase() { InstallLanguage({QStringLiteral("en")}); }

    // The desktop's languages, most wanted first, and the translation taken:
    // by the full name, else by the language alone, English where none.
    void chosenLanguage_data()
    {
        QTest::addColumn<QString>("desktop"); // its languages, apart by blanks
        QTest::addColumn<QString>("chosen");
        const auto row = [](const char *name, const char *desktop, const char *chosen) {
            QTest::newRow(name) << QString::fromLatin1(desktop) << QString::fromLatin1(chosen);
        };
        row("Spanish of Mexico", "es-MX", "es");
        row("Portuguese of Brazil", "pt-BR", "pt_BR");
        row("Portuguese of Portugal", "pt-PT", "en");
        row("Hindi", "hi-IN", "hi");
        row("German, then Spanish", "de-DE es-ES", "es");
        row("English, then Spanish", "en-GB es-ES", "en");
    }

    void chosenLanguage()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, chosen);
        QCOMPARE(InstallLanguage(desktop.split(u' ')), chosen);
    }

    void everyText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("Hindi") << QStringLiteral("hi");
        QTest::newRow("Portuguese") << QStringLiteral("pt_BR");
    }

    void everyText()
    {
        QFETCH(QString, language);
        const Texts texts = Everything(language);
        QCOMPARE(texts.keys(), m_english.keys());
        QStringList faults;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            const Shown &shown = it.value();
            if (!shown.fits)
                faults << QStringLiteral("does not fit: %1: %2").arg(it.key(), shown.text);
            if (shown.points > 0 && shown.points < 7)
                faults << QStringLiteral("%1 pt: %2").arg(shown.points).arg(it.key());
            if (!shown.misfit.isEmpty())
                faults << QStringLiteral("%1: %2").arg(it.key(), shown.misfit);
            if (!shown.bold)
                faults << QStringLiteral("not bold: %1: %2").arg(it.key(), shown.text);
            // Devanagari leaves no room for a Latin word but the program's own
            // name or an address: the maker's name is written in Devanagari.
            static const QRegularExpression address(QStringLiteral("https?://\\S+")),
                latin(QStringLiteral("\\b(?!Gemvara\\b)[A-Za-z]{2,}"));
            const bool english = shown.text == m_english.value(it.key()).text
                                 || (language == QLatin1String("hi")
                                     && QString(shown.text).remove(address).contains(latin));
            if (language != QLatin1String("en") && english && !SameInEveryLanguage(shown.text))
                faults << QStringLiteral("in English: %1: %2").arg(it.key(), shown.text);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

GEMVARA_TEST_MAIN(TestLanguages)
#include "test_languages.moc"
