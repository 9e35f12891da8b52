// Mnemonics of captions: the marked character in any script and case, doubled and lone "&".
#include "platform/system/Mnemonic.h"

#include <gtest/gtest.h>

TEST(Mnemonic, TheCharacterAfterASingleAmpersandAnswersInEitherCaseAndAnyScript) {
    EXPECT_EQ(MnemonicOf("&Quit"), U'q');
    EXPECT_EQ(MnemonicOf("&Имя"), U'и');
    EXPECT_EQ(MnemonicOf("Ещ&ё"), U'ё');
    EXPECT_EQ(MnemonicOf("Tom && &Jerry"), U'j') << "a doubled ampersand is a plain one";
    EXPECT_EQ(MnemonicOf("Tom && Jerry"), 0u);
    EXPECT_EQ(MnemonicOf("Конец&"), 0u) << "a lone ampersand at the end marks nothing";
    EXPECT_EQ(MnemonicOf(""), 0u);
    EXPECT_TRUE(IsMnemonic("&Имя", U'и'));
    EXPECT_TRUE(IsMnemonic("&Имя", U'И'));
    EXPECT_TRUE(IsMnemonic("&Name", U'N'));
    EXPECT_FALSE(IsMnemonic("&Имя", U'м'));
    EXPECT_FALSE(IsMnemonic("&Имя", 0xD0)) << "the first byte of И is not И";
    EXPECT_FALSE(IsMnemonic("Имя", 0));
}

TEST(Mnemonic, CaptionsShowWithoutTheirMarks) {
    EXPECT_EQ(StripMnemonics("&Новая игра"), "Новая игра");
    EXPECT_EQ(StripMnemonics("Tom && &Jerry&"), "Tom & Jerry");
    const std::vector<TCaptionChar> chars = CaptionChars(U"a&бв&&");
    ASSERT_EQ(chars.size(), 4u);
    EXPECT_FALSE(chars[0].Marked);
    EXPECT_EQ(chars[1].Code, U'б');
    EXPECT_TRUE(chars[1].Marked);
    EXPECT_FALSE(chars[2].Marked);
    EXPECT_EQ(chars[3].Code, U'&');
    EXPECT_FALSE(chars[3].Marked);
}
