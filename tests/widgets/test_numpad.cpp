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

#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

/// The numpad as the user sees it: id, grid cell, caption, inserted text (null: the caption;
/// empty: the button acts instead of typing), tooltip.
struct ExpectedButton {
    int id, column, row;
    const char16_t *caption, *inserts, *tooltip;
};

// clang-format off
const ExpectedButton kExpected[] = {
    {1040, 0, 0, u"eⁿ", u"e^", u"e powered to n."},
    {1029, 1, 0, u"ln", nullptr, u"Natural logarithm."},
    {1035, 2, 0, u"10ⁿ", u"10^", u"Ten powered to n."},
    {1042, 3, 0, u"log", nullptr, u"Ten logarithm."},
    {1036, 4, 0, u"ⁿ√", nullptr, u"N root out of x."}, {1190, 5, 0, u"⅞", nullptr, u""},
    {1034, 0, 1, u"x²", u"²", u"X powered to two."},
    {1039, 1, 1, u"√", nullptr, u"Square root out of x."},
    {1046, 2, 1, u"x³", u"³", u"X powered to three"},
    {1047, 3, 1, u"³√", nullptr, u"Third root out of x."},
    {1041, 4, 1, u"xⁿ", u"^", u"X powered to n."}, {1187, 5, 1, u"⅛", nullptr, u""},
    {1188, 6, 1, u"⅜", nullptr, u""}, {1189, 7, 1, u"⅝", nullptr, u""},
    {1013, 0, 2, u"7", nullptr, u""}, {1018, 1, 2, u"8", nullptr, u""},
    {1021, 2, 2, u"9", nullptr, u""}, {1130, 3, 2, u"xˉ¹", u"ˉ¹", u"X inverted."},
    {1043, 4, 2, u"π", nullptr, u"Pi."}, {1185, 5, 2, u"½", nullptr, u""},
    {1093, 6, 2, u"¼", nullptr, u""}, {1186, 7, 2, u"¾", nullptr, u""},
    {1014, 0, 3, u"4", nullptr, u""}, {1024, 1, 3, u"5", nullptr, u""},
    {1019, 2, 3, u"6", nullptr, u""}, {1026, 3, 3, u"×", nullptr, u""},
    {1032, 4, 3, u"/", nullptr, u""}, {1044, 5, 3, u"%", nullptr, u"Percent."},
    {1192, 6, 3, u"‰", nullptr, u"Permille."}, {1144, 7, 3, u"≈", u"", u"Calculate approx. value."},
    {1015, 0, 4, u"1", nullptr, u""}, {1023, 1, 4, u"2", nullptr, u""},
    {1020, 2, 4, u"3", nullptr, u""}, {1027, 3, 4, u"+", nullptr, u""},
    {1033, 4, 4, u"-", nullptr, u""}, {1037, 5, 4, u"(", nullptr, u"Left brace."},
    {1038, 6, 4, u")", nullptr, u"Right brace."}, {1030, 7, 4, u"=", u"", u"Enter."},
    {1016, 0, 5, u"0", nullptr, u""}, {1183, 1, 5, u"00", nullptr, u""},
    {1184, 2, 5, u"000", nullptr, u""}, {1017, 3, 5, u"EXP", nullptr, u"Exp."},
    {1022, 4, 5, u",", nullptr, u""}, {1028, 5, 5, u"DEL", u"", u"Delete char."},
    {1031, 6, 5, u"CLS", u"", u"Clears the text area."},
};
// clang-format on

