// Bitmaps: resizing, rows against canvas pixels, transparency, BMP files, JPEG images, pictures.
#include "framework/Exception.h"
#include "framework/TBitmap.h"
#include "framework/TCanvas.h"
#include "framework/TJPEGImage.h"
#include "framework/TMemoryStream.h"
#include "framework/TPicture.h"

#include "platform/gfx/ImageFiles.h"
#include "tests/framework/FrameworkTestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Within a few steps per channel: JPEG is lossy.
bool Near(TColor a, TColor b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 12 && std::abs(GetGValue(a) - GetGValue(b)) <= 12 &&
           std::abs(GetBValue(a) - GetBValue(b)) <= 12;
}

// Left half red, right half blue.
Bitmap TwoColourImage(int width, int height) {
    Bitmap image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.SetPixel(x, y, x < width / 2 ? clRed : clBlue);
    return image;
}

} // namespace

TEST(TBitmapTest, ResizingKeepsThePixelsThatStayInside) {
    TBitmap bitmap(10, 10);
    bitmap.Canvas()->SetPixels(3, 4, clRed);
    bitmap.Canvas()->SetPixels(9, 9, clLime);
    bitmap.SetWidth(20);
    EXPECT_EQ(bitmap.Width(), 20);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 4), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(9, 9), clLime);
    EXPECT_EQ(bitmap.Canvas()->Pixels(15, 4), clBlack) << "new pixels are black";
    bitmap.SetHeight(5);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 4), clRed);
    bitmap.SetSize(4, 5);
    bitmap.SetSize(10, 10);
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 4), clRed);
    EXPECT_EQ(bitmap.Canvas()->Pixels(9, 9), clBlack) << "what was cut off is gone";
    bitmap.Canvas()->SetPixels(9, 9, clAqua);
    EXPECT_EQ(bitmap.Canvas()->Pixels(9, 9), clAqua) << "the canvas draws on the resized pixels";

    TBitmap stepwise; // sizes set one at a time, as component properties are
    stepwise.SetWidth(15);
    EXPECT_TRUE(stepwise.Empty());
    EXPECT_EQ(stepwise.Width(), 15);
    stepwise.SetHeight(15);
    EXPECT_FALSE(stepwise.Empty());
    EXPECT_EQ(stepwise.Image().Size(), (TSize{15, 15}));
}

TEST(TBitmapTest, ScanLineAndCanvasPixelsAreTheSamePixels) {
    for (TPixelFormat format : {pf24bit, pf32bit}) {
        TBitmap bitmap(6, 3, format);
        const int bpp = format == pf32bit ? 4 : 3;
        std::uint8_t* row = bitmap.ScanLine(2);
        row[4 * bpp + 0] = 0x30; // blue
        row[4 * bpp + 1] = 0x20; // green
        row[4 * bpp + 2] = 0x10; // red
        EXPECT_EQ(bitmap.Canvas()->Pixels(4, 2), RGB(0x10, 0x20, 0x30));
        bitmap.Canvas()->SetPixels(0, 1, RGB(1, 2, 3));
        const std::uint8_t* other = bitmap.ScanLine(1);
        EXPECT_EQ(other[0], 3);
        EXPECT_EQ(other[1], 2);
        EXPECT_EQ(other[2], 1);
        EXPECT_THROW(bitmap.ScanLine(3), EInvalidGraphicOperation);
        EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphicOperation);
    }
    TBitmap bitmap(2, 2);
    bitmap.Canvas()->SetPixels(1, 1, clRed);
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
    EXPECT_EQ(bitmap.Canvas()->Pixels(1, 1), clRed) << "a format change keeps the colours";
}

TEST(TBitmapTest, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
    TBitmap glyph(3, 3);
    glyph.Canvas()->Brush()->SetColor(clGreen);
    glyph.Canvas()->FillRect({0, 0, 3, 3});
    glyph.Canvas()->SetPixels(0, 2, clFuchsia);
    EXPECT_EQ(glyph.TransparentMode(), tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    glyph.SetTransparentColor(clGreen);
    EXPECT_EQ(glyph.TransparentMode(), tmFixed);
    EXPECT_EQ(glyph.TransparentColor(), clGreen);
    glyph.SetTransparentMode(tmAuto);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
}

TEST(TBitmapTest, ATransparentBitmapLeavesItsKeyPixelsOut) {
    TBitmap glyph(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect({0, 0, 4, 4});
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect({1, 1, 3, 3});
    glyph.SetTransparent(true);

    TBitmap target(12, 12);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect({0, 0, 12, 12});
    target.Canvas()->Draw(1, 1, &glyph);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(4, 4), clWhite);

    target.Canvas()->FillRect({0, 0, 12, 12});
    target.Canvas()->StretchDraw({0, 0, 8, 8}, &glyph);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clWhite);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(target.Canvas()->Pixels(6, 6), clWhite);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_NE(target.Canvas()->Pixels(x, y), clFuchsia) << x << "," << y;

    glyph.SetTransparent(false);
    target.Canvas()->Draw(0, 0, &glyph);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clFuchsia);
}

TEST(TBitmapTest, DrawingThroughTheCanvasAnnouncesTheChange) {
    TBitmap bitmap(4, 4);
    int changes = 0;
    bitmap.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &bitmap);
        ++changes;
    };
    bitmap.Canvas()->FillRect({0, 0, 2, 2});
    bitmap.Canvas()->SetPixels(3, 3, clRed);
    bitmap.SetWidth(5);
    EXPECT_EQ(changes, 3);
}

