// Command identifiers count from 1 in a fresh process: this test runs alone.
#include <gtest/gtest.h>

#include "kvmenu.h"

TEST(MenuCommandIdentifiers, CountFromOneInConstructionOrderAndAreNeverReused)
{
    EXPECT_EQ(NextCommandID, 1u);
    EXPECT_EQ(MenuItemList, nullptr);
    KVMENUITEM first, second, third;
    EXPECT_EQ(first.GetID(), 1u);
    EXPECT_EQ(second.GetID(), 2u);
    EXPECT_EQ(third.GetID(), 3u);
    {
        KVMENUITEM fourth;
        EXPECT_EQ(fourth.GetID(), 4u);
    }
    KVMENUITEM fifth;
    EXPECT_EQ(fifth.GetID(), 5u);

    std::vector<KVMENUITEM *> list;
    for (KVMENUITEM *item = MenuItemList; item; item = item->NextInList())
        list.push_back(item);
    EXPECT_EQ(list, (std::vector<KVMENUITEM *>{&first, &second, &third, &fifth}));
}
