// Parsing the exchange documents: every malformed text is refused at a line and column.
#include <gtest/gtest.h>

#include "JsonText.h"

namespace cedb {
namespace {

std::string parseError(const std::string& text) {
    Json document;
    std::string error;
    return parseJson(text, document, error) ? "" : error;
}

TEST(JsonText, MalformedTextIsRefusedAtItsLineAndColumn) {
    EXPECT_EQ(parseError("{\"a\": [1,\n 1e999]}"), "line 2, column 2: the number 1e999 is too large");
    EXPECT_EQ(parseError("{\"a\": -1e400}"), "line 1, column 7: the number -1e400 is too large");
    EXPECT_EQ(parseError("{\"a\": }").rfind("line 1, column 7: malformed JSON: syntax error", 0), 0u)
        << parseError("{\"a\": }");
    EXPECT_EQ(parseError("").rfind("line 1, column 1: malformed JSON", 0), 0u) << parseError("");
}

TEST(JsonText, NestingIsLimitedWhereverItIsButNotInsideStrings) {
    EXPECT_EQ(parseError("{\"a\":\n" + std::string(100000, '[')),
              "line 2, column 64: malformed JSON: nested deeper than 64 levels");
    EXPECT_EQ(parseError(std::string(64, '[') + std::string(64, ']')), "");
    EXPECT_EQ(parseError("[\"" + std::string(100, '[') + "\\\"\"]"), "");
}

}  // namespace
}  // namespace cedb
