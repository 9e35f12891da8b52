// Image files: BMP of every depth read and round trips, JPEG decoding, PNG encoding, bad input.
#include "platform/gfx/ImageFiles.h"
#include "tests/platform/gfx/TestImages.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

Bitmap Noise(int w, int h, unsigned seed, int colours = 0) {
    std::mt19937 rng(seed);
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned v = colours ? (rng() % colours) * 0x10305u : rng();
            b.SetPixel(x, y, static_cast<TColor>(v & 0xFFFFFF));
        }
    return b;
}

const std::vector<std::uint32_t> kPalette16 = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

TColor FromPalette(std::uint32_t rrggbb) { return RGB(rrggbb >> 16 & 0xFF, rrggbb >> 8 & 0xFF, rrggbb & 0xFF); }

} // namespace

TEST(Bmp, RoundTripsThroughBothWritersAtOddWidths) {
    for (int w : {1, 2, 3, 5, 7, 13}) {
        const Bitmap many = Noise(w, 4, static_cast<unsigned>(w));
        Bitmap back;
        std::string error;
        ASSERT_TRUE(ReadBmp(EncodeBmp24(many), back, &error)) << error;
        EXPECT_TRUE(back == many) << "24-bit, width " << w;
        EXPECT_FALSE(back.BottomUp()) << "readers hand out top-down bitmaps";

        const Bitmap few = Noise(w, 5, 100u + w, 7);
        const std::vector<std::uint8_t> file = EncodeBmp8(few);
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(file[28], 8) << "bit count";
        ASSERT_TRUE(ReadBmp(file, back, &error)) << error;
        EXPECT_TRUE(back == few) << "8-bit, width " << w;
    }
    Bitmap thirtyTwo(3, 3, TPixelFormat::pf32bit, true);
    thirtyTwo.Fill(clTeal);
    Bitmap back;
    ASSERT_TRUE(ReadBmp(EncodeBmp24(thirtyTwo), back));
    EXPECT_EQ(back.Pixel(2, 2), clTeal);
    EXPECT_TRUE(EncodeBmp8(Noise(20, 20, 1)).empty()) << "more than 256 colours";
}

TEST(Bmp, ReadsPaletteFilesOfOneFourAndEightBits) {
    // 1 bit, width 11: two bytes of bits per row.
    TestBmp mono{11, 2, 1, false, false, {0x102030, 0xF0E0D0}, {{0b10100000, 0b00100000}, {0xFF, 0xFF}}};
    Bitmap b;
    std::string error;
    ASSERT_TRUE(ReadBmp(mono.Encode(), b, &error)) << error;
    EXPECT_EQ(b.Size(), (TSize{11, 2}));
    EXPECT_EQ(b.Pixel(0, 0), FromPalette(0xF0E0D0));
    EXPECT_EQ(b.Pixel(1, 0), FromPalette(0x102030));
    EXPECT_EQ(b.Pixel(2, 0), FromPalette(0xF0E0D0));
    EXPECT_EQ(b.Pixel(10, 0), FromPalette(0xF0E0D0));
    EXPECT_EQ(b.Pixel(9, 0), FromPalette(0x102030));
    EXPECT_EQ(b.Pixel(10, 1), FromPalette(0xF0E0D0));

    // 4 bits, width 5, top-down.
    TestBmp nibbles{5, 2, 4, true, false, kPalette16, {{0x01, 0x23, 0xF0}, {0xED, 0xCB, 0xA0}}};
    ASSERT_TRUE(ReadBmp(nibbles.Encode(), b, &error)) << error;
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(b.Pixel(x, 0), FromPalette(kPalette16[x == 4 ? 15 : x]));
        EXPECT_EQ(b.Pixel(x, 1), FromPalette(kPalette16[x == 4 ? 10 : 14 - x]));
    }

    // 8 bits with a short palette: an index past it reads as black instead of past the array.
    TestBmp bytes{3, 3, 8, false, false, {0x112233, 0x445566}, {{0, 1, 0}, {1, 1, 1}, {0, 200, 1}}};
    ASSERT_TRUE(ReadBmp(bytes.Encode(), b, &error)) << error;
    EXPECT_EQ(b.Pixel(1, 0), FromPalette(0x445566));
    EXPECT_EQ(b.Pixel(0, 2), FromPalette(0x112233));
    EXPECT_EQ(b.Pixel(1, 2), clBlack);

    // The old 12-byte header with three-byte palette entries.
    TestBmp core{2, 1, 8, false, true, {0x0000FF, 0xFF0000}, {{1, 0}}};
    ASSERT_TRUE(ReadBmp(core.Encode(), b, &error)) << error;
    EXPECT_EQ(b.Pixel(0, 0), clRed);
    EXPECT_EQ(b.Pixel(1, 0), clBlue);
}

