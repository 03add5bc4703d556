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

/// Each palette's window and grid. fillerSpan: columns of the disabled button before the case
/// toggle; 0: no case toggle.
struct PaletteWindow {
    Panel panel;
    const char* caption;
    C_VYXDlgFix::Side side;
    int keys, fillerSpan;
};
const PaletteWindow Windows[] = {{Panel::Latin, "Latin chars", Side::Left, 26, 3},
                                 {Panel::Greek, "Greek chars", Side::Right, 25, 4},
                                 {Panel::Math, "Math chars", Side::Right, 45, 0}};

constexpr int kLatinI = 1070, kGreekAlfa = 1053, kMathPercent = 1163;

/// What a button's caption shows: "&&" is an ampersand, a single "&" marks a mnemonic.
QString Shown(const QPushButton* button) {
    return button->text().replace(QRegularExpression(QStringLiteral("&(.?)")),
                                  QStringLiteral("\\1"));
}

QImage IconImage(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage();
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
        if (button == nullptr)
            qFatal("no button %d", id);
        return button;
    }
    static QPushButton* CaseToggle(C_VYXDlgFix* palette) {
        return palette->findChild<QPushButton*>(C_VYXCharPalette::CaseToggleObjectName);
    }
    static QPoint Cell(C_VYXDlgFix* palette, QWidget* widget, int* columnSpan = nullptr) {
        auto* grid = qobject_cast<QGridLayout*>(palette->layout());
        int row = -1, column = -1, rowSpan = 0, span = 0;
        if (grid != nullptr)
            grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &span);
        if (columnSpan != nullptr)
            *columnSpan = span;
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
        QTest::newRow("Latin A")  << L << 1095 << QPoint(0, 0) << "" << "A" << "a";
        QTest::newRow("Latin W before V") << L << 1079 << QPoint(3, 3) << "" << "W" << "w";
        QTest::newRow("Latin Z")  << L << 1082 << QPoint(1, 4) << "" << "Z" << "z";
        QTest::newRow("Alfa")     << G << 1053 << QPoint(0, 0) << "Alfa" << "α" << "Α";
        QTest::newRow("Lamda")    << G << 1059 << QPoint(4, 1) << "Lamda" << "λ" << "Λ";
        QTest::newRow("final sigma has no capital") << G << 1063 << QPoint(5, 2) << "FinalSigma" << "ς" << "ς";
        QTest::newRow("ampersand") << M << 1100 << QPoint(2, 1) << "Ampresand." << "&" << "&";
        QTest::newRow("solidus")  << M << 1164 << QPoint(3, 1) << "Solidus" << "/" << "/";
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
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Area().Text(), "1" + first + second + "2");
    }

    void windowGridAndCaseToggle_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(Windows)); ++i)
            QTest::newRow(Windows[i].caption) << i;
    }
    void windowGridAndCaseToggle() {
        QFETCH(int, index);
        const auto& [panel, caption, side, keys, fillerSpan] = Windows[index];
        C_VYXDlgFix* palette = Open(panel);
        QCOMPARE(palette->windowTitle(), QString::fromLatin1(caption));
        QCOMPARE(palette->PlacementSide(), side);
        int keyButtons = 0;
        for (const QPushButton* button : palette->findChildren<QPushButton*>())
            keyButtons += button->objectName().startsWith(QStringLiteral("charButton")) ? 1 : 0;
        QCOMPARE(keyButtons, keys);

        QPushButton* toggle = CaseToggle(palette);
        auto* filler = palette->findChild<QPushButton*>(C_VYXCharPalette::FillerObjectName);
        QCOMPARE(toggle != nullptr, fillerSpan > 0);
        QCOMPARE(filler != nullptr, fillerSpan > 0);
        if (fillerSpan == 0)
            return;
        QVERIFY(!filler->isEnabled());
        // The last row closes exactly: the keys left over, the filler, then the toggle.
        int span = 0;
        QCOMPARE(Cell(palette, filler, &span), QPoint(keys % 6, keys / 6));
        QCOMPARE(span, fillerSpan);
        QCOMPARE(Cell(palette, toggle), QPoint(5, keys / 6));

        // The toggle shows the case as an icon, flips the record and marks the document.
        QCOMPARE(toggle->toolTip(), QStringLiteral("Caps Lock."));
        QVERIFY(toggle->text().isEmpty());
        const bool latin = panel == Panel::Latin;
        qint32& flag = latin ? CaseRecord().m_nLatinCaps : CaseRecord().m_nGreekCaps;
        const QImage upperIcon = IconImage(QIcon(QStringLiteral(":/icons/case-upper.svg")));
        const QImage lowerIcon = IconImage(QIcon(QStringLiteral(":/icons/case-lower.svg")));
        QVERIFY(upperIcon != lowerIcon);
        // A new document: Latin in capitals, Greek in small letters.
        QCOMPARE(flag, latin ? 1 : 0);
        QCOMPARE(IconImage(toggle->icon()), latin ? upperIcon : lowerIcon);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(flag, latin ? 0 : 1);
        QCOMPARE(IconImage(toggle->icon()), latin ? lowerIcon : upperIcon);
        QVERIFY(m_frame->Document().IsModified());
        QVERIFY(m_frame->isWindowModified());
        // Any non-zero value stored in a file means capitals.
        flag = 7;
        palette->RefreshFromSettings();
        QPushButton* key = Key(palette, latin ? kLatinI : kGreekAlfa);
        QCOMPARE(Shown(key), latin ? QStringLiteral("I") : QStringLiteral("Α"));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(flag, 0);
    }

    void enterTypesTheFocusedKeyAndEscapeHides() {
        C_VYXDlgFix* math = Open(Panel::Math);
        QPushButton* percent = Key(math, kMathPercent);
        percent->setFocus();
        QTest::keyClick(percent, Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("%"));
        QTest::keyClick(percent, Qt::Key_Escape);
        QVERIFY(!m_frame->Panels().IsShown(Panel::Math));
    }
};

VYX_WIDGET_TEST_MAIN(PalettesTest)

#include "test_palettes.moc"
