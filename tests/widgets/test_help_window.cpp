// SPDX-License-Identifier: MIT
// Tests of the help window (guide text, scroll ranges, keys, wheel, hiding the main window)
// and of the about box.
#include "C_VYXAboutBox.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXHelpWindow.h"
#include "WidgetTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QWheelEvent>

namespace {

QList<C_VYXHelpWindow*> OpenHelpWindows() {
    QList<C_VYXHelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<C_VYXHelpWindow*>(widget))
            windows.append(help);
    }
    return windows;
}

void SendWheel(C_VYXHelpWindow* window, int delta) {
    const QPointF inside(10, 10);
    QWheelEvent event(inside, window->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->viewport(), &event);
}

/// Accepts the about box the moment it shows, after noting what it shows. The accept is
/// posted, so it runs inside the box's own event loop, before any timer.
class AboutBoxCloser : public QObject {
public:
    QString caption;
    QString text;
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<C_VYXAboutBox*>(watched);
        if (box != nullptr && event->type() == QEvent::Show) {
            ++shown;
            caption = box->windowTitle();
            text = box->findChild<QLabel*>(QStringLiteral("aboutText"))->text();
            QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
        }
        return false;
    }
};

/// Pixels of a widget as it paints itself.
QImage Painted(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class HelpWindowTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXHelpWindow* OpenHelp() {
        Trigger("actionHelpHelp");
        const QList<C_VYXHelpWindow*> windows = OpenHelpWindows();
        return windows.size() == 1 ? windows.first() : nullptr;
    }

    /// Opens the help and gives its text area this size.
    C_VYXHelpWindow* OpenHelpWithViewport(QSize viewport) {
        C_VYXHelpWindow* window = OpenHelp();
        if (window != nullptr) {
            window->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            window->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            window->resize(window->size() - window->viewport()->size() + viewport);
        }
        return window;
    }

private slots:
    void cleanup() {
        QGuiApplication::styleHints()->setWheelScrollLines(3);
        MainFrameFixture::cleanup();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(OpenHelpWindows().size(), 0);
    }

    void guideIsPlainCrLfTextInTopicOrder() {
        const QString text = C_VYXHelpWindow::LoadHelpText();
        QVERIFY(text.size() > 1000);
        QVERIFY(!text.contains(u'\\'));
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            QVERIFY2(ch.unicode() <= 0xFF, "not 8-bit text");
            QVERIFY2(ch >= u' ' || ch == u'\r' || ch == u'\n', "control character");
            if (ch == u'\n')
                QVERIFY2(i > 0 && text.at(i - 1) == u'\r', "line feed without CR");
            if (ch == u'\r')
                QVERIFY2(i + 1 < text.size() && text.at(i + 1) == u'\n', "CR without line feed");
        }
        const QStringList topicsInOrder = {
            QStringLiteral("Enter"),         QStringLiteral("Ctrl+Enter"),
            QStringLiteral("25/36 //"),      QStringLiteral("Font size"),
            QStringLiteral("decimals"),      QStringLiteral("i or j"),
            QStringLiteral("Variables"),     QStringLiteral("2r means 2 times r"),
            QStringLiteral("Greek letters"), QStringLiteral("angle unit"),
            QStringLiteral("three sides"),   QStringLiteral("2'nd"),
            QStringLiteral("USE"),           QStringLiteral("Conversion"),
            QStringLiteral("Latin, Greek"),  QStringLiteral("Print")};
        qsizetype at = 0;
        for (const QString& topic : topicsInOrder) {
            const qsizetype found = text.indexOf(topic, at);
            QVERIFY2(found >= 0, qPrintable(topic + QStringLiteral(" missing or out of order")));
            at = found + topic.size();
        }
    }

    void measureText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("longestLine");
        QTest::newRow("empty") << QString() << 0 << 0;
        QTest::newRow("one line, no end") << QStringLiteral("abc") << 0 << 3;
        QTest::newRow("CR not counted") << QStringLiteral("ab\r\ncde\r\n") << 2 << 3;
        QTest::newRow("longest first") << QStringLiteral("longest\r\nx") << 1 << 7;
        QTest::newRow("bare line feeds") << QStringLiteral("a\n\nbcd") << 2 << 3;
        QTest::newRow("stops at backslash") << QStringLiteral("ab\\cdefgh\r\n\r\n") << 0 << 2;
        QTest::newRow("stops at NUL")
            << QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cdefg\n") << 0 << 2;
    }
    void measureText() {
        QFETCH(QString, text);
        const C_VYXHelpWindow::TextExtent extent = C_VYXHelpWindow::MeasureText(text);
        QTEST(extent.lineCount, "lineCount");
        QTEST(extent.longestLine, "longestLine");
    }

    void scrollAndWheelArithmetic() {
        // Positions run up to the range's end less a page plus one: the last page fills the
        // window; a page of 0 or 1 leaves every position reachable.
        QCOMPARE(C_VYXHelpWindow::ScrollMaximum(10, 4), 7);
        QCOMPARE(C_VYXHelpWindow::ScrollMaximum(10, 1), 10);
        QCOMPARE(C_VYXHelpWindow::ScrollMaximum(10, 0), 10);
        QCOMPARE(C_VYXHelpWindow::ScrollMaximum(3, 10), 0);
        QCOMPARE(C_VYXHelpWindow::WheelDeltaPerLine(3), 40);
        QCOMPARE(C_VYXHelpWindow::WheelDeltaPerLine(7), 17);
        QCOMPARE(C_VYXHelpWindow::WheelDeltaPerLine(0), 0);
        QCOMPARE(C_VYXHelpWindow::WheelLines(120, 40), 3);
        QCOMPARE(C_VYXHelpWindow::WheelLines(-130, 40), -3);
        QCOMPARE(C_VYXHelpWindow::WheelLines(39, 40), 0);
        QCOMPARE(C_VYXHelpWindow::WheelLines(-39, 40), 0);
        QCOMPARE(C_VYXHelpWindow::WheelLines(120, 0), 0);
    }

    void showsTheGuideWithAMarginOfOneLineAndCharacter() {
        C_VYXHelpWindow* window = OpenHelp();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("TobrikCalculator1.1 Help"));
        QCOMPARE(window->Text(), C_VYXHelpWindow::LoadHelpText());
        QVERIFY(window->Text().contains(QStringLiteral("\r\n")));
        QCOMPARE(window->LineCount(), int(window->Text().count(u'\n')));

        const QFontMetrics metrics(window->TextFont());
        QCOMPARE(window->TextFont().family(), QStringLiteral("Verdana"));
        QCOMPARE(window->LineHeight(), metrics.height() + metrics.leading());
        QCOMPARE(window->CharWidth(), metrics.averageCharWidth());
        QVERIFY(qAbs(metrics.height() - QFontMetrics(window->font()).height()) <= 1);

        QCOMPARE(window->TextOrigin(), QPoint(window->CharWidth(), window->LineHeight()));
        const QImage image = Painted(window->viewport());
        const QColor face = window->palette().color(QPalette::Button);
        // Anti-aliased glyph edges may touch the pixel next to the text, not further.
        bool marginClear = true;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool inMargin = y < window->LineHeight() - 1 || x < window->CharWidth() - 1;
                marginClear = marginClear && (!inMargin || image.pixelColor(x, y) == face);
            }
        QVERIFY2(marginClear, "text drawn into the margin");
        bool textDrawn = false;
        for (int x = window->CharWidth(); x < image.width() && !textDrawn; ++x)
            textDrawn = image.pixelColor(x, window->LineHeight() * 3 / 2) != face;
        QVERIFY(textDrawn);
    }

    void scrollRangesFollowTheWindowSize_data() {
        QTest::addColumn<QSize>("viewport");
        QTest::newRow("wide") << QSize(900, 400);
        QTest::newRow("narrow") << QSize(160, 120);
        QTest::newRow("one line high") << QSize(300, 1);
    }
    void scrollRangesFollowTheWindowSize() {
        QFETCH(QSize, viewport);
        C_VYXHelpWindow* window = OpenHelpWithViewport(viewport);
        QVERIFY(window != nullptr);
        QCOMPARE(window->viewport()->size(), viewport);
        const int linePage = viewport.height() / window->LineHeight();
        const int charPage = viewport.width() / window->CharWidth();
        QScrollBar* vertical = window->verticalScrollBar();
        QScrollBar* horizontal = window->horizontalScrollBar();
        QCOMPARE(vertical->pageStep(), linePage);
        QCOMPARE(horizontal->pageStep(), charPage);
        QCOMPARE(vertical->maximum(), qMax(0, window->LineCount() + 2 - qMax(linePage, 1)));
        QCOMPARE(horizontal->maximum(), qMax(0, window->LongestLine() + 1 - qMax(charPage, 1)));

        // At the bottom the last line of text is in the window.
        vertical->setValue(vertical->maximum());
        const int lastTextLine = window->LineCount() - 1;
        const int lastLineBottom =
            window->TextOrigin().y() + (lastTextLine + 1) * window->LineHeight();
        if (linePage >= 2)
            QVERIFY(lastLineBottom <= viewport.height());
    }

    void keysScrollByLinesAndPagesAndStopAtTheEnds() {
        C_VYXHelpWindow* window = OpenHelpWithViewport(QSize(200, 100));
        QVERIFY(window != nullptr);
        QScrollBar* vertical = window->verticalScrollBar();
        QScrollBar* horizontal = window->horizontalScrollBar();
        const int page = vertical->pageStep();
        QVERIFY(page >= 2 && vertical->maximum() > 3 * page);
        QVERIFY(horizontal->maximum() > horizontal->pageStep());

        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(vertical->value(), 0);
        QTest::keyClick(window, Qt::Key_Down);
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(vertical->value(), 2);
        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(vertical->value(), 1);
        QTest::keyClick(window, Qt::Key_PageDown);
        QCOMPARE(vertical->value(), 1 + page);
        QCOMPARE(window->TextOrigin().y(), -page * window->LineHeight());
        QTest::keyClick(window, Qt::Key_PageUp);
        QCOMPARE(vertical->value(), 1);
        QTest::keyClick(window, Qt::Key_End);
        QCOMPARE(vertical->value(), vertical->maximum());
        QTest::keyClick(window, Qt::Key_Down);
        QTest::keyClick(window, Qt::Key_PageDown);
        QCOMPARE(vertical->value(), vertical->maximum());
        QTest::keyClick(window, Qt::Key_Home);
        QCOMPARE(vertical->value(), 0);
        QTest::keyClick(window, Qt::Key_PageUp);
        QCOMPARE(vertical->value(), 0);

        // Sideways by pages.
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(horizontal->value(), horizontal->pageStep());
        QCOMPARE(window->TextOrigin().x(), (1 - horizontal->pageStep()) * window->CharWidth());
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(horizontal->value(), horizontal->maximum());
        QTest::keyClick(window, Qt::Key_Left);
        QCOMPARE(horizontal->value(), horizontal->maximum() - horizontal->pageStep());
        QCOMPARE(vertical->value(), 0);
    }

    void wheelScrollsWholeLinesByTheSystemSetting() {
        QGuiApplication::styleHints()->setWheelScrollLines(3);
        C_VYXHelpWindow* window = OpenHelpWithViewport(QSize(300, 100));
        QVERIFY(window != nullptr);
        QScrollBar* vertical = window->verticalScrollBar();
        QCOMPARE(window->WheelDeltaPerLine(), 40);
        SendWheel(window, -120);
        QCOMPARE(vertical->value(), 3);
        SendWheel(window, 40);
        QCOMPARE(vertical->value(), 2);
        // Less than a line does nothing, and nothing is carried over to the next event.
        SendWheel(window, -39);
        SendWheel(window, -39);
        QCOMPARE(vertical->value(), 2);
        SendWheel(window, 1200);
        QCOMPARE(vertical->value(), 0);
        SendWheel(window, -120 * 1000);
        QCOMPARE(vertical->value(), vertical->maximum());

        // A changed desktop setting counts at once.
        QGuiApplication::styleHints()->setWheelScrollLines(1);
        QCOMPARE(window->WheelDeltaPerLine(), 120);
        SendWheel(window, 120);
        QCOMPARE(vertical->value(), vertical->maximum() - 1);
    }

    void mainWindowHiddenWhileOpenAndBackAfterClose() {
        m_frame->setGeometry(200, 150, 500, 300);
        QTest::qWait(0);
        const QRect before = m_frame->geometry();
        C_VYXHelpWindow* window = OpenHelp();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(!m_frame->isVisible());
        QCOMPARE(window->geometry(),
                 QRect(before.left() + before.width() / 10, before.top() + before.height() / 10,
                       before.width(), before.height()));

        // A second "Display help." keeps the one window.
        const QPointer<C_VYXHelpWindow> first = window;
        Trigger("actionHelpHelp");
        QVERIFY(!first.isNull());
        QCOMPARE(OpenHelpWindows(), QList<C_VYXHelpWindow*>{window});

        QVERIFY(window->close());
        QVERIFY(m_frame->isVisible());
        QCOMPARE(m_frame->geometry(), before);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(OpenHelpWindows().size(), 0);

        // And the command works again afterwards.
        QVERIFY(OpenHelp() != nullptr);
        QVERIFY(!m_frame->isVisible());
    }

    void typingGoesOnInTheAreaAfterTheHelpCloses() {
        C_VYXCalcTextView* area = &m_frame->TextView();
        m_frame->activateWindow();
        area->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTRY_VERIFY(area->hasFocus());

        C_VYXHelpWindow* window = OpenHelp();
        QVERIFY(window != nullptr);
        // The guide is read before it is closed: the help window holds the focus meanwhile.
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(window->close());
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTRY_VERIFY(area->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7*6"));
        QCOMPARE(area->Model().Text(), QStringLiteral("7*6"));
    }

    void mainWindowGoingFirstTakesTheHelpWindowAlong() {
        QVERIFY(OpenHelp() != nullptr);
        m_frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(OpenHelpWindows().size(), 0);
    }

    void aboutCommandShowsCaptionVersionAndLogo() {
        AboutBoxCloser closer;
        qApp->installEventFilter(&closer);
        Trigger("actionHelpAbout");
        qApp->removeEventFilter(&closer);
        QCOMPARE(closer.shown, 1);
        QCOMPARE(closer.caption, QStringLiteral("About TobrikCalculator"));
        QVERIFY(closer.text.contains(QRegularExpression(QStringLiteral("Version \\d+\\.\\d+"))));
        QVERIFY(m_frame->isVisible());
    }

    void aboutBoxLayoutAndPainting() {
        C_VYXAboutBox box(m_frame.get());
        box.setWindowModality(Qt::NonModal);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const int w = box.LogoSize().width();
        const int h = box.LogoSize().height();
        QVERIFY(h > 0 && w >= h);
        QCOMPARE(box.size(), QSize(w, 5 * h));
        auto at = [&box](const char* name) {
            return box.findChild<QWidget*>(QString::fromLatin1(name))->geometry();
        };
        QCOMPARE(at("aboutTopBand"), QRect(0, 0, w, h / 2));
        QCOMPARE(at("aboutLogo"), QRect(0, h / 2, w, h));
        QCOMPARE(at("aboutBottomBand"), QRect(0, 3 * h / 2, w, 2 * h - 3 * h / 2));
        QCOMPARE(at("aboutEtchedLines"), QRect(0, 2 * h, w, 2 * h));
        QCOMPARE(at("aboutOk"), QRect(h / 4, 4 * h + h / 4, w - 2 * (h / 4), h / 2));
        QVERIFY(at("aboutText").top() > 2 * h && at("aboutText").bottom() < 4 * h);
        const auto* text = box.findChild<QLabel*>(QStringLiteral("aboutText"));
        QVERIFY(text->sizeHint().height() <= text->height());
        QVERIFY(text->sizeHint().width() <= text->width());

        // The bands run between the button face and white, the first downwards to white.
        const QColor face = box.palette().color(QPalette::Button);
        const QImage top = Painted(box.findChild<QWidget*>(QStringLiteral("aboutTopBand")));
        const QImage bottom = Painted(box.findChild<QWidget*>(QStringLiteral("aboutBottomBand")));
        QCOMPARE(top.pixelColor(w / 2, 0), face);
        QCOMPARE(top.pixelColor(w / 2, top.height() - 1), QColor(Qt::white));
        QCOMPARE(bottom.pixelColor(w / 2, 0), QColor(Qt::white));
        QCOMPARE(bottom.pixelColor(w / 2, bottom.height() - 1), face);

        // Etched lines at the top and bottom edges, inset from the sides.
        const QImage etched = Painted(box.findChild<QWidget*>(QStringLiteral("aboutEtchedLines")));
        const int inset = 2 * QFontMetrics(box.font()).averageCharWidth();
        for (int y : {0, etched.height() - 2}) {
            QCOMPARE(etched.pixelColor(inset, y), C_VYXAboutBox::EtchColor());
            QCOMPARE(etched.pixelColor(w - 1 - inset, y), C_VYXAboutBox::EtchColor());
            QCOMPARE(etched.pixelColor(w / 2, y + 1), QColor(Qt::white));
            QVERIFY(etched.pixelColor(inset - 1, y) != C_VYXAboutBox::EtchColor());
            QVERIFY(etched.pixelColor(w - inset, y) != C_VYXAboutBox::EtchColor());
        }
        QCOMPARE(etched.pixelColor(w / 2, h), face);

        // The logo is the program's icon on white.
        const QImage logo = Painted(box.findChild<QWidget*>(QStringLiteral("aboutLogo")));
        int coloured = 0;
        for (int x = 0; x < logo.width(); ++x)
            coloured += logo.pixelColor(x, h / 2) != QColor(Qt::white) ? 1 : 0;
        QVERIFY(coloured > h / 4);

        QTest::keyClick(&box, Qt::Key_Escape);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Rejected));
        box.show();
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("aboutOk")), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void gradientColourPerRow() {
        const QColor black(0, 0, 0), white(255, 255, 255), face(240, 200, 100);
        QCOMPARE(C_VYXAboutBox::GradientColor(black, white, 0, 11), black);
        QCOMPARE(C_VYXAboutBox::GradientColor(black, white, 10, 11), white);
        QCOMPARE(C_VYXAboutBox::GradientColor(face, white, 0, 1), face);
        // Half way down every channel is half way between its ends (to the pixel).
        const QColor middle = C_VYXAboutBox::GradientColor(white, face, 5, 11);
        QVERIFY(qAbs(middle.red() * 2 - (255 + 240)) <= 2);
        QVERIFY(qAbs(middle.green() * 2 - (255 + 200)) <= 2);
        QVERIFY(qAbs(middle.blue() * 2 - (255 + 100)) <= 2);
    }
};

VYX_WIDGET_TEST_MAIN(HelpWindowTest)
#include "test_help_window.moc"