TEST(Bmp, ThirtyTwoBitFilesKeepAlpha) {
    TestBmp file{2, 2, 32, false, false, {}, {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15, 16}}};
    Bitmap b;
    ASSERT_TRUE(ReadBmp(file.Encode(), b));
    EXPECT_EQ(b.Format(), TPixelFormat::pf32bit);
    EXPECT_EQ(b.Pixel(0, 0), RGB(3, 2, 1));
    EXPECT_EQ(b.Alpha(0, 0), 4);
    EXPECT_EQ(b.Alpha(1, 1), 16);
}

TEST(Bmp, MalformedFilesFailWithAReason) {
    const std::vector<std::uint8_t> good = TestBmp{3, 2, 8, false, false, {0xFF, 0xFF00}, {{0, 1, 0}, {1, 0, 1}}}.Encode();
    Bitmap b;
    std::string error;
    // Every truncation, at any byte, is refused.
    for (std::size_t n = 0; n + 1 < good.size(); ++n) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        ASSERT_FALSE(ReadBmp(cut, b, &error)) << "length " << n;
        EXPECT_FALSE(error.empty());
    }
    std::vector<std::uint8_t> bad = good;
    bad[0] = 'X';
    EXPECT_FALSE(ReadBmp(bad, b, &error));
    EXPECT_EQ(error, "not a BMP file");

    auto withField = [&](std::size_t at, std::int32_t v) {
        std::vector<std::uint8_t> f = good;
        for (int i = 0; i < 4; ++i) f[at + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
        return f;
    };
    for (std::int32_t width : {0, -3, 16385, 0x7FFFFFFF}) EXPECT_FALSE(ReadBmp(withField(18, width), b)) << width;
    for (std::int32_t height : {0, 16385, -16385, INT32_MIN}) EXPECT_FALSE(ReadBmp(withField(22, height), b)) << height;
    // Plausible sides, but far more pixels than the file holds: refused before allocating.
    std::vector<std::uint8_t> huge = withField(18, 16000);
    EXPECT_FALSE(ReadBmp(withField(22, 16000), b));
    EXPECT_FALSE(ReadBmp(huge, b, &error));
    EXPECT_EQ(error, "BMP pixel data is truncated or missing");
    EXPECT_FALSE(ReadBmp(withField(10, 0x7FFFFFF0), b)) << "pixel offset past the end";
    std::vector<std::uint8_t> rle = withField(30, 1);
    EXPECT_FALSE(ReadBmp(rle, b, &error));
    std::vector<std::uint8_t> sixteen = good;
    sixteen[28] = 16;
    EXPECT_FALSE(ReadBmp(sixteen, b, &error));
    EXPECT_EQ(error, "unsupported BMP bit depth 16");
    EXPECT_TRUE(b.Empty() || b.Width() == 3) << "a failed read leaves no half-built picture behind";
}

TEST(Jpeg, DecodesColourAndGreyFilesCloseToTheOriginal) {
    Bitmap smooth(37, 21, TPixelFormat::pf24bit, true);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x) smooth.SetPixel(x, y, RGB(x * 6, y * 12, 200 - x * 3));
    Bitmap back;
    std::string error;
    ASSERT_TRUE(ReadJpeg(EncodeTestJpeg(smooth, 95), back, &error)) << error;
    ASSERT_EQ(back.Size(), smooth.Size());
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x) {
            ASSERT_NEAR(GetRValue(back.Pixel(x, y)), GetRValue(smooth.Pixel(x, y)), 12) << x << "," << y;
            ASSERT_NEAR(GetBValue(back.Pixel(x, y)), GetBValue(smooth.Pixel(x, y)), 12) << x << "," << y;
        }
    ASSERT_TRUE(ReadJpeg(EncodeTestJpeg(smooth, 90, true), back, &error)) << error;
    const TColor grey = back.Pixel(20, 10);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_NEAR(GetGValue(grey), 120, 8);
}

