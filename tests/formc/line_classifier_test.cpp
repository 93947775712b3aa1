#include <gtest/gtest.h>

#include <random>
#include <string>

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

TEST(LineClassifier, MarksAreFoundAtEveryPosition)
{
    // Lines are examined in blocks of bytes: a mark at any offset, also across
    // the boundary of two blocks, counts.
    for (size_t at = 1; at < 40; ++at) {
        const std::string name(at, 'n');
        const std::string declarationLine = name + " aS T", handlerLine = name + ":" + name;
        const Statement declaration = ClassifyLine(declarationLine, false);
        EXPECT_EQ(declaration.kind, StatementKind::ControlDeclaration) << at;
        EXPECT_EQ(declaration.left, name);
        EXPECT_EQ(declaration.right, "T");
        EXPECT_EQ(KindOf(name + "=" + name), StatementKind::Property) << at;
        const Statement handler = ClassifyLine(handlerLine, false);
        EXPECT_EQ(handler.kind, StatementKind::EventHandler) << at;
        EXPECT_EQ(handler.left, name);
        EXPECT_EQ(handler.right, name);
        EXPECT_EQ(KindOf(name + " AS"), StatementKind::Unknown) << "AS needs the space after it; " << at;
        EXPECT_EQ(KindOf(name + " A S x"), StatementKind::Unknown) << at;
    }
}

// The rules read naively, one search after the other, to check the
// classifier's one-pass search on random lines.
Statement ClassifyNaively(std::string_view line)
{
    const auto trim = [](std::string_view text) {
        const size_t first = text.find_first_not_of(" \t");
        return first == std::string_view::npos ? std::string_view()
                                               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
    };
    for (size_t k = 0; k + 4 <= line.size(); ++k) {
        if (line[k] == ' ' && (line[k + 1] | 0x20) == 'a' && (line[k + 2] | 0x20) == 's' && line[k + 3] == ' ') {
            const std::string_view type = trim(line.substr(k + 4));
            const bool form = type.size() == 4 && (type[0] | 0x20) == 'f' && (type[1] | 0x20) == 'o' &&
                              (type[2] | 0x20) == 'r' && (type[3] | 0x20) == 'm';
            return {form ? StatementKind::FormDeclaration : StatementKind::ControlDeclaration,
                    trim(line.substr(0, k)), type};
        }
    }
    if (line.find('=') != std::string_view::npos)
        return {StatementKind::Property, {}, {}};
    if (const size_t colon = line.find(':'); colon != std::string_view::npos)
        return {StatementKind::EventHandler, trim(line.substr(0, colon)), trim(line.substr(colon + 1))};
    return {line.empty() ? StatementKind::Blank : StatementKind::Unknown, {}, {}};
}

TEST(LineClassifier, AgreesWithTheRulesReadNaivelyOnRandomLines)
{
    std::mt19937 random(20261208);
    const std::string bytes = " \t aAsS=:x";
    for (int k = 0; k < 200000; ++k) {
        std::string line(random() % 48, ' ');
        for (char &c : line)
            c = bytes[random() % bytes.size()];
        // Lines that the first tests take are not this test's subject.
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t' || line[0] == '\''))
            line[0] = 'x';
        const Statement expected = ClassifyNaively(line), actual = ClassifyLine(line, false);
        ASSERT_EQ(actual.kind, expected.kind) << '"' << line << '"';
        ASSERT_EQ(actual.left, expected.left) << '"' << line << '"';
        ASSERT_EQ(actual.right, expected.right) << '"' << line << '"';
    }
}

TEST(LineClassifier, OnlyTheseBytesMakeMarks)
{
    // Bytes that differ from a mark in one bit, and bytes above 127.
    EXPECT_EQ(KindOf("a\xa0"
                     "AS\xa0"
                     "b"),
              StatementKind::Unknown);
    EXPECT_EQ(KindOf("a !S b \xbd \xba \x3c\x3b\x1a"), StatementKind::Unknown);
    EXPECT_EQ(KindOf("\xe9t\xe9 AS T"), StatementKind::ControlDeclaration);
    EXPECT_EQ(KindOf("a \xc1S b"), StatementKind::Unknown);
    EXPECT_EQ(KindOf(std::string("x\0= 1", 5)), StatementKind::Property);
}

} // namespace
