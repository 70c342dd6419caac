#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> readAll(const std::string& path) {
    TextFileIn f;
    EXPECT_TRUE(f.open(path));
    std::vector<std::string> lines;
    std::string line;
    while (!f.eof()) {
        EXPECT_TRUE(f.readLine(line));
        lines.push_back(line);
    }
    EXPECT_FALSE(f.readLine(line));
    EXPECT_EQ(f.error(), RunError::None);
    return lines;
}

// The file system refuses every lock, as a shared folder without a lock service does.
struct LocksRefused {
    explicit LocksRefused(bool on = true) {
        TextFileOut::setLockCall(on ? +[](int, int) { return errno = ENOLCK, -1; } : nullptr);
    }
    ~LocksRefused() { TextFileOut::setLockCall(nullptr); }
};

// Made (when missing) and last written that long ago.
void age(const std::string& path, std::chrono::minutes by) {
    if (!fs::exists(path)) SkrivBytes(path, "left");
    const timespec then{::time(nullptr) - by.count() * 60, 0}, times[2] = {then, then};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

}  // namespace

TEST(RunErrorTest, DanishDescriptions) {
    const std::pair<RunError, const char*> cases[] = {
        {RunError::None, ""},
        {RunError::InvalidCall, "Ugyldigt procedurekald eller argument"},
        {RunError::Overflow, "Overløb"},
        {RunError::OutOfMemory, "Der er ikke mere hukommelse"},
        {RunError::SubscriptOutOfRange, "Indeks uden for område"},
        {RunError::TypeMismatch, "Typen stemmer ikke overens"},
        {RunError::FileNotFound, "Filen blev ikke fundet"},
        {RunError::DeviceIOError, "I/O-fejl på enheden"},
        {RunError::DiskFull, "Disken er fuld"},
        {RunError::PermissionDenied, "Adgang nægtet"},
        {RunError::PathFileAccess, "Fejl ved adgang til sti/fil"},
        {RunError::PathNotFound, "Stien blev ikke fundet"},
    };
    for (const auto& [e, text] : cases) EXPECT_EQ(errorDescription(e), text);
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class TextFileLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(TextFileLines, SplitsAtCrLfLfOrEnd) {
    TempDir dir;
    SkrivBytes(dir / "f.txt", GetParam().bytes);
    EXPECT_EQ(readAll(dir / "f.txt"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, TextFileLines,
    ::testing::Values(
        LineCase{"empty", "", {}},
        LineCase{"crlf", "a;b;\r\n", {"a;b;"}},
        LineCase{"lf", "a\nb\n", {"a", "b"}},
        LineCase{"noEnd", "a\r\nlast", {"a", "last"}},
        LineCase{"loneCrKept", "a\rb\r\n", {"a\rb"}},
        LineCase{"crAtEnd", "a\r", {"a\r"}},
        LineCase{"emptyLines", "\r\n\n", {"", ""}},
        LineCase{"trailingEmpty", "x\r\n\r\n", {"x", ""}},
        LineCase{"binary", std::string("\0\xF0\xE6\n", 4), {std::string("\0\xF0\xE6", 3)}},
        // CR and LF fall on both sides of the 64 KiB read buffer.
        LineCase{"crLfAcrossBuffer", std::string(65535, 'x') + "\r\nz",
                 {std::string(65535, 'x'), "z"}},
        LineCase{"longLine", std::string(200000, 'y') + "\n", {std::string(200000, 'y')}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextFileIn, OpenErrors) {
    TempDir dir;
    TextFileIn f;
    EXPECT_FALSE(f.open(dir / "missing.akv"));
    EXPECT_EQ(f.error(), RunError::FileNotFound);
    EXPECT_FALSE(f.open(dir / "nofolder/missing.akv"));
    EXPECT_EQ(f.error(), RunError::PathNotFound);
    EXPECT_FALSE(f.open(dir.path()));
    EXPECT_EQ(f.error(), RunError::PathFileAccess);
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(f.open(dir / "pipe"));  // must not block
    EXPECT_EQ(f.error(), RunError::PathFileAccess);
    EXPECT_FALSE(f.isOpen());
}

TEST(TextFileIn, ReadErrorIsNotTheEnd) {
    // Reading this file fails at once with an I/O error (address 0 is unmapped).
    TextFileIn f;
    if (!f.open("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
    EXPECT_FALSE(f.eof());
    std::string line;
    EXPECT_FALSE(f.readLine(line));
    EXPECT_EQ(f.error(), RunError::DeviceIOError);
}

TEST(TextFileIn, OverlongLineFails) {
    TempDir dir;
    SkrivBytes(dir / "big", std::string(TextFileIn::maxLineLength + 1, 'a'));
    TextFileIn f;
    ASSERT_TRUE(f.open(dir / "big"));
    std::string line;
    EXPECT_FALSE(f.readLine(line));
    EXPECT_EQ(f.error(), RunError::OutOfMemory);
}

TEST(TextFileOut, WritesLinesWithCrLf) {
    TempDir dir;
    TextFileOut f;
    ASSERT_TRUE(f.open(dir / "ny.akv"));
    ASSERT_TRUE(f.writeLine(std::string("a;\xE6;", 4)));
    ASSERT_TRUE(f.writeLine(""));
    ASSERT_TRUE(f.close());
    EXPECT_EQ(LaesBytes(dir / "ny.akv"), std::string("a;\xE6;\r\n\r\n", 8));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"ny.akv"});
    EXPECT_TRUE(f.close());  // closing again is no error
}

TEST(TextFileOut, NewFileGetsUmaskPermissions) {
    TempDir dir;
    mode_t old = ::umask(022);
    TextFileOut f;
    ASSERT_TRUE(f.open(dir / "ny.akv") && f.writeLine("x") && f.close());
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat((dir / "ny.akv").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(TextFileOut, ReplacesKeepingPermissions) {
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    ::chmod((dir / "f.akv").c_str(), 0640);
    TextFileOut f;
    ASSERT_TRUE(f.open(dir / "f.akv"));
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");  // untouched until close
    ASSERT_TRUE(f.writeLine("new"));
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
    ASSERT_TRUE(f.close());
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "new\r\n");
    struct stat st {};
    ::stat((dir / "f.akv").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.entries().size(), 1u);
}

TEST(TextFileOut, DiscardOrDestroyLeavesOldFile) {
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    {
        TextFileOut f;
        ASSERT_TRUE(f.open(dir / "f.akv"));
        ASSERT_TRUE(f.writeLine("new"));
    }
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
    TextFileOut g;
    ASSERT_TRUE(g.open(dir / "f.akv"));
    g.discard();
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"f.akv"});
}

TEST(TextFileOut, RefusedTargets) {
    TempDir dir;
    TextFileOut f;
    EXPECT_FALSE(f.open(dir / "nofolder/f.akv"));
    EXPECT_EQ(f.error(), RunError::PathNotFound);
    EXPECT_FALSE(f.writeLine("x"));
    EXPECT_FALSE(f.close());
    EXPECT_FALSE(f.open(dir.path()));
    EXPECT_EQ(f.error(), RunError::PathFileAccess);
    EXPECT_FALSE(f.open(""));

    SkrivBytes(dir / "ro.akv", "old");
    ::chmod((dir / "ro.akv").c_str(), 0444);
    EXPECT_FALSE(f.open(dir / "ro.akv"));
    EXPECT_EQ(f.error(), RunError::PermissionDenied);
    EXPECT_EQ(LaesBytes(dir / "ro.akv"), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"ro.akv"});
}

TEST(TextFileOut, ReadOnlyFolder) {
    if (::geteuid() == 0) GTEST_SKIP() << "the super-user may write any folder";
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    ::chmod(dir.path().c_str(), 0555);
    TextFileOut f;
    EXPECT_FALSE(f.open(dir / "f.akv"));
    EXPECT_EQ(f.error(), RunError::PermissionDenied);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
}

TEST(TextFileOut, WriteFailureKeepsOldFile) {
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    // A file-size limit makes the write fail, also for the super-user.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim = old;
    lim.rlim_cur = 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lim), 0);
    TextFileOut f;
    bool opened = f.open(dir / "f.akv");
    bool wrote = opened && f.writeLine(std::string(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(opened);
    EXPECT_FALSE(wrote);
    EXPECT_EQ(f.error(), RunError::DiskFull);
    EXPECT_FALSE(f.close());
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"f.akv"});
}

TEST(TextFileOut, FollowsLink) {
    TempDir dir;
    fs::create_directory(dir / "real");
    SkrivBytes(dir / "real/f.akv", "old");
    fs::create_symlink("real/f.akv", dir / "link.akv");
    TextFileOut f;
    ASSERT_TRUE(f.open(dir / "link.akv") && f.writeLine("new") && f.close());
    EXPECT_TRUE(fs::is_symlink(dir / "link.akv"));
    EXPECT_EQ(LaesBytes(dir / "real/f.akv"), "new\r\n");
}

TEST(TextFileOut, LongestFileNameCanBeSaved) {
    // The temporary file beside the target must not need a longer name than the
    // target itself, or a name the folder allows could never be saved.
    TempDir dir;
    for (std::size_t length : {228u, 229u, 230u, 247u, 248u, 255u}) {
        LocksRefused refused(length < 240);  // a save's own name runs out of room earlier
        const std::string name = std::string(length - 4, 'x') + ".akv";
        SkrivBytes(dir / name, "old");
        TextFileOut f;
        EXPECT_TRUE(f.open(dir / name) && f.writeLine("new") && f.close()) << length;
        EXPECT_EQ(LaesBytes(dir / name), "new\r\n") << length;
        fs::remove(dir / name);
    }
    EXPECT_TRUE(dir.entries().empty());
}

TEST(TextFileOut, KilledSavesLeaveOneTemporaryFileTheNextSaveRemoves) {
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    for (int kill = 0; kill < 3; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Killed between writing and renaming: no destructor, no clean-up.
            TextFileOut f;
            if (f.open(dir / "f.akv") && f.writeLine("half")) ::raise(SIGKILL);
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        auto entries = dir.entries();
        std::sort(entries.begin(), entries.end());
        EXPECT_EQ(entries, (std::vector<std::string>{".f.akv.tmp", "f.akv"}));
        EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
    }
    // A link planted at the temporary name is removed, never written through.
    SkrivBytes(dir / "victim", "victim");
    fs::remove(dir / ".f.akv.tmp");
    fs::create_symlink("victim", dir / ".f.akv.tmp");
    TextFileOut f;
    ASSERT_TRUE(f.open(dir / "f.akv") && f.writeLine("new") && f.close());
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "new\r\n");
    EXPECT_EQ(LaesBytes(dir / "victim"), "victim");
    fs::remove(dir / "victim");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"f.akv"});
}

