#include "base/clsSafeOutputFile.h"

#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::set<std::string> Names(const TempDir& dir)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path))
        names.insert(entry.path().filename().string());
    return names;
}

bool Save(const std::string& target, const std::string& text)
{
    clsSafeOutputFile file;
    if (!file.Open(target))
        return false;
    file.Write(text);
    return file.Commit();
}

// A temporary of our own naming, last changed that long ago.
std::string Temporary(const TempDir& dir, const std::string& name, std::chrono::seconds age)
{
    const std::string path = dir.Write(name, "left by a killed run");
    fs::last_write_time(path, fs::file_time_type::clock::now() - age);
    return path;
}

}  // namespace

TEST(clsSafeOutputFile, TwoSavesToOneFileNeverMix)
{
    TempDir dir;
    const std::string target = dir.File("fires.out");
    const std::string first(200000, '1');
    const std::string second(150000, '2');
    clsSafeOutputFile a, b;
    ASSERT_TRUE(a.Open(target));
    ASSERT_TRUE(b.Open(target));
    for (int i = 0; i < 2; ++i) {
        a.Write(first.substr(i * 100000, 100000));
        b.Write(second.substr(i * 75000, 75000));
    }
    ASSERT_TRUE(b.Commit());
    EXPECT_EQ(ReadBytes(target), second);
    ASSERT_TRUE(a.Commit());
    EXPECT_EQ(ReadBytes(target), first);
    EXPECT_EQ(Names(dir), std::set<std::string>{"fires.out"});
}

TEST(clsSafeOutputFile, FilesNamedLikeATemporaryAreLeftAlone)
{
    TempDir dir;
    const std::string victim = dir.Write("victim", "precious\n");
    dir.Write("fires.out.partial", "an input of the same name\n");
    fs::create_symlink(victim, dir.path / "fires.scn.partial");
    dir.Write(".fires.out.orvane-short.tmp", "not of our pattern\n");
    ASSERT_TRUE(Save(dir.File("fires.out"), "results\n"));
    ASSERT_TRUE(Save(dir.File("fires.scn"), "scenario\n"));
    EXPECT_EQ(ReadBytes(victim), "precious\n");
    EXPECT_EQ(ReadBytes(dir.File("fires.out.partial")), "an input of the same name\n");
    EXPECT_TRUE(fs::is_symlink(dir.path / "fires.scn.partial"));
    EXPECT_EQ(Names(dir), (std::set<std::string>{"victim", "fires.out", "fires.scn", "fires.out.partial",
                                                 "fires.scn.partial", ".fires.out.orvane-short.tmp"}));
}

TEST(clsSafeOutputFile, OnlyARegularFileIsReplaced)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", dir.path / "device");
    fs::create_symlink(dir.File("nowhere"), dir.path / "dangling");
    fs::create_directory(dir.path / "folder");
    for (const char* name : {"pipe", "device", "dangling", "folder"}) {
        clsSafeOutputFile file;
        EXPECT_FALSE(file.Open(dir.File(name))) << name;
        EXPECT_EQ(file.ErrorText(), "not a regular file") << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir.path / "pipe"));
    EXPECT_TRUE(fs::is_symlink(dir.path / "device"));
    EXPECT_TRUE(fs::is_symlink(dir.path / "dangling"));

}

// Saving over a link writes the file it points to, through a chain of links and a relative one, and
// leaves the links as they were; the temporary is made beside the file written.
TEST(clsSafeOutputFile, ALinkIsKeptAndTheFileItPointsToIsWritten)
{
    TempDir dir;
    fs::create_directory(dir.path / "shared");
    const std::string real = dir.Write("shared/english.unt", "old\n");
    fs::create_symlink("shared/english.unt", dir.path / "relative");
    fs::create_symlink(dir.path / "relative", dir.path / "chain");
    for (const char* link : {"relative", "chain"}) {
        ASSERT_TRUE(Save(dir.File(link), std::string(link) + "\n")) << link;
        EXPECT_TRUE(fs::is_symlink(dir.path / link)) << link;
        EXPECT_EQ(ReadBytes(real), std::string(link) + "\n");
    }
    EXPECT_EQ(Names(dir), (std::set<std::string>{"shared", "relative", "chain"}));
}

// The mode decides, whoever runs the program: a file without write permission for us is refused
// and stays as it was, also when reached through a link.
TEST(clsSafeOutputFile, AReadOnlyFileIsNotReplaced)
{
    TempDir dir;
    const std::string target = dir.Write("fires.out", "kept\n");
    fs::permissions(target, fs::perms(0444));
    fs::create_symlink(target, dir.path / "link");
    for (const std::string& path : {target, dir.File("link")}) {
        clsSafeOutputFile file;
        EXPECT_FALSE(file.Open(path)) << path;
        EXPECT_EQ(file.ErrorText(), "the file is read-only") << path;
    }
    EXPECT_EQ(ReadBytes(target), "kept\n");
    EXPECT_EQ(Names(dir), (std::set<std::string>{"fires.out", "link"}));
}

TEST(clsSafeOutputFile, AWriteThatFailsHalfWayKeepsThePreviousFile)
{
    TempDir dir;
    const std::string target = dir.Write("fires.out", "previous\n");
    clsSafeOutputFile file;
    ASSERT_TRUE(file.Open(target));
    {
        FileSizeLimit full(100000);
        file.Write(std::string(300000, 'x'));
        EXPECT_FALSE(file.Commit());
    }
    EXPECT_EQ(file.ErrorText(), "File too large");
    EXPECT_EQ(ReadBytes(target), "previous\n");
    EXPECT_EQ(Names(dir), std::set<std::string>{"fires.out"});

    // A folder that is not there: nothing is created.
    EXPECT_FALSE(file.Open(dir.File("missing/fires.out")));
    EXPECT_EQ(file.ErrorText(), "No such file or directory");
    EXPECT_FALSE(file.Commit());
}

TEST(clsSafeOutputFile, AnAbandonedFileLeavesNothingBehindAndTheTargetKeepsItsPermissions)
{
    TempDir dir;
    const std::string target = dir.Write("fires.scn", "previous\n");
    fs::permissions(target, fs::perms(0640));
    {
        clsSafeOutputFile file;
        ASSERT_TRUE(file.Open(target));
        file.Write("never committed\n");
    }
    EXPECT_EQ(Names(dir), std::set<std::string>{"fires.scn"});
    ASSERT_TRUE(Save(target, "new\n"));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
}

TEST(clsSafeOutputFile, TemporariesOfAKilledRunAreRemovedByTheNextSave)
{
    TempDir dir;
    using std::chrono::hours;
    using std::chrono::seconds;
    Temporary(dir, ".fires.out.orvane-AbCd1234.tmp", hours(2));
    Temporary(dir, ".other.scn.orvane-Zz9Yy8Xx.tmp", hours(30));
    // Just created by a run that has not locked it yet, and one that a running save holds.
    Temporary(dir, ".fires.out.orvane-Fresh000.tmp", seconds(5));
    const std::string held = Temporary(dir, ".fires.out.orvane-Held0000.tmp", hours(2));
    const int holder = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

    ASSERT_TRUE(Save(dir.File("fires.out"), "results\n"));
    ::close(holder);
    EXPECT_EQ(Names(dir), (std::set<std::string>{"fires.out", ".fires.out.orvane-Fresh000.tmp",
                                                 ".fires.out.orvane-Held0000.tmp"}));
}
