// SPDX-License-Identifier: MIT
// Tests of the Latin, Greek and Math palettes: the wiring of the keys, the odd ones among them,
// the case toggle with its record, and the case kept with the document.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXCharPalette.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;
using Side = C_VYXDlgFix::Side;

constexpr int kLatinI = 1070, kGreekAlfa = 1053;

/// What a button's caption shows: "&&" is an ampersand, a single "&" marks a mnemonic.
QString Shown(const QPushButton* button) {
    return button->text().replace(QRegularExpression(QStringLiteral("&(.?)")),
                                  QStringLiteral("\\1"));
}

} // namespace

class PalettesTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_VYXCalcAreaModel& Area() { return m_frame->TextView().Model(); }
    C_VYXKeyBoardNFO& CaseRecord() { return m_frame->Document().Settings().KeyBoard(); }

    /// Shows the palette the main window installed.
    C_VYXDlgFix* Open(Panel panel) {
        m_frame->Panels().Toggle(panel);
        return m_frame->Panels().Get(panel);
    }
    static QPushButton* Key(C_VYXDlgFix* palette, int id) {
        auto* button = palette->findChild<QPushButton*>(C_VYXCharPalette::KeyObjectName(id));
        return button != nullptr ? button : (qFatal("no key button %d", id), nullptr);
    }
    static QPushButton* CaseToggle(C_VYXDlgFix* palette) {
        return palette->findChild<QPushButton*>(C_VYXCharPalette::CaseToggleObjectName);
    }
    static QPoint Cell(C_VYXDlgFix* palette, QWidget* widget) {
        auto* grid = qobject_cast<QGridLayout*>(palette->layout());
        int row = -1, column = -1, spans = 0;
        if (grid != nullptr)
            grid->getItemPosition(grid->indexOf(widget), &row, &column, &spans, &spans);
        return QPoint(column, row);
    }

private slots:
    // The first and last keys and the odd ones; the rest follow the same wiring.
    void keyShowsAndInsertsItsCharacter_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("id");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QString>("tooltip");
        // In the case of a new document, then after the case toggle (the same for symbols).
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const int L = int(Panel::Latin), G = int(Panel::Greek), M = int(Panel::Math);
        // clang-format off
        QTest::newRow("Latin W before V") << L << 1079 << QPoint(3, 3) << "" << "W" << "w";
        QTest::newRow("Lamda")    << G << 1059 << QPoint(4, 1) << "Lamda" << "λ" << "Λ";
        QTest::newRow("final sigma has no capital") << G << 1063 << QPoint(5, 2) << "FinalSigma" << "ς" << "ς";
        QTest::newRow("ampersand") << M << 1100 << QPoint(2, 1) << "Ampresand." << "&" << "&";
        QTest::newRow("comment")  << M << 1104 << QPoint(8, 4) << "Comment." << "//" << "//";
        // clang-format on
    }
    void keyShowsAndInsertsItsCharacter() {
        QFETCH(int, panel);
        QFETCH(int, id);
        QFETCH(QPoint, cell);
        QFETCH(QString, tooltip);
        QFETCH(QString, first);
        QFETCH(QString, second);
        C_VYXDlgFix* palette = Open(Panel(panel));
        QPushButton* button = Key(palette, id);
        QCOMPARE(Cell(palette, button), cell);
        QCOMPARE(button->toolTip(), tooltip);

        // Only the wiring: how the area inserts is the document's.
        Area().InsertText(QStringLiteral("1+2"));
        Area().SetSelection(1, 2);
        QCOMPARE(Shown(button), first);
        QTest::mouseClick(button, Qt::LeftButton);
        if (QPushButton* toggle = CaseToggle(palette))
            QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(Shown(button), second);
        // Enter types the focused key; Escape hides the palette.
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(Area().Text(), "1" + first + second + "2");
        QTest::keyClick(button, Qt::Key_Escape);
        QVERIFY(!m_frame->Panels().IsShown(Panel(panel)));
    }

    // The data tag is the window's caption; hasCase: a case toggle closes the last row after a
    // disabled filler.
    void windowGridAndCaseToggle_data() {
        QTest::addColumn<Panel>("panel");
        QTest::addColumn<Side>("side");
        QTest::addColumn<int>("keys");
        QTest::addColumn<bool>("hasCase");
        QTest::newRow("Latin chars") << Panel::Latin << Side::Left << 26 << true;
        QTest::newRow("Greek chars") << Panel::Greek << Side::Right << 25 << true;
        QTest::newRow("Math chars") << Panel::Math << Side::Right << 45 << false;
    }
    void windowGridAndCaseToggle() {
        QFETCH(Panel, panel);
        QFETCH(Side, side);
        QFETCH(int, keys);
        QFETCH(bool, hasCase);
        C_VYXDlgFix* palette = Open(panel);
        QCOMPARE(palette->windowTitle(), QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(palette->PlacementSide(), side);
        const QRegularExpression keyName(QStringLiteral("^charButton"));
        QCOMPARE(palette->findChildren<QPushButton*>(keyName).size(), keys);
        QPushButton* toggle = CaseToggle(palette);
        auto* filler = palette->findChild<QPushButton*>(C_VYXCharPalette::FillerObjectName);
        QCOMPARE(toggle != nullptr && filler != nullptr, hasCase);
        if (!hasCase)
            return;
        // The last row closes exactly: the keys left over, the disabled filler, then the toggle.
        QVERIFY(!filler->isEnabled());
        QCOMPARE(Cell(palette, filler), QPoint(keys % 6, keys / 6));
        QCOMPARE(Cell(palette, toggle), QPoint(5, keys / 6));

        // The toggle shows the case as an icon, flips the record and marks the document.
        QCOMPARE(toggle->toolTip(), QStringLiteral("Caps Lock."));
        const bool latin = panel == Panel::Latin;
        qint32& flag = latin ? CaseRecord().m_nLatinCaps : CaseRecord().m_nGreekCaps;
        const auto image = [](const QIcon& icon) { return icon.pixmap(16).toImage(); };
        const QImage upperIcon = image(QIcon(QStringLiteral(":/icons/case-upper.svg")));
        const QImage lowerIcon = image(QIcon(QStringLiteral(":/icons/case-lower.svg")));
        QVERIFY(upperIcon != lowerIcon);
        // A new document: Latin in capitals, Greek in small letters.
        QCOMPARE(flag, latin ? 1 : 0);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(flag, latin ? 0 : 1);
        QCOMPARE(image(toggle->icon()), latin ? lowerIcon : upperIcon);
        QVERIFY(m_frame->isWindowModified());
        // Any non-zero value stored in a file means capitals.
        flag = 7;
        palette->RefreshFromSettings();
        QCOMPARE(Shown(Key(palette, latin ? kLatinI : kGreekAlfa)), latin ? "I" : "Α");
    }
};

VYX_WIDGET_TEST_MAIN(PalettesTest)

#include "test_palettes.moc"
