// SPDX-License-Identifier: MIT
// The resource texts: exact wording (typos included), id mapping and unknown ids.
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using namespace C_VYXResourceIds;

enum class Table { String, ToolTip, Prompt, Menu, Caption };

struct TextCase {
    const char* name;
    Table table;
    int id;
    QString expected;
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
    EXPECT_EQ(Look(GetParam().table, GetParam().id), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, StringTableText,
    ::testing::Values(
        TextCase{"AngleRadiansKey", Table::String, 102, QStringLiteral("ANGLE_RAD")},
        TextCase{"AngleDegreesKey", Table::String, 213, QStringLiteral("ANGLE_DEG")},
        TextCase{"AngleGradiansKey", Table::String, 214, QStringLiteral("ANGLE_GRA")},
        TextCase{"CounterPrefixKeepsTrailingBlank", Table::String, 244,
                 QStringLiteral("Number of calculations: ")},
        TextCase{"BarStateSection", Table::String, 355, QStringLiteral("MAINFRMBARSTATE")},
        TextCase{"OleMessageWithDoubleBlank", Table::String, 100,
                 QStringLiteral("OLE initialization failed.  Make sure that the OLE libraries "
                                "are the correct version.")},
        TextCase{"CubeRootSymbol", Table::String, 248, QStringLiteral("(3)~")},
        TextCase{"InverseSymbol", Table::String, 251, QStringLiteral("^-1")},
        TextCase{"PressureTypo", Table::String, 257, QStringLiteral("Presure")},
        TextCase{"CelsiusTypo", Table::String, 262, QStringLiteral("Celcius")},
        TextCase{"FahrenheitTypo", Table::String, 263, QStringLiteral("Farenheit")},
        TextCase{"KelvinLowId", Table::String, 107, QStringLiteral("Kelvin")},
        TextCase{"SquareMeterSuperscript", Table::String, 298, QStringLiteral("m²")},
        TextCase{"PsiSuperscript", Table::String, 315, QStringLiteral("pounds-force/inch²")},
        TextCase{"CubicCentimeter", Table::String, 327, QStringLiteral("cm³")},
        TextCase{"PintsLiquidNoBlank", Table::String, 340, QStringLiteral("pints, liquid(US)")},
        TextCase{"LastUnit", Table::String, 343, QStringLiteral("quarts, liquid (US)")},
        TextCase{"UnknownString", Table::String, 12345, QString()},
        TextCase{"HelpIsNotAString", Table::String, 211, QString()},
        TextCase{"ComplexTooltipWithoutPeriod", Table::ToolTip, 104,
                 QStringLiteral("Show complex-functions dialog")},
        TextCase{"CubeRootTooltip", Table::ToolTip, 32850, QStringLiteral("Third root out of x.")},
        TextCase{"ClearTooltip", Table::ToolTip, 32863, QStringLiteral("Clears the text area.")},
        TextCase{"UseVariableTooltip", Table::ToolTip, 32868,
                 QStringLiteral("Use selected variable.")},
        TextCase{"UnknownTooltip", Table::ToolTip, 32770, QString()},
        TextCase{"UseVariablePrompt", Table::Prompt, 32868,
                 QStringLiteral("Insert marked variable in textview.")},
        TextCase{"DeleteVariablePrompt", Table::Prompt, 32869,
                 QStringLiteral("Delete marked variable.")},
        TextCase{"PromptFallsBackToTooltip", Table::Prompt, 32860, QStringLiteral("Enter.")},
        TextCase{"DialogsToolbarTypo", Table::Menu, 174, QStringLiteral("Dialogs Toolabar")},
        TextCase{"AlwaysOnTopTypo", Table::Menu, 32810, QStringLiteral("Allways on top")},
        TextCase{"FontTwelve", Table::Menu, 32774, QStringLiteral("12")},
        TextCase{"RationalOnly", Table::Menu, 32779,
                 QStringLiteral("Show only rational solution.")},
        TextCase{"UndoWithAccelerator", Table::Menu, 57643, QStringLiteral("&Undo\tCtrl+Z")},
        TextCase{"ComplexCaption", Table::Caption, 104, QStringLiteral("CMPLX Functions")},
        TextCase{"AboutCaption", Table::Caption, 176, QStringLiteral("About TobrikCalculator")},
        TextCase{"UnknownCaption", Table::Caption, 111, QString()}),
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
