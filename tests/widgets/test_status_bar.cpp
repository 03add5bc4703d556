// SPDX-License-Identifier: MIT
// Tests of the status bar: the lock indicators from LED files and from the keys pressed, and
// the prompts of commands shown over the message pane.
#include "C_MainFrm.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXStatusBar.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStatusTipEvent>
#include <QTest>

namespace {

using LockKey = C_VYXStatusBar::LockKey;

/// Writes "<dir>/<entry>/brightness" holding `level`.
void WriteLed(const QString& dir, const QString& entry, const QByteArray& level) {
    QDir(dir).mkpath(entry);
    QFile file(dir + u'/' + entry + QStringLiteral("/brightness"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(level);
}

} // namespace

class StatusBarTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXStatusBar& Bar() { return m_frame->StatusBar(); }
    QString LedDir() { return m_env->TempPath(QStringLiteral("leds")); }
    /// No LEDs: the indicators go by the keys alone.
    void WithoutLeds() { Bar().SetLedDirectory(LedDir()); }

private slots:
    void ledsAreRead_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<QByteArray>>("levels");
        QTest::addColumn<QList<int>>("expected"); // caps, num, scroll: 1 on, 0 off, -1 unknown
        QTest::newRow("none") << QStringList{} << QList<QByteArray>{} << QList<int>{-1, -1, -1};
        QTest::newRow("caps lit, num dark")
            << QStringList{"input3::capslock", "input3::numlock"} << QList<QByteArray>{"1\n", "0\n"}
            << QList<int>{1, 0, -1};
        QTest::newRow("any keyboard lit counts")
            << QStringList{"input3::numlock", "input7::numlock", "input7::scrolllock"}
            << QList<QByteArray>{"0\n", "255\n", "0"} << QList<int>{-1, 1, 0};
        QTest::newRow("other LEDs and unreadable levels are ignored")
            << QStringList{"phy0-led", "input3::capslock", "input3::kana"}
            << QList<QByteArray>{"1", "garbage", "1"} << QList<int>{-1, -1, -1};
    }

    void ledsAreRead() {
        QFETCH(QStringList, entries);
        QFETCH(QList<QByteArray>, levels);
        QFETCH(QList<int>, expected);
        QDir(LedDir()).mkpath(QStringLiteral("."));
        for (int i = 0; i < entries.size(); ++i)
            WriteLed(LedDir(), entries.at(i), levels.at(i));
        const C_VYXStatusBar::LockStates states = C_VYXStatusBar::ReadLockLeds(LedDir());
        for (int i = 0; i < C_VYXStatusBar::kLockKeyCount; ++i) {
            const std::optional<bool>& state = states[std::size_t(i)];
            QCOMPARE(state.has_value() ? int(*state) : -1, expected.at(i));
        }
        QCOMPARE(C_VYXStatusBar::ReadLockLeds(LedDir() + QStringLiteral("/missing"))[0],
                 std::optional<bool>());
    }

    void litLedsLightTheIndicators() {
        WriteLed(LedDir(), QStringLiteral("input1::capslock"), "1");
        WriteLed(LedDir(), QStringLiteral("input1::numlock"), "0");
        Bar().SetLedDirectory(LedDir());
        QVERIFY(Bar().IsLockOn(LockKey::Caps));
        QVERIFY(!Bar().IsLockOn(LockKey::Num));
        auto* cap = Bar().findChild<QLabel*>(QStringLiteral("statusIndicatorCaps"));
        QVERIFY(cap != nullptr);
        QCOMPARE(cap->text(), QStringLiteral("CAP"));
        QVERIFY(cap->isEnabled());
        QVERIFY(!Bar().findChild<QLabel*>(QStringLiteral("statusIndicatorNum"))->isEnabled());
        // A lower-case letter typed without Shift does not overrule the LED.
        QTest::keyClick(&m_frame->TextView(), Qt::Key_A);
        QVERIFY(Bar().IsLockOn(LockKey::Caps));
    }

    void keysTellTheLocks_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lock");
        QTest::addColumn<bool>("on");
        QTest::newRow("capital without Shift") << int(Qt::Key_A) << 0 << "A" << 0 << true;
        QTest::newRow("capital with Shift")
            << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << 0 << false;
        QTest::newRow("small with Shift")
            << int(Qt::Key_A) << int(Qt::ShiftModifier) << "a" << 0 << true;
        QTest::newRow("non-Latin capital") << int(Qt::Key_unknown) << 0 << "Ж" << 0 << true;
        QTest::newRow("keypad digit")
            << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << 1 << true;
        QTest::newRow("caps lock key") << int(Qt::Key_CapsLock) << 0 << "" << 0 << true;
        QTest::newRow("scroll lock key") << int(Qt::Key_ScrollLock) << 0 << "" << 2 << true;
    }

    void keysTellTheLocks() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, lock);
        QFETCH(bool, on);
        WithoutLeds();
        QWidget* view = &m_frame->TextView();
        QVERIFY(!Bar().IsLockOn(LockKey(lock)));
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(view, &press);
        QCOMPARE(Bar().IsLockOn(LockKey(lock)), on);
    }

    void lockKeysFlipOncePerPress() {
        WithoutLeds();
        QWidget* view = &m_frame->TextView();
        // The area does not take the lock key, so it travels up to the window: still one flip.
        QTest::keyClick(view, Qt::Key_NumLock);
        QVERIFY(Bar().IsLockOn(LockKey::Num));
        QTest::keyClick(view, Qt::Key_NumLock);
        QVERIFY(!Bar().IsLockOn(LockKey::Num));
        // Keypad movement means Num Lock is off, a keypad digit that it is on.
        QTest::keyClick(view, Qt::Key_5, Qt::KeypadModifier);
        QVERIFY(Bar().IsLockOn(LockKey::Num));
        QTest::keyClick(view, Qt::Key_Home, Qt::KeypadModifier);
        QVERIFY(!Bar().IsLockOn(LockKey::Num));
        QVERIFY(!Bar().findChild<QLabel*>(QStringLiteral("statusIndicatorNum"))->isEnabled());
    }

    void promptsShowOverTheMessagePane() {
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("1+1"));
        QTest::keyClick(&m_frame->TextView(), Qt::Key_Return);
        QStatusTipEvent tip(Action("actionInsertSquare")->statusTip());
        QApplication::sendEvent(m_frame.get(), &tip);
        QCOMPARE(Bar().currentMessage(), QStringLiteral("X powered to two."));
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(m_frame.get(), &leave);
        QVERIFY(Bar().currentMessage().isEmpty());
        // The document's own text is there again.
        QCOMPARE(Bar().StatusText(), QStringLiteral("Number of calculations: 1"));
        QVERIFY(Bar().findChild<QLabel*>(QStringLiteral("statusMessagePane"))->isVisible());
    }
};

VYX_WIDGET_TEST_MAIN(StatusBarTest)

#include "test_status_bar.moc"
