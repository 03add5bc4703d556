// SPDX-License-Identifier: MIT
// Tests of the line index against a plain scan, of what the calculation area reports as changed
// and of how the widget's text follows it: every edit applied to a copy of the widget's text must
// give the text shown from scratch.
#include "DocumentTestSupport.h"

#include "C_VYXCalcAreaModel.h"
#include "C_VYXLineBreakMapping.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {

using Mapping = C_VYXLineBreakMapping;

/// The widget's text written another way than the program does: breaks first, then lone CRs.
QString Shown(const QString& areaText) {
    return QString(areaText)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(u'\r', QChar(Mapping::LoneCarriageReturnSymbol));
}

C_VYXLineIndex IndexOf(const QString& text) {
    C_VYXLineIndex lines;
    lines.Rebuild(text);
    return lines;
}

QString Apply(QString shown, const Mapping::DisplayEdit& edit) {
    return shown.replace(edit.position, edit.removed, edit.text);
}

TEST(DisplayMapping, EditsAtTheEdgesAndAcrossLineBreaksAndPositionsAgreeWithTheShownText) {
    const QString cr(Mapping::LoneCarriageReturnSymbol);
    const QString pair = QStringLiteral("\U0001D400");
    // position, removed, text: the widget's edit, worked out by hand
    // clang-format off
    const struct EditRow {
        const char* name; QString before; C_VYXTextChange change; QString insertion;
        int position, removed; QString text;
    } rows[] = {
        {"typing at the end", "1+1\r\n2", {6, 0, 1}, "3", 5, 0, "3"},
        {"Enter at the end", "1+1", {3, 0, 2}, "\r\n", 3, 0, "\n"},
        {"typing at the start", "1\r\n2", {0, 0, 1}, "x", 0, 0, "x"},
        {"deleting a line break", "ab\r\ncd", {2, 2, 0}, "", 2, 1, ""},
        {"inserting between CR and LF", "a\r\nb", {2, 0, 1}, "x", 1, 0, cr + "x"},
        {"removing the LF of a break", "a\r\nb", {2, 1, 0}, "", 1, 1, cr},
        {"removing the CR of a break", "a\r\nb", {1, 1, 0}, "", 1, 0, ""},
        {"completing a lone CR", "a\rb", {2, 0, 1}, "\n", 1, 1, "\n"},
        {"insertion ending in a CR", "a\nb", {1, 0, 1}, "\r", 1, 1, "\n"},
        {"half a surrogate pair", pair, {1, 1, 1}, pair.right(1), 0, 2, pair},
        {"everything", "a\r\nb", {0, 4, 2}, "xy", 0, 3, "xy"},
    };
    // clang-format on
    for (const EditRow& row : rows) {
        const QString after =
            QString(row.before).replace(row.change.position, row.change.removed, row.insertion);
        const Mapping::DisplayEdit edit = Mapping::ToDisplayEdit(after, IndexOf(after), row.change,
                                                                 int(Shown(row.before).size()));
        EXPECT_EQ(u"%1 %2 "_s.arg(edit.position).arg(edit.removed) + edit.text,
                  u"%1 %2 "_s.arg(row.position).arg(row.removed) + row.text)
            << row.name;
        EXPECT_EQ(Apply(Shown(row.before), edit), Shown(after)) << row.name;
    }
    // Positions agree with the shown text.
    // Few characters, so CR LF pairs, lone CRs and LFs and surrogates meet in every order.
    std::mt19937 random(5);
    for (int round = 0; round < 300; ++round) {
        const QString text = DocumentTestSupport::RandomText(random, u"\r\n\r\na\U0001D400", 14);
        const C_VYXLineIndex lines = IndexOf(text);
        const int size = int(text.size());
        for (int area = -1; area <= size + 1; ++area) {
            if (area > 0 && text.mid(area - 1, 2) == QStringView(u"\r\n"))
                continue; // the area never places the caret there
            // The widget's position is the shown length of the text before it.
            const int inside = std::clamp(area, 0, size);
            const int shown = Mapping::ToDisplayPosition(lines, size, area);
            ASSERT_EQ(shown, Shown(text.left(inside)).size()) << round << ", at " << area;
            ASSERT_EQ(Mapping::ToAreaPosition(lines, size, shown + (area - inside)), inside)
                << round << ", at " << area;
        }
    }
}

/// An area whose reported changes are checked against the text before them and applied to a
/// copy of the widget's text.
class FollowedArea : public DocumentTestSupport::DocumentTest {
protected:
    FollowedArea() {
        QObject::connect(&area, &C_VYXCalcAreaModel::textReplaced,
                         [this](const C_VYXTextChange& change) { Follow(change); });
    }

    void Follow(const C_VYXTextChange& change) {
        const QString& after = area.Text();
        last = change;
        const int kept = int(before.size()) - change.position - change.removed;
        ASSERT_GE(kept, 0);
        ASSERT_EQ(after.size(), before.size() - change.removed + change.inserted);
        ASSERT_EQ(after.left(change.position), before.left(change.position));
        ASSERT_EQ(after.right(kept), before.right(kept));
        shown =
            Apply(shown, Mapping::ToDisplayEdit(after, area.Lines(), change, int(shown.size())));
        before = after;
    }

