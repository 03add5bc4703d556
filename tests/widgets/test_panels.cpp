// SPDX-License-Identifier: MIT
// Tests of the tool panels in a real main window: each kind of control reaches the document
// once, the keys a panel takes, and the state kept with the document file. What the controls
// compute and when they are enabled is tested with the panels' models.
#include "C_TOBRIK_CALCULATORDoc.h"
#include "C_VYXCalcBasicButtonsView.h"
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCalcTextView.h"
#include "C_VYXCharPalette.h"
#include "C_VYXToolbarVariables.h"
#include "VYXCalculator.h"
#include "WidgetTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStyle>
#include <QTest>

namespace {

using Panel = C_VYXPanelSet::Panel;
using Answer = C_VYXMessageBoxes::Answer;

/// Real key presses; characters beyond ASCII (√, ²) come as text, as an input method sends.
void Type(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

/// Replaces the text of a field or an editable box with typed text.
void Retype(QWidget* widget, const QString& text) {
    if (auto* box = qobject_cast<QComboBox*>(widget))
        box->lineEdit()->selectAll();
    else
        qobject_cast<QLineEdit*>(widget)->selectAll();
    QTest::keyClick(widget, Qt::Key_Delete);
    Type(widget, text);
}

/// What a button's caption shows: "&&" is an ampersand, a single "&" marks a mnemonic.
QString Shown(const QPushButton* button) {
    return button->text().replace(QRegularExpression(QStringLiteral("&(.?)")),
                                  QStringLiteral("\\1"));
}

/// The texts of a list or a combo box, from their model.
QStringList ItemTexts(const QAbstractItemView* view) {
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts.append(view->model()->index(row, 0).data().toString());
    return texts;
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

} // namespace

class PanelsTest : public MainFrameFixture {
    Q_OBJECT

private:
    C_TOBRIK_CALCULATORDoc& Doc() const { return m_frame->Document(); }
    QPushButton* NumpadButton(int id) const {
        return Control(ShowPanel(Panel::Numpad), C_VYXCalcBasicButtonsView::ControlName(id));
    }
    /// Saves the document under `name`, starts a new one, checks `cleared`, opens it again.
    template <typename Check> void SaveNewOpen(const QString& name, Check cleared) {
        const QString path = m_env->TempPath(name);
        m_env->fileChooser.savePaths.enqueue(path);
        Trigger("actionFileSave");
        Trigger("actionFileNew");
        cleared();
        // Showing the new record is no change of the document: Open asks nothing.
        QVERIFY(!Doc().IsModified());
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        QVERIFY(!Doc().IsModified());
    }

private slots:
    // ---- numpad ----

    void numpadButtonsAndKeys() {
        C_VYXDlgFix* numpad = ShowPanel(Panel::Numpad);
        // Enter and Escape neither close the panel nor press the button that has the focus.
        NumpadButton(1020)->setFocus();
        QTest::keyClick(numpad, Qt::Key_Return);
        QTest::keyClick(numpad, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(numpad, Qt::Key_Escape);
        QVERIFY(numpad->isVisible());
        QCOMPARE(Area().Text(), QString());
        // An inserting button replaces the selection; "eⁿ" inserts "e^".
        Area().InsertText(QStringLiteral("12345"));
        Area().SetSelection(2, 4);
        Click(NumpadButton(1040));
        QCOMPARE(Area().Text(), QStringLiteral("12e^5"));
        Area().ClearArea();
        for (int id : {1020, 1034, 1028, 1034, 1030}) // 3, x², DEL takes the ² back, x², =
            Click(NumpadButton(id));
        QCOMPARE(Area().Text(), QStringLiteral("3²\r\n9\r\n"));
        Area().InsertText(QStringLiteral("1/3"));
        Click(NumpadButton(1144)); // ≈
        QCOMPARE(Area().LineText(3), QStringLiteral("0.333333"));
        Click(NumpadButton(1031)); // CLS empties at once without a question
        QCOMPARE(Area().Text(), QString());
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty());
    }

    void numpadSliderSetsTheDecimalsKeptWithTheDocumentAndInRange() {
        auto* slider = ShowPanel(Panel::Numpad)->findChild<QSlider*>();
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Up);
        QVERIFY(Doc().IsModified());
        // The number under the slider shows the decimals too.
        const auto* shown = slider->parentWidget()->findChild<QLabel*>(
            QString::fromLatin1(C_VYXCalcBasicButtonsView::kDecimalsLabelName));
        QVERIFY(shown != nullptr && shown->isVisible());
        const auto verifyDecimals = [&](int decimals) {
            QCOMPARE(slider->value(), decimals);
            QCOMPARE(shown->text(), QString::number(decimals));
            Area().ClearArea();
            Area().InsertText(QStringLiteral("1/3"));
            Click(NumpadButton(1030));
            QCOMPARE(Area().LineText(1), "1/3 //≈0." + QString(decimals, u'3'));
        };
        verifyDecimals(7);
        SaveNewOpen(QStringLiteral("decimals.vyx"), [&] { QCOMPARE(slider->value(), 6); });
        verifyDecimals(7);
        // As a damaged document would leave the record: the engine stays in range.
        for (const auto& [stored, shown] : {std::pair{0, 1}, std::pair{99, 10}}) {
            Doc().Settings().BasicButtons().m_nDecimals = stored;
            m_frame->Panels().RefreshAll();
            QCOMPARE(Doc().Calculator().GetDecimals(), shown);
            verifyDecimals(shown);
        }
    }

    // ---- palettes ----

    // The odd keys: a lower case before its capital, a letter without a capital, an ampersand
    // that must not become a mnemonic, a symbol of two characters.
    void paletteKeyInsertsInTheChosenCase_data() {
        QTest::addColumn<Panel>("panel");
        QTest::addColumn<int>("id");
        // In the case of a new document, then after the case toggle (the same for symbols).
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("Latin W") << Panel::Latin << 1079 << "W"
                                 << "w";
        QTest::newRow("Lamda") << Panel::Greek << 1059 << "λ"
                               << "Λ";
        QTest::newRow("final sigma") << Panel::Greek << 1063 << "ς"
                                     << "ς";
        QTest::newRow("ampersand") << Panel::Math << 1100 << "&"
                                   << "&";
        QTest::newRow("comment") << Panel::Math << 1104 << "//"
                                 << "//";
    }
    void paletteKeyInsertsInTheChosenCase() {
        QFETCH(Panel, panel);
        QFETCH(int, id);
        QFETCH(QString, first);
        QFETCH(QString, second);
        C_VYXDlgFix* palette = ShowPanel(panel);
        QPushButton* key = Control(palette, C_VYXCharPalette::KeyObjectName(id));
        Area().InsertText(QStringLiteral("1+2"));
        Area().SetSelection(1, 2);
        QCOMPARE(Shown(key), first);
        Click(key);
        if (auto* toggle =
                palette->findChild<QPushButton*>(C_VYXCharPalette::kCaseToggleObjectName))
            Click(toggle);
        QCOMPARE(Shown(key), second);
        // Enter types the focused key; Escape hides the palette.
        key->setFocus();
        QTest::keyClick(key, Qt::Key_Return);
        QCOMPARE(Area().Text(), "1" + first + second + "2");
        QTest::keyClick(key, Qt::Key_Escape);
        QVERIFY(!m_frame->Panels().IsShown(panel));
    }

    // The toggle shows the case as an icon, flips the record and marks the document; a file
    // may hold any non-zero value for capitals.
    void paletteCaseToggleFlipsTheRecord_data() {
        QTest::addColumn<Panel>("panel");
        QTest::addColumn<int>("key"); // I and Alpha
        QTest::newRow("Latin") << Panel::Latin << 1070;
        QTest::newRow("Greek") << Panel::Greek << 1053;
    }
    void paletteCaseToggleFlipsTheRecord() {
        QFETCH(Panel, panel);
        QFETCH(int, key);
        C_VYXDlgFix* palette = ShowPanel(panel);
        QPushButton* toggle = Control(palette, C_VYXCharPalette::kCaseToggleObjectName);
        const bool latin = panel == Panel::Latin;
        C_VYXKeyBoardNFO& record = Doc().Settings().KeyBoard();
        qint32& flag = latin ? record.m_nLatinCaps : record.m_nGreekCaps;
        const auto image = [](const QIcon& icon) { return icon.pixmap(16).toImage(); };
        const QImage lowerIcon = image(QIcon(QStringLiteral(":/icons/case-lower.svg")));
        QCOMPARE(flag, latin ? 1 : 0); // a new document: Latin in capitals, Greek in small
        Click(toggle);
        QCOMPARE(flag, latin ? 0 : 1);
        QCOMPARE(image(toggle->icon()) == lowerIcon, latin);
        QVERIFY(m_frame->isWindowModified());
        flag = 7;
        palette->RefreshFromSettings();
        QCOMPARE(Shown(Control(palette, C_VYXCharPalette::KeyObjectName(key))), latin ? "I" : "Α");
    }

    // ---- complex numbers ----

    void complexButtonsKeysAndTheArgumentBox() {
        C_VYXDlgFix* panel = ShowPanel(Panel::Complex);
        // "Cnj" inserts another spelling, "i" no parenthesis.
        Area().InsertText(QStringLiteral("2*"));
        Click(Control(panel, C_VYXCalcCMPLXView::ButtonObjectName(1025)));
        QCOMPARE(Area().Text(), QStringLiteral("2*CNJ("));
        // A focused button takes Enter as a click, as in any dialog, and the panel stays.
        QPushButton* i = Control(panel, C_VYXCalcCMPLXView::ButtonObjectName(1024));
        i->setFocus();
        QTest::keyClick(i, Qt::Key_Return);
        QCOMPARE(Area().Text(), QStringLiteral("2*CNJ(i"));
        auto* box = Control<QCheckBox>(panel, C_VYXCalcCMPLXView::ArgumentCheckBoxObjectName);
        // Elsewhere Enter hides the panel without touching the box, and so does Escape.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!panel->isVisible() && !box->isChecked());
        ShowPanel(Panel::Complex);
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(!m_frame->Panels().IsShown(Panel::Complex));

        // The box decides the next results and is kept with the document.
        ShowPanel(Panel::Complex);
        Area().ClearArea();
        Doc().SetModifiedFlag(false);
        Click(box);
        QCOMPARE(Doc().Settings().CMPLX().m_nAlwaysShowArgument, 1);
        QVERIFY(m_frame->isWindowModified());
        TypeLine(QStringLiteral("(1+I)"));
        QVERIFY(Area().LineText(1).startsWith(QStringLiteral("1+i ARGUMENT:")));
        SaveNewOpen(QStringLiteral("argument.vyx"), [&] { QVERIFY(!box->isChecked()); });
        QVERIFY(box->isChecked());
        Click(box); // the loaded record is the one changed
        QCOMPARE(Doc().Settings().CMPLX().m_nAlwaysShowArgument, 0);
    }

    // ---- trigonometry ----

    void trigAngleRadiosReachRecordAndEngine() {
        C_VYXDlgFix* panel = ShowPanel(Panel::Trigonometry);
        // sin 90 in each unit (python3: math.sin(90), math.sin(math.pi / 2 * 0.9))
        const struct {
            const char *radio, *before;
            int unitId;
            const char* sinOf90;
        } rows[] = {{"radioDegrees", "radioRadians", 213, "1"},
                    {"radioRadians", "radioGradians", 102, "0.893997"},
                    {"radioGradians", "radioDegrees", 214, "0.987688"}};
        for (const auto& row : rows) {
            Click(Control<QRadioButton>(panel, row.before));
            Doc().SetModifiedFlag(false);
            Click(Control<QRadioButton>(panel, row.radio));
            QVERIFY2(!Control<QRadioButton>(panel, row.before)->isChecked(), row.radio);
            QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, row.unitId);
            QVERIFY(Doc().IsModified());
            // The function buttons insert only the name: the user types the argument.
            Click(Control(panel, QStringLiteral("button_sin")));
            TypeLine(QStringLiteral("(90)"));
            QCOMPARE(Area().LineText(Area().LineCount() - 2), QString::fromLatin1(row.sinOf90));
        }
    }

