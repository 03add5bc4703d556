// SPDX-License-Identifier: MIT
// The resource texts: exact wording (typos included), id mapping and unknown ids.
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using namespace C_VYXResourceIds;

enum class Table { String, ToolTip, Prompt, Menu, Caption };
using enum Table;

struct TextCase {
    const char* name;
    Table table;
    int id;
    const char* expected; // UTF-8
};

QString Look(Table table, int id) {
    switch (table) {
    case Table::String:
        return C_VYXStringTable::Text(id);
    case Table::ToolTip:
        return C_VYXStringTable::ToolTip(id);
    case Table::Prompt:
        return C_VYXStringTable::StatusPrompt(id);
    case Table::Menu:
        return C_VYXStringTable::MenuText(id);
    case Table::Caption:
        return C_VYXStringTable::DialogCaption(id);
    }
    return QString();
}

class StringTableText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StringTableText, IsExactlyTheProgramsWording) {
    EXPECT_EQ(Look(GetParam().table, GetParam().id), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, StringTableText,
    ::testing::Values(
        TextCase{"AngleRadiansKey", String, 102, "ANGLE_RAD"},
        TextCase{"AngleDegreesKey", String, 213, "ANGLE_DEG"},
        TextCase{"AngleGradiansKey", String, 214, "ANGLE_GRA"},
        TextCase{"CounterPrefixKeepsTrailingBlank", String, 244, "Number of calculations: "},
        TextCase{"BarStateSection", String, 355, "MAINFRMBARSTATE"},
        TextCase{"OleMessageWithDoubleBlank", String, 100,
                 "OLE initialization failed.  Make sure that the OLE libraries are the correct "
                 "version."},
        TextCase{"CubeRootSymbol", String, 248, "(3)~"},
        TextCase{"InverseSymbol", String, 251, "^-1"},
        TextCase{"PressureTypo", String, 257, "Presure"},
        TextCase{"CelsiusTypo", String, 262, "Celcius"},
        TextCase{"FahrenheitTypo", String, 263, "Farenheit"},
        TextCase{"KelvinLowId", String, 107, "Kelvin"},
        TextCase{"SquareMeterSuperscript", String, 298, "m²"},
        TextCase{"PsiSuperscript", String, 315, "pounds-force/inch²"},
        TextCase{"CubicCentimeter", String, 327, "cm³"},
        TextCase{"PintsLiquidNoBlank", String, 340, "pints, liquid(US)"},
        TextCase{"LastUnit", String, 343, "quarts, liquid (US)"},
        TextCase{"UnknownString", String, 12345, ""}, TextCase{"HelpIsNotAString", String, 211, ""},
        TextCase{"ComplexTooltipWithoutPeriod", ToolTip, 104, "Show complex-functions dialog"},
        TextCase{"CubeRootTooltip", ToolTip, 32850, "Third root out of x."},
        TextCase{"ClearTooltip", ToolTip, 32863, "Clears the text area."},
        TextCase{"UseVariableTooltip", ToolTip, 32868, "Use selected variable."},
        TextCase{"UnknownTooltip", ToolTip, 32770, ""},
        TextCase{"UseVariablePrompt", Prompt, 32868, "Insert marked variable in textview."},
        TextCase{"DeleteVariablePrompt", Prompt, 32869, "Delete marked variable."},
        TextCase{"PromptFallsBackToTooltip", Prompt, 32860, "Enter."},
        TextCase{"DialogsToolbarTypo", Menu, 174, "Dialogs Toolabar"},
        TextCase{"AlwaysOnTopTypo", Menu, 32810, "Allways on top"},
        TextCase{"FontTwelve", Menu, 32774, "12"},
        TextCase{"RationalOnly", Menu, 32779, "Show only rational solution."},
        TextCase{"UndoWithAccelerator", Menu, 57643, "&Undo\tCtrl+Z"},
        TextCase{"ComplexCaption", Caption, 104, "CMPLX Functions"},
        TextCase{"AboutCaption", Caption, 176, "About TobrikCalculator"},
        TextCase{"UnknownCaption", Caption, 111, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StringTable, DocumentTypeLineSplitsIntoItsParts) {
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(0), QStringLiteral("TobrikCalculator"));
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(1), QString());
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(3),
              QStringLiteral("TobrikCalculator_Files (*.vyx)"));
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(4), QStringLiteral(".vyx"));
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(6), QStringLiteral("TobrikCalculator-doc"));
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(7), QString());
    EXPECT_EQ(C_VYXStringTable::DocumentTypePart(-1), QString());
}

// The converter keys its units by name, so two ids with one text would lose a unit.
TEST(StringTable, UnitAndCategoryNamesAreAllPresentAndDistinct) {
    QList<int> ids{StrUnitKelvin};
    for (int id = StrCategoryLength; id <= StrUnitQuartsLiquidUs; ++id) {
        ids.append(id);
    }
    const QSet<int> gaps{270, 271, 272, 273, 274, 275, 276, 278, 281, 286, 295, 296, 297};
    QSet<QString> names;
    int present = 0;
    for (int id : ids) {
        const QString text = C_VYXStringTable::Text(id);
        if (gaps.contains(id)) {
            EXPECT_TRUE(text.isEmpty()) << id;
            continue;
        }
        EXPECT_FALSE(text.isEmpty()) << id;
        EXPECT_FALSE(names.contains(text)) << text.toStdString();
        names.insert(text);
        ++present;
    }
    EXPECT_EQ(present, 9 + 70);
}

TEST(StringTable, PanelCommandsHaveTooltipMenuTextAndCaption) {
    for (int id : {DlgNumpad, DlgTrigonometry, DlgComplex, DlgVariables, DlgConversion,
                   DlgLatinChars, DlgGreekChars, DlgMathChars}) {
        EXPECT_FALSE(C_VYXStringTable::ToolTip(id).isEmpty()) << id;
        EXPECT_FALSE(C_VYXStringTable::MenuText(id).isEmpty()) << id;
        EXPECT_FALSE(C_VYXStringTable::DialogCaption(id).isEmpty()) << id;
    }
}

TEST(StringTable, EveryToolbarInsertCommandHasATooltip) {
    for (int id = CmdInsertSquareRoot; id <= CmdClearArea; ++id) {
        EXPECT_FALSE(C_VYXStringTable::ToolTip(id).isEmpty()) << id;
    }
}

} // namespace
