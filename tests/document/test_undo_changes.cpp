// SPDX-License-Identifier: MIT
// Tests that the history, which keeps only the changes between steps, gives back exactly the
// text and selection the area showed at each step, after random edits, undos and redos.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"

#include <random>
#include <tuple>
#include <vector>

namespace {

/// The text, selection start and selection end the area shows.
using Shown = std::tuple<QString, int, int>;

class UndoChangesTest : public DocumentTestSupport::DocumentTest {};

TEST_F(UndoChangesTest, UndoAndRedoRestoreWhatTheAreaShowedAtEachStep) {
    const QString pieces[] = {QStringLiteral("1"), QStringLiteral("ab"), QStringLiteral("\r\n"),
                              QStringLiteral("x\r\ny"), QStringLiteral("sin(")};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&](int high) { return std::uniform_int_distribution<int>(0, high)(random); };
        C_VYXCalcAreaModel area(doc);
        area.ClearArea();
        auto shown = [&] { return Shown{area.Text(), area.SelectionStart(), area.SelectionEnd()}; };
        // What the area showed when each step of its history was recorded; step 0 is empty.
        std::vector<Shown> expected{Shown{}};
        for (int op = 0; op < 40; ++op) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", operation " << op);
            const int kind = pick(5);
            if (kind >= 4) {
                const bool undone = kind == 4 ? area.Undo() : area.Redo();
                if (undone) {
                    ASSERT_EQ(shown(), expected.at(std::size_t(area.History().Current())));
                }
                continue;
            }
            const int before = area.History().Current();
            const int size = int(area.Text().size());
            area.SetSelection(pick(size), pick(size));
            if (kind == 0)
                area.DeleteBackward();
            else
                area.InsertText(pieces[pick(4)]);
            const int now = area.History().Current();
            if (now == before + 1) {
                expected.resize(std::size_t(now));
                expected.push_back(shown());
            } else {
                // Nothing recorded: the text is the current step's (the caret may have moved).
                ASSERT_EQ(now, before);
                ASSERT_EQ(area.Text(), std::get<QString>(expected.at(std::size_t(now))));
                // An edit that changed nothing at all keeps the redo steps; any other drops them.
                const int steps = area.History().StepCount();
                ASSERT_TRUE(steps == now + 1 || steps == int(expected.size()));
                expected.resize(std::size_t(steps));
            }
            ASSERT_EQ(area.History().StepCount(), int(expected.size()));
        }
        while (area.Undo()) {
            ASSERT_EQ(shown(), expected.at(std::size_t(area.History().Current())))
                << "seed " << seed;
        }
        EXPECT_EQ(area.Text(), QString()) << "seed " << seed;
    }
}

} // namespace
