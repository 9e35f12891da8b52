// Packed skin archives: member layout, options member, bad magic and damaged or forged archives.
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TacSkinPacker.h"
#include "tests/skin/data/SkinTestKit.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

namespace {

std::vector<std::uint8_t> Filler(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> data(size);
    for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<std::uint8_t>("skin"[i % 4] + seed + (i / 4096));
    return data;
}

std::size_t SyncFlushedLength(const std::vector<std::uint8_t>& data, std::size_t count, std::vector<std::uint8_t>* out) {
    z_stream z{};
    deflateInit(&z, Z_DEFAULT_COMPRESSION);
    std::vector<std::uint8_t> buffer(deflateBound(&z, static_cast<uLong>(count)) + 64);
    z.next_in = const_cast<Bytef*>(data.data());
    z.avail_in = static_cast<uInt>(count);
    z.next_out = buffer.data();
    z.avail_out = static_cast<uInt>(buffer.size());
    deflate(&z, Z_SYNC_FLUSH);
    std::size_t length = z.total_out;
    deflateEnd(&z);
    if (out) out->assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
    return length;
}

// A zlib stream (header 78 9C) of exactly the wanted length: deflated data, then the last k
// bytes of the content in a final stored block, k chosen so the lengths add up.
std::vector<std::uint8_t> StreamOfLength(const std::vector<std::uint8_t>& data, std::size_t wanted) {
    std::size_t k = 0;
    for (int round = 0; round < 50; ++round) {
        std::size_t head = SyncFlushedLength(data, data.size() - k, nullptr);
        std::size_t next = wanted - head - 5 - 4;
        if (next == k) break;
        k = next;
    }
    std::vector<std::uint8_t> stream;
    SyncFlushedLength(data, data.size() - k, &stream);
    stream.push_back(0x01);
    stream.push_back(static_cast<std::uint8_t>(k));
    stream.push_back(static_cast<std::uint8_t>(k >> 8));
    stream.push_back(static_cast<std::uint8_t>(~k));
    stream.push_back(static_cast<std::uint8_t>(~k >> 8));
    stream.insert(stream.end(), data.end() - static_cast<std::ptrdiff_t>(k), data.end());
    uLong adler = adler32(1, data.data(), static_cast<uInt>(data.size()));
    for (int shift = 24; shift >= 0; shift -= 8) stream.push_back(static_cast<std::uint8_t>(adler >> shift));
    return stream;
}

struct TReadResult {
    bool Sound = false;
    TWarningRecorder Recorder;
    TacSkinConvertor Convertor;
};

void ReadArchive(const std::vector<std::uint8_t>& bytes, TReadResult& result) {
    result.Convertor.BorrowSource(bytes);
    result.Sound = result.Convertor.ReadPackedData();
}

} // namespace

TEST(TacSkinConvertor, MembersFollowEachOtherWithoutStoredLengths) {
    std::vector<std::uint8_t> options = Filler(10473, 1), button = Filler(56374, 2), master = Filler(60982, 3);
    std::vector<std::uint8_t> s1 = StreamOfLength(options, 2249), s2 = StreamOfLength(button, 6667),
                              s3 = StreamOfLength(master, 16128);
    ASSERT_EQ(s1.size(), 2249u);
    ASSERT_EQ(s2.size(), 6667u);
    ASSERT_EQ(s3.size(), 16128u);
    EXPECT_EQ(s1[0], 0x78);
    EXPECT_EQ(s1[1], 0x9C);
    TRawArchive archive;
    archive.Magic().Int32(3);
    archive.Int32(11).Text("Options.dat").Int32(10473).Raw(s1);
    archive.Int32(14).Text("ButtonHuge.bmp").Int32(56374).Raw(s2);
    archive.Int32(10).Text("Master.bmp").Int32(60982).Raw(s3);
    ASSERT_EQ(archive.Bytes().size(), 25111u);

    TReadResult result;
    ReadArchive(archive.Bytes(), result);
    EXPECT_TRUE(result.Sound);
    EXPECT_TRUE(result.Recorder.Warnings.empty()) << result.Convertor.Error();
    ASSERT_TRUE(result.Convertor.HasOptions());
    EXPECT_EQ(result.Convertor.Options(), std::string(options.begin(), options.end()));
    ASSERT_EQ(result.Convertor.ImageItems().size(), 2u);
    EXPECT_EQ(result.Convertor.ImageItems()[0].Name, "ButtonHuge.bmp");
    EXPECT_EQ(result.Convertor.ImageItems()[0].Data, button);
    EXPECT_TRUE(result.Convertor.ImageItems()[0].IsBitmap);
    EXPECT_EQ(result.Convertor.ImageItems()[1].Data, master);
    ASSERT_EQ(result.Convertor.Members().size(), 3u);
    EXPECT_EQ(result.Convertor.Members()[0].PackedSize, 2249u);
    EXPECT_EQ(result.Convertor.Members()[1].PackedSize, 6667u);
    EXPECT_EQ(result.Convertor.Members()[2].PackedSize, 16128u);
}