    void trigSolverButtonsAndEnterInAnyControl() {
        C_VYXDlgFix* panel = ShowPanel(Panel::Trigonometry);
        const char* const names[] = {"editAngleA", "editAngleB", "editAngleC", "editSideA",
                                     "editSideB",  "editSideC",  "editArea"};
        const auto field = [&](int i) { return Control<QLineEdit>(panel, names[i]); };
        const auto fill = [&](const QStringList& texts) {
            for (int i = 0; i < 6; ++i)
                Retype(field(i), texts.value(i));
        };
        // Fields take expressions with the document's variables and a decimal comma.
        TypeLine(QStringLiteral("s=4"));
        Click(Control<QRadioButton>(panel, "radioDegrees"));
        fill({"30", "", "", "s+1", "8,0"});
        Click(Control(panel, "buttonExe"));
        QCOMPARE(field(5)->text(), QStringLiteral("9.928203"));
        Click(Control(panel, "buttonSecond"));
        QCOMPARE(field(2)->text(), QStringLiteral("23.130102"));
        Click(Control(panel, "buttonUse")); // writes the triangle shown
        QVERIFY(Area().Text().contains(QStringLiteral("\r\nB=126.869898\r\n")));
        Click(Control(panel, "buttonClr"));
        QCOMPARE(field(6)->text(), QStringLiteral("0"));
        QVERIFY(!field(6)->isEnabled() && !Control(panel, "buttonUse")->isEnabled());
        // Enter solves wherever the focus is, a button included; Escape keeps the panel.
        for (const auto& [focus, key] :
             {std::pair{"editAngleB", Qt::Key_Return}, std::pair{"buttonClr", Qt::Key_Enter}}) {
            fill({"30", "60"});
            auto* target = Control<QWidget>(panel, focus);
            target->setFocus();
            QTest::keyClick(target, key);
            QVERIFY2(field(2)->text() == QStringLiteral("90.000000"), focus);
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(panel->isVisible());
        }
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 2);
    }

    void trigValuesWithTenDecimalsShowInFull() {
        Doc().Settings().BasicButtons().m_nDecimals = 10;
        C_VYXDlgFix* panel = ShowPanel(Panel::Trigonometry);
        const char* const names[] = {"editAngleA", "editAngleB", "editAngleC", "editSideA",
                                     "editSideB",  "editSideC",  "editArea"};
        const auto field = [&](int i) { return Control<QLineEdit>(panel, names[i]); };
        Click(Control<QRadioButton>(panel, "radioDegrees"));
        for (int i = 0; i < 6; ++i)
            Retype(field(i), i < 3 ? QString() : QString::number(i == 5 ? 6 : i));
        Click(Control(panel, "buttonExe"));
        // Sides 3, 4, 6, worked out with Python's math module (law of cosines, Heron).
        const char* const expected[] = {"26.3843297494", "36.3360575146", "117.2796127360"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(field(i)->text(), QString::fromLatin1(expected[i]));
        QCOMPARE(field(6)->text(), QStringLiteral("5.3326822519"));
        const int frame = panel->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (int i = 0; i < 7; ++i) {
            // A line edit draws its text inside its frame and two pixels on either side.
            const QLineEdit* edit = field(i);
            const int textWidth = edit->fontMetrics().horizontalAdvance(edit->text());
            QVERIFY2(textWidth + 2 * frame + 4 <= edit->width(), names[i]);
        }
        // The widened fields still stand in the panel, side by side.
        QVERIFY(field(0)->geometry().right() < field(1)->geometry().left());
        QVERIFY(field(2)->geometry().right() < panel->width());
    }

    void trigReadsTheRecordAndFileNewResetsIt() {
        C_VYXTrigNFO& record = Doc().Settings().Trig();
        record.m_nAngleUnit = 214;
        record.m_solver.SetAngleUnit(214);
        record.m_solver.Solve({0, 0, 0, 3, 4, 5}, m_env->messageBoxes);
        C_VYXDlgFix* panel = ShowPanel(Panel::Trigonometry);
        QVERIFY(Control<QRadioButton>(panel, "radioGradians")->isChecked());
        QCOMPARE(Doc().Calculator().GetAngle(), std::string("GRA"));
        QCOMPARE(Control<QLineEdit>(panel, "editAngleC")->text().toDouble(), 100.0);
        Doc().SetModifiedFlag();
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionFileNew");
        QVERIFY(Control<QRadioButton>(panel, "radioRadians")->isChecked());
        QCOMPARE(Doc().Calculator().GetAngle(), std::string("RAD"));
        QCOMPARE(Control<QLineEdit>(panel, "editAngleC")->text().toDouble(), 0.0);
        Click(Control<QRadioButton>(panel, "radioDegrees")); // the panel works on the new record
        QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, 213);
    }

    // ---- unit conversion ----

    void converterTypedUnitsAndValuesReachTheModel() {
        Doc().Settings().BasicButtons().m_nDecimals = 2;
        C_VYXDlgFix* panel = ShowPanel(Panel::Conversion);
        // The controls lie inside the window without overlapping.
        const QList<QWidget*> controls =
            panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int i = 0; i < controls.size(); ++i) {
            const QRect rect = controls.at(i)->geometry();
            const QByteArray name = controls.at(i)->objectName().toUtf8();
            QVERIFY2(panel->rect().contains(rect), name.constData());
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!rect.intersects(controls.at(j)->geometry()),
                         (name + '/' + controls.at(j)->objectName().toUtf8()).constData());
        }
        auto* value = Control<QLineEdit>(panel, "editValue");
        auto* result = Control<QLineEdit>(panel, "editResult");
        const auto convert = [&](const QStringList& choice, const QString& text) {
            for (int i = 0; i < 3; ++i) {
                auto* box = Control<QComboBox>(
                    panel, QStringList{"comboCategory", "comboFromUnit", "comboToUnit"}.at(i));
                Retype(box, choice.at(i));
                QTest::keyClick(box, Qt::Key_Return);
                QCOMPARE(box->currentText(), choice.at(i));
            }
            Retype(value, text);
            Click(Control(panel, "buttonConvert"));
        };
        // Enter and Escape keep the panel open and convert nothing.
        Type(value, QStringLiteral("3"));
        QTest::keyClick(value, Qt::Key_Return);
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(panel->isVisible() && result->text().isEmpty());
        // Unit names and values beyond ASCII; the result has the numpad's decimals.
        convert({"Area", "m²", "cm²"}, QStringLiteral("√4"));
        QCOMPARE(value->text() + u' ' + result->text(), QStringLiteral("2 20000.00"));
        // A new category shows its own units, starting again at its first two.
        Retype(Control<QComboBox>(panel, "comboCategory"), QStringLiteral("Mass"));
        QTest::keyClick(Control<QComboBox>(panel, "comboCategory"), Qt::Key_Return);
        QCOMPARE(Control<QComboBox>(panel, "comboToUnit")->currentText(),
                 QStringLiteral("Kilogram"));
        QVERIFY(result->text().isEmpty());
        // The value is evaluated with the document's variables.
        TypeLine(QStringLiteral("dist=2,5"));
        convert({"Length", "kilometer", "meter"}, QStringLiteral("dist*2"));
        QCOMPARE(value->text() + u' ' + result->text(), QStringLiteral("5 5000.00"));
    }

    void converterSavedListUseAndFileRoundTrip() {
        C_VYXDlgFix* panel = ShowPanel(Panel::Conversion);
        auto* list = Control<QListWidget>(panel, "listSavedConversions");
        C_VYXConvertNFO& record = Doc().Settings().Convert();
        const QString saved = QStringLiteral("1 meter = 3.280840 feet");
        record.m_nCategoryIndex = 2; // Length: meter -> feet
        record.m_nFromIndex = 6;
        record.m_nToIndex = 2;
        panel->RefreshFromSettings();
        Click(Control(panel, "buttonConvert"));
        Click(Control(panel, "buttonAdd"));
        QCOMPARE(ItemTexts(list), QStringList{saved});
        SaveNewOpen(QStringLiteral("convert.vyx"), [&] { QCOMPARE(list->count(), 0); });
        QCOMPARE(ItemTexts(list), QStringList{saved});
        QCOMPARE(Control<QLineEdit>(panel, "editResult")->text(), QStringLiteral("3.280840"));
        ClickRow(list, 0);
        TypeLine(QStringLiteral("5*5"));
        const QString before = Area().Text();
        Click(Control(panel, "buttonUse"));
        QCOMPARE(Area().Text(), before + "//" + saved);
        // An ordinary insertion of the area: one undo step takes it back.
        QVERIFY(Area().Undo());
        QCOMPARE(Area().Text(), before);
        // The panel works on the loaded record, not on the one of the replaced settings.
        Click(Control(panel, "buttonDelete"));
        QVERIFY(list->count() == 0 && Doc().Settings().Convert().m_savedConversions.isEmpty());
        Click(Control(panel, "buttonAdd"));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click(Control(panel, "buttonDeleteAll"));
        QCOMPARE(m_env->messageBoxes.LastBox().text, QStringLiteral("Delete all convertions?"));
        QVERIFY(list->count() == 0 && Doc().Settings().Convert().m_savedConversions.isEmpty());
    }

    // ---- variables ----

    void variablesPanelDefinesUsesAndDeletes() {
        C_VYXDlgFix* panel = ShowPanel(Panel::Variables);
        auto* name = Control<QLineEdit>(panel, "editVariableName");
        auto* value = Control<QLineEdit>(panel, "editVariableValue");
        auto* list = Control<QListWidget>(panel, "listVariables");
        const auto fields = [&] { return name->text() + u'|' + value->text(); };
        // Enter in either field confirms, and so does Add; Enter never closes the panel.
        for (const auto& [text, definition, confirm] :
             {std::tuple{"b", "2", (QWidget*)name}, std::tuple{"A", "1", (QWidget*)nullptr},
              std::tuple{"K", "A+b", (QWidget*)value}}) {
            Retype(name, text);
            Retype(value, definition);
            if (confirm != nullptr)
                QTest::keyClick(confirm, Qt::Key_Return);
            else
                Click(Control(panel, "buttonAdd"));
        }
        QVERIFY(m_env->messageBoxes.Boxes().isEmpty()); // each was added once
        QCOMPARE(ItemTexts(list), QStringList({"A = 1", "b = 2", "K = A+b = 3"}));
        QVERIFY(panel->isVisible());
        QCOMPARE(fields(), QStringLiteral("K|A+b"));
        // The title shows the change at once, although the calculation area did not change.
        QVERIFY(m_frame->isWindowModified());
        // A rejected name the model empties is emptied on the screen, and Add follows it.
        Retype(name, QStringLiteral("2pi"));
        Retype(value, QStringLiteral("1"));
        QTest::keyClick(value, Qt::Key_Return);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        QCOMPARE(fields(), QStringLiteral("|1"));
        QVERIFY(!Control(panel, "buttonAdd")->isEnabled());

        QTest::keyClicks(&m_frame->TextView(), QStringLiteral("2*"));
        ClickRow(list, 2);
        QCOMPARE(fields(), QStringLiteral("K|A+b"));
        Click(Control(panel, "buttonUseSelected")); // the name at the caret
        QCOMPARE(Area().Text(), QStringLiteral("2*K"));
        Click(Control(panel, "buttonDel"));
        QCOMPARE(ItemTexts(list), QStringList({"A = 1", "b = 2"}));
        QCOMPARE(fields(), QStringLiteral("|"));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click(Control(panel, "buttonDeleteAll"));
        QCOMPARE(m_env->messageBoxes.LastBox().text, QStringLiteral("Delete all variables?"));
        QCOMPARE(list->count(), 0);
        QVERIFY(!Control(panel, "buttonDeleteAll")->isEnabled());
    }

    void variablesToolbarFollowsAssignmentsALaterPanelAndFileNew() {
        auto* toolbar = m_frame->findChild<C_VYXToolbarVariables*>();
        QVERIFY(toolbar != nullptr);
        const auto combo = [&] { return ItemTexts(toolbar->Combo()->view()); };
        QVERIFY(!toolbar->Combo()->isEnabled() && !toolbar->UseAction()->isEnabled());
        // Without entries the commands do nothing at all.
        toolbar->UseAction()->trigger();
        toolbar->DeleteAction()->trigger();
        QVERIFY(Area().Text().isEmpty() && m_env->messageBoxes.Boxes().isEmpty());
        for (const char* line : {"p=1", "q=p+1", "r=3"})
            TypeLine(QString::fromLatin1(line));
        QVERIFY(toolbar->Combo()->isEnabled() && toolbar->DeleteAction()->isEnabled());
        // The chosen entry is drawn in the dark text of an enabled control, not in grey.
        const QImage drawn = toolbar->Combo()->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width() / 2; ++x)
                darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
        QVERIFY2(darkest < 32, qPrintable(QString::number(darkest)));
        toolbar->Combo()->setCurrentIndex(1);
        toolbar->UseAction()->trigger();
        QVERIFY(Area().Text().endsWith(QStringLiteral("\r\nq")));
        toolbar->DeleteAction()->trigger();
        QCOMPARE(combo(), QStringList({"p = 1", "r = 3"}));
        // A changed value keeps the same variable chosen.
        toolbar->Combo()->setCurrentIndex(1);
        Area().ClearArea();
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        TypeLine(QStringLiteral("r=4"));
        QCOMPARE(toolbar->Combo()->currentText(), QStringLiteral("r = 4"));
        // The panel shows the list however late it is opened, and the fields the assignment.
        C_VYXDlgFix* panel = ShowPanel(Panel::Variables);
        auto* list = Control<QListWidget>(panel, "listVariables");
        QCOMPARE(ItemTexts(list), QStringList({"p = 1", "r = 4"}));
        QCOMPARE(Control<QLineEdit>(panel, "editVariableName")->text(), QStringLiteral("r"));
        m_env->messageBoxes.QueueAnswer(Answer::No); // asked to save the changed document
        Trigger("actionFileNew");
        QVERIFY(list->count() == 0 && combo().isEmpty());
        // The new document's variables reach both as the old ones did.
        TypeLine(QStringLiteral("C=3"));
        QCOMPARE(combo(), QStringList{"C = 3"});
        QCOMPARE(ItemTexts(list), QStringList{"C = 3"});
    }
};

VYX_WIDGET_TEST_MAIN(PanelsTest)

#include "test_panels.moc"
