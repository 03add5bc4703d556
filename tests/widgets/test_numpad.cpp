// SPDX-License-Identifier: MIT
// Tests of the numpad: its buttons through real clicks, evaluation, delete and clear, and the
// decimals slider with its record, the engine and the document file.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcAreaModel.h"
#include "C_VYXCalcBasicButtonsView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "VYXCalculator.h"
#include "WidgetTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

/// A few buttons of the numpad: id, grid cell, caption, inserted text (null: the caption;
/// empty: the button acts instead of typing), tooltip. The first, the last column, the tall
/// Enter and the odd texts.
struct ExpectedButton {
    int id, column, row;
    const char16_t *caption, *inserts, *tooltip;
};

// clang-format off
const ExpectedButton kExpected[] = {
    {1040, 0, 0, u"eⁿ", u"e^", u"e powered to n."},
    {1046, 2, 1, u"x³", u"³", u"X powered to three"},
    {1189, 7, 1, u"⅝", nullptr, u""},
    {1130, 3, 2, u"xˉ¹", u"ˉ¹", u"X inverted."},
    {1030, 7, 4, u"=", u"", u"Enter."},
};
// clang-format on

constexpr int kEnter = 1030;

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
        return button != nullptr ? button : (qFatal("numpad button %d is missing", id), nullptr);
    }
    QSlider* Slider() const { return m_numpad->findChild<QSlider*>(); }
    void Click(int id) const { QTest::mouseClick(Button(id), Qt::LeftButton); }

    /// Typed with real keys, caret at the end.
    void TypeLine(const QString& text) { QTest::keyClicks(&m_frame->TextView(), text); }

    /// The slider and the number under it show `decimals` and 1/3 is evaluated with them.
    void VerifyDecimals(int decimals) {
        QCOMPARE(Slider()->value(), decimals);
        const auto* shown = m_numpad->findChild<QLabel*>(
            QString::fromLatin1(C_VYXCalcBasicButtonsView::kDecimalsLabelName));
        QVERIFY(shown != nullptr && shown->isVisible());
        QCOMPARE(shown->text(), QString::number(decimals));
        Area().ClearArea();
        TypeLine(QStringLiteral("1/3"));
        Click(kEnter);
        QCOMPARE(Area().LineText(1), "1/3 //≈0." + QString(decimals, u'3'));
    }

private slots:
    void init() {
        MainFrameFixture::init();
        m_frame->Panels().Toggle(Panel::Numpad);
        m_numpad = dynamic_cast<C_VYXCalcBasicButtonsView*>(m_frame->Panels().Get(Panel::Numpad));
        QVERIFY(m_numpad != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(m_numpad));
    }

    // Only the wiring of the acting buttons: what they do to the area is the document's.
    void windowKeysAndActingButtons() {
        QCOMPARE(m_numpad->windowTitle(), QStringLiteral("Numpad"));
        QCOMPARE(m_numpad->PlacementSide(), C_VYXDlgFix::Side::Left);
        // 45 buttons, the filler, and nothing else.
        QCOMPARE(m_numpad->findChildren<QPushButton*>().size(), 46);
        QVERIFY(!Button(C_VYXCalcBasicButtonsView::kFillerId)->isEnabled());
        QCOMPARE(Slider()->toolTip(), QStringLiteral("Precision slider."));

        // Enter and Escape neither close the panel nor press the button that has the focus.
        Button(1020)->setFocus();
        QTest::keyClick(m_numpad, Qt::Key_Return);
        QTest::keyClick(m_numpad, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(m_numpad, Qt::Key_Escape);
        QVERIFY(m_numpad->isVisible());
        QCOMPARE(Area().Text(), QString());
        for (int id : {1020, 1034, 1028, 1034}) // 3, x², DEL takes the ² back, x²
            Click(id);
        Click(kEnter);
        QCOMPARE(Area().Text(), QStringLiteral("3²\r\n9\r\n"));
        TypeLine(QStringLiteral("1/3"));
        Click(1144); // ≈
        QCOMPARE(Area().LineText(3), QStringLiteral("0.333333"));
        // CLS empties at once without a question.
        Click(1031);
        QCOMPARE(Area().Text(), QString());
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 0);
    }

    void buttonShowsItsCaptionAndInserts_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kExpected)); ++i)
            QTest::addRow("%d", kExpected[i].id) << i;
    }
    void buttonShowsItsCaptionAndInserts() {
        QFETCH(int, index);
        const ExpectedButton& expected = kExpected[index];
        const QString caption = QString::fromUtf16(expected.caption);
        const QString inserts = expected.inserts ? QString::fromUtf16(expected.inserts) : caption;
        QPushButton* button = Button(expected.id);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), QString::fromUtf16(expected.tooltip));
        // The cell size follows from "ln" beside "eⁿ" and "x²" under it.
        const QPoint origin = Button(1040)->pos();
        const QSize cell(Button(1029)->pos().x() - origin.x(),
                         Button(1034)->pos().y() - origin.y());
        QCOMPARE(button->pos(),
                 origin + QPoint(expected.column * cell.width(), expected.row * cell.height()));
        QCOMPARE(button->height(), expected.id == kEnter ? 2 * cell.height() : cell.height());
        if (inserts.isEmpty())
            return;
        // Only the wiring: how the area inserts is the document's.
        TypeLine(QStringLiteral("12345"));
        Area().SetSelection(2, 4);
        Click(expected.id);
        QCOMPARE(Area().Text(), QStringLiteral("12") + inserts + QStringLiteral("5"));
    }

    void sliderSetsTheDecimalsKeptWithTheDocumentAndInRange() {
        m_frame->TextView().clearFocus();
        Slider()->setFocus();
        QTest::keyClick(Slider(), Qt::Key_Up);
        QVERIFY(Document().IsModified());
        VerifyDecimals(7);

        const QString path = m_env->TempPath(QStringLiteral("decimals.vyx"));
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        Trigger("actionFileNew");
        QCOMPARE(Slider()->value(), 6);
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        VerifyDecimals(7);

        // As a damaged document would leave the record: the engine stays in range.
        for (const auto& [stored, shown] : {std::pair{0, 1}, std::pair{99, 10}}) {
            Document().Settings().BasicButtons().m_nDecimals = stored;
            m_frame->Panels().RefreshAll();
            QCOMPARE(Document().Calculator().GetDecimals(), shown);
            VerifyDecimals(shown);
        }
    }
};

VYX_WIDGET_TEST_MAIN(NumpadTest)

#include "test_numpad.moc"
