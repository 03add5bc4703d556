// SPDX-License-Identifier: MIT
// Tests of the Latin, Greek and Math palettes: what every button shows and inserts, the case
// toggle and its record, and the case kept with the document.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcGreekCharsView.h"
#include "C_VYXCalcLatinCharsView.h"
#include "C_VYXCalcMathView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXPanelSet.h"
#include "WidgetTestSupport.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;

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
    const char* symbol;
    const char* tooltip;
};
const MathRow MathRows[] = {
    {1162, "!", "Exclamation mark."},
    {1106, "\"", "Quotation mark."},
    {1044, "@", "Commercial at."},
    {1113, "#", "Number sign."},
    {1169, "£", "Pound."},
    {1047, "¤", "Currency."},
    {1170, "$", "Dollar sign."},
    {1046, "↔", "Left right arrow."},
    {1205, "↑", "Upwards arrow."},
    {1194, "‰", "Per mille."},
    {1163, "%", "Percent."},
    {1100, "&", "Ampresand."},
    {1164, "/", "Solidus"},
    {1144, "\\", "Reversed solidus."},
    {1167, "?", "Question mark."},
    {1273, "|", "Vertical line or pipe."},
    {1272, "↕", "Up down arrow."},
    {1204, "↓", "Downwards arrow."},
    {1108, "{", "Left curly bracket."},
    {1165, "(", "Left parenthesis."},
    {1172, "[", "Left square bracket."},
    {1173, "]", "Right square bracket."},
    {1166, ")", "Right parenthesis."},
    {1107, "}", "Right curly bracket."},
    {1274, "∏", "N-ARY Product."},
    {1094, "↨", "Up down arrow with base."},
    {1203, "→", "Rightwards arrow."},
    {1271, "∑", "Sum."},
    {1045, "∩", "Intersection."},
    {1197, "≤", "Less than or equal to."},
    {1177, "<", "Less than."},
    {1176, ">", "Greater than"},
    {1196, "≥", "Greater than or equal to."},
    {1199, "∟", "Right angle."},
    {1275, "∞", "Infinity."},
    {1202, "←", "Leftwards arrow."},
    {1101, "=", "Equal."},
    {1182, "≈", "Almost equal to."},
    {1193, "≠", "Not equal to."},
    {1198, "≡", "Identity."},
    {1195, "∫", "Integral."},
    {1201, "∂", "Partial differential."},
    {1200, "∆", "Increment delta."},
    {1048, "∙", "Bullet."},
    {1104, "//", "Comment."},
};

