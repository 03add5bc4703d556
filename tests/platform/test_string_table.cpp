// SPDX-License-Identifier: MIT
// The resource texts: every unit has a name of its own, every command its texts. The wording
// itself is checked where the texts are shown (messages, the command line).
#include "C_VYXResourceIds.h"
#include "C_VYXStringTable.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using namespace C_VYXResourceIds;

// The converter keys its units by name, so two ids with one text would lose a unit.
TEST(StringTable, UnitNamesArePresentAndDistinctCommandsHaveTheirTexts) {
    QList<int> ids{kStrUnitKelvin};
    for (int id = kStrCategoryLength; id <= kStrUnitQuartsLiquidUs; ++id)
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
    // Panel and toolbar commands have their texts.
    for (int id : {kDlgNumpad, kDlgTrigonometry, kDlgComplex, kDlgVariables, kDlgConversion,
                   kDlgLatinChars, kDlgGreekChars, kDlgMathChars}) {
        EXPECT_FALSE(C_VYXStringTable::ToolTip(id).isEmpty()) << id;
        EXPECT_FALSE(C_VYXStringTable::MenuText(id).isEmpty()) << id;
        EXPECT_FALSE(C_VYXStringTable::DialogCaption(id).isEmpty()) << id;
    }
    for (int id = kCmdInsertSquareRoot; id <= kCmdClearArea; ++id)
        EXPECT_FALSE(C_VYXStringTable::ToolTip(id).isEmpty()) << id;
}

} // namespace