TEST(TextFileOut, PathBeyondTheSystemsLengthSavesAndReads) {
    // The temporary file's path is longer than the target's, and the target's is
    // longer than the system takes whole (4095 bytes): only its folder must fit.
    TempDir dir;
    std::string folder = dir.path();
    while (4100 - folder.size() - 1 > 250) {  // what is left for the file's name
        folder += "/" + std::string(200, 'm');
        ASSERT_TRUE(fs::create_directory(folder));
    }
    const std::string name(4100 - folder.size() - 1, 'f'), target = folder + "/" + name;
    for (const char* text : {"new", "newer"}) {  // created, then replaced
        TextFileOut f;
        ASSERT_TRUE(f.open(target) && f.writeLine(text) && f.close()) << errorDescription(f.error());
        EXPECT_EQ(readAll(target), std::vector<std::string>{text});
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}), 1);
    const int d = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);  // the whole path is too long to remove by
    EXPECT_EQ(::unlinkat(d, name.c_str(), 0), 0);
    ::close(d);
}

TEST(TextFileOut, SecondSaveOfOneFileInOneProgramFailsAtOnce) {
    // It cannot wait for the first, which this program finishes only afterwards.
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    TextFileOut first, second;
    ASSERT_TRUE(first.open(dir / "f.akv") && first.writeLine("first"));
    EXPECT_FALSE(second.open(dir / "f.akv"));
    EXPECT_EQ(second.error(), RunError::PathFileAccess);
    EXPECT_FALSE(second.close());
    EXPECT_TRUE(first.close());
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "first\r\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"f.akv"});
}

