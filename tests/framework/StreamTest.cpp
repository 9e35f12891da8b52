// Memory and file streams: positions, short reads, file errors naming the file.
#include "framework/Exception.h"
#include "framework/TFileStream.h"
#include "framework/TMemoryStream.h"

#include "tests/framework/FrameworkTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(TMemoryStreamTest, ReadsWritesAndSeeksLikeAFile) {
    TMemoryStream stream;
    stream.WriteBuffer("abcdef", 6);
    EXPECT_EQ(stream.Position(), 6);
    stream.SetPosition(2);
    char two[2];
    stream.ReadBuffer(two, 2);
    EXPECT_EQ(std::memcmp(two, "cd", 2), 0);
    EXPECT_EQ(stream.ReadRemaining(), (std::vector<std::uint8_t>{'e', 'f'}));
    EXPECT_THROW(stream.ReadBuffer(two, 1), EReadError);

    stream.Seek(2, soEnd);
    stream.WriteBuffer("Z", 1);
    EXPECT_EQ(stream.Data(), (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 'f', 0, 0, 'Z'}));
    EXPECT_EQ(stream.Seek(-100, soCurrent), 0);

    TMemoryStream copy;
    copy.CopyFrom(stream, 0);
    EXPECT_EQ(copy.Data(), stream.Data());
}

TEST(TFileStreamTest, CreatesWritesAndReopensFilesAndNamesTheFileOnFailure) {
    TScratchFolder folder;
    const std::string path = folder.Path("data.bin");
    {
        TFileStream out(path, fmCreate);
        out.WriteBuffer("hello", 5);
    }
    TFileStream in(path, fmOpenRead);
    EXPECT_EQ(in.Size(), 5);
    EXPECT_EQ(in.ReadRemaining(), (std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'}));
    EXPECT_THROW(in.WriteBuffer("x", 1), EWriteError) << "opened for reading only";

    try {
        TFileStream missing(folder.Path("missing.bin"), fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message().rfind("Cannot open file \"" + folder.Path("missing.bin") + "\". ", 0), 0u) << e.Message();
    }
    EXPECT_THROW(TFileStream(folder.Path("no/folder/x.bin"), fmCreate), EFCreateError);
}
