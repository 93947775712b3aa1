// The designer's actions on form texts: each case's expected text, in a
// file with LF and again with CR LF line ends, and the form compiler then
// translates that text without an error.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "design_edits.h"
#include "event_table_file.h"
#include "kvmemorystream.h"
#include "translate_form.h"

namespace {

struct DesignCase {
    const char *name;
    const char *before;
    std::function<DesignChange(const FormOutline &)> action;
    // Null when the action is refused and the text stays.
    const char *after;
    int32_t refusedLine = 0;
};

// The object declared at `line` of the outline.
int32_t At(const FormOutline &outline, int32_t line)
{
    const int32_t object = outline.ObjectAtLine(line);
    EXPECT_GE(object, 0) << "no declaration at line " << line;
    return object;
}

const char *const Dialog = "Dialog AS FORM\n"     // 1
                           "  Caption = \"Hi\"\n" // 2
                           "  Ok AS KvButton\n"   // 3
                           "    Caption = \"OK\"\n"
                           "    Left = 8\n"
                           "    Top = 16\n"
                           "  END\n"
                           "END\n"
                           "SUB Ok_Click(^Event AS KvEvent)\n"
                           "END SUB\n";

const DesignCase Cases[] = {
    {"a move changes the numbers of the lines that exist", Dialog,
     [](const FormOutline &o) {
         return SetWholeNumbers(o, At(o, 3), {{"Left", 24}, {"Top", 40}});
     },
     "Dialog AS FORM\n  Caption = \"Hi\"\n  Ok AS KvButton\n    Caption = \"OK\"\n    Left = 24\n    Top = "
     "40\n"
     "  END\nEND\nSUB Ok_Click(^Event AS KvEvent)\nEND SUB\n"},
    {"a resize inserts the missing lines after the declaration, indented as the block", Dialog,
     [](const FormOutline &o) {
         return SetWholeNumbers(o, At(o, 3), {{"Width", 80}, {"Height", 32}});
     },
     "Dialog AS FORM\n  Caption = \"Hi\"\n  Ok AS KvButton\n    Width = 80\n    Height = 32\n    Caption = "
     "\"OK\"\n"
     "    Left = 8\n    Top = 16\n  END\nEND\nSUB Ok_Click(^Event AS KvEvent)\nEND SUB\n"},
    {"the line that decides is the last; names in any case and blanks stay as written",
     "F AS FORM\n\tB AS KvLabel\n\t\tLEFT= X + 1\n\t\tleft   =  3 \n\tEND\nEND\n",
     [](const FormOutline &o) {
         return SetWholeNumbers(o, At(o, 2), {{"Left", -5}});
     },
     "F AS FORM\n\tB AS KvLabel\n\t\tLEFT= X + 1\n\t\tleft   =  -5 \n\tEND\nEND\n"},
    {"a place set by an expression is refused at its line",
     "F AS FORM\n  B AS KvLabel\n    Left = 8\n    Top = Base + 8\n  END\nEND\n",
     [](const FormOutline &o) {
         return SetWholeNumbers(o, At(o, 2), {{"Left", 16}, {"Top", 16}});
     },
     nullptr, 4},
    {"an empty block takes the indentation step of the text",
     "F AS FORM\n    Box AS KvPanel\n        Left = 0\n    END\n    B AS KvLabel\n    END\nEND\n",
     [](const FormOutline &o) {
         return SetWholeNumbers(o, At(o, 5), {{"Top", 8}});
     },
     "F AS FORM\n    Box AS KvPanel\n        Left = 0\n    END\n    B AS KvLabel\n        Top = 8\n    "
     "END\nEND\n"},
    {"a container's lines after its children are its own, the children's are not",
     "F AS FORM\n  Box AS KvPanel\n    In AS KvButton\n      Left = 4\n    END\n    Left = 2\n  END\nEND\n",
     [](const FormOutline &o) {
         return SetWholeNumbers(o, At(o, 2), {{"Left", 10}});
     },
     "F AS FORM\n  Box AS KvPanel\n    In AS KvButton\n      Left = 4\n    END\n    Left = 10\n  END\nEND\n"},
    {"the form's size from its frame", Dialog,
     [](const FormOutline &o) {
         return SetWholeNumbers(o, 0, {{"Width", 320}, {"Height", 200}});
     },
     "Dialog AS FORM\n  Width = 320\n  Height = 200\n  Caption = \"Hi\"\n  Ok AS KvButton\n    Caption = "
     "\"OK\"\n"
     "    Left = 8\n    Top = 16\n  END\nEND\nSUB Ok_Click(^Event AS KvEvent)\nEND SUB\n"},
    {"a new control goes at the end of its container with the lowest free number",
     "F AS FORM\n  button1 AS KvLabel\n  END\n  Button3 AS KvButton\n  END\nEND\n",
     [](const FormOutline &o) {
         return AddControl(o, 0, "KvButton", "Caption", {8, 40, 75, 25}).change;
     },
     "F AS FORM\n  button1 AS KvLabel\n  END\n  Button3 AS KvButton\n  END\n  Button2 AS KvButton\n"
     "    Caption = \"Button2\"\n    Left = 8\n    Top = 40\n    Width = 75\n    Height = 25\n  END\nEND\n"},
    {"a new control inside an empty placeholder",
     "F AS FORM\n  Caption = \"x\"\n  Box AS KvPanel\n  END\nEND\nSUB Edit1\n",
     [](const FormOutline &o) {
         return AddControl(o, At(o, 3), "KvEdit", "Text", {0, 0, 100, 20}).change;
     },
     "F AS FORM\n  Caption = \"x\"\n  Box AS KvPanel\n    Edit1 AS KvEdit\n      Text = \"Edit1\"\n      "
     "Left = 0\n"
     "      Top = 0\n      Width = 100\n      Height = 20\n    END\n  END\nEND\nSUB Edit1\n"},
    {"a deleted control goes with its children; handlers that name it stay",
     "F AS FORM\n  Box AS KvPanel\n    Go AS KvButton\n      eClick: Go_Click\n    END\n  END\n  L AS "
     "KvLabel\n  END\nEND\n"
     "SUB Go_Click(^Event AS KvEvent)\nEND SUB\n",
     [](const FormOutline &o) { return DeleteControl(o, At(o, 2)); },
     "F AS FORM\n  L AS KvLabel\n  END\nEND\nSUB Go_Click(^Event AS KvEvent)\nEND SUB\n"},
    {"the form cannot be deleted", Dialog, [](const FormOutline &o) { return DeleteControl(o, 0); }, nullptr,
     1},
};

std::string WithCrLf(const std::string &text)
{
    std::string converted;
    for (const char c : text) {
        if (c == '\n')
            converted += '\r';
        converted += c;
    }
    return converted;
}

class DesignEditsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        const std::string table = std::string(KELVO_SOURCE_DIR) + "/formc/kvf.evt";
        ASSERT_EQ(LoadEventTableFile(KVSTRING(table.c_str()), events), nullptr);
    }

    void ExpectTranslates(const std::string &text)
    {
        KVMEMORYSTREAM input(static_cast<int32_t>(text.size()), 64), output(1024, 1024);
        input.Write(text.data(), static_cast<int32_t>(text.size()));
        input.Seek(0);
        const std::optional<FormError> error = TranslateForm(input, output, events);
        EXPECT_FALSE(error) << (error ? error->message : "") << " at line " << (error ? error->line : 0);
    }

    EventTable events;
};

} // namespace