TEST(TacSkinConvertor, OptionsMemberInAnyLetterCaseAndLastOneWins) {
    for (const char* name : {"Options.dat", "OPTIONS.DAT", "options.dat"}) {
        TRawArchive archive;
        archive.Magic().Int32(3).Member(name, BytesOf("first")).Member("Bg.Jpg", BytesOf("jpeg"));
        archive.Member("OpTiOnS.DaT", BytesOf("[GLOBALINFO]"));
        TReadResult result;
        ReadArchive(archive.Bytes(), result);
        EXPECT_TRUE(result.Sound) << name;
        EXPECT_EQ(result.Convertor.Options(), "[GLOBALINFO]") << name;
        ASSERT_EQ(result.Convertor.ImageItems().size(), 1u) << name;
        EXPECT_FALSE(result.Convertor.ImageItems()[0].IsBitmap);
        EXPECT_EQ(result.Convertor.FindImageItem("BG.JPG"), &result.Convertor.ImageItems()[0]);
        EXPECT_EQ(result.Convertor.FindImageItem("BG.BMP"), nullptr);
    }
}

TEST(TacSkinConvertor, ArchiveWithoutOptionsMemberGivesNoOptions) {
    TRawArchive archive;
    archive.Magic().Int32(1).Member("Master.bmp", BytesOf("BM"));
    TReadResult result;
    ReadArchive(archive.Bytes(), result);
    EXPECT_TRUE(result.Sound);
    EXPECT_FALSE(result.Convertor.HasOptions());
    EXPECT_EQ(result.Convertor.ImageItems().size(), 1u);
}

TEST(TacSkinConvertor, BadMagicWarnsAndYieldsNothing) {
    for (const char* magic : {"ASZF", "PK\x03\x04", "ASz"}) {
        TRawArchive archive;
        archive.Magic(magic).Int32(1).Member("Options.dat", BytesOf("[A]"));
        TReadResult result;
        ReadArchive(archive.Bytes(), result);
        EXPECT_FALSE(result.Sound);
        ASSERT_EQ(result.Recorder.Warnings.size(), 1u);
        EXPECT_EQ(result.Recorder.Warnings[0].first, "Warning");
        EXPECT_EQ(result.Recorder.Warnings[0].second, "Loaded data is not a packed skin file");
        EXPECT_FALSE(result.Convertor.HasOptions());
        EXPECT_TRUE(result.Convertor.ImageItems().empty());
        EXPECT_FALSE(result.Convertor.HasSource());
    }
}

TEST(TacSkinConvertor, EveryTruncationKeepsTheCompleteMembersBeforeIt) {
    TacSkinPacker packer;
    packer.Add("Options.dat", std::string("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n"));
    packer.Add("Master.bmp", Filler(3000, 4));
    std::vector<std::uint8_t> full = packer.Pack();
    std::size_t firstMemberEnd = 8 + 4 + 11 + 4 + ZlibStream(BytesOf("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n")).size();
    for (std::size_t cut = 4; cut < full.size(); ++cut) {
        std::vector<std::uint8_t> part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        TReadResult result;
        ReadArchive(part, result);
        EXPECT_FALSE(result.Sound) << cut;
        ASSERT_EQ(result.Recorder.Warnings.size(), 1u) << cut;
        EXPECT_EQ(result.Convertor.HasOptions(), cut >= firstMemberEnd) << cut;
        EXPECT_TRUE(result.Convertor.ImageItems().empty()) << cut;
    }
}

TEST(TacSkinConvertor, ForgedCountsLengthsAndSizesAreRefused) {
    std::vector<std::uint8_t> stream = ZlibStream(BytesOf("[A]\nCOLOR=1\n"));
    struct TCase {
        const char* What;
        TRawArchive Archive;
    };
    std::vector<TCase> cases(8);
    cases[0] = {"name length -1", TRawArchive().Magic().Int32(1).Int32(-1).Text("x")};
    cases[1] = {"name length 10^9", TRawArchive().Magic().Int32(1).Int32(1000000000).Text("Options.dat")};
    cases[2] = {"size 2 GB", TRawArchive().Magic().Int32(1).Int32(11).Text("Options.dat").Int32(0x7FFFFFFF).Raw(stream)};
    cases[3] = {"negative size", TRawArchive().Magic().Int32(1).Int32(11).Text("Options.dat").Int32(-5).Raw(stream)};
    cases[4] = {"inflates past size", TRawArchive().Magic().Int32(1).Int32(11).Text("Options.dat").Int32(4).Raw(stream)};
    cases[5] = {"inflates short of size", TRawArchive().Magic().Int32(1).Int32(11).Text("Options.dat").Int32(40).Raw(stream)};
    cases[6] = {"negative count", TRawArchive().Magic().Int32(-1)};
    cases[7] = {"broken stream", TRawArchive().Magic().Int32(1).Int32(1).Text("a").Int32(3).Text("\x78\x9C\xFF\xFF\xFF")};
    for (TCase& c : cases) {
        TReadResult result;
        ReadArchive(c.Archive.Bytes(), result);
        EXPECT_FALSE(result.Sound) << c.What;
        EXPECT_FALSE(result.Convertor.HasOptions()) << c.What;
        ASSERT_EQ(result.Recorder.Warnings.size(), 1u) << c.What;
        EXPECT_EQ(result.Recorder.Warnings[0].first, "Warning");
        EXPECT_NE(result.Recorder.Warnings[0].second.find("damaged"), std::string::npos) << c.What;
    }
}