/// What a button's caption shows: "&&" is an ampersand, a single "&" marks a mnemonic.
QString Shown(const QPushButton* button) {
    const QString caption = button->text();
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            shown += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == u'&')
            shown += caption[++i];
    }
    return shown;
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

    /// Installs the palette into the main window and shows it.
    C_VYXDlgFix* Open(Panel panel) {
        std::unique_ptr<C_VYXDlgFix> dialog;
        if (panel == Panel::Latin)
            dialog = std::make_unique<C_VYXCalcLatinCharsView>(*m_frame);
        else if (panel == Panel::Greek)
            dialog = std::make_unique<C_VYXCalcGreekCharsView>(*m_frame);
        else
            dialog = std::make_unique<C_VYXCalcMathView>(*m_frame);
        C_VYXDlgFix* raw = dialog.get();
        m_frame->Panels().Install(panel, std::move(dialog));
        m_frame->Panels().Toggle(panel);
        return raw;
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
    static QStringList Captions(C_VYXDlgFix* palette, const QList<int>& ids) {
        QStringList captions;
        for (int id : ids)
            captions << Shown(Key(palette, id));
        return captions;
    }
    static QStringList Letters(const QString& letters) {
        QStringList list;
        for (QChar letter : letters)
            list << QString(letter);
        return list;
    }
    void Save(const QString& name) {
        m_env->fileChooser.savePaths.enqueue(m_env->TempPath(name));
        Trigger("actionFileSave");
        QVERIFY(!m_frame->Document().IsModified());
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

        auto* grid = qobject_cast<QGridLayout*>(palette->layout());
        QVERIFY(grid != nullptr);
        int gridRow = -1, gridColumn = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(button), &gridRow, &gridColumn, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(gridColumn, gridRow), QPoint(column, row));
        QCOMPARE(button->toolTip(), tooltip);

        QCOMPARE(Shown(button), first);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Area().Text(), first);
        QVERIFY(m_frame->Document().IsModified());

        if (QPushButton* toggle = CaseToggle(palette))
            QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(Shown(button), second);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(Area().Text(), first + second);
        QCOMPARE(Area().Caret(), Area().Text().size());
    }

    void palettesHaveTheirWindowAndGrid_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<unsigned>("templateId");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("keys");
        // Columns of the disabled button before the case toggle; 0: no case toggle.
        QTest::addColumn<int>("fillerSpan");
        QTest::newRow("Latin") << int(Panel::Latin) << "Latin chars" << 109u
                               << int(C_VYXDlgFix::Side::Left) << 26 << 3;
        QTest::newRow("Greek") << int(Panel::Greek) << "Greek chars" << 177u
                               << int(C_VYXDlgFix::Side::Right) << 25 << 4;
        QTest::newRow("Math") << int(Panel::Math) << "Math chars" << 178u
                              << int(C_VYXDlgFix::Side::Right) << 45 << 0;
    }
    void palettesHaveTheirWindowAndGrid() {
        QFETCH(int, panel);
        QFETCH(QString, caption);
        QFETCH(unsigned, templateId);
        QFETCH(int, side);
        QFETCH(int, keys);
        QFETCH(int, fillerSpan);
        C_VYXDlgFix* palette = Open(Panel(panel));
        QVERIFY(palette->isVisible());
        QCOMPARE(palette->windowTitle(), caption);
        QCOMPARE(palette->TemplateId(), templateId);
        QCOMPARE(int(palette->PlacementSide()), side);

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
        QCOMPARE(toggle->toolTip(), QStringLiteral("Caps Lock."));
        QVERIFY(!filler->isEnabled());
        QVERIFY(filler->text().isEmpty());
        // The last row closes exactly: the keys left over, the filler, then the toggle.
        auto* grid = qobject_cast<QGridLayout*>(palette->layout());
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(filler), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), QPoint(keys % 6, keys / 6));
        QCOMPARE(columnSpan, fillerSpan);
        grid->getItemPosition(grid->indexOf(toggle), &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(column, row), QPoint(5, keys / 6));
    }

    void caseToggleFlipsCaptionsIconAndRecord_data() {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("Latin") << int(Panel::Latin) << LatinIds << LatinLetters
                               << LatinLetters.toLower();
        QTest::newRow("Greek") << int(Panel::Greek) << GreekIds << GreekUpper << GreekLower;
    }
    void caseToggleFlipsCaptionsIconAndRecord() {
        QFETCH(int, panel);
        QFETCH(QList<int>, ids);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const bool latin = Panel(panel) == Panel::Latin;
        qint32& flag = latin ? CaseRecord().m_nLatinCaps : CaseRecord().m_nGreekCaps;
        const QImage upperIcon = IconImage(QIcon(QStringLiteral(":/icons/case-upper.svg")));
        const QImage lowerIcon = IconImage(QIcon(QStringLiteral(":/icons/case-lower.svg")));
        QVERIFY(!upperIcon.isNull());
        QVERIFY(upperIcon != lowerIcon);

        C_VYXDlgFix* palette = Open(Panel(panel));
        QPushButton* toggle = CaseToggle(palette);
        // A new document: Latin in capitals, Greek in small letters.
        QCOMPARE(flag, latin ? 1 : 0);
        for (int click = 0; click < 2; ++click) {
            const bool upperActive = flag != 0;
            QCOMPARE(Captions(palette, ids), Letters(upperActive ? upper : lower));
            QCOMPARE(IconImage(toggle->icon()), upperActive ? upperIcon : lowerIcon);
            QVERIFY(toggle->text().isEmpty());

            QVERIFY(!m_frame->Document().IsModified());
            QTest::mouseClick(toggle, Qt::LeftButton);
            QCOMPARE(flag, upperActive ? 0 : 1);
            QVERIFY(m_frame->Document().IsModified());
            QVERIFY(m_frame->isWindowModified());
            QCOMPARE(Captions(palette, ids), Letters(upperActive ? lower : upper));
            m_frame->Document().SetModifiedFlag(false);
        }
        // Any non-zero value stored in a file means capitals.
        flag = 7;
        palette->RefreshFromSettings();
        QCOMPARE(Captions(palette, ids), Letters(upper));
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(flag, 0);
    }

    void caseIsKeptWithTheDocument() {
        C_VYXDlgFix* latin = Open(Panel::Latin);
        C_VYXDlgFix* greek = Open(Panel::Greek);
        QTest::mouseClick(CaseToggle(latin), Qt::LeftButton);
        QTest::mouseClick(CaseToggle(greek), Qt::LeftButton);
        Save(QStringLiteral("cases.vyx"));

        // File New brings a record with the defaults, and the open palettes show it.
        Trigger("actionFileNew");
        QCOMPARE(Captions(latin, LatinIds), Letters(LatinLetters));
        QCOMPARE(Captions(greek, GreekIds), Letters(GreekLower));
        QTest::mouseClick(Key(greek, 1053), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("α"));

        m_env->messageBoxes.QueueAnswer(C_VYXMessageBoxes::Answer::No);
        m_env->fileChooser.openPaths.enqueue(m_env->TempPath(QStringLiteral("cases.vyx")));
        Trigger("actionFileOpen");
        QCOMPARE(CaseRecord().m_nLatinCaps, 0);
        QCOMPARE(CaseRecord().m_nGreekCaps, 1);
        QCOMPARE(Captions(latin, LatinIds), Letters(LatinLetters.toLower()));
        QCOMPARE(Captions(greek, GreekIds), Letters(GreekUpper));
        Area().SelectAll();
        QTest::mouseClick(Key(greek, 1053), Qt::LeftButton);
        QTest::mouseClick(Key(latin, 1070), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("Αi"));
    }

    void paletteOpenedAfterLoadShowsTheLoadedCase() {
        C_VYXDlgFix* greek = Open(Panel::Greek);
        QTest::mouseClick(CaseToggle(greek), Qt::LeftButton);
        Save(QStringLiteral("greek.vyx"));
        Trigger("actionFileNew");
        m_env->fileChooser.openPaths.enqueue(m_env->TempPath(QStringLiteral("greek.vyx")));
        Trigger("actionFileOpen");
        C_VYXDlgFix* latin = Open(Panel::Latin);
        QCOMPARE(Captions(latin, LatinIds), Letters(LatinLetters));
        QCOMPARE(Captions(greek, GreekIds), Letters(GreekUpper));
    }

    void insertionReplacesTheSelection() {
        C_VYXDlgFix* math = Open(Panel::Math);
        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("1+2"));
        Area().SetSelection(1, 2);
        QTest::mouseClick(Key(math, 1104), Qt::LeftButton);
        QCOMPARE(Area().Text(), QStringLiteral("1//2"));
        QCOMPARE(Area().Caret(), 3);
        QVERIFY(Area().Undo());
        QCOMPARE(Area().Text(), QStringLiteral("1+2"));
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
