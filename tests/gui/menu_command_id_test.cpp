// Command identifiers count from 1 in a fresh process: this test runs alone.
#include <gtest/gtest.h>

#include "kvmenu.h"

TEST(MenuCommandIdentifiers, CountFromOneInConstructionOrderAndAreNeverReused)
{
    KVMENUITEM first, second, third;
    {
        KVMENUITEM fourth;
    }
    KVMENUITEM fifth;
    std::vector<uint32_t> listed;
    for (KVMENUITEM *item = MenuItemList; item; item = item->NextInList())
        listed.push_back(item->GetID());
    EXPECT_EQ(listed, (std::vector<uint32_t>{1, 2, 3, 5}));
    EXPECT_EQ(MenuItemList, &first);
}
