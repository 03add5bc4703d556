// SPDX-License-Identifier: MIT
// Tests of the status bar: the lock indicators from LED files and from the keys pressed, and
// the preview and the prompts of commands shown over the message pane.
#include "C_VYXStatusBar.h"
#include "WidgetTestSupport.h"

namespace {
using LockKey = C_VYXStatusBar::LockKey;

/// Writes "<dir>/<entry>/brightness" holding `level`.
void WriteLed(const QString& dir, const QString& entry, const QByteArray& level) {
    QDir(dir).mkpath(entry);
    QFile file(dir + u'/' + entry + u"/brightness"_s);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(level);
}
} // namespace

class StatusBarTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXStatusBar& Bar() { return m_frame->StatusBar(); }
    QString LedDir() { return m_env->TempPath(u"leds"_s); }
    /// No LEDs: the indicators go by the keys alone.
    void WithoutLeds() { Bar().SetLedDirectory(m_env->TempPath(u"no-leds"_s)); }
    QLabel* Indicator(const char* name) {
        return Control<QLabel>(&Bar(), u"statusIndicator"_s + name);
    }

private slots:
    void locksFromTheLedsAndFromTheKeys() {
        // LED entries as "name=level" separated by ';'; caps, num, scroll: 1 lit, 0 dark, - unknown
        const char* const rows[][2] = {
            {"input3::numlock=0\n;input7::numlock=255\n;input7::scrolllock=0", "-10"}, // any lit
            {"phy0-led=1;input3::capslock=garbage;input3::kana=1", "---"}};            // ignored
        for (int row = 0; row < 2; ++row) {
            const QString dir = LedDir() + QString::number(row);
            for (const QString& entry : QString(rows[row][0]).split(u';', Qt::SkipEmptyParts))
                WriteLed(dir, entry.section(u'=', 0, 0), entry.section(u'=', 1).toLatin1());
            QString shown;
            for (const std::optional<bool>& state : C_VYXStatusBar::ReadLockLeds(dir))
                shown += !state.has_value() ? u'-' : *state ? u'1' : u'0';
            QCOMPARE(shown, QString(rows[row][1]));
        }
        QCOMPARE(C_VYXStatusBar::ReadLockLeds(LedDir() + u"/missing"_s)[0], std::optional<bool>());
        WriteLed(LedDir(), u"input1::capslock"_s, "1");
        WriteLed(LedDir(), u"input1::numlock"_s, "0");
        Bar().SetLedDirectory(LedDir());
        QVERIFY(Indicator("Caps")->isEnabled() && !Indicator("Num")->isEnabled());
        // A lower-case letter typed without Shift does not overrule the LED.
        QTest::keyClick(View(), Qt::Key_A);
        QVERIFY(Bar().IsLockOn(LockKey::Caps));

        // Without LEDs the keys tell the locks, and a lock key flips its lock once a press.
        for (const auto& [key, modifiers, text, lock, on] :
             {std::tuple{Qt::Key_A, 0, u"A"_s, LockKey::Caps, true}, // capital without Shift
              {Qt::Key_A, Qt::ShiftModifier, "A", LockKey::Caps, false},
              {Qt::Key_A, Qt::ShiftModifier, "a", LockKey::Caps, true},
              {Qt::Key_unknown, 0, "Ж", LockKey::Caps, true}, // non-Latin capital
              {Qt::Key_ScrollLock, 0, "", LockKey::Scroll, true}}) {
            WithoutLeds(); // each row from a fresh reading: all off
            QVERIFY(!Bar().IsLockOn(lock));
            QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
            QApplication::sendEvent(View(), &press);
            QVERIFY2(Bar().IsLockOn(lock) == on,
                     qPrintable(u"key %1 text %2"_s.arg(key).arg(text)));
        }
        WithoutLeds();
        // The area does not take the lock key, so it travels up to the window: still one flip.
        // Keypad movement means Num Lock is off, a keypad digit that it is on.
        for (const auto& [key, modifier, on] : {std::tuple{Qt::Key_NumLock, Qt::NoModifier, true},
                                                {Qt::Key_NumLock, Qt::NoModifier, false},
                                                {Qt::Key_5, Qt::KeypadModifier, true},
                                                {Qt::Key_Home, Qt::KeypadModifier, false}}) {
            QTest::keyClick(View(), key, modifier);
            QVERIFY2(Bar().IsLockOn(LockKey::Num) == on, qPrintable(QString::number(key, 16)));
        }
        QVERIFY(!Indicator("Num")->isEnabled());
    }

    // What the preview says and when is the preview's own test; here it covers the document's
    // text and gives it back, and a command's prompt covers both.
    void previewAndPromptsShowOverTheDocumentText() {
        // (5/6)^2 = 25/36 = 0.694444; 3+45 = 48.
        QTest::keyClicks(View(), u"(5/6)^2"_s);
        QTRY_COMPARE(Bar().StatusText(), u"= 25/36 //\u22480.694444"_s);
        QTest::keyClick(View(), Qt::Key_Return);
        QCOMPARE(Bar().StatusText(), u"Number of calculations: 1"_s);
        QStatusTipEvent tip(Action("actionInsertSquare")->statusTip());
        QApplication::sendEvent(m_frame.get(), &tip);
        QCOMPARE(Bar().currentMessage(), u"X powered to two."_s);
        QStatusTipEvent leave{QString()};
        QApplication::sendEvent(m_frame.get(), &leave);
        QVERIFY(Bar().currentMessage().isEmpty());
        QVERIFY(Bar().findChild<QLabel*>(u"statusMessagePane"_s)->isVisible());
        QTest::keyClicks(View(), u"3+45"_s);
        QTRY_COMPARE(Bar().StatusText(), u"= 48"_s);
        // A comment shows nothing: the document's text is back at once.
        QTest::keyClick(View(), Qt::Key_Home);
        QTest::keyClicks(View(), u"//"_s);
        QCOMPARE(Bar().StatusText(), u"Number of calculations: 1"_s);
    }
};

VYX_WIDGET_TEST_MAIN(StatusBarTest)

#include "test_status_bar.moc"
