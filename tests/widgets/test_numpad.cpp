// SPDX-License-Identifier: MIT
// Tests of the numpad: every button through a real click, evaluation, delete and clear, and the
// decimals slider with its record, the engine and the document file.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXCalcBasicButtonsView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "VYXCalculator.h"
#include "WidgetTestSupport.h"

#include <QFile>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

/// The numpad as the user sees it: id, position in dialog units, caption, inserted text (empty
/// for the buttons that act instead of typing), tooltip.
struct ExpectedButton {
    int id;
    int x;
    int y;
    const char16_t* caption;
    const char16_t* inserts;
    const char16_t* tooltip;
};

// clang-format off
const ExpectedButton kExpected[] = {
    {1040,   8,  8, u"eⁿ",  u"e^",  u"e powered to n."},
    {1029,  23,  8, u"ln",  u"ln",  u"Natural logarithm."},
    {1035,  38,  8, u"10ⁿ", u"10^", u"Ten powered to n."},
    {1042,  53,  8, u"log", u"log", u"Ten logarithm."},
    {1036,  68,  8, u"ⁿ√",  u"ⁿ√",  u"N root out of x."},
    {1190,  83,  8, u"⅞",   u"⅞",   u""},
    {1034,   8, 23, u"x²",  u"²",   u"X powered to two."},
    {1039,  23, 23, u"√",   u"√",   u"Square root out of x."},
    {1046,  38, 23, u"x³",  u"³",   u"X powered to three"},
    {1047,  53, 23, u"³√",  u"³√",  u"Third root out of x."},
    {1041,  68, 23, u"xⁿ",  u"^",   u"X powered to n."},
    {1187,  83, 23, u"⅛",   u"⅛",   u""},
    {1188,  98, 23, u"⅜",   u"⅜",   u""},
    {1189, 113, 23, u"⅝",   u"⅝",   u""},
    {1013,   8, 38, u"7",   u"7",   u""},
    {1018,  23, 38, u"8",   u"8",   u""},
    {1021,  38, 38, u"9",   u"9",   u""},
    {1130,  53, 38, u"xˉ¹", u"ˉ¹",  u"X inverted."},
    {1043,  68, 38, u"π",   u"π",   u"Pi."},
    {1185,  83, 38, u"½",   u"½",   u""},
    {1093,  98, 38, u"¼",   u"¼",   u""},
    {1186, 113, 38, u"¾",   u"¾",   u""},
    {1014,   8, 53, u"4",   u"4",   u""},
    {1024,  23, 53, u"5",   u"5",   u""},
    {1019,  38, 53, u"6",   u"6",   u""},
    {1026,  53, 53, u"×",   u"×",   u""},
    {1032,  68, 53, u"/",   u"/",   u""},
    {1044,  83, 53, u"%",   u"%",   u"Percent."},
    {1192,  98, 53, u"‰",   u"‰",   u"Permille."},
    {1144, 113, 53, u"≈",   u"",    u"Calculate approx. value."},
    {1015,   8, 68, u"1",   u"1",   u""},
    {1023,  23, 68, u"2",   u"2",   u""},
    {1020,  38, 68, u"3",   u"3",   u""},
    {1027,  53, 68, u"+",   u"+",   u""},
    {1033,  68, 68, u"-",   u"-",   u""},
    {1037,  83, 68, u"(",   u"(",   u"Left brace."},
    {1038,  98, 68, u")",   u")",   u"Right brace."},
    {1030, 113, 68, u"=",   u"",    u"Enter."},
    {1016,   8, 83, u"0",   u"0",   u""},
    {1183,  23, 83, u"00",  u"00",  u""},
    {1184,  38, 83, u"000", u"000", u""},
    {1017,  53, 83, u"EXP", u"EXP", u"Exp."},
    {1022,  68, 83, u",",   u",",   u""},
    {1028,  83, 83, u"DEL", u"",    u"Delete char."},
    {1031,  98, 83, u"CLS", u"",    u"Clears the text area."},
};
// clang-format on

constexpr int kSquare = 1034;
constexpr int kThree = 1020;
constexpr int kApproximate = 1144;
constexpr int kEnter = 1030;
constexpr int kDelete = 1028;
constexpr int kClear = 1031;
constexpr int kSeven = 1013;

const QString kBreak = QStringLiteral("\r\n");

} // namespace

class NumpadTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcBasicButtonsView* m_numpad = nullptr;

    C_VYXCalcAreaModel& Area() { return m_frame->CalcArea(); }
    C_TOBRIK_CALCULATORDoc& Document() { return m_frame->Document(); }

    QPushButton* Button(int id) const {
        auto* button =
            m_numpad->findChild<QPushButton*>(C_VYXCalcBasicButtonsView::ControlName(id));
        if (button == nullptr)
            qFatal("numpad button %d is missing", id);
        return button;
    }
    QSlider* Slider() const {
        return m_numpad->findChild<QSlider*>(
            C_VYXCalcBasicButtonsView::ControlName(C_VYXCalcBasicButtonsView::kSliderId));
    }
    void Click(int id) const { QTest::mouseClick(Button(id), Qt::LeftButton); }

    /// A line typed into the calculation area with real keys, caret at its end.
    void TypeLine(const QString& text) { QTest::keyClicks(&m_frame->TextView(), text); }

    /// What the document would print for 1/3 now: the display follows the record.
    QString OneThird() {
        Area().ClearArea();
        TypeLine(QStringLiteral("1/3"));
        Click(kEnter);
        return Area().LineText(1);
    }

    void VerifyDecimalsEverywhere(int decimals) {
        QCOMPARE(Slider()->value(), decimals);
        QCOMPARE(m_numpad->Decimals(), decimals);
        QCOMPARE(Document().Settings().BasicButtons().m_nDecimals, decimals);
        QCOMPARE(Document().Calculator().GetDecimals(), decimals);
    }

