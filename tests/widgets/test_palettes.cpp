// SPDX-License-Identifier: MIT
// Tests of the Latin, Greek and Math palettes: what every button shows and inserts, the case
// toggle and its record, and the case kept with the document.
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

// The palettes as the user knows them, written out independently of the program's tables.
const QList<int> LatinIds = {1095, 1096, 1046, 1097, 1047, 1068, 1069, 1071, 1070,
                             1072, 1048, 1049, 1051, 1050, 1052, 1073, 1074, 1076,
                             1075, 1077, 1078, 1079, 1091, 1081, 1080, 1082};
const QString LatinLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUWVXYZ");

const QList<int> GreekIds = {1053, 1061, 1062, 1064, 1065, 1054, 1055, 1060, 1066,
                             1067, 1059, 1057, 1058, 1083, 1084, 1090, 1056, 1063,
                             1085, 1086, 1087, 1088, 1089, 1098, 1099};
const QString GreekUpper = QStringLiteral("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡςΣΤΥΦΧΨΩ");
const QString GreekLower = QStringLiteral("αβγδεζηθικλμνξοπρςστυφχψω");
const QStringList GreekNames = {
    "Alfa",  "Beta",  "Gamma",   "Delta", "Epsilon", "Zeta",    "Eta",  "Theta", "Iota",
    "Kappa", "Lamda", "Mu",      "Nu",    "Xi",      "Omicron", "Pi",   "Rho",   "FinalSigma",
    "Sigma", "Tau",   "Upsilon", "Phi",   "Chi",     "Psi",     "Omega"};

struct MathRow {
    int id;
    const char *symbol, *tooltip;
};
// clang-format off
const MathRow MathRows[] = {
    {1162, "!", "Exclamation mark."}, {1106, "\"", "Quotation mark."},
    {1044, "@", "Commercial at."}, {1113, "#", "Number sign."}, {1169, "£", "Pound."},
    {1047, "¤", "Currency."}, {1170, "$", "Dollar sign."}, {1046, "↔", "Left right arrow."},
    {1205, "↑", "Upwards arrow."}, {1194, "‰", "Per mille."}, {1163, "%", "Percent."},
    {1100, "&", "Ampresand."}, {1164, "/", "Solidus"}, {1144, "\\", "Reversed solidus."},
    {1167, "?", "Question mark."}, {1273, "|", "Vertical line or pipe."},
    {1272, "↕", "Up down arrow."}, {1204, "↓", "Downwards arrow."},
    {1108, "{", "Left curly bracket."}, {1165, "(", "Left parenthesis."},
    {1172, "[", "Left square bracket."}, {1173, "]", "Right square bracket."},
    {1166, ")", "Right parenthesis."}, {1107, "}", "Right curly bracket."},
    {1274, "∏", "N-ARY Product."}, {1094, "↨", "Up down arrow with base."},
    {1203, "→", "Rightwards arrow."}, {1271, "∑", "Sum."}, {1045, "∩", "Intersection."},
    {1197, "≤", "Less than or equal to."}, {1177, "<", "Less than."}, {1176, ">", "Greater than"},
    {1196, "≥", "Greater than or equal to."}, {1199, "∟", "Right angle."}, {1275, "∞", "Infinity."},
    {1202, "←", "Leftwards arrow."}, {1101, "=", "Equal."}, {1182, "≈", "Almost equal to."},
    {1193, "≠", "Not equal to."}, {1198, "≡", "Identity."}, {1195, "∫", "Integral."},
    {1201, "∂", "Partial differential."}, {1200, "∆", "Increment delta."}, {1048, "∙", "Bullet."},
    {1104, "//", "Comment."},
};
// clang-format on

/// Each palette's window and grid. fillerSpan: columns of the disabled button before the case
/// toggle; 0: no case toggle.
struct PaletteWindow {
    Panel panel;
    const char* caption;
    unsigned templateId;
    C_VYXDlgFix::Side side;
    int keys, fillerSpan;
};
const PaletteWindow Windows[] = {{Panel::Latin, "Latin chars", 109, Side::Left, 26, 3},
                                 {Panel::Greek, "Greek chars", 177, Side::Right, 25, 4},
                                 {Panel::Math, "Math chars", 178, Side::Right, 45, 0}};

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
    /// The captions of the keys, all in one string.
    static QString Captions(C_VYXDlgFix* palette, const QList<int>& ids) {
        QString captions;
        for (int id : ids)
            captions += Shown(Key(palette, id));
        return captions;
    }