TEST(TacSkinConvertor, HugeMemberCountReadsWhatIsThere) {
    TRawArchive archive;
    archive.Magic().Int32(1000000000).Member("Options.dat", BytesOf("[A]")).Member("a.bmp", BytesOf("BM"));
    TReadResult result;
    ReadArchive(archive.Bytes(), result);
    EXPECT_FALSE(result.Sound);
    EXPECT_EQ(result.Convertor.Options(), "[A]");
    EXPECT_EQ(result.Convertor.ImageItems().size(), 1u);
    EXPECT_EQ(result.Recorder.Warnings.size(), 1u);
}

TEST(TacSkinConvertor, PackerPutsOptionsFirstAndRoundTrips) {
    TacSkinPacker packer;
    packer.Add("Master.bmp", Filler(500, 5));
    packer.Add("OPTIONS.DAT", std::string("[X]"));
    std::vector<std::uint8_t> bytes = packer.Pack();
    ASSERT_GT(bytes.size(), 23u);
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 23), "OPTIONS.DAT");
    EXPECT_EQ(bytes[27], 0x78);
    EXPECT_EQ(bytes[28], 0x9C);
    TReadResult result;
    ReadArchive(bytes, result);
    EXPECT_TRUE(result.Sound);
    EXPECT_EQ(result.Convertor.Options(), "[X]");
    EXPECT_EQ(result.Convertor.ImageItems().at(0).Data, Filler(500, 5));
}

TEST(TacSkinConvertor, LoadPackedFileReadsExistingFilesAndReusesTheConvertor) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "tavik-skin-convertor-test";
    std::filesystem::create_directories(dir);
    std::unique_ptr<TacSkinConvertor> convertor;
    EXPECT_FALSE(LoadPackedFile((dir / "missing.asz").string(), convertor, true));
    EXPECT_EQ(convertor, nullptr);

    TacSkinPacker first;
    first.Add("Options.dat", std::string("[ONE]"));
    first.Add("one.bmp", BytesOf("1"));
    std::ofstream((dir / "one.asz").string(), std::ios::binary).write(
        reinterpret_cast<const char*>(first.Pack().data()), static_cast<std::streamsize>(first.Pack().size()));
    TacSkinPacker second;
    second.Add("Options.dat", std::string("[TWO]"));
    std::ofstream((dir / "two.asz").string(), std::ios::binary).write(
        reinterpret_cast<const char*>(second.Pack().data()), static_cast<std::streamsize>(second.Pack().size()));

    ASSERT_TRUE(LoadPackedFile((dir / "one.asz").string(), convertor, true));
    ASSERT_NE(convertor, nullptr);
    EXPECT_EQ(convertor->Options(), "[ONE]");
    EXPECT_FALSE(convertor->HasSource());
    TacSkinConvertor* same = convertor.get();
    ASSERT_TRUE(LoadPackedFile((dir / "two.asz").string(), convertor, false));
    EXPECT_EQ(convertor.get(), same);
    EXPECT_EQ(convertor->Options(), "[TWO]");
    EXPECT_TRUE(convertor->ImageItems().empty());
    EXPECT_TRUE(convertor->HasSource());
    std::filesystem::remove_all(dir);
}

namespace {

const std::int32_t BigMember = LargestMemberOfTwo(8);

// Its stream is made once: deflating 64 MiB takes a while.

const std::vector<std::uint8_t>& BigZeros() {
    static const std::vector<std::uint8_t> stream = ZerosStream(static_cast<std::size_t>(BigMember));
    return stream;
}

bool RefusedAsTooLarge(const TReadResult& result) {
    return !result.Sound && result.Recorder.Warnings.size() == 1 &&
           result.Recorder.Warnings[0].first == "Warning" &&
           result.Recorder.Warnings[0].second.find("more than 128 MiB") != std::string::npos;
}

} // namespace

