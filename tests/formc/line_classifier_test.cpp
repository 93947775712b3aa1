#include <gtest/gtest.h>

#include "line_classifier.h"

namespace {

StatementKind KindOf(std::string_view line, bool formDone = false)
{
    return ClassifyLine(line, formDone).kind;
}

TEST(LineClassifier, EachKindByItsMark)
{
    EXPECT_EQ(KindOf("' comment"), StatementKind::PassThrough);
    EXPECT_EQ(KindOf("$INCLUDE x"), StatementKind::PassThrough);
    EXPECT_EQ(KindOf("END"), StatementKind::End);
    EXPECT_EQ(KindOf("Main AS FORM"), StatementKind::FormDeclaration);
    EXPECT_EQ(KindOf("Ok AS KvButton"), StatementKind::ControlDeclaration);
    EXPECT_EQ(KindOf("Caption = \"x\""), StatementKind::Property);
    EXPECT_EQ(KindOf("eClick: Ok_Click"), StatementKind::EventHandler);
    EXPECT_EQ(KindOf(""), StatementKind::Blank);
    EXPECT_EQ(KindOf("Hello world"), StatementKind::Unknown);
}

TEST(LineClassifier, KeywordsInAnyCase)
{
    EXPECT_EQ(KindOf("end"), StatementKind::End);
    EXPECT_EQ(KindOf("eNd"), StatementKind::End);
    EXPECT_EQ(KindOf("main as form"), StatementKind::FormDeclaration);
    EXPECT_EQ(KindOf("main aS Form"), StatementKind::FormDeclaration);
    EXPECT_EQ(KindOf("ENDING"), StatementKind::Unknown);
}

TEST(LineClassifier, AfterTheFormEverythingPassesThrough)
{
    EXPECT_EQ(KindOf("END", true), StatementKind::PassThrough);
    EXPECT_EQ(KindOf("Other AS FORM", true), StatementKind::PassThrough);
    EXPECT_EQ(KindOf("", true), StatementKind::PassThrough);
    EXPECT_EQ(KindOf("nonsense", true), StatementKind::PassThrough);
}

TEST(LineClassifier, DeclarationSplitsAtTheFirstAs)
{
    const Statement statement = ClassifyLine("List  as  KvList AS Other", false);
    EXPECT_EQ(statement.kind, StatementKind::ControlDeclaration);
    EXPECT_EQ(statement.left, "List");
    EXPECT_EQ(statement.right, "KvList AS Other");
    // The test order: " as " inside a value makes a declaration.
    const Statement saveAs = ClassifyLine("Save as text", false);
    EXPECT_EQ(saveAs.kind, StatementKind::ControlDeclaration);
    EXPECT_EQ(saveAs.left, "Save");
    EXPECT_EQ(saveAs.right, "text");
    EXPECT_EQ(KindOf("Caption = \"Save as text\""), StatementKind::ControlDeclaration);
}

TEST(LineClassifier, TabsAroundAsDoNotDeclare)
{
    EXPECT_EQ(KindOf("Inner\tAS\tKvLabel"), StatementKind::Unknown);
    EXPECT_EQ(KindOf("x\tAS y = 1"), StatementKind::Property);
    EXPECT_EQ(KindOf("ASAS AS"), StatementKind::Unknown);
}

TEST(LineClassifier, EqualsSignBeforeColon)
{
    EXPECT_EQ(KindOf("Text = \"a: b\""), StatementKind::Property);
    const Statement handler = ClassifyLine("eClick :  Handler: more", false);
    EXPECT_EQ(handler.kind, StatementKind::EventHandler);
    EXPECT_EQ(handler.left, "eClick");
    EXPECT_EQ(handler.right, "Handler: more");
    EXPECT_EQ(ClassifyLine(": Handler", false).left, "");
}

} // namespace