TEST(TextFileOut, WithoutLocksASaveRemovesOnlyStaleTemporaryFilesOfItsTarget) {
    const LocksRefused refused;
    TempDir dir;
    // Two saves killed, one maybe still saving, and names no save of f.akv makes.
    const std::pair<const char*, int> left[] = {{".f.akv~7-0badf00d.part", 6}, {".f.akv.tmp", 6},
        {".f.akv~8-0badf00d.part", 4}, {".g.akv~7-0badf00d.part", 60}, {".f.akv~7-0BADF00D.part", 60}};
    for (const auto& [name, minutes] : left) age(dir / name, std::chrono::minutes(minutes));
    TextFileOut f;
    EXPECT_TRUE(f.open(dir / "f.akv") && f.writeLine("new") && f.close());
    auto entries = dir.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{".f.akv~7-0BADF00D.part", ".f.akv~8-0badf00d.part",
                                                 ".g.akv~7-0badf00d.part", "f.akv"}));
}

// Another program's lock on the file a save has just made delays the save by the
// limit at most; then it fails, the old file stays, and the next save goes on.
TEST(TextFileOut, WaitForAnotherSavesLockIsBounded) {
    static int other = -1;  // a file opened anew locks as another program's does
    TextFileOut::setLockCall([](int fd, int operation) {
        if (other < 0) ::flock(other = ::open(("/proc/self/fd/" + std::to_string(fd)).c_str(), O_RDONLY), LOCK_EX);
        return ::flock(fd, operation);
    });
    TextFileOut::setLockWait(std::chrono::milliseconds(300));
    TempDir dir;
    SkrivBytes(dir / "f.akv", "old");
    ::alarm(5);  // a wait without end fails instead of holding the tests
    const auto start = std::chrono::steady_clock::now();
    TextFileOut f;
    EXPECT_FALSE(f.open(dir / "f.akv"));
    const auto waited = std::chrono::steady_clock::now() - start;
    ::alarm(0);
    EXPECT_TRUE(waited >= std::chrono::milliseconds(300) && waited < std::chrono::seconds(2));
    EXPECT_EQ(LaesBytes(dir / "f.akv"), "old");
    ::close(other);
    TextFileOut::setLockCall(nullptr);
    TextFileOut::setLockWait(std::chrono::seconds(10));
    EXPECT_TRUE(f.open(dir / "f.akv") && f.writeLine("new") && f.close());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"f.akv"});
}

