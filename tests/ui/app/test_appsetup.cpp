// What the program sets up once per process: the light look, whatever the
// desktop's theme, the font stand-ins, and fixed-size windows asked to
// maximise on Wayland.

#include "ui/app/fixedsize.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/app/lightlook.h"
#include "ui/main/frmMain.h"

#include "tests/support/testmain.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

#include <memory>
#include <utility>

class TestAppSetup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseLightLook(); }

    // Each colour of the light look, as active and inactive windows show it
    // and as a disabled control does, whatever the desktop's theme says.
    void lightLook_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("disabled");
        const QColor black(0, 0, 0), white(255, 255, 255), face(239, 239, 239);
        const QColor greyText(190, 190, 190), shadow(118, 118, 118);
        const auto row = [](const char *name, QPalette::ColorRole role, QColor colour,
                            QColor disabled) {
            QTest::newRow(name) << int(role) << colour << disabled;
        };
        row("WindowText", QPalette::WindowText, black, greyText);
        row("Window", QPalette::Window, face, face);
        row("Button", QPalette::Button, face, face);
        row("ButtonText", QPalette::ButtonText, black, greyText);
        row("Light", QPalette::Light, white, white);
        row("Midlight", QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202));
        row("Mid", QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184));
        row("Dark", QPalette::Dark, QColor(159, 159, 159), QColor(190, 190, 190));
        row("Shadow", QPalette::Shadow, shadow, QColor(177, 177, 177));
        row("Text", QPalette::Text, black, greyText);
        row("BrightText", QPalette::BrightText, white, white);
        row("Base", QPalette::Base, white, face);
        row("AlternateBase", QPalette::AlternateBase, face, face);
        row("ToolTipBase", QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220));
        row("ToolTipText", QPalette::ToolTipText, black, black);
        row("Link", QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255));
        row("LinkVisited", QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255));
        row("Highlight", QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145));
        row("HighlightedText", QPalette::HighlightedText, white, white);
        row("PlaceholderText", QPalette::PlaceholderText, QColor(0, 0, 0, 128),
            QColor(0, 0, 0, 128));
    }

    void lightLook()
    {
        QFETCH(int, role);
        QFETCH(QColor, colour);
        QFETCH(QColor, disabled);
        // As drawn: eight bits a channel.
        const auto shown = [](QPalette::ColorGroup group, int r) {
            return QApplication::palette()
                .color(group, QPalette::ColorRole(r))
                .name(QColor::HexArgb);
        };
        QCOMPARE(shown(QPalette::Active, role), colour.name(QColor::HexArgb));
        QCOMPARE(shown(QPalette::Inactive, role), colour.name(QColor::HexArgb));
        QCOMPARE(shown(QPalette::Disabled, role), disabled.name(QColor::HexArgb));
    }

    void lightLookStyle()
    {
        // Message boxes put Yes before No on every desktop.
        QCOMPARE(QApplication::style()->styleHint(QStyle::SH_DialogButtonLayout),
                 int(QDialogButtonBox::WinLayout));
        // In all else the style is Fusion's.
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        for (const auto hint :
             {QStyle::SH_ToolTipLabel_Opacity, QStyle::SH_Widget_Animation_Duration})
            QCOMPARE(QApplication::style()->styleHint(hint), fusion->styleHint(hint));
    }

    // The forms' Verdana and MS Sans Serif, where the system lacks them,
    // ask for the desktop's sans font, which is the family Qt would fall
    // back to for them.
    void fontSubstitutes()
    {
        InstallFontSubstitutes();
        const frmMain main;
        const QStringList installed = QFontDatabase::families();
        for (const auto &[name, family] :
             {std::pair("lblFullBrand", "Verdana"), std::pair("Label1", "MS Sans Serif")}) {
            const QString named = QLatin1String(family);
            const QFont font = main.findChild<QWidget *>(QLatin1String(name))->font();
            QCOMPARE(font.family(),
                     installed.contains(named) ? named : QFontInfo(QFont(named)).family());
        }
    }

    // A fixed-size window asked to maximise: off Wayland the window system
    // decides, and the window keeps its limits. (Natively on Wayland the
    // whole-program test clicks Qt's maximise button.)
    void fixedSizeMaximised()
    {
        InstallFixedSizeOnWayland();
        const QSize fixed(300, 200);
        QWidget window;
        window.setFixedSize(fixed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(Qt::WindowMaximized);
        QCOMPARE(window.windowHandle()->minimumSize(), fixed);
        QCOMPARE(window.windowHandle()->maximumSize(), fixed);
    }
};

GEMVARA_TEST_MAIN(TestAppSetup)
#include "test_appsetup.moc"
