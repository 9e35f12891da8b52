// Clock text, record scrambling, record splitting and trimming.
#include "app/logic/FormatGameTime.h"
#include "app/logic/ScrambleText.h"
#include "app/logic/SplitRecord.h"
#include "app/logic/TrimText.h"

#include "platform/system/CodePage.h"

#include <gtest/gtest.h>

TEST(FormatGameTime, HoursMinutesAndSecondsWithoutWrapping) {
    EXPECT_EQ(FormatGameTime(0), "0:00:00");
    EXPECT_EQ(FormatGameTime(59), "0:00:59");
    EXPECT_EQ(FormatGameTime(200), "0:03:20");
    EXPECT_EQ(FormatGameTime(3599), "0:59:59");
    EXPECT_EQ(FormatGameTime(3600), "1:00:00");
    EXPECT_EQ(FormatGameTime(25 * 3600 + 61), "25:01:01");
    EXPECT_EQ(FormatGameTime(86400), "24:00:00") << "never wraps at 24 hours";
    EXPECT_EQ(FormatGameTime(2147483647), "596523:14:07");
    EXPECT_EQ(FormatGameTime(-65), "-0:01:05");
}

TEST(ScrambleText, ChangesOnlyTheLowBitsOfEachCodePageByteAndUndoesItself) {
    const std::string texts[] = {"Иван Петров#200", "--------------------#0", "Ёжик ™ № «»", "a b!\"#$%&'()*"};
    for (const std::string& text : texts) {
        for (std::uint8_t key = 1; key <= 10; ++key) {
            const std::string scrambled = ScrambleText(text, key);
            EXPECT_EQ(ScrambleText(scrambled, key), text) << text << " key " << int(key);
            const std::string before = Utf8ToCp1251(text);
            const std::string after = Utf8ToCp1251(scrambled);
            ASSERT_EQ(after.size(), before.size());
            for (std::size_t i = 0; i < before.size(); ++i)
                EXPECT_EQ(static_cast<unsigned char>(before[i] ^ after[i]), key) << text << " at " << i;
        }
    }
}

TEST(ScrambleText, KnownCharactersScrambleToTheirCodePageNeighbours) {
    EXPECT_EQ(ScrambleText("A", 1), "@");
    EXPECT_EQ(ScrambleText("Ж", 3), "Е"); // $C6 xor 3 = $C5
    EXPECT_EQ(ScrambleText("!", 1), " ") << "a name can begin with a space once scrambled";
    EXPECT_EQ(ScrambleText("™", 1), "\u0098") << "the unassigned byte $98 is kept, not lost";
    EXPECT_EQ(ScrambleText("日", 1), ">") << "a character outside the code page is '?' before scrambling";
}

TEST(SplitRecord, SplitsAtTheFirstHashAndTrimsOnlyTheTime) {
    const TRecordParts plain = SplitRecord("Иван#200");
    EXPECT_EQ(plain.Name, "Иван");
    EXPECT_EQ(plain.TimeText, "200");
    const TRecordParts spaced = SplitRecord("  Иван  # 200 \t\r");
    EXPECT_EQ(spaced.Name, "  Иван  ");
    EXPECT_EQ(spaced.TimeText, "200");
    const TRecordParts twice = SplitRecord("a#b#200");
    EXPECT_EQ(twice.Name, "a");
    EXPECT_EQ(twice.TimeText, "b#200");
    const TRecordParts none = SplitRecord("  150 ");
    EXPECT_EQ(none.Name, "");
    EXPECT_EQ(none.TimeText, "150");
    const TRecordParts bare = SplitRecord("#");
    EXPECT_EQ(bare.Name, "");
    EXPECT_EQ(bare.TimeText, "");
}

TEST(TrimText, RemovesSpacesAndControlCharactersAtBothEndsOnly) {
    EXPECT_EQ(TrimText(" \t\x01Анна Мария\r\n "), "Анна Мария");
    EXPECT_EQ(TrimText(" \x1F "), "");
    EXPECT_EQ(TrimText("x"), "x");
}
