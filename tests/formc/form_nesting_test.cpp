#include <gtest/gtest.h>

#include <string>

#include "form_messages.h"
#include "form_nesting.h"

namespace {

TEST(FormNesting, OwnersFollowTheDeclarations)
{
    FormNesting nesting;
    EXPECT_EQ(nesting.OpenForm("Main"), nullptr);
    EXPECT_EQ(nesting.FormName(), "Main");
    EXPECT_EQ(nesting.Owner(), "Self");
    EXPECT_EQ(nesting.OpenControl("Panel"), nullptr);
    EXPECT_EQ(nesting.OpenControl("Button"), nullptr);
    EXPECT_EQ(nesting.Depth(), 3);
    EXPECT_EQ(nesting.Owner(), "Button");
    EXPECT_EQ(nesting.Parent(), "Panel");
    EXPECT_EQ(nesting.Close(), nullptr);
    EXPECT_EQ(nesting.Owner(), "Panel");
    EXPECT_EQ(nesting.Close(), nullptr);
    EXPECT_FALSE(nesting.FormDone());
    EXPECT_EQ(nesting.Close(), nullptr);
    EXPECT_TRUE(nesting.FormDone());
}

TEST(FormNesting, BeforeTheFormOnlyTheFormMayBeDeclared)
{
    FormNesting nesting;
    EXPECT_STREQ(nesting.Close(), FormMessage::OddEnd);
    EXPECT_STREQ(nesting.OpenControl("Ok"), FormMessage::ControlOutsideForm);
    EXPECT_STREQ(nesting.CheckProperty(), FormMessage::PropertyOutsideForm);
    EXPECT_STREQ(nesting.CheckEventHandler(), FormMessage::EventOutsideDeclaration);
    EXPECT_EQ(nesting.Depth(), 0);
}

TEST(FormNesting, OneFormOnly)
{
    FormNesting nesting;
    nesting.OpenForm("Main");
    EXPECT_STREQ(nesting.OpenForm("Other"), FormMessage::FormInsideForm);
    nesting.OpenControl("Panel");
    EXPECT_STREQ(nesting.OpenForm("Other"), FormMessage::FormInsideForm);
    EXPECT_EQ(nesting.FormName(), "Main");
}

TEST(FormNesting, ThirtyTwoLevelsAtMost)
{
    FormNesting nesting;
    nesting.OpenForm("Main");
    for (int level = 2; level <= FormNesting::MaximumDepth; ++level)
        ASSERT_EQ(nesting.OpenControl("C" + std::to_string(level)), nullptr) << level;
    EXPECT_EQ(nesting.Owner(), "C32");
    EXPECT_STREQ(nesting.OpenControl("TooDeep"), FormMessage::NestingTooDeep);
    EXPECT_STREQ(nesting.OpenForm("Other"), FormMessage::FormInsideForm) << "that check comes first";
    EXPECT_EQ(nesting.Depth(), 32);
    EXPECT_EQ(nesting.Owner(), "C32");
}

} // namespace