constexpr int kEnter = 1030;
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

    /// Typed with real keys, caret at the end.
    void TypeLine(const QString& text) { QTest::keyClicks(&m_frame->TextView(), text); }

    /// What the document shows for 1/3 now: the display follows the record.
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
        m_frame->Panels().Toggle(Panel::Numpad);
        m_numpad = dynamic_cast<C_VYXCalcBasicButtonsView*>(m_frame->Panels().Get(Panel::Numpad));
        QVERIFY(m_numpad != nullptr);
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
        QCOMPARE(Slider()->toolTip(), QStringLiteral("Precision slider."));
        QCOMPARE(Slider()->orientation(), Qt::Vertical);
        QCOMPARE(QPoint(Slider()->minimum(), Slider()->maximum()), QPoint(1, 10));
        // "00" is the one button the Tab key skips.
        QCOMPARE(Button(1183)->focusPolicy() & Qt::TabFocus, 0);
        QVERIFY(Button(1184)->focusPolicy() & Qt::TabFocus);
    }

    void everyButtonShowsItsCaptionAndInserts_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kExpected)); ++i)
            QTest::addRow("%d", kExpected[i].id) << i;
    }
    void everyButtonShowsItsCaptionAndInserts() {
        QFETCH(int, index);
        const ExpectedButton& expected = kExpected[index];
        const int id = expected.id;
        const QString caption = QString::fromUtf16(expected.caption);
        const QString inserts = expected.inserts ? QString::fromUtf16(expected.inserts) : caption;
        QPushButton* button = Button(id);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), QString::fromUtf16(expected.tooltip));
        QVERIFY(button->isEnabled());
        // The cell size follows from "ln" beside "eⁿ" and "x²" under it.
        const QPoint origin = Button(1040)->pos();
        const QSize cell(Button(1029)->pos().x() - origin.x(),
                         Button(1034)->pos().y() - origin.y());
        QVERIFY(!cell.isEmpty());
        QCOMPARE(button->pos(),
                 origin + QPoint(expected.column * cell.width(), expected.row * cell.height()));
        QCOMPARE(button->height(), id == kEnter ? 2 * cell.height() : cell.height());
        if (inserts.isEmpty())
            return;
        // Only the wiring: how the area inserts is the document's.
        TypeLine(QStringLiteral("12345"));
        Area().SetSelection(2, 4);
        Click(id);
        QCOMPARE(Area().Text(), QStringLiteral("12") + inserts + QStringLiteral("5"));
    }

    // Only the wiring of the acting buttons: what they do to the area is the document's.
    void actingButtonsEvaluateDeleteAndClear() {
        Click(1020); // 3
        Click(1034); // x²
        Click(kEnter);
        QCOMPARE(Area().Text(), QStringLiteral("3²") + kBreak + QStringLiteral("9") + kBreak);
        TypeLine(QStringLiteral("1/3"));
        Click(1144); // ≈
        QCOMPARE(Area().LineText(3), QStringLiteral("0.333333"));

        Area().ClearArea();
        TypeLine(QStringLiteral("123"));
        Area().SetSelection(2, 2);
        Click(1028); // DEL
        QCOMPARE(Area().Text(), QStringLiteral("13"));
        // CLS empties at once without a question and gives the area the keyboard back.
        m_frame->TextView().clearFocus();
        Click(1031);
        QCOMPARE(Area().Text(), QString());
        QCOMPARE(m_frame->focusWidget(), &m_frame->TextView());
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 0);
    }

    void enterAndEscapeLeaveThePanelOpen() {
        Click(1013);
        Button(1013)->setFocus();
        QTest::keyClick(m_numpad, Qt::Key_Return);
        QTest::keyClick(m_numpad, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(m_numpad, Qt::Key_Escape);
        QVERIFY(m_numpad->isVisible());
        // Enter does not press the button that had the focus either.
        QCOMPARE(Area().Text(), QStringLiteral("7"));
    }

    void sliderSetsTheDecimalsKeptWithTheDocument_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("result");
        QTest::newRow("end: ten") << int(Qt::Key_End) << 10 << "1/3 //≈0.3333333333";
        QTest::newRow("home: one") << int(Qt::Key_Home) << 1 << "1/3 //≈0.3";
        QTest::newRow("up: seven") << int(Qt::Key_Up) << 7 << "1/3 //≈0.3333333";
    }
    void sliderSetsTheDecimalsKeptWithTheDocument() {
        QFETCH(int, key);
        QFETCH(int, decimals);
        QFETCH(QString, result);
        VerifyDecimalsEverywhere(6);
        m_frame->TextView().clearFocus();
        Slider()->setFocus();
        QTest::keyClick(Slider(), Qt::Key(key));
        VerifyDecimalsEverywhere(decimals);
        QVERIFY(Document().IsModified());
        // The keyboard goes back to the calculation area.
        QCOMPARE(m_frame->focusWidget(), &m_frame->TextView());
        QCOMPARE(OneThird(), result);

        const QString path = m_env->TempPath(QStringLiteral("decimals.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        Trigger("actionFileNew");
        VerifyDecimalsEverywhere(6);
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        VerifyDecimalsEverywhere(decimals);
        QCOMPARE(OneThird(), result);
    }

    void recordOutOfRangeKeepsTheEngineInRange_data() {
        QTest::addColumn<int>("stored"); // as a damaged document would leave it
        QTest::addColumn<int>("shown");
        QTest::newRow("zero") << 0 << 1;
        QTest::newRow("negative") << -5 << 1;
        QTest::newRow("huge") << 99 << 10;
    }
    void recordOutOfRangeKeepsTheEngineInRange() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        Document().Settings().BasicButtons().m_nDecimals = stored;
        m_frame->Panels().RefreshAll();
        QCOMPARE(Slider()->value(), shown);
        QCOMPARE(Document().Calculator().GetDecimals(), shown);
        QCOMPARE(m_numpad->Decimals(), shown);
    }
};

VYX_WIDGET_TEST_MAIN(NumpadTest)

#include "test_numpad.moc"
