// Files and folders: existence, listing, capped reads, and writes that never leave a broken file.
#include "platform/system/Files.h"

#include "tests/platform/system/FileSizeLimit.h"
#include "tests/platform/system/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Files, ExistenceTellsFilesFromFolders) {
    TempFolder folder;
    TempFolder::Put(folder.Path("a.txt"), "x");
    fs::create_directory(folder.Path("sub"));
    EXPECT_TRUE(FileExists(folder.Path("a.txt")));
    EXPECT_FALSE(DirectoryExists(folder.Path("a.txt")));
    EXPECT_TRUE(DirectoryExists(folder.Path("sub")));
    EXPECT_FALSE(FileExists(folder.Path("sub")));
    EXPECT_FALSE(FileExists(folder.Path("none")));
    EXPECT_FALSE(DirectoryExists(folder.Path("none")));
}

TEST(Files, ListingIsSortedAndMarksFoldersAndHiddenEntries) {
    TempFolder folder;
    TempFolder::Put(folder.Path("b.asz"), "");
    TempFolder::Put(folder.Path(".hidden"), "");
    fs::create_directory(folder.Path("Alpha"));
    fs::create_directory_symlink(folder.Path("Alpha"), folder.Path("link"));
    const std::vector<TDirEntry> entries = ListDirectory(folder.Root().string());
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].Name, ".hidden");
    EXPECT_TRUE(entries[0].IsHidden);
    EXPECT_EQ(entries[1].Name, "Alpha");
    EXPECT_TRUE(entries[1].IsDirectory);
    EXPECT_FALSE(entries[1].IsHidden);
    EXPECT_EQ(entries[2].Name, "b.asz");
    EXPECT_FALSE(entries[2].IsDirectory);
    EXPECT_EQ(entries[3].Name, "link");
    EXPECT_TRUE(entries[3].IsDirectory) << "a link to a folder counts as a folder";
    EXPECT_TRUE(ListDirectory(folder.Path("missing")).empty());
}

TEST(Files, WholeFileReadsKeepEveryByteAndRespectTheCap) {
    TempFolder folder;
    const std::string bytes("a\0b\xFF\r\n", 6);
    TempFolder::Put(folder.Path("f"), bytes);
    std::string data;
    std::string error;
    ASSERT_TRUE(ReadWholeFile(folder.Path("f"), 6, data, error));
    EXPECT_EQ(data, bytes);
    EXPECT_FALSE(ReadWholeFile(folder.Path("f"), 5, data, error));
    EXPECT_TRUE(data.empty());
    EXPECT_NE(error.find("larger"), std::string::npos);
    EXPECT_FALSE(ReadWholeFile(folder.Path("none"), 100, data, error));
    EXPECT_NE(error.find("none"), std::string::npos) << error;
    EXPECT_FALSE(ReadWholeFile(folder.Root().string(), 100, data, error)) << "a folder is no file";
}

TEST(Files, AtomicWriteCreatesAndReplacesKeepingPermissions) {
    TempFolder folder;
    const std::string path = folder.Path("settings.ini");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "one", error)) << error;
    EXPECT_EQ(TempFolder::Get(path), "one");
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "two", error)) << error;
    EXPECT_EQ(TempFolder::Get(path), "two");
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.EntryCount(), 1u) << "no temporary file is left behind";
}

TEST(Files, AtomicWriteGoesThroughASymbolicLink) {
    TempFolder folder;
    TempFolder::Put(folder.Path("real.ini"), "old");
    fs::create_symlink(folder.Path("real.ini"), folder.Path("link.ini"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(folder.Path("link.ini"), "new", error)) << error;
    EXPECT_TRUE(fs::is_symlink(folder.Path("link.ini")));
    EXPECT_EQ(TempFolder::Get(folder.Path("real.ini")), "new");
}

TEST(Files, ReadOnlyFileOrFolderRefusesTheWriteAndKeepsTheOldContent) {
    TempFolder folder;
    const std::string path = folder.Path("locked.ini");
    TempFolder::Put(path, "kept");
    chmod(path.c_str(), 0444);
    std::string error;
    EXPECT_TRUE(IsReadOnly(path));
    EXPECT_FALSE(WriteFileAtomically(path, "lost", error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(TempFolder::Get(path), "kept");

    fs::create_directory(folder.Path("ro"));
    const std::string inside = folder.Path("ro/new.ini");
    chmod(folder.Path("ro").c_str(), 0555);
    EXPECT_FALSE(WriteFileAtomically(inside, "x", error));
    EXPECT_FALSE(fs::exists(inside));
    EXPECT_FALSE(WriteFileAtomically(folder.Path("missing/new.ini"), "x", error));
    EXPECT_FALSE(error.empty());
}

TEST(Files, AFailedTemporaryWriteLeavesTheOriginalIntact) {
    TempFolder folder;
    const std::string path = folder.Path("settings.ini");
    const std::string original(1000, 'o');
    TempFolder::Put(path, original);
    std::string error;
    bool written = true;
    {
        FileSizeLimit limit(1500);
        written = WriteFileAtomically(path, std::string(4000, 'n'), error);
    }
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(TempFolder::Get(path), original);
    EXPECT_EQ(folder.EntryCount(), 1u) << "the half-written temporary file is removed";
}

TEST(Files, AFifoOrDeviceIsNeitherReadNorReplaced) {
    TempFolder folder;
    const std::string fifo = folder.Path("settings.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string data;
    std::string error;
    // Opening a FIFO without a writer for reading would wait for ever.
    EXPECT_FALSE(ReadWholeFile(fifo, 100, data, error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_FALSE(ReadWholeFile("/dev/null", 100, data, error));
    EXPECT_FALSE(WriteFileAtomically(fifo, "x", error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    struct stat info {};
    ASSERT_EQ(lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "the FIFO is still there, not replaced by a file";
}

TEST(Files, TheNextWriteRemovesTemporariesLeftByAnInterruptedOne) {
    TempFolder folder;
    const std::string path = folder.Path("settings.ini");
    // A process that has ended: its child, waited for.
    const pid_t ended = fork();
    if (ended == 0) _exit(0);
    ASSERT_GT(ended, 0);
    waitpid(ended, nullptr, 0);
    const std::string ofEnded = folder.Path(".settings.ini.tmp-" + std::to_string(ended) + "-3");
    // This very process id, as after a crash of a program that had the same id: no write of
    // ours is filling it, and its name is the one our next write would choose.
    const std::string ofOurId = folder.Path(".settings.ini.tmp-" + std::to_string(getpid()) + "-0");
    // The parent of this process is running: its temporary may be in the middle of a write.
    const std::string ofRunning = folder.Path(".settings.ini.tmp-" + std::to_string(getppid()) + "-0");
    const std::string unrelated = folder.Path(".settings.ini.tmp-notes");
    for (const std::string& p : {ofEnded, ofOurId, ofRunning, unrelated}) TempFolder::Put(p, "half");
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "saved", error)) << error;
    EXPECT_EQ(TempFolder::Get(path), "saved");
    EXPECT_FALSE(fs::exists(ofEnded));
    EXPECT_FALSE(fs::exists(ofOurId));
    EXPECT_TRUE(fs::exists(ofRunning));
    EXPECT_TRUE(fs::exists(unrelated));
    EXPECT_EQ(folder.EntryCount(), 3u);
}