TEST(TacSkinConvertor, ArchiveUnpackingPastTheTotalCapIsRefusedAndLeftEmpty) {
    // Three members of almost 64 MiB of zeros each: every one is within the member limit, the
    // archive is under 200 KB, but together they would unpack to 192 MiB.
    TRawArchive archive;
    archive.Magic().Int32(4).Member("Options.dat", BytesOf("[GLOBALINFO]"));
    for (const char* name : {"aaaa.bmp", "bbbb.bmp", "cccc.bmp"}) archive.Member(name, BigMember, BigZeros());
    TReadResult result;
    ReadArchive(archive.Bytes(), result);
    EXPECT_TRUE(RefusedAsTooLarge(result));
    EXPECT_FALSE(result.Convertor.HasOptions());
    EXPECT_TRUE(result.Convertor.ImageItems().empty());
    EXPECT_TRUE(result.Convertor.Members().empty());
    EXPECT_NE(result.Convertor.Error().find("128 MiB"), std::string::npos);
}

TEST(TacSkinConvertor, ArchiveJustUnderTheTotalCapIsRead) {
    // Names count too: two members that come to within a few bytes of 128 MiB are read; a first
    // name four letters longer passes the limit.
    for (const char* name : {"aaaa.bmp", "aaaaaaaa.bmp"}) {
        TRawArchive archive;
        archive.Magic()
            .Int32(2)
            .Member(name, BigMember, BigZeros())
            .Member("bbbb.bmp", BigMember, BigZeros());
        TReadResult result;
        ReadArchive(archive.Bytes(), result);
        if (std::string(name).size() == 8) {
            EXPECT_TRUE(result.Sound) << result.Convertor.Error();
            ASSERT_EQ(result.Convertor.ImageItems().size(), 2u);
            EXPECT_EQ(result.Convertor.ImageItems()[1].Data.size(), static_cast<std::size_t>(BigMember));
        } else {
            EXPECT_TRUE(RefusedAsTooLarge(result));
        }
    }
}

TEST(TacSkinConvertor, MillionsOfEmptyMembersArePastTheCapToo) {
    // Each empty member takes 20 bytes of archive but a list record and an index entry in memory.
    const std::vector<std::uint8_t> empty = ZlibStream({});
    TRawArchive archive;
    const int count = 300000;
    archive.Magic().Int32(count);
    for (int i = 0; i < count; ++i) archive.Member("e", 0, empty);
    TReadResult result;
    ReadArchive(archive.Bytes(), result);
    EXPECT_TRUE(RefusedAsTooLarge(result));
    EXPECT_TRUE(result.Convertor.ImageItems().empty());
}

TEST(TacSkinConvertor, SharedNamesAreListedAndTheFirstImageWins) {
    TRawArchive archive;
    archive.Magic().Int32(7).Member("Options.dat", BytesOf("[ONE]")).Member("a.bmp", BytesOf("first"));
    archive.Member("b.jpg", BytesOf("b"))
        .Member("A.BMP", BytesOf("second"))
        .Member("OPTIONS.DAT", BytesOf("[TWO]"));
    archive.Member("a.Bmp", BytesOf("third")).Member("c", BytesOf("c"));
    TReadResult result;
    ReadArchive(archive.Bytes(), result);
    EXPECT_TRUE(result.Sound);
    EXPECT_EQ(result.Convertor.DuplicateNames(), (std::vector<std::string>{"a.bmp", "Options.dat"}));
    EXPECT_EQ(result.Convertor.Options(), "[TWO]");
    ASSERT_NE(result.Convertor.FindImageItem("A.bMp"), nullptr);
    EXPECT_EQ(result.Convertor.FindImageItem("A.bMp")->Data, BytesOf("first"));
}

namespace {

// True when reading the archive ended in a refusal for want of memory.
bool RefusedUnderMemoryLimit(const std::vector<std::uint8_t>& bytes) {
    TReadResult result;
    ReadArchive(bytes, result);
    return !result.Sound && result.Convertor.ImageItems().empty() && result.Recorder.Warnings.size() == 1 &&
           result.Recorder.Warnings[0].second.find("not enough memory") != std::string::npos;
}

} // namespace

TEST(TacSkinConvertor, MemoryRunningOutIsARefusalNotACrash) {
    if (BuiltWithAddressSanitizer()) GTEST_SKIP() << "the sanitizer's shadow memory needs more address space";
    TRawArchive archive;
    archive.Magic().Int32(2).Member("Options.dat", BytesOf("[A]"));
    archive.Member("big.bmp", BigMember, BigZeros());
    EXPECT_EQ(RunUnderMemoryLimit(32 * 1024 * 1024, [&] { return RefusedUnderMemoryLimit(archive.Bytes()); }),
              0);
}
