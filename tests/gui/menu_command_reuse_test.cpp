// Past the 16-bit range of WM_COMMAND, new items take identifiers that no
// living item holds and no queued command may name: this test runs in a
// process of its own, where it drives the counter past 65535.
#include <gtest/gtest.h>

#include <memory>

#include "gui_test_support.h"
#include "kvmenu.h"

TEST(MenuCommandIdentifiers, PastTheLastIdentifierItemsTakeFreeOnesAndAreChosenByMenuAndShortcut)
{
    RecorderForm form;
    KVMAINMENU bar(&form);
    KVMENUITEM file;
    file.SetParent(&bar);
    file.SetCaption("&File");
    for (int count = 0; count < 70000; ++count)
        KVMENUITEM passing;
    KVMENUITEM last;
    last.SetParent(&file);
    last.SetCaption("&Last\tF5");
    last.SetShortcut("F5");
    EXPECT_GE(last.GetID(), 1u);
    EXPECT_LE(last.GetID(), 0xFFFFu);
    EXPECT_NE(last.GetID(), file.GetID());

    Activate(form);
    PostMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(last.GetID(), 0), 0);
    form.Flush();
    PostMessageA(form.GetHandle(), WM_KEYDOWN, VK_F5, 1);
    PostMessageA(form.GetHandle(), WM_KEYUP, VK_F5, 0xC0000001);
    form.Flush();
    const std::vector<RecordedEvent> clicks = form.EventsOf({eClick});
    ASSERT_EQ(clicks.size(), 2u);
    for (const RecordedEvent &click : clicks)
        EXPECT_EQ(click.sender, static_cast<void *>(&last));

    // A command still queued for a deleted item chooses nothing: no new item
    // takes the identifier while the command waits.
    auto deleted = std::make_unique<KVMENUITEM>();
    deleted->SetParent(&file);
    const uint32_t freed = deleted->GetID();
    PostMessageA(form.GetHandle(), WM_COMMAND, MAKEWPARAM(freed, 0), 0);
    deleted.reset();
    KVMENUITEM successor;
    successor.SetParent(&file);
    form.events.clear();
    form.Flush();
    EXPECT_TRUE(form.EventsOf({eClick}).empty()) << "the deleted item's command chose the item after it";
    // With no command waiting, the identifier is the lowest free one again.
    KVMENUITEM later;
    EXPECT_EQ(later.GetID(), freed);
}
