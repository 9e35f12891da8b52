// Splitting script lines into a command's name, its rest and its words.
#include "platform/automation/ScriptCall.h"
#include "platform/automation/ScriptError.h"

#include <gtest/gtest.h>

namespace {
std::string MessageOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "no error";
}
}

TEST(ScriptCallTest, TheRestKeepsTheLineAsWrittenAfterTheNameAndItsBlanks) {
    ScriptCall skin = ScriptCall::Parse("  skin \t My  Skin \"v2 ");
    EXPECT_EQ(skin.Name(), "skin");
    EXPECT_EQ(skin.Rest(), "My  Skin \"v2 ") << "inner and trailing blanks and a lone quote kept";
    ScriptCall quit = ScriptCall::Parse("quit");
    EXPECT_EQ(quit.Name(), "quit");
    EXPECT_EQ(quit.Rest(), "");
    EXPECT_EQ(ScriptCall::Parse("   ").Name(), "");
    EXPECT_EQ(ScriptCall::Parse("#note here").Name(), "#note");
}

TEST(ScriptCallTest, ArgumentsAreWordsWithQuotedBlanksKept) {
    ScriptCall call("expect", "\"text=Main window\" width  >  399");
    EXPECT_EQ(call.Args(), (std::vector<std::string>{"text=Main window", "width", ">", "399"}));
    EXPECT_EQ(ScriptCall("x", "a\"b c\"d").Args(), (std::vector<std::string>{"ab cd"}));
    EXPECT_TRUE(ScriptCall("quit", "").Args().empty());
    EXPECT_EQ(MessageOf([] { ScriptCall("skin", "My \"Skin").Args(); }), "unterminated quote");
    EXPECT_EQ(MessageOf([] { ScriptCall("hue", "1 2").Args(1, "hue N"); }), "usage: hue N");
    EXPECT_EQ(MessageOf([] { ScriptCall("hue", "").Args(1, "hue N"); }), "usage: hue N");
    EXPECT_EQ(ScriptCall("hue", " 40 ").Args(1, "hue N"), (std::vector<std::string>{"40"}));
}

TEST(ScriptCallTest, IntegersAreWholeNumbersInRange) {
    EXPECT_EQ(ScriptCall::Integer("360", "hue"), 360);
    EXPECT_EQ(ScriptCall::Integer("-15", "saturation"), -15);
    EXPECT_EQ(MessageOf([] { ScriptCall::Integer("", "hue"); }), "bad hue ''");
    EXPECT_EQ(MessageOf([] { ScriptCall::Integer("12px", "x"); }), "bad x '12px'");
    EXPECT_EQ(MessageOf([] { ScriptCall::Integer(" 5", "x"); }), "bad x ' 5'");
    EXPECT_EQ(MessageOf([] { ScriptCall::Integer("99999999999", "time"); }), "bad time '99999999999'");
}
