// SPDX-License-Identifier: MIT
// Tests of the tool panels in a real main window: each kind of control reaches the document
// once, the keys a panel takes, and the state kept with the document file. What the controls
// compute and when they are enabled is tested with the panels' models.
#include "C_VYXCalcCMPLXView.h"
#include "C_VYXCharPalette.h"
#include "C_VYXToolbarVariables.h"
#include "VYXCalculator.h"
#include "WidgetTestSupport.h"

namespace {
/// Real key presses; characters beyond ASCII (√, ²) come as text, as an input method sends.
void Type(QWidget* widget, const QString& text) {
    for (const QChar character : text)
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, char(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
}

/// Replaces the text of a field or an editable box with typed text.
void Retype(QWidget* widget, const QString& text) {
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    Type(widget, text);
}

/// What a button's caption shows: "&&" is an ampersand, a single "&" marks a mnemonic.
QString Shown(const QPushButton* button) {
    return button->text().replace(QRegularExpression(u"&(.?)"_s), u"\\1"_s);
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

// The odd keys: a lower case before its capital and after one, a letter without a capital, an
// ampersand that must not become a mnemonic, a symbol of two characters. The key's text in the
// case the record holds (Latin small, Greek capitals from a 7: a file may hold any non-zero value
// for them), then after the case toggle (the same for symbols).
const std::tuple<const char*, Panel, int, QString, QString> kPaletteKeys[] = {
    {"Latin W", Panel::Latin, 1079, "w", "W"},
    {"Lamda", Panel::Greek, 1059, "Λ", "λ"},
    {"final sigma", Panel::Greek, 1063, "ς", "ς"},
    {"ampersand", Panel::Math, 1100, "&", "&"},
    {"comment", Panel::Math, 1104, "//", "//"}};

/// The fields of the trigonometry panel's triangle: angles, sides, area.
const char* const kTriangleFields[] = {"editAngleA", "editAngleB", "editAngleC", "editSideA",
                                       "editSideB",  "editSideC",  "editArea"};
} // namespace

class PanelsTest : public MainFrameFixture {
    Q_OBJECT

private:
    /// Saves the document under `name`, starts a new one, checks `cleared`, opens it again.
    template <typename Check> void SaveNewOpen(const QString& name, Check cleared) {
        const QString path = SaveUntitled(name);
        Trigger("actionFileNew");
        cleared();
        m_env->fileChooser.openPaths.enqueue(path);
        Trigger("actionFileOpen");
        // Showing the loaded record is no change of the document.
        QVERIFY(!Doc().IsModified());
    }

private slots:
    // ---- numpad ----

    void numpadButtonsKeysAndDecimalsSlider() {
        C_VYXDlgFix* numpad = ShowPanel(Panel::Numpad);
        // Enter and Escape neither close the panel nor press the button that has the focus.
        NumpadControl(1020)->setFocus();
        PressKeys(numpad, {Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter, Qt::Key_Escape});
        QVERIFY(numpad->isVisible());
        QCOMPARE(Area().Text(), QString());
        for (int id : {1020, 1034, 1028, 1034, 1030}) // 3, x², DEL takes the ² back, x², =
            Click(NumpadControl(id));
        QCOMPARE(Area().Text(), u"3²\r\n9\r\n"_s);
        Area().InsertText(u"1/3"_s);
        Click(NumpadControl(1144)); // ≈
        QCOMPARE(Area().LineText(3), u"0.333333"_s);
        Click(NumpadControl(1031)); // CLS empties at once without a question
        QCOMPARE(Area().Text(), QString());

        // The slider sets the decimals, kept with the document and in range; the number under
        // it shows them, and the engine lays its results out with them (tested with the engine).
        auto* slider = numpad->findChild<QSlider*>();
        const auto* shown = Control<QLabel>(
            numpad, QString::fromLatin1(C_VYXCalcBasicButtonsView::kDecimalsLabelName));
        QVERIFY(shown->isVisible());
        const auto decimals = [&] {
            return QList{slider->value(), shown->text().toInt(), Doc().Calculator().GetDecimals()};
        };
        Doc().SetModifiedFlag(false);
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Up);
        QVERIFY(Doc().IsModified());
        QCOMPARE(decimals(), QList<int>(3, 7));
        // As a damaged or a loaded document leaves the record: the engine stays in range.
        for (const auto& [stored, inRange] : {std::pair{0, 1}, std::pair{99, 10}}) {
            Doc().Settings().BasicButtons().m_nDecimals = stored;
            m_frame->Panels().RefreshAll();
            QCOMPARE(decimals(), QList<int>(3, inRange));
        }
    }

    // ---- palettes ----

    void paletteKeyInsertsInTheChosenCase_data() { AddRows(kPaletteKeys); }
    void paletteKeyInsertsInTheChosenCase() {
        const auto& [row, panel, id, first, second] = FetchRow(kPaletteKeys);
        Doc().Settings().KeyBoard().m_nLatinCaps = 0;
        Doc().Settings().KeyBoard().m_nGreekCaps = 7;
        C_VYXDlgFix* palette = ShowPanel(panel);
        QPushButton* key = Control(palette, C_VYXCharPalette::KeyObjectName(id));
        Area().InsertText(u"1+2"_s);
        Area().SetSelection(1, 2);
        QCOMPARE(Shown(key), first);
        Click(key);
        if (auto* toggle =
                palette->findChild<QPushButton*>(C_VYXCharPalette::kCaseToggleObjectName)) {
            // The toggle marks the document and shows the case of the keys as its icon.
            Doc().SetModifiedFlag(false);
            Click(toggle);
            QVERIFY(m_frame->isWindowModified());
            const QIcon lower(u":/icons/case-lower.svg"_s);
            QCOMPARE(toggle->icon().pixmap(16).toImage() == lower.pixmap(16).toImage(),
                     panel == Panel::Greek); // the Greek keys' capitals before the toggle
        }
        QCOMPARE(Shown(key), second);
        // Enter types the focused key; Escape hides the palette.
        key->setFocus();
        QTest::keyClick(key, Qt::Key_Return);
        QCOMPARE(Area().Text(), "1" + first + second + "2");
        QTest::keyClick(key, Qt::Key_Escape);
        QVERIFY(!m_frame->Panels().IsShown(panel));
    }

    // ---- complex numbers ----

    void complexButtonsKeysAndTheArgumentBox() {
        C_VYXDlgFix* panel = ShowPanel(Panel::Complex);
        // "Cnj" inserts another spelling, "i" no parenthesis.
        Area().InsertText(u"2*"_s);
        Click(Control(panel, C_VYXCalcCMPLXView::ButtonObjectName(1025)));
        QCOMPARE(Area().Text(), u"2*CNJ("_s);
        // A focused button takes Enter as a click, as in any dialog, and the panel stays.
        QPushButton* i = Control(panel, C_VYXCalcCMPLXView::ButtonObjectName(1024));
        i->setFocus();
        QTest::keyClick(i, Qt::Key_Return);
        QCOMPARE(Area().Text(), u"2*CNJ(i"_s);
        auto* box = Control<QCheckBox>(panel, C_VYXCalcCMPLXView::ArgumentCheckBoxObjectName);
        // Elsewhere Enter hides the panel without touching the box, and so does Escape.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!panel->isVisible() && !box->isChecked());
        ShowPanel(Panel::Complex);
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(!m_frame->Panels().IsShown(Panel::Complex));

        // The box reaches the record and is kept with the document.
        ShowPanel(Panel::Complex);
        Doc().SetModifiedFlag(false);
        Click(box);
        QCOMPARE(Doc().Settings().CMPLX().m_nAlwaysShowArgument, 1);
        QVERIFY(m_frame->isWindowModified());
        SaveNewOpen(u"argument.vyx"_s, [&] { QVERIFY(!box->isChecked()); });
        QVERIFY(box->isChecked());
        Click(box); // the loaded record is the one changed
        QCOMPARE(Doc().Settings().CMPLX().m_nAlwaysShowArgument, 0);
    }

    // ---- trigonometry ----

    void trigPanelShowsTheRecordAndItsControlsReachTheModel() {
        Doc().Settings().BasicButtons().m_nDecimals = 10;
        C_VYXTrigNFO& record = Doc().Settings().Trig();
        record.m_nAngleUnit = 214;
        record.m_solver.SetAngleUnit(214);
        record.m_solver.Solve({0, 0, 0, 3, 4, 5}, m_env->messageBoxes);
        C_VYXDlgFix* panel = ShowPanel(Panel::Trigonometry);
        const auto field = [&](int i) { return Control<QLineEdit>(panel, kTriangleFields[i]); };
        const auto fill = [&](const QStringList& texts) {
            for (int i = 0; i < 6; ++i)
                Retype(field(i), texts.value(i));
        };
        // The radio follows the record's unit, the field the record's triangle.
        QVERIFY(Control<QRadioButton>(panel, "radioGradians")->isChecked());
        QCOMPARE(field(2)->text().toDouble(), 100.0);
        // Values with ten decimals show in full.
        Click(Control(panel, "buttonClr"));
        Click(Control<QRadioButton>(panel, "radioDegrees"));
        fill({"", "", "", "3", "4", "6"});
        Click(Control(panel, "buttonExe"));
        // Sides 3, 4, 6: the angle opposite 6, worked out with Python (law of cosines).
        QCOMPARE(field(2)->text(), u"117.2796127360"_s);
        const int frame = panel->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        for (int i = 0; i < 7; ++i) {
            // A line edit draws its text inside its frame and two pixels on either side.
            const QLineEdit* edit = field(i);
            const int textWidth = edit->fontMetrics().horizontalAdvance(edit->text());
            QVERIFY2(textWidth + 2 * frame + 4 <= edit->width(), kTriangleFields[i]);
        }
        // The widened fields still stand in the panel, side by side.
        QVERIFY(field(0)->geometry().right() < field(1)->geometry().left());
        QVERIFY(field(2)->geometry().right() < panel->width());
        Doc().SetModifiedFlag();
        m_env->messageBoxes.QueueAnswer(Answer::No);
        Trigger("actionFileNew");
        QVERIFY(Control<QRadioButton>(panel, "radioRadians")->isChecked());
        QCOMPARE(field(2)->text().toDouble(), 0.0);

        // The new document's record, with its six decimals.
        for (const auto& [radio, unit] :
             {std::pair{"radioGradians", "GRA"}, std::pair{"radioRadians", "RAD"},
              std::pair{"radioDegrees", "DEG"}}) {
            Doc().SetModifiedFlag(false);
            Click(Control<QRadioButton>(panel, radio));
            QVERIFY2(Doc().Calculator().GetAngle() == unit && Doc().IsModified(), radio);
        }
        QCOMPARE(Doc().Settings().Trig().m_nAngleUnit, 213); // not the replaced record's
        // The function buttons insert only the name: the user types the argument.
        Click(Control(panel, u"button_sin"_s));
        TypeLine(u"(30)"_s);
        QCOMPARE(Area().LineText(1), u"0.500000"_s);
        // Typed fields reach the model, and each button runs its command.
        fill({"30", "", "", "5", "8"});
        Click(Control(panel, "buttonExe"));
        QCOMPARE(field(5)->text(), u"9.928203"_s);
        Click(Control(panel, "buttonSecond"));
        QCOMPARE(field(2)->text(), u"23.130102"_s);
        Click(Control(panel, "buttonUse")); // writes the triangle shown
        QVERIFY(Area().Text().contains(u"\r\nB=126.869898\r\n"_s));
        Click(Control(panel, "buttonClr"));
        QVERIFY(!field(6)->isEnabled() && !Control(panel, "buttonUse")->isEnabled());
        // Enter solves wherever the focus is, a button included; Escape keeps the panel.
        for (const auto& [focus, key] :
             {std::pair{"editAngleB", Qt::Key_Return}, std::pair{"buttonClr", Qt::Key_Enter}}) {
            fill({"30", "60"});
            auto* target = Control<QWidget>(panel, focus);
            target->setFocus();
            QTest::keyClick(target, key);
            QVERIFY2(field(2)->text() == u"90.000000"_s, focus);
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(panel->isVisible());
        }
        // The question of File New, then one box for each Enter.
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 3);
    }

