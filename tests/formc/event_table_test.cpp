#include <gtest/gtest.h>

#include <string>

#include "event_table.h"
#include "stream_text.h"

namespace {

EventTable Loaded(const std::string &text)
{
    EventTable table;
    TextStream stream(text);
    EXPECT_EQ(table.Load(stream), EventTableLoad::Loaded);
    return table;
}

std::string RecordOf(const EventTable &table, const std::string &event)
{
    const EventSlot *slot = table.FindEvent(event);
    return slot == nullptr ? "<unknown>" : slot->RecordClass;
}

TEST(EventTable, NamesSplitAtCommasAroundTheFirstColon)
{
    const EventTable table = Loaded(" eCreate, eClick : KvEvent\r\n\teMouseMove:KvMouseEvent\n\nx:: A::B \n");
    ASSERT_EQ(table.Slots().size(), 4u);
    EXPECT_EQ(table.Slots()[0].Name, "eCreate");
    EXPECT_EQ(table.Slots()[1].Name, "eClick");
    EXPECT_EQ(table.Slots()[1].RecordClass, "KvEvent");
    EXPECT_EQ(table.Slots()[2].RecordClass, "KvMouseEvent");
    EXPECT_EQ(table.Slots()[3].RecordClass, ": A::B");
}

TEST(EventTable, EveryCommaEndsAName)
{
    const EventTable table = Loaded("a,,b : Gap\nc, : Trailing\n: Empty\n");
    ASSERT_EQ(table.Slots().size(), 6u);
    EXPECT_EQ(table.Slots()[1].Name, "");
    EXPECT_EQ(table.Slots()[3].Name, "c");
    EXPECT_EQ(table.Slots()[4].Name, "");
    EXPECT_EQ(table.Slots()[5].Name, "");
    EXPECT_EQ(table.Slots()[5].RecordClass, "Empty");
}

TEST(EventTable, LookupIgnoresCaseAndTheFirstSlotWins)
{
    const EventTable table = Loaded("eClick : First\nECLICK : Second\n");
    EXPECT_EQ(RecordOf(table, "eClick"), "First");
    EXPECT_EQ(RecordOf(table, "ECLICK"), "First");
    EXPECT_EQ(RecordOf(table, "eclick"), "First");
    EXPECT_EQ(RecordOf(table, "eClic"), "<unknown>");
}

TEST(EventTable, OnlyAsciiLettersChangeCase)
{
    const EventTable table = Loaded("a@[`{z : Marks\nlong_event_name_Xy : Long\n\xe1\xc1 : Accents\n");
    EXPECT_EQ(RecordOf(table, "A@[`{Z"), "Marks");
    EXPECT_EQ(RecordOf(table, "a`[`{z"), "<unknown>") << "@ and ` differ in the case bit but are not letters";
    EXPECT_EQ(RecordOf(table, "a@{`{z"), "<unknown>");
    EXPECT_EQ(RecordOf(table, "a@[@{z"), "<unknown>");
    EXPECT_EQ(RecordOf(table, "a@[`[z"), "<unknown>");
    EXPECT_EQ(RecordOf(table, "LONG_EVENT_NAME_xY"), "Long");
    EXPECT_EQ(RecordOf(table, "long_event_name_Xz"), "<unknown>");
    EXPECT_EQ(RecordOf(table, "long_event_name_X"), "<unknown>");
    EXPECT_EQ(RecordOf(table, "\xe1\xc1"), "Accents");
    EXPECT_EQ(RecordOf(table, "\xc1\xc1"), "<unknown>") << "bytes above 127 keep their case";
    EXPECT_EQ(RecordOf(table, "\xe1\xe1"), "<unknown>");
}

TEST(EventTable, EmptyNamesAreNeverEvents)
{
    const EventTable table = Loaded(",eClick : KvEvent\n");
    EXPECT_EQ(table.Slots().size(), 2u);
    EXPECT_EQ(RecordOf(table, ""), "<unknown>");
    EXPECT_EQ(RecordOf(table, "eClick"), "KvEvent");
}

TEST(EventTable, BlankFilesHoldNoEvents)
{
    EXPECT_TRUE(Loaded("").Slots().empty());
    EXPECT_TRUE(Loaded("\n \t\n\r\n").Slots().empty());
}

TEST(EventTable, ALineWithoutColonIsABadFormat)
{
    EventTable table;
    TextStream stream("eClick : KvEvent\neMouseMove KvMouseEvent\n");
    EXPECT_EQ(table.Load(stream), EventTableLoad::BadFormat);
}

TEST(EventTable, HoldsAnyNumberOfEvents)
{
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "e" + std::to_string(i) + " : R" + std::to_string(i) + "\n";
    const EventTable table = Loaded(text);
    EXPECT_EQ(table.Slots().size(), 1000u);
    EXPECT_EQ(RecordOf(table, "E999"), "R999");
}

TEST(EventTable, TheFirstSlotWinsAmongManyNames)
{
    // Every name twice, the second time in other case, with empty names in
    // between: the index grows several times while the first slots stay.
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "Ev" + std::to_string(i) + ",, : First" + std::to_string(i) + "\n";
    for (int i = 0; i < 300; ++i)
        text += "eV" + std::to_string(i) + " : Second" + std::to_string(i) + "\n";
    const EventTable table = Loaded(text);
    EXPECT_EQ(table.Slots().size(), 1200u);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(RecordOf(table, "EV" + std::to_string(i)), "First" + std::to_string(i));
        EXPECT_EQ(RecordOf(table, "ev" + std::to_string(i) + "x"), "<unknown>");
    }
    EXPECT_EQ(RecordOf(table, ""), "<unknown>");
}

} // namespace