TEST_F(DesignEditsTest, EachActionIsOneExactEditThatTheCompilerAccepts)
{
    for (const DesignCase &test : Cases) {
        for (const bool crlf : {false, true}) {
            SCOPED_TRACE(std::string(test.name) + (crlf ? " (CR LF)" : " (LF)"));
            const std::string before = crlf ? WithCrLf(test.before) : test.before;
            const std::optional<FormOutline> outline = FormOutline::Read(before, events);
            ASSERT_TRUE(outline);
            const DesignChange change = test.action(*outline);
            if (test.after == nullptr) {
                EXPECT_TRUE(change.Refused());
                EXPECT_EQ(change.refusedLine, test.refusedLine);
                EXPECT_FALSE(change.edit);
                continue;
            }
            ASSERT_FALSE(change.Refused()) << change.refusal;
            ASSERT_TRUE(change.edit);
            const std::string after = ApplyEdit(before, *change.edit);
            EXPECT_EQ(after, crlf ? WithCrLf(test.after) : test.after);
            ExpectTranslates(after);
        }
    }
}

TEST_F(DesignEditsTest, AnUnchangedPlaceMakesNoEdit)
{
    const std::optional<FormOutline> outline = FormOutline::Read(Dialog, events);
    ASSERT_TRUE(outline);
    const DesignChange change =
        SetWholeNumbers(*outline, outline->ObjectAtLine(3), {{"Left", 8}, {"Top", 16}});
    EXPECT_FALSE(change.Refused());
    EXPECT_FALSE(change.edit);
}

TEST(FreePlaceTest, TheFirstGridPointWhereTheControlOverlapsNothing)
{
    const std::vector<PlaceRect> taken = {{8, 8, 75, 25}, {88, 8, 100, 20}};
    struct {
        int32_t width, height, clientWidth;
        PlaceRect expected;
    } const cases[] = {
        {75, 25, 400, {192, 8, 75, 25}}, // beside both, on the first row
        {75, 25, 250, {88, 32, 75, 25}}, // no room on the first row: the first gap below
        {500, 25, 400, {8, 8, 500, 25}}, // too wide for any place: the first grid point
    };
    for (const auto &test : cases) {
        const PlaceRect place = FindFreePlace(taken, test.clientWidth, 300, test.width, test.height, 8);
        EXPECT_EQ(place.left, test.expected.left);
        EXPECT_EQ(place.top, test.expected.top);
    }
}