private slots:
    void init() {
        MainFrameFixture::init();
        auto numpad = std::make_unique<C_VYXCalcBasicButtonsView>(*m_frame);
        m_numpad = numpad.get();
        m_frame->Panels().Install(Panel::Numpad, std::move(numpad));
        m_frame->Panels().Toggle(Panel::Numpad);
        QVERIFY(m_frame->Panels().IsShown(Panel::Numpad));
        QVERIFY(QTest::qWaitForWindowExposed(m_numpad));
    }

    void panelIsTheNumpad() {
        QCOMPARE(m_numpad->windowTitle(), QStringLiteral("Numpad"));
        QCOMPARE(m_numpad->TemplateId(), 103u);
        QCOMPARE(m_numpad->PlacementSide(), C_VYXDlgFix::Side::Left);
        // Every button of the table, the filler, and nothing else.
        QCOMPARE(m_numpad->findChildren<QPushButton*>().size(),
                 qsizetype(std::size(kExpected)) + 1);
        QVERIFY(!Button(C_VYXCalcBasicButtonsView::kFillerId)->isEnabled());
        QCOMPARE(Button(C_VYXCalcBasicButtonsView::kFillerId)->text(), QString());
        int tooltips = Slider()->toolTip() == QStringLiteral("Precision slider.") ? 1 : 0;
        for (const ExpectedButton& expected : kExpected)
            tooltips += Button(expected.id)->toolTip().isEmpty() ? 0 : 1;
        QCOMPARE(tooltips, 22);
        QCOMPARE(Slider()->orientation(), Qt::Vertical);
        QCOMPARE(Slider()->minimum(), 1);
        QCOMPARE(Slider()->maximum(), 10);
        // "00" is the one button the Tab key skips.
        QCOMPARE(Button(1183)->focusPolicy() & Qt::TabFocus, 0);
        QVERIFY(Button(1184)->focusPolicy() & Qt::TabFocus);
    }

    void buttonsShowTheirCaptionsInTheTableLayout_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        for (const ExpectedButton& b : kExpected)
            QTest::addRow("%d", b.id) << b.id << b.x << b.y << QString::fromUtf16(b.caption)
                                      << QString::fromUtf16(b.tooltip);
    }
    void buttonsShowTheirCaptionsInTheTableLayout() {
        QFETCH(int, id);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        QPushButton* button = Button(id);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tooltip);
        QVERIFY(button->isEnabled());
        // "7" stands at (8, 38): the cell size follows from it and "ln" beside "eⁿ".
        const QPoint origin = Button(1040)->pos();
        const int cellWidth = Button(1029)->pos().x() - origin.x();
        const int cellHeight = Button(1034)->pos().y() - origin.y();
        QVERIFY(cellWidth > 0 && cellHeight > 0);
        QCOMPARE(button->pos(),
                 origin + QPoint((x - 8) / 15 * cellWidth, (y - 8) / 15 * cellHeight));
        QCOMPARE(button->height(), id == kEnter ? 2 * cellHeight : cellHeight);
    }

    void insertButtonsReplaceTheSelection_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("inserts");
        for (const ExpectedButton& b : kExpected)
            if (*b.inserts != u'\0')
                QTest::addRow("%d", b.id) << b.id << QString::fromUtf16(b.inserts);
    }
    void insertButtonsReplaceTheSelection() {
        QFETCH(int, id);
        QFETCH(QString, inserts);
        TypeLine(QStringLiteral("12345"));
        Area().SetSelection(2, 4);
        Document().SetModifiedFlag(false);
        Click(id);
        QCOMPARE(Area().Text(), QStringLiteral("12") + inserts + QStringLiteral("5"));
        QCOMPARE(Area().Caret(), 2 + int(inserts.size()));
        QVERIFY(Document().IsModified());
        // Undo takes the insertion back in one step.
        QVERIFY(Area().Undo());
        QCOMPARE(Area().Text(), QStringLiteral("12345"));
    }

    void squareOfThreeEvaluatesToNine() {
        Click(kThree);
        Click(kSquare);
        QCOMPARE(Area().Text(), QStringLiteral("3²"));
        Click(kEnter);
        QCOMPARE(Area().Text(), QStringLiteral("3²") + kBreak + QStringLiteral("9") + kBreak);
        QCOMPARE(Document().CalculationCount(), 1);
    }

    void approximateWritesOnlyTheDecimalAndKeepsTheSetting() {
        const auto& record = Document().Settings().CalcText();
        QCOMPARE(record.showReal, 1);
        QCOMPARE(record.showRational, 1);
        TypeLine(QStringLiteral("1/3"));
        Click(kApproximate);
        QCOMPARE(Area().Text(),
                 QStringLiteral("1/3") + kBreak + QStringLiteral("0.333333") + kBreak);
        QCOMPARE(record.showReal, 1);
        QCOMPARE(record.showRational, 1);
        // The next "=" shows both forms again.
        TypeLine(QStringLiteral("1/3"));
        Click(kEnter);
        QCOMPARE(Area().LineText(3), QStringLiteral("1/3 //≈0.333333"));
    }

    void deleteRemovesOneCharacterBeforeTheCaret() {
        TypeLine(QStringLiteral("123"));
        Area().SetSelection(2, 2);
        Click(kDelete);
        QCOMPARE(Area().Text(), QStringLiteral("13"));
        QCOMPARE(Area().Caret(), 1);
        Click(kDelete);
        Click(kDelete); // nothing left before the caret: nothing happens
        QCOMPARE(Area().Text(), QStringLiteral("3"));
    }

    void clearEmptiesAtOnceAndMarksTheDocument() {
        TypeLine(QStringLiteral("1+1"));
        Click(kEnter);
        Document().SetModifiedFlag(false);
        m_frame->TextView().clearFocus();
        Click(kClear);
        QCOMPARE(Area().Text(), QString());
        QVERIFY(Document().IsModified());
        QCOMPARE(m_frame->focusWidget(), &m_frame->TextView());
        // No question was asked: the fixture fails on any message box or dialog.
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 0);
    }

    void enterAndEscapeLeaveThePanelOpen() {
        Click(kSeven);
        Button(kSeven)->setFocus();
        QTest::keyClick(m_numpad, Qt::Key_Return);
        QTest::keyClick(m_numpad, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(m_numpad, Qt::Key_Escape);
        QVERIFY(m_numpad->isVisible());
        // Enter does not press the button that had the focus either.
        QCOMPARE(Area().Text(), QStringLiteral("7"));
    }

    void sliderSetsTheDecimalsOfResults_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("result");
        QTest::newRow("end: ten") << int(Qt::Key_End) << 10
                                  << QStringLiteral("1/3 //≈0.3333333333");
        QTest::newRow("home: one") << int(Qt::Key_Home) << 1 << QStringLiteral("1/3 //≈0.3");
        QTest::newRow("up: seven") << int(Qt::Key_Up) << 7 << QStringLiteral("1/3 //≈0.3333333");
    }
    void sliderSetsTheDecimalsOfResults() {
        QFETCH(int, key);
        QFETCH(int, decimals);
        QFETCH(QString, result);
        VerifyDecimalsEverywhere(6);
        m_frame->TextView().clearFocus();
        Slider()->setFocus();
        QTest::keyClick(Slider(), Qt::Key(key));
        VerifyDecimalsEverywhere(decimals);
        // The keyboard goes back to the calculation area.
        QCOMPARE(m_frame->focusWidget(), &m_frame->TextView());
        QCOMPARE(OneThird(), result);
    }

    void decimalsSurviveSaveAndOpen() {
        Slider()->setFocus();
        QTest::keyClick(Slider(), Qt::Key_End);
        const QByteArray bytes = Document().SaveToBytes();
        const QString path = m_env->TempPath(QStringLiteral("ten.vyx"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();

        // The changed decimals made the document modified: New asks first.
        QVERIFY(Document().IsModified());
        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        Trigger("actionFileNew");
        VerifyDecimalsEverywhere(6);
        QCOMPARE(OneThird(), QStringLiteral("1/3 //≈0.333333"));

        Document().SetModifiedFlag(false);
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        VerifyDecimalsEverywhere(10);
        QCOMPARE(OneThird(), QStringLiteral("1/3 //≈0.3333333333"));
    }

    void newDocumentPutsTheSliderBackToSix() {
        Document().SetModifiedFlag(false);
        Slider()->setValue(2);
        VerifyDecimalsEverywhere(2);
        QVERIFY(Document().IsModified());
        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        Trigger("actionFileNew");
        VerifyDecimalsEverywhere(6);
    }

    void recordOutOfRangeKeepsTheEngineInRange_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("zero") << 0 << 1;
        QTest::newRow("negative") << -5 << 1;
        QTest::newRow("huge") << 99 << 10;
    }
    void recordOutOfRangeKeepsTheEngineInRange() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        // As a damaged document would leave it.
        Document().Settings().BasicButtons().m_nDecimals = stored;
        m_frame->Panels().RefreshAll();
        QCOMPARE(Slider()->value(), shown);
        QCOMPARE(Document().Calculator().GetDecimals(), shown);
        QCOMPARE(m_numpad->Decimals(), shown);
    }
};

VYX_WIDGET_TEST_MAIN(NumpadTest)

#include "test_numpad.moc"