    // ---- unit conversion ----

    void converterControlsReachTheModelAndTheFile() {
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
        auto* list = Control<QListWidget>(panel, "listSavedConversions");
        // Enter and Escape keep the panel open and convert nothing.
        Type(value, u"3"_s);
        QTest::keyClick(value, Qt::Key_Return);
        QTest::keyClick(panel, Qt::Key_Escape);
        QVERIFY(panel->isVisible() && result->text().isEmpty());
        // Unit names beyond ASCII typed into the boxes; the result has the numpad's decimals.
        const auto choose = [&](const char* name, const QString& text) {
            auto* box = Control<QComboBox>(panel, name);
            Retype(box, text);
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY2(box->currentText() == text, name);
        };
        choose("comboCategory", u"Area"_s);
        choose("comboFromUnit", u"m²"_s);
        choose("comboToUnit", u"cm²"_s);
        Retype(value, u"2"_s);
        Click(Control(panel, "buttonConvert"));
        QCOMPARE(result->text(), u"20000.00"_s);
        Click(Control(panel, "buttonAdd"));
        const QStringList saved = ItemTexts(list);
        QCOMPARE(saved, QStringList{u"2 m² = 20000.00 cm²"_s});
        SaveNewOpen(u"convert.vyx"_s, [&] { QCOMPARE(list->count(), 0); });
        QCOMPARE(ItemTexts(list), saved);
        QCOMPARE(result->text(), u"20000.00"_s);
        ClickRow(list, 0);
        Click(Control(panel, "buttonUse"));
        QCOMPARE(Area().Text(), "//" + saved.first());
        // The panel works on the loaded record, not on the one of the replaced settings.
        Click(Control(panel, "buttonDelete"));
        QVERIFY(list->count() == 0 && Doc().Settings().Convert().m_savedConversions.isEmpty());
        Click(Control(panel, "buttonAdd"));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click(Control(panel, "buttonDeleteAll"));
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
        const auto define = [&](const QString& text, const QString& definition, QWidget* confirm) {
            Retype(name, text);
            Retype(value, definition);
            if (confirm != nullptr)
                QTest::keyClick(confirm, Qt::Key_Return);
            else
                Click(Control(panel, "buttonAdd"));
        };
        define(u"b"_s, u"2"_s, name);
        define(u"A"_s, u"1"_s, nullptr);
        define(u"K"_s, u"A+b"_s, value);
        QCOMPARE(ItemTexts(list), QStringList({"A = 1", "b = 2", "K = A+b = 3"}));
        // The title shows the change at once, although the calculation area did not change.
        QVERIFY(panel->isVisible() && m_frame->isWindowModified());
        // A rejected name the model empties is emptied on the screen, and Add follows it.
        define(u"2pi"_s, u"1"_s, value);
        QCOMPARE(m_env->messageBoxes.Boxes().size(), 1);
        QCOMPARE(fields(), u"|1"_s);
        QVERIFY(!Control(panel, "buttonAdd")->isEnabled());

        QTest::keyClicks(&m_frame->TextView(), u"2*"_s);
        ClickRow(list, 2);
        QCOMPARE(fields(), u"K|A+b"_s);
        Click(Control(panel, "buttonUseSelected")); // the name at the caret
        QCOMPARE(Area().Text(), u"2*K"_s);
        Click(Control(panel, "buttonDel"));
        QCOMPARE(ItemTexts(list), QStringList({"A = 1", "b = 2"}));
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        Click(Control(panel, "buttonDeleteAll"));
        QVERIFY(list->count() == 0 && !Control(panel, "buttonDeleteAll")->isEnabled());
    }