struct RaceCase {
    const char* name;
    std::string first, second;  // what the two programs save to
    bool killed;                // at random moments, in rounds
};

class SavesAtOnce : public ::testing::TestWithParam<std::tuple<RaceCase, bool>> {};

// Two programs save at once while this one reads: every read finds the whole bytes
// of one save of that very file, also with the savers killed at any moment, after
// which at most one temporary file per target is left, and the next save removes it;
// without locks one per killed save, removed once stale. No save fails.
TEST_P(SavesAtOnce, EveryReadIsOneWholeSaveOfThatFile) {
    const auto& [c, locksRefused] = GetParam();
    const LocksRefused refused(locksRefused);
    TempDir dir(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");  // races show most in memory
    const std::string targets[] = {dir / c.first, dir / c.second};
    const std::string texts[] = {std::string(3000, 'a'), std::string(3000, 'b')};
    std::map<std::string, std::set<std::string>> whole;  // what each target may hold
    for (int i : {0, 1}) whole[targets[i]].insert({"old", texts[i] + "\r\n"});
    for (const auto& [target, may] : whole) SkrivBytes(target, "old");
    std::mt19937 random(7);
    int wrong = 0, failedSaves = 0;
    for (int round = 0; round < (c.killed ? 60 : 1); ++round) {
        std::vector<pid_t> pids;
        for (int i : {0, 1}) {
            pids.push_back(::fork());
            if (pids.back() != 0) continue;
            int failed = 0;  // the child's exit status
            for (int k = 0; c.killed ? failed == 0 : k < 200; ++k) {  // killed, or ended by a failure
                TextFileOut f;
                failed += !(f.open(targets[i]) && f.writeLine(texts[i]) && f.close());
            }
            ::_exit(std::min(failed, 100));
        }
        const auto killAt = std::chrono::steady_clock::now() + std::chrono::microseconds(random() % 3000);
        while (!pids.empty()) {
            for (const auto& [target, may] : whole) wrong += may.count(LaesBytes(target)) == 0;
            if (c.killed && std::chrono::steady_clock::now() > killAt)
                for (pid_t pid : pids) ::kill(pid, SIGKILL);
            std::erase_if(pids, [&](pid_t pid) {
                int status = 0;
                if (::waitpid(pid, &status, WNOHANG) != pid) return false;
                failedSaves += WIFEXITED(status) ? WEXITSTATUS(status) : 0;
                return true;
            });
        }
        EXPECT_LE(dir.entries().size(), whole.size() + (locksRefused ? 2 * (round + 1) : whole.size()));
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(failedSaves, 0);  // a save waits for another one of its file, or needs none
    for (const auto& name : dir.entries())
        if (!whole.contains(dir / name)) age(dir / name, TextFileOut::staleAfter + std::chrono::minutes(1));
    for (const auto& [target, may] : whole) {
        TextFileOut f;
        EXPECT_TRUE(f.open(target) && f.writeLine("x") && f.close());
    }
    EXPECT_EQ(dir.entries().size(), whole.size());
}

const std::string alike(250, 'x');
INSTANTIATE_TEST_SUITE_P(
    Races, SavesAtOnce,
    ::testing::Combine(::testing::Values(RaceCase{"oneFile", "f.akv", "f.akv", false},
                                         RaceCase{"oneFileKilled", "f.akv", "f.akv", true},
                                         RaceCase{"namesAlike", alike + "1.akv", alike + "2.akv", false},
                                         RaceCase{"namesAlikeKilled", alike + "1.akv", alike + "2.akv", true}),
                       ::testing::Bool()),  // the lock refused
    [](const auto& info) { return std::get<0>(info.param).name + std::string(std::get<1>(info.param) ? "NoLock" : ""); });