TEST(TBitmapTest, BmpFilesRoundTripAndBadDataIsRefused) {
    TScratchFolder folder;
    TBitmap bitmap;
    bitmap.SetImage(TwoColourImage(7, 5));
    bitmap.SaveToFile(folder.Path("two.bmp"));

    TBitmap loaded;
    loaded.LoadFromFile(folder.Path("two.bmp"));
    EXPECT_EQ(loaded.Image(), bitmap.Image());

    TScratchFolder::Put(folder.Path("bad.bmp"), {'B', 'M', 1, 2, 3});
    try {
        loaded.LoadFromFile(folder.Path("bad.bmp"));
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    EXPECT_EQ(loaded.Width(), 7) << "a failed load keeps the old picture";
    EXPECT_THROW(loaded.LoadFromFile(folder.Path("missing.bmp")), EFOpenError);
    EXPECT_THROW(loaded.SaveToFile(folder.Path("no/such/folder.bmp")), EFCreateError);
}

TEST(TJPEGImageTest, HeaderGivesTheSizeAndPixelsAreDecodedOnFirstUse) {
    TMemoryStream stream(EncodeJpeg(TwoColourImage(32, 16), 95));
    TJPEGImage jpeg;
    jpeg.LoadFromStream(stream);
    EXPECT_EQ(jpeg.Width(), 32);
    EXPECT_EQ(jpeg.Height(), 16);
    EXPECT_FALSE(jpeg.IsDecoded());

    TBitmap target(40, 20);
    target.Canvas()->Draw(4, 2, &jpeg);
    EXPECT_TRUE(jpeg.IsDecoded());
    EXPECT_TRUE(Near(target.Canvas()->Pixels(6, 8), clRed));
    EXPECT_TRUE(Near(target.Canvas()->Pixels(30, 8), clBlue));

    TBitmap converted;
    converted.Assign(&jpeg);
    EXPECT_EQ(converted.Width(), 32);
    EXPECT_TRUE(Near(converted.Canvas()->Pixels(0, 0), clRed));
    EXPECT_THROW(jpeg.Assign(&converted), EConvertError) << "no JPEG encoder: a bitmap cannot become one";

    TMemoryStream garbage(std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xDA, 0, 2});
    EXPECT_THROW(jpeg.LoadFromStream(garbage), EInvalidGraphic);
    EXPECT_EQ(jpeg.Width(), 32);

    // A valid header over damaged data loads, and the damage shows when the pixels are needed.
    std::vector<std::uint8_t> cut = EncodeJpeg(TwoColourImage(32, 16), 95);
    cut.resize(cut.size() / 3);
    TMemoryStream truncated(cut);
    TJPEGImage damaged;
    damaged.LoadFromStream(truncated);
    EXPECT_EQ(damaged.Width(), 32);
    EXPECT_THROW(target.Canvas()->Draw(0, 0, &damaged), EInvalidGraphic);
}

TEST(TPictureTest, LoadingChoosesTheGraphicByExtension) {
    TScratchFolder folder;
    TBitmap source;
    source.SetImage(TwoColourImage(8, 6));
    source.SaveToFile(folder.Path("glyph.BMP"));
    TScratchFolder::Put(folder.Path("photo.JPeG"), EncodeJpeg(TwoColourImage(20, 10), 90));

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromFile(folder.Path("glyph.BMP"));
    ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(changes, 1);

    picture.LoadFromFile(folder.Path("photo.JPeG"));
    ASSERT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(picture.Height(), 10);

    TScratchFolder::Put(folder.Path("notes.png"), {1, 2, 3});
    try {
        picture.LoadFromFile(folder.Path("notes.png"));
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "Unknown picture file extension (.png)");
    }
    TScratchFolder::Put(folder.Path("broken.jpg"), {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'});
    EXPECT_THROW(picture.LoadFromFile(folder.Path("broken.jpg")), EInvalidGraphic);
    EXPECT_EQ(picture.Width(), 20) << "a failed load keeps the picture";

    const int before = changes;
    TBitmap* bitmap = picture.Bitmap(); // replaces the JPEG by an empty bitmap
    EXPECT_TRUE(bitmap->Empty());
    bitmap->SetSize(2, 2);
    bitmap->Canvas()->SetPixels(0, 0, clRed);
    EXPECT_EQ(changes, before + 3) << "changes of the held graphic reach the picture";
}

TEST(TPictureTest, AssignCopiesTheGraphic) {
    TBitmap source(3, 3);
    source.Canvas()->SetPixels(1, 1, clRed);
    TPicture picture;
    picture.Assign(&source);
    source.Canvas()->SetPixels(1, 1, clBlue);
    auto* held = dynamic_cast<TBitmap*>(picture.Graphic());
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->Canvas()->Pixels(1, 1), clRed) << "a copy, not the caller's bitmap";

    TPicture other;
    other.Assign(&picture);
    TBitmap out;
    out.Assign(&other);
    EXPECT_EQ(out.Canvas()->Pixels(1, 1), clRed);
    other.Assign(nullptr);
    EXPECT_EQ(other.Graphic(), nullptr);
}
