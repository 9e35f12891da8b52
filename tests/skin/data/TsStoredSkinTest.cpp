// Internal skin items: borrowed archives stay where they are, owned ones go with their item.
#include "skin/data/TacSkinSource.h"
#include "skin/data/TsStoredSkins.h"
#include "tests/skin/data/SkinTestKit.h"

#include <gtest/gtest.h>

TEST(TsStoredSkinTest, ABorrowedArchiveIsReadInPlaceAndAnOwnedOneSurvivesCopies) {
    static const std::vector<std::uint8_t> embedded = TinySkinArchive("EMBEDDED", RGB(1, 2, 3));
    TsStoredSkins skins;
    skins.Add(TsStoredSkin::Borrowing("Embedded (internal)", embedded));
    EXPECT_EQ(skins[0].Data().data(), embedded.data());
    EXPECT_EQ(skins[0].Data().size(), embedded.size());

    TsStoredSkin owned("Owned (internal)", TinySkinArchive("OWNED", RGB(4, 5, 6)));
    TsStoredSkin copy = owned;
    owned.SetData({});
    skins.Add(copy);
    EXPECT_NE(skins[1].Data().data(), copy.Data().data());

    TsSkinModel model;
    TacSkinSource source{skInternal, "Owned (internal)", "", "", "", 1};
    ASSERT_TRUE(LoadSkinFromSource(model, source, skins, {}));
    EXPECT_EQ(model.GeneralData.at(1).SectionName, "OWNED");
    source.InternalIndex = 0;
    ASSERT_TRUE(LoadSkinFromSource(model, source, skins, {}));
    EXPECT_EQ(model.GeneralData.at(1).SectionName, "EMBEDDED");
}