    void variablesToolbarFollowsAssignmentsALaterPanelAndFileNew() {
        auto* toolbar = Control<C_VYXToolbarVariables>(m_frame.get(), QString());
        const auto combo = [&] { return ItemTexts(toolbar->Combo()->view()); };
        // Without entries the list and its commands are disabled, so a trigger does nothing.
        QVERIFY(!toolbar->Combo()->isEnabled() && !toolbar->UseAction()->isEnabled() &&
                !toolbar->DeleteAction()->isEnabled());
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
        QVERIFY(Area().Text().endsWith(u"\r\nq"_s));
        toolbar->DeleteAction()->trigger();
        QCOMPARE(combo(), QStringList({"p = 1", "r = 3"}));
        // A changed value keeps the same variable chosen.
        toolbar->Combo()->setCurrentIndex(1);
        Area().ClearArea();
        m_env->messageBoxes.QueueAnswer(Answer::Yes);
        TypeLine(u"r=4"_s);
        QCOMPARE(toolbar->Combo()->currentText(), u"r = 4"_s);
        // The panel shows the list however late it is opened, and the fields the assignment.
        C_VYXDlgFix* panel = ShowPanel(Panel::Variables);
        auto* list = Control<QListWidget>(panel, "listVariables");
        QCOMPARE(ItemTexts(list), QStringList({"p = 1", "r = 4"}));
        QCOMPARE(Control<QLineEdit>(panel, "editVariableName")->text(), u"r"_s);
        m_env->messageBoxes.QueueAnswer(Answer::No); // asked to save the changed document
        Trigger("actionFileNew");
        QVERIFY(list->count() == 0 && combo().isEmpty());
        // The new document's variables reach both as the old ones did.
        TypeLine(u"C=3"_s);
        QCOMPARE(combo(), QStringList{"C = 3"});
        QCOMPARE(ItemTexts(list), QStringList{"C = 3"});
    }
};

VYX_WIDGET_TEST_MAIN(PanelsTest)

#include "test_panels.moc"