    C_VYXCalcAreaModel area{doc};
    QString before;
    QString shown;
    C_VYXTextChange last;
};

TEST_F(FollowedArea, RandomEditsAndUndoOfASmallEditToALongTextKeepTheWidgetTextRight) {
    const QStringList pieces = {u"1+2"_s, u"\r\n"_s, u"\n"_s, u"\r"_s, u"\U0001D400"_s, u"x"_s};
    std::mt19937 random(21);
    auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    for (int step = 0; step < 2000; ++step) {
        const int size = int(area.Text().size());
        const int start = pick(size + 1);
        area.SetSelection(start, start + pick(4));
        const int kind = pick(8);
        if (kind == 0) {
            area.DeleteBackward();
        } else if (kind == 1) {
            area.PressEnter(false); // an empty line leaves the text unrecorded
        } else if (kind == 2 || kind == 3) {
            kind == 2 ? area.Undo() : area.Redo();
        } else if (kind == 4) {
            // A loaded text may hold lone CRs and LFs; undo then starts from another text.
            C_VYXCalcTextNFO& record = doc.Settings().CalcText();
            record.text = pick(20) == 0 ? QStringLiteral("a\rb\nc\r\n") : area.Text();
            record.textValid = 1;
            area.OnUpdate();
        } else {
            area.TypeText(pieces.at(pick(int(pieces.size()))));
        }
        ASSERT_EQ(shown, Shown(area.Text())) << "step " << step;
    }
    // The undo of a small edit to a long text reports only that edit.
    area.ClearArea();
    QString session;
    for (int line = 0; line < 20000; ++line)
        session += QStringLiteral("%1/7\r\n").arg(line);
    area.TypeText(session);
    for (const int line : {20000, 7000}) { // at the end, then in the middle
        area.SetSelection(area.LineStart(line), area.LineStart(line));
        area.TypeText(QStringLiteral("9"));
        ASSERT_TRUE(area.Undo());
        EXPECT_EQ(QList({last.position, last.removed, last.inserted}),
                  QList({area.LineStart(line), 1, 0}))
            << "line " << line;
    }
    area.ClearArea();
    ASSERT_TRUE(area.Undo()); // the whole text comes back
    EXPECT_EQ(area.Text(), session);
    ASSERT_TRUE(area.Undo());
    ASSERT_TRUE(area.Redo());
    EXPECT_EQ(shown, Shown(session));
    EXPECT_EQ(area.LineCount(), 20001);
}

/// Line starts found by walking the whole text, the way the index must agree with.
std::vector<int> ScannedStarts(const QString& text) {
    std::vector<int> starts{0};
    for (qsizetype at = text.indexOf(u"\r\n"); at >= 0; at = text.indexOf(u"\r\n", at + 2))
        starts.push_back(int(at + 2));
    return starts;
}

/// Every lookup of the index compared with the scan; the message names the edit that broke it.
void ExpectMatchesScan(const C_VYXLineIndex& index, const QString& text, int edit) {
    SCOPED_TRACE(testing::Message() << "after edit " << edit);
    const std::vector<int> starts = ScannedStarts(text);
    const int size = int(text.size());
    ASSERT_EQ(index.LineCount(), int(starts.size()));
    for (int line = -1; line <= int(starts.size()); ++line) {
        const int expectedStart = line <= 0 ? 0 : line < int(starts.size()) ? starts[line] : size;
        const int expectedEnd =
            line + 1 < int(starts.size()) ? starts[std::max(line, 0) + 1] - 2 : size;
        ASSERT_EQ(index.LineStart(line, size), expectedStart) << "line " << line;
        if (line >= 0 && line < int(starts.size())) {
            ASSERT_EQ(index.LineEnd(line, size), expectedEnd) << "line " << line;
        }
    }
    int line = 0;
    for (int position = 0; position <= size; ++position) {
        while (line + 1 < int(starts.size()) && starts[line + 1] <= position)
            ++line;
        ASSERT_EQ(index.LineFromPosition(position), line) << "position " << position;
    }
}

TEST(LineIndex, RandomEditsAgreeWithAScanOfTheText) {
    // Few distinct characters, so edits keep making and splitting CR LF pairs, lone CRs and LFs.
    std::mt19937 random(13);
    const auto randomText = [&](int maxLength) {
        return DocumentTestSupport::RandomText(random, u"\r\n\r\nab", maxLength);
    };
    QString text = randomText(20);
    C_VYXLineIndex index;
    index.Rebuild(text);
    for (int edit = 0; edit < 3000; ++edit) {
        const int size = int(text.size());
        const int position = std::uniform_int_distribution<int>(0, size)(random);
        const int removed =
            std::uniform_int_distribution<int>(0, std::min(6, size - position))(random);
        const QString insertion = text.size() > 200 ? QString() : randomText(6);
        text.replace(position, removed, insertion);
        index.Replace(text, position, removed, int(insertion.size()));
        ExpectMatchesScan(index, text, edit);
    }
}

} // namespace
