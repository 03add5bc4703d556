// SPDX-License-Identifier: MIT
// The resource texts: exact wording (typos included), id mapping and unknown ids.
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using namespace C_VYXResourceIds;

using Lookup = QString (*)(int);
const Lookup String = &C_VYXStringTable::Text, ToolTip = &C_VYXStringTable::ToolTip,
             Prompt = &C_VYXStringTable::StatusPrompt, Menu = &C_VYXStringTable::MenuText,
             Caption = &C_VYXStringTable::DialogCaption,
             DocType = &C_VYXStringTable::DocumentTypePart;

// Exact texts, typos and odd blanks included; unknown ids give nothing.
TEST(StringTable, TextsAreExactlyTheProgramsWording) {
    struct Case {
        Lookup table;
        int id;
        const char* expected; // UTF-8
    };
    // clang-format off
    const Case cases[] = {
        {String, 102, "ANGLE_RAD"}, {String, 244, "Number of calculations: "},
        {String, 100, "OLE initialization failed.  Make sure that the OLE libraries are the "
                      "correct version."},
        {String, 248, "(3)~"}, {String, 257, "Presure"}, {String, 262, "Celcius"},
        {String, 263, "Farenheit"}, {String, 298, "m²"}, {String, 340, "pints, liquid(US)"},
        {String, 343, "quarts, liquid (US)"}, {String, 12345, ""}, {String, 211, ""},
        {ToolTip, 32850, "Third root out of x."}, {ToolTip, 32770, ""},
        {Prompt, 32868, "Insert marked variable in textview."},
        {Prompt, 32860, "Enter."}, // no prompt of its own: the tooltip
        {Menu, 174, "Dialogs Toolabar"}, {Menu, 32810, "Allways on top"},
        {Menu, 57643, "&Undo\tCtrl+Z"}, {Caption, 104, "CMPLX Functions"}, {Caption, 111, ""},
        {DocType, 0, "TobrikCalculator"}, {DocType, 1, ""},
        {DocType, 3, "TobrikCalculator_Files (*.vyx)"}, {DocType, 6, "TobrikCalculator-doc"},
        {DocType, 7, ""}, {DocType, -1, ""}};
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(c.table(c.id), QString::fromUtf8(c.expected)) << c.id;
}

// The converter keys its units by name, so two ids with one text would lose a unit.
TEST(StringTable, UnitAndCategoryNamesAreAllPresentAndDistinct) {
    QList<int> ids{StrUnitKelvin};
    for (int id = StrCategoryLength; id <= StrUnitQuartsLiquidUs; ++id)
        ids.append(id);
    const QSet<int> gaps{270, 271, 272, 273, 274, 275, 276, 278, 281, 286, 295, 296, 297};
    QSet<QString> names;
    for (int id : ids) {
        const QString text = C_VYXStringTable::Text(id);
        EXPECT_EQ(text.isEmpty(), gaps.contains(id)) << id;
        EXPECT_TRUE(text.isEmpty() || !names.contains(text)) << text.toStdString();
        names.insert(text);
    }
    EXPECT_EQ(names.size(), 9 + 70 + 1); // and the empty text of the gaps
}

TEST(StringTable, PanelAndToolbarCommandsHaveTheirTexts) {
    for (int id : {DlgNumpad, DlgTrigonometry, DlgComplex, DlgVariables, DlgConversion,
                   DlgLatinChars, DlgGreekChars, DlgMathChars}) {
        EXPECT_FALSE(C_VYXStringTable::ToolTip(id).isEmpty()) << id;
        EXPECT_FALSE(C_VYXStringTable::MenuText(id).isEmpty()) << id;
        EXPECT_FALSE(C_VYXStringTable::DialogCaption(id).isEmpty()) << id;
    }
    for (int id = CmdInsertSquareRoot; id <= CmdClearArea; ++id)
        EXPECT_FALSE(C_VYXStringTable::ToolTip(id).isEmpty()) << id;
}

} // namespace
