// Script parsing: every command and its arguments, optional quotes, comments and blank
// lines, and errors that name the line.
#include <gtest/gtest.h>

#include "display/ScriptParser.h"
#include "winuser.h"

namespace ce::display {
namespace {

using Kind = ScriptCommand::Kind;

ScriptCommand only(const std::string& line) {
    ParsedScript parsed = ScriptParser::parse(line);
    EXPECT_FALSE(parsed.error) << line << ": " << parsed.error->reason;
    EXPECT_EQ(parsed.commands.size(), 1u) << line;
    return parsed.commands.empty() ? ScriptCommand{} : parsed.commands.front();
}

ScriptError errorOf(const std::string& script) {
    ParsedScript parsed = ScriptParser::parse(script);
    EXPECT_TRUE(parsed.error) << script;
    return parsed.error.value_or(ScriptError{-1, ""});
}

TEST(ScriptParserTest, CommandsKeepTheirLineNumbersPastCommentsAndBlankLines) {
    ParsedScript parsed = ScriptParser::parse("# a run\n\n  tap 10 20\r\n\t# indented comment\nhold 5 6\nwait 250\n"
                                              "hibernate\nclose");
    ASSERT_FALSE(parsed.error);
    ASSERT_EQ(parsed.commands.size(), 5u);
    EXPECT_EQ(parsed.commands[0].kind, Kind::Tap);
    EXPECT_EQ(parsed.commands[0].line, 3);
    EXPECT_EQ(parsed.commands[0].point.x, 10);
    EXPECT_EQ(parsed.commands[0].point.y, 20);
    EXPECT_EQ(parsed.commands[1].kind, Kind::Hold);
    EXPECT_EQ(parsed.commands[1].line, 5);
    EXPECT_EQ(parsed.commands[1].milliseconds, -1);  // the usual hold time
    EXPECT_EQ(parsed.commands[2].milliseconds, 250);
    EXPECT_EQ(parsed.commands[3].kind, Kind::Hibernate);
    EXPECT_EQ(parsed.commands[4].kind, Kind::Close);
    EXPECT_EQ(parsed.commands[4].line, 8);
}

TEST(ScriptParserTest, AHoldMayNameHowLongTheStylusStaysDown) {
    ScriptCommand hold = only("hold 5 6 900");
    EXPECT_EQ(hold.point.y, 6);
    EXPECT_EQ(hold.milliseconds, 900);
}

TEST(ScriptParserTest, TextIsTheTrimmedRestOfTheLineWithOptionalQuotes) {
    EXPECT_EQ(only("click   New Database  ").text, "New Database");
    EXPECT_EQ(only("click \" padded \"").text, " padded ");
    EXPECT_EQ(only("expect Größe: 12").text, "Größe: 12");
    EXPECT_EQ(only("expect-not \"#1\"").kind, Kind::ExpectNot);
    EXPECT_EQ(only("expect say \"hi\" now").text, "say \"hi\" now");  // inner quotes stay
    EXPECT_EQ(only("screenshot shots/first one.png").text, "shots/first one.png");
    EXPECT_EQ(only("text -").kind, Kind::Text);
    EXPECT_EQ(only("text \"-\"").text, "-");
}

TEST(ScriptParserTest, MarkTakesOneWordAsItsLabelAndRepaintNothing) {
    ScriptCommand mark = only("mark   open-start ");
    EXPECT_EQ(mark.kind, Kind::Mark);
    EXPECT_EQ(mark.text, "open-start");
    EXPECT_EQ(only("repaint").kind, Kind::Repaint);
}

TEST(ScriptParserTest, KeysByNameLetterDigitAndCtrlLetter) {
    struct Case {
        const char* line;
        UINT key;
        bool control;
    };
    for (Case c : {Case{"key RETURN", VK_RETURN, false}, Case{"key escape", VK_ESCAPE, false},
                   Case{"key UP", VK_UP, false}, Case{"key DOWN", VK_DOWN, false}, Case{"key LEFT", VK_LEFT, false},
                   Case{"key RIGHT", VK_RIGHT, false}, Case{"key F1", VK_F1, false},
                   Case{"key SPACE", VK_SPACE, false}, Case{"key TAB", VK_TAB, false},
                   Case{"key BACK", VK_BACK, false}, Case{"key q", 'Q', false}, Case{"key 7", '7', false},
                   Case{"key CTRL+N", 'N', true}, Case{"key ctrl+s", 'S', true}}) {
        ScriptCommand command = only(c.line);
        EXPECT_EQ(command.kind, Kind::Key) << c.line;
        EXPECT_EQ(command.virtualKey, c.key) << c.line;
        EXPECT_EQ(command.control, c.control) << c.line;
    }
}

TEST(ScriptParserTest, TheFirstBadLineIsReportedWithItsNumber) {
    ScriptError error = errorOf("tap 1 2\n\njump 3\nbogus");
    EXPECT_EQ(error.line, 3);
    EXPECT_EQ(error.reason, "unknown command 'jump'");
    EXPECT_EQ(errorOf("# only\nTAP 1 2").line, 2);  // command names are lower case
}

TEST(ScriptParserTest, BadArgumentsAreErrors) {
    for (const char* line : {"tap", "tap 1", "tap 1 2 3", "tap x 2", "hold 1.5 2", "hold 1 2 x", "hold 1 2 -5", "hold 1 2 3 4", "wait", "wait -1", "wait 1s",
                             "click", "click \"\"", "expect", "screenshot", "text", "key", "key CTRL+7",
                             "key CTRL+", "key PAGEUP", "key ab", "hibernate now", "close it", "mark",
                             "mark two words", "mark \"a b\"", "repaint all"}) {
        ScriptError error = errorOf(std::string("\n") + line);
        EXPECT_EQ(error.line, 2) << line;
        EXPECT_FALSE(error.reason.empty()) << line;
    }
}

}  // namespace
}  // namespace ce::display
