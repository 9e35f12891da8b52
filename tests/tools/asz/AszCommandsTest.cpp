// The asz commands on hostile archives and folders: symbolic links, shared names, oversized files.
#include "tools/asz/AszCommands.h"

#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinPacker.h"
#include "tests/platform/system/TempFolder.h"
#include "tests/skin/data/SkinTestKit.h"

#include "platform/gfx/ImageFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct TRun {
    int Code = -1;
    std::string Out;
    std::string Err;
};

template <class Command> TRun RunAsz(Command command) {
    std::ostringstream out, err;
    TRun run;
    run.Code = command(out, err);
    run.Out = out.str();
    run.Err = err.str();
    return run;
}

std::vector<std::string> MemberNames(const std::string& archive) {
    std::vector<std::uint8_t> bytes;
    std::string text = TempFolder::Get(archive);
    bytes.assign(text.begin(), text.end());
    TacSkinConvertor convertor;
    convertor.BorrowSource(bytes);
    convertor.ReadPackedData();
    std::vector<std::string> names;
    for (const TacMemberInfo& member : convertor.Members()) names.push_back(member.Name);
    return names;
}

// Options, a master bitmap named twice in different letter case and an image named exactly twice.
std::vector<std::uint8_t> SharedNamesArchive() {
    TRawArchive archive;
    archive.Magic().Int32(5).Member("Options.dat", BytesOf("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"));
    archive.Member("Master.bmp", BytesOf("first")).Member("MASTER.BMP", BytesOf("second"));
    archive.Member("b.jpg", BytesOf("b1")).Member("b.jpg", BytesOf("b2"));
    return archive.Bytes();
}

} // namespace

TEST(AszUnpack, NeverWritesThroughASymbolicLinkInTheTargetFolder) {
    TempFolder temp;
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string("[GLOBALINFO]\n"));
    packer.Add("Master.bmp", std::string("new master"));
    WriteFileBytes(temp.Path("skin.asz"), packer.Pack());
    TempFolder::Put(temp.Path("precious.txt"), "keep me");
    fs::create_directory(temp.Path("out"));
    fs::create_symlink(temp.Path("precious.txt"), temp.Path("out/Master.bmp"));

    TRun run = RunAsz([&](std::ostream& out, std::ostream& err) {
        return AszUnpack(temp.Path("skin.asz"), temp.Path("out"), out, err);
    });
    EXPECT_EQ(run.Code, 2);
    EXPECT_NE(run.Err.find("symbolic link"), std::string::npos) << run.Err;
    EXPECT_EQ(TempFolder::Get(temp.Path("precious.txt")), "keep me");
    EXPECT_TRUE(fs::is_symlink(temp.Path("out/Master.bmp")));
    EXPECT_EQ(TempFolder::Get(temp.Path("out/Options.dat")), "[GLOBALINFO]\n");
}

TEST(AszUnpack, SharedMemberNamesAreRefusedUnlessForced) {
    TempFolder temp;
    WriteFileBytes(temp.Path("skin.asz"), SharedNamesArchive());
    TRun refused = RunAsz([&](std::ostream& out, std::ostream& err) {
        return AszUnpack(temp.Path("skin.asz"), temp.Path("out"), out, err);
    });
    EXPECT_EQ(refused.Code, 2);
    EXPECT_NE(refused.Err.find("\"Master.bmp\""), std::string::npos) << refused.Err;
    EXPECT_NE(refused.Err.find("\"b.jpg\""), std::string::npos) << refused.Err;
    EXPECT_FALSE(fs::exists(temp.Path("out/Options.dat")));
    EXPECT_FALSE(fs::exists(temp.Path("out/Master.bmp")));

    TRun forced = RunAsz([&](std::ostream& out, std::ostream& err) {
        return AszUnpack(temp.Path("skin.asz"), temp.Path("out"), out, err, true);
    });
    EXPECT_EQ(forced.Code, 0) << forced.Err;
    // Each name gets the member the skin would use: the first image of that name.
    EXPECT_EQ(TempFolder::Get(temp.Path("out/Master.bmp")), "first");
    EXPECT_FALSE(fs::exists(temp.Path("out/MASTER.BMP")));
    EXPECT_EQ(TempFolder::Get(temp.Path("out/b.jpg")), "b1");
}

TEST(AszCheck, ReportsSharedAndUnwritableMemberNames) {
    TempFolder temp;
    WriteFileBytes(temp.Path("shared.asz"), SharedNamesArchive());
    TRun shared = RunAsz(
        [&](std::ostream& out, std::ostream& err) { return AszCheck(temp.Path("shared.asz"), out, err); });
    EXPECT_EQ(shared.Code, 1);
    EXPECT_NE(shared.Out.find("more than one member is named \"Master.bmp\""), std::string::npos)
        << shared.Out;
    EXPECT_NE(shared.Out.find("more than one member is named \"b.jpg\""), std::string::npos) << shared.Out;

    TRawArchive unwritable;
    unwritable.Magic().Int32(2).Member("Options.dat", BytesOf("[A]")).Member("../evil.bmp", BytesOf("x"));
    WriteFileBytes(temp.Path("unwritable.asz"), unwritable.Bytes());
    TRun names = RunAsz([&](std::ostream& out, std::ostream& err) {
        return AszCheck(temp.Path("unwritable.asz"), out, err);
    });
    EXPECT_EQ(names.Code, 1);
    EXPECT_NE(names.Out.find("\"../evil.bmp\" is not a plain file name"), std::string::npos) << names.Out;
}