private slots:
    void everyKeyShowsAndInsertsItsCharacter_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("tooltip");
        // In the case of a new document, then after the case toggle (the same for symbols).
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        for (int i = 0; i < LatinIds.size(); ++i)
            QTest::addRow("Latin %c", LatinLetters[i].toLatin1())
                << int(Panel::Latin) << LatinIds[i] << i / 6 << i % 6 << QString()
                << QString(LatinLetters[i]) << QString(LatinLetters[i].toLower());
        for (int i = 0; i < GreekIds.size(); ++i)
            QTest::addRow("Greek %s", qPrintable(GreekNames[i]))
                << int(Panel::Greek) << GreekIds[i] << i / 6 << i % 6 << GreekNames[i]
                << QString(GreekLower[i]) << QString(GreekUpper[i]);
        for (int i = 0; i < int(std::size(MathRows)); ++i)
            QTest::addRow("Math %s", MathRows[i].tooltip)
                << int(Panel::Math) << MathRows[i].id << i / 9 << i % 9
                << QString::fromUtf8(MathRows[i].tooltip) << QString::fromUtf8(MathRows[i].symbol)
                << QString::fromUtf8(MathRows[i].symbol);
    }
    void everyKeyShowsAndInsertsItsCharacter() {
        QFETCH(int, panel);
        QFETCH(int, id);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, tooltip);
        QFETCH(QString, first);
        QFETCH(QString, second);
        C_VYXDlgFix* palette = Open(Panel(panel));
        QPushButton* button = Key(palette, id);
        QCOMPARE(Cell(palette, button), QPoint(column, row));
        QCOMPARE(button->toolTip(), tooltip);

        // Only the wiring: how the area inserts is the document's.
        Area().InsertText(QStringLiteral("1+2"));
        Area().SetSelection(1, 2);
        QCOMPARE(Shown(button), first);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Area().Text(), "1" + first + "2");
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
        const auto& [panel, caption, templateId, side, keys, fillerSpan] = Windows[index];
        C_VYXDlgFix* palette = Open(panel);
        QCOMPARE(palette->windowTitle(), QString::fromLatin1(caption));
        QCOMPARE(palette->TemplateId(), templateId);
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
        QVERIFY(filler->text().isEmpty());
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
        QVERIFY(!upperIcon.isNull());
        QVERIFY(upperIcon != lowerIcon);
        QCOMPARE(flag, latin ? 1 : 0); // a new document: Latin in capitals, Greek in small letters
        for (int click = 0; click < 2; ++click) {
            const bool upperActive = flag != 0;
            QCOMPARE(IconImage(toggle->icon()), upperActive ? upperIcon : lowerIcon);
            QVERIFY(!m_frame->Document().IsModified());
            QTest::mouseClick(toggle, Qt::LeftButton);
            QCOMPARE(flag, upperActive ? 0 : 1);
            QVERIFY(m_frame->Document().IsModified());
            QVERIFY(m_frame->isWindowModified());
            m_frame->Document().SetModifiedFlag(false);
        }
        // Any non-zero value stored in a file means capitals.
        flag = 7;
        palette->RefreshFromSettings();
        const QList<int>& ids = latin ? LatinIds : GreekIds;
        QCOMPARE(Captions(palette, ids), latin ? LatinLetters : GreekUpper);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(flag, 0);
    }

    // Greek is open while the file is saved, replaced and opened again; Latin opens only after.
    void caseIsKeptWithTheDocument() {
        C_VYXDlgFix* greek = Open(Panel::Greek);
        QTest::mouseClick(CaseToggle(greek), Qt::LeftButton);
        CaseRecord().m_nLatinCaps = 0;
        m_env->fileChooser.savePaths.enqueue(m_env->TempPath(QStringLiteral("cases.vyx")));
        Trigger("actionFileSave");

        // File New brings a record with the defaults, and the open palette shows it.
        Trigger("actionFileNew");
        QCOMPARE(Captions(greek, GreekIds), GreekLower);
        QTest::mouseClick(Key(greek, 1053), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("α"));

        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        m_env->fileChooser.openPaths.enqueue(m_env->TempPath(QStringLiteral("cases.vyx")));
        Trigger("actionFileOpen");
        QCOMPARE(CaseRecord().m_nGreekCaps, 1);
        QCOMPARE(Captions(greek, GreekIds), GreekUpper);
        C_VYXDlgFix* latin = Open(Panel::Latin);
        QCOMPARE(Captions(latin, LatinIds), LatinLetters.toLower());
        Area().SelectAll();
        QTest::mouseClick(Key(greek, 1053), Qt::LeftButton);
        QTest::mouseClick(Key(latin, 1070), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("Αi"));
    }

    void enterTypesTheFocusedKeyAndEscapeHides() {
        C_VYXDlgFix* math = Open(Panel::Math);
        QPushButton* percent = Key(math, 1163);
        percent->setFocus();
        QTest::keyClick(percent, Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("%"));
        QVERIFY(math->isVisible());
        QTest::keyClick(percent, Qt::Key_Escape);
        QVERIFY(!math->isVisible());
        QVERIFY(!m_frame->Panels().IsShown(Panel::Math));
    }
};

VYX_WIDGET_TEST_MAIN(PalettesTest)

#include "test_palettes.moc"