TEST(Jpeg, OurEncoderWritesWhatTheReaderGetsBackFromEitherRowOrderAndDepth) {
    for (const TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit})
        for (const bool bottomUp : {false, true}) {
            Bitmap smooth(33, 17, format, bottomUp);
            for (int y = 0; y < 17; ++y)
                for (int x = 0; x < 33; ++x) smooth.SetPixel(x, y, RGB(x * 7, 250 - y * 14, 90));
            Bitmap back;
            std::string error;
            ASSERT_TRUE(ReadJpeg(EncodeJpeg(smooth, 95), back, &error)) << error;
            ASSERT_EQ(back.Size(), smooth.Size());
            for (const TPoint p : {TPoint{0, 0}, TPoint{32, 0}, TPoint{0, 16}, TPoint{20, 9}}) {
                EXPECT_NEAR(GetRValue(back.Pixel(p.X, p.Y)), GetRValue(smooth.Pixel(p.X, p.Y)), 12) << p.X << "," << p.Y;
                EXPECT_NEAR(GetGValue(back.Pixel(p.X, p.Y)), GetGValue(smooth.Pixel(p.X, p.Y)), 12) << p.X << "," << p.Y;
            }
        }
    EXPECT_TRUE(EncodeJpeg(Bitmap(), 90).empty());
    std::string error;
    EXPECT_FALSE(WriteJpegFile("/nonexistent-folder/x.jpg", Bitmap(4, 4), 90, &error));
    EXPECT_NE(error.find("/nonexistent-folder/x.jpg"), std::string::npos) << error;
}

TEST(Jpeg, MalformedFilesFailWithoutCrashOrHugeAllocation) {
    const std::vector<std::uint8_t> good = EncodeTestJpeg(Noise(40, 30, 5), 80);
    Bitmap b;
    std::string error;
    for (std::size_t n : {std::size_t{0}, std::size_t{2}, std::size_t{20}, good.size() / 2, good.size() - 2}) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_FALSE(ReadJpeg(cut, b, &error)) << "length " << n;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(b.Empty());
    }
    std::vector<std::uint8_t> magic = good;
    magic[1] = 0xD9;
    EXPECT_FALSE(ReadJpeg(magic, b, &error));
    EXPECT_EQ(error, "not a JPEG file");

    // Patch the frame header (FFC0) to claim other sizes.
    std::size_t sof = 2;
    while (sof + 1 < good.size() && !(good[sof] == 0xFF && good[sof + 1] == 0xC0)) ++sof;
    ASSERT_LT(sof + 8, good.size());
    auto sized = [&](unsigned w, unsigned h) {
        std::vector<std::uint8_t> f = good;
        f[sof + 5] = static_cast<std::uint8_t>(h >> 8), f[sof + 6] = static_cast<std::uint8_t>(h);
        f[sof + 7] = static_cast<std::uint8_t>(w >> 8), f[sof + 8] = static_cast<std::uint8_t>(w);
        return f;
    };
    EXPECT_FALSE(ReadJpeg(sized(60000, 60000), b, &error));
    EXPECT_EQ(error, "JPEG size is out of range");
    EXPECT_FALSE(ReadJpeg(sized(16000, 16000), b, &error)) << "more pixels than a small file can code";
    EXPECT_FALSE(ReadJpeg(sized(0, 30), b, &error));
    EXPECT_TRUE(ReadJpeg(good, b, &error)) << error;
}

TEST(Png, EncodesPixelsExactlyAndWritesFiles) {
    Bitmap src = Noise(19, 7, 9);
    src.SetFormat(TPixelFormat::pf32bit);
    const Bitmap back = DecodeTestPng(EncodePng(src));
    src.SetFormat(TPixelFormat::pf24bit);
    EXPECT_TRUE(back == src);
    EXPECT_TRUE(EncodePng(Bitmap()).empty());

    const std::string path = (std::filesystem::temp_directory_path() / "tavik-gfx-test.png").string();
    std::string error;
    ASSERT_TRUE(WritePngFile(path, src, &error)) << error;
    EXPECT_GT(std::filesystem::file_size(path), 8u);
    std::filesystem::remove(path);
    EXPECT_FALSE(WritePngFile("/nonexistent-dir/x.png", src, &error));
    EXPECT_NE(error.find("/nonexistent-dir/x.png"), std::string::npos);
}

TEST(ImageFiles, ReadingFilesReportsMissingOnesAndDecodesPresentOnes) {
    Bitmap b;
    std::string error;
    EXPECT_FALSE(ReadBmpFile("/nonexistent/skin.bmp", b, &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
    const std::string path = (std::filesystem::temp_directory_path() / "tavik-gfx-test.jpg").string();
    const std::vector<std::uint8_t> jpeg = EncodeTestJpeg(Noise(8, 8, 2), 90);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(jpeg.data(), 1, jpeg.size(), f);
    std::fclose(f);
    EXPECT_TRUE(ReadJpegFile(path, b, &error)) << error;
    EXPECT_EQ(b.Size(), (TSize{8, 8}));
    EXPECT_FALSE(ReadBmpFile(path, b, &error)) << "a JPEG is not a BMP";
    std::filesystem::remove(path);
}