TEST(AszCheck, NamesWhatIsWrongWithImagesItKeeps) {
    TempFolder temp;
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[BUTTON]\n"
                                          "BORDERSMASK=^0010^0010^0030^0090^0000^0000^0000^0000^1^0^1^0\n"
                                          "GLYPHMASK=@0020@0000@0010@0010@1@0\n"));
    packer.Add("Master.bmp", EncodeBmp24(SolidBitmap(40, 40, clRed)));
    WriteFileBytes(temp.Path("skin.asz"), packer.Pack());
    TRun run = RunAsz(
        [&](std::ostream& out, std::ostream& err) { return AszCheck(temp.Path("skin.asz"), out, err); });
    EXPECT_EQ(run.Code, 1);
    EXPECT_NE(run.Out.find("2 image(s)"), std::string::npos) << run.Out;
    EXPECT_NE(run.Out.find(
                  "[BUTTON] BORDERSMASK: \"^0010^0010^0030^0090^0000^0000^0000^0000^1^0^1^0\" reaches past "
                  "the 40 x 40 master bitmap"),
              std::string::npos)
        << run.Out;
    EXPECT_NE(
        run.Out.find("[BUTTON] GLYPHMASK: \"@0020@0000@0010@0010@1@0\": the rectangle is empty or inverted"),
        std::string::npos)
        << run.Out;
}

TEST(AszPack, SkipsSymbolicLinksAndItsOwnArchive) {
    TempFolder temp;
    fs::create_directory(temp.Path("skin"));
    TempFolder::Put(temp.Path("skin/Options.dat"), "[GLOBALINFO]\n");
    TempFolder::Put(temp.Path("skin/Master.bmp"), "BM");
    TempFolder::Put(temp.Path("secret.txt"), "not part of any skin");
    fs::create_symlink(temp.Path("secret.txt"), temp.Path("skin/Linked.bmp"));
    const std::string archive = temp.Path("skin/skin.asz");
    for (int pass = 0; pass < 2; ++pass) {
        TRun run = RunAsz([&](std::ostream& out, std::ostream& err) {
            return AszPack(temp.Path("skin"), archive, out, err);
        });
        EXPECT_EQ(run.Code, 0) << run.Err;
        EXPECT_NE(run.Err.find("Linked.bmp"), std::string::npos) << run.Err;
        EXPECT_EQ(MemberNames(archive), (std::vector<std::string>{"Options.dat", "Master.bmp"}))
            << "pass " << pass;
    }
}

TEST(AszPack, RefusesFilesTheReaderWouldRefuseAndWritesNothing) {
    auto pack = [](const std::function<void(TempFolder&)>& fill, const std::string& expected) {
        TempFolder temp;
        fs::create_directory(temp.Path("skin"));
        TempFolder::Put(temp.Path("skin/Options.dat"), "[GLOBALINFO]\n");
        fill(temp);
        TRun run = RunAsz([&](std::ostream& out, std::ostream& err) {
            return AszPack(temp.Path("skin"), temp.Path("skin.asz"), out, err);
        });
        EXPECT_EQ(run.Code, 2) << expected;
        EXPECT_NE(run.Err.find(expected), std::string::npos) << run.Err;
        EXPECT_FALSE(fs::exists(temp.Path("skin.asz"))) << expected;
    };
    // Sparse files: their sizes are refused before anything is read.
    auto sparse = [](TempFolder& temp, const std::string& name, std::uintmax_t size) {
        TempFolder::Put(temp.Path("skin/" + name), "");
        fs::resize_file(temp.Path("skin/" + name), size);
    };
    const std::uintmax_t memberLimit = static_cast<std::uintmax_t>(TacSkinConvertor::MaxMemberSize);
    pack([&](TempFolder& t) { sparse(t, "huge.bmp", memberLimit + 1); }, "larger than 64 MiB");
    pack(
        [&](TempFolder& t) {
            for (const char* n : {"a.bmp", "b.bmp", "c.bmp"}) sparse(t, n, memberLimit - 100);
        },
        "more than 128 MiB");
    pack(
        [](TempFolder& t) {
            TempFolder::Put(t.Path("skin/a.bmp"), "1");
            TempFolder::Put(t.Path("skin/A.BMP"), "2");
        },
        "already packed");
    pack([](TempFolder& t) { TempFolder::Put(t.Path("skin/back\\slash.bmp"), "1"); },
         "not a plain file name");
}
