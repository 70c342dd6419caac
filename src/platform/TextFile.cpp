#include "TextFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>  // PATH_MAX
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

std::string errorDescription(RunError e) {
    switch (e) {
    case RunError::None: return "";
    case RunError::InvalidCall: return "Ugyldigt procedurekald eller argument";
    case RunError::Overflow: return "Overløb";
    case RunError::OutOfMemory: return "Der er ikke mere hukommelse";
    case RunError::SubscriptOutOfRange: return "Indeks uden for område";
    case RunError::TypeMismatch: return "Typen stemmer ikke overens";
    case RunError::FileNotFound: return "Filen blev ikke fundet";
    case RunError::DeviceIOError: return "I/O-fejl på enheden";
    case RunError::DiskFull: return "Disken er fuld";
    case RunError::PermissionDenied: return "Adgang nægtet";
    case RunError::PathFileAccess: return "Fejl ved adgang til sti/fil";
    case RunError::PathNotFound: return "Stien blev ikke fundet";
    }
    return "";
}

namespace {

// A path split into its folder and its name in it ("." when it ends in "/").
struct PathParts {
    std::string folder;
    std::string name;
};

PathParts split(const std::string& path) {
    const auto slash = path.find_last_of('/');
    PathParts p;
    if (slash == std::string::npos) p = {".", path};
    else p = {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
    if (p.name.empty()) p.name = ".";
    return p;
}

// Opens a folder as the base of the calls by name inside it; -1 and errno on a
// failure. A folder that may be searched but not read is opened for search only.
int openFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return fd;
}

// Why a path could not be opened, as the user is told; inFolder when the folder
// itself was found.
RunError openError(int err, bool inFolder) {
    switch (err) {
    case ENOENT: return inFolder ? RunError::FileNotFound : RunError::PathNotFound;
    case ENOTDIR: return RunError::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS: return RunError::PermissionDenied;
    case ENOSPC:
    case EDQUOT: return RunError::DiskFull;
    case ENOMEM: return RunError::OutOfMemory;
    default: return RunError::PathFileAccess;
    }
}

RunError writeError(int err) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return RunError::DiskFull;
    default: return RunError::DeviceIOError;
    }
}

// Opens the folder of the file a link at path finally points to, and gives that
// file's name in it; a link pointing nowhere gives the name it points to, so the
// file is created there. -1 and errno on a failure.
int openTargetFolder(std::string path, std::string& name) {
    for (int hop = 0;; ++hop) {
        PathParts p = split(path);
        const int dir = openFolder(p.folder);
        name = std::move(p.name);
        struct stat st {};
        if (dir < 0 || hop == 40 || ::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(st.st_mode))
            return dir;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlinkat(dir, name.c_str(), link.data(), link.size());
        const int err = errno;
        ::close(dir);
        if (n <= 0) {
            errno = n < 0 ? err : ENOENT;
            return -1;
        }
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : p.folder + "/" + link;
    }
}

// A name kept within max bytes: a longer one is cut, and a hash of the whole name
// keeps apart two names that begin alike.
std::string shortName(const std::string& name, std::size_t max) {
    if (name.size() <= max) return name;
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a: the same in every process
    for (unsigned char c : name) hash = (hash ^ c) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    std::size_t keep = max - 1 - 16;
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;  // whole characters
    return name.substr(0, keep) + "~" + hex;
}

// One temporary name per target, so a save cut short leaves at most one file
// behind, which the next save of the target removes.
std::string tempName(const std::string& name) { return "." + shortName(name, 255 - 5) + ".tmp"; }

// A save's own temporary name where there is no lock: the process and a random
// part, so no other save, here or on another machine, makes the same name. It
// ends in ".part", which no name of tempName() does.
constexpr std::size_t ownStemMax = 255 - 26;  // "." "~" pid (10) "-" random (8) ".part"

std::string ownTempName(const std::string& name) {
    unsigned random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random)
        random = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    char tail[32];
    std::snprintf(tail, sizeof tail, "~%ld-%08x.part", static_cast<long>(::getpid()), random);
    return "." + shortName(name, ownStemMax) + tail;
}

bool isOwnTempOf(std::string_view entry, const std::string& name) {
    const std::string start = "." + shortName(name, ownStemMax) + "~";
    const std::string_view end = ".part";
    if (entry.size() <= start.size() + end.size() || !entry.starts_with(start) || !entry.ends_with(end)) return false;
    const std::string_view tail = entry.substr(start.size(), entry.size() - start.size() - end.size());
    const auto dash = tail.find('-');
    const auto all = [](std::string_view t, const char* of) {
        return t.find_first_not_of(of) == std::string_view::npos;
    };
    return dash != std::string_view::npos && dash > 0 && tail.size() - dash - 1 == 8 &&
           all(tail.substr(0, dash), "0123456789") && all(tail.substr(dash + 1), "0123456789abcdef");
}

int (*lockCall)(int, int) = ::flock;
std::chrono::milliseconds lockWait = std::chrono::seconds(10);

enum class Lock { Taken, Busy, Refused };

// Never blocks: a lock held elsewhere is waited for by the caller, within its limit.
// Any other failure means the file system keeps no locks for us (ENOLCK, ENOSYS,
// EOPNOTSUPP, EINVAL on some shared folders, EBADF for a file only read on NFS).
Lock tryLock(int fd) {
    for (;;) {
        if (lockCall(fd, LOCK_EX | LOCK_NB) == 0) return Lock::Taken;
        if (errno != EINTR) return errno == EWOULDBLOCK ? Lock::Busy : Lock::Refused;
    }
}

// The temporary files this process holds locked: it cannot wait for itself.
std::set<std::pair<dev_t, ino_t>>& lockedHere() {
    static std::set<std::pair<dev_t, ino_t>> locked;
    return locked;
}

unsigned currentUmask() {
    mode_t old = ::umask(0);
    ::umask(old);
    return old;
}

}  // namespace

// ---------------------------------------------------------------- reading

TextFileIn::~TextFileIn() { close(); }

bool TextFileIn::open(const std::string& path) {
    close();
    error_ = RunError::None;
    atEnd_ = false;
    buffer_.clear();
    pos_ = 0;
    if (path.empty()) {
        error_ = RunError::FileNotFound;
        return false;
    }
    // By the same route as a save, so every file that saves also loads.
    const PathParts p = split(path);
    const int dir = openFolder(p.folder);
    if (dir < 0) {
        error_ = openError(errno == ENOENT ? ENOTDIR : errno, false);
        return false;
    }
    // Not blocking: a pipe would hold the program until someone writes to it.
    int fd;
    do {
        fd = ::openat(dir, p.name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    const int err = errno;
    ::close(dir);
    if (fd < 0) {
        error_ = openError(err, true);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) {
        ::close(fd);
        error_ = RunError::PathFileAccess;
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
    return true;
}

bool TextFileIn::fill() {
    if (atEnd_ || error_ != RunError::None || fd_ < 0) return false;
    buffer_.resize(64 * 1024);
    pos_ = 0;
    ssize_t n;
    do {
        n = ::read(fd_, buffer_.data(), buffer_.size());
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        error_ = errno == EISDIR ? RunError::PathFileAccess : RunError::DeviceIOError;
        buffer_.clear();
        return false;
    }
    buffer_.resize(static_cast<std::size_t>(n));
    if (n == 0) {
        atEnd_ = true;
        return false;
    }
    return true;
}

bool TextFileIn::readLine(std::string& line) {
    line.clear();
    if (fd_ < 0) {
        if (error_ == RunError::None) error_ = RunError::InvalidCall;
        return false;
    }
    if (error_ != RunError::None) return false;
    bool gotAny = false;
    for (;;) {
        if (pos_ >= buffer_.size()) {
            if (!fill()) {
                if (error_ != RunError::None) return false;
                return gotAny;  // the last line, ended by the end of the file
            }
        }
        gotAny = true;
        std::size_t nl = buffer_.find('\n', pos_);
        std::size_t stop = nl == std::string::npos ? buffer_.size() : nl;
        if (line.size() + (stop - pos_) > maxLineLength) {
            error_ = RunError::OutOfMemory;
            return false;
        }
        line.append(buffer_, pos_, stop - pos_);
        if (nl != std::string::npos) {
            pos_ = nl + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        pos_ = buffer_.size();
    }
}

bool TextFileIn::eof() {
    if (fd_ < 0) return true;
    if (error_ != RunError::None) return false;
    if (pos_ < buffer_.size()) return false;
    if (atEnd_) return true;
    if (fill()) return false;
    return error_ == RunError::None;
}

void TextFileIn::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

// ---------------------------------------------------------------- writing

TextFileOut::~TextFileOut() { discard(); }

bool TextFileOut::fail(RunError e) {
    if (!failed_) error_ = e;
    failed_ = true;
    return false;
}

bool TextFileOut::open(const std::string& path) {
    discard();
    error_ = RunError::None;
    failed_ = false;
    if (path.empty()) return fail(RunError::PathFileAccess);
    // Everything below works by name inside the opened folder, so a target whose
    // path is as long as the system allows can be saved beside a longer-named
    // temporary file.
    dir_ = openTargetFolder(path, name_);
    if (dir_ < 0) return fail(openError(errno == ENOENT ? ENOTDIR : errno, false));

    struct stat st {};
    if (::fstatat(dir_, name_.c_str(), &st, 0) == 0) {
        if (!S_ISREG(st.st_mode)) return fail(RunError::PathFileAccess);
        // A rename needs no right to write the old file, so ask for it here: a
        // read-only data file is not silently replaced. The mode bits also count,
        // as the super-user may write anything.
        if (::faccessat(dir_, name_.c_str(), W_OK, 0) != 0 || (st.st_mode & 0222) == 0)
            return fail(RunError::PermissionDenied);
        mode_ = st.st_mode & 07777;
    } else if (errno == ENOENT) {
        mode_ = 0666u & ~currentUmask();
    } else {
        return fail(openError(errno, true));
    }
    temp_ = tempName(name_);
    return claimTemp();
}

void TextFileOut::setLockCall(int (*call)(int, int)) { lockCall = call ? call : ::flock; }
void TextFileOut::setLockWait(std::chrono::milliseconds wait) { lockWait = wait; }

// A link planted at the name is never followed, and O_EXCL refuses anything found
// there. Others may read it as they may read the file, so they can lock it.
int TextFileOut::createTemp() const {
    int fd;
    do {
        fd = ::openat(dir_, temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      static_cast<mode_t>((mode_ & 0444) | 0600));
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The temporary file is locked from its creation to its rename, and only the
// holder of its lock may rename or remove it: so a save never renames a file
// that another save is still writing, nor removes one that a save will rename.
// Where the file system refuses the lock, the save takes a file of its own.
bool TextFileOut::claimTemp() {
    const auto giveUp = std::chrono::steady_clock::now() + lockWait;
    auto pause = std::chrono::microseconds(100);
    // Another save is done in a moment, or killed and its lock gone; false once
    // the time is up.
    const auto waitABit = [&] {
        if (std::chrono::steady_clock::now() > giveUp) return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
        return true;
    };
    for (;;) {
        if (std::chrono::steady_clock::now() > giveUp) break;
        const int fd = createTemp();
        if (fd >= 0) {
            Lock got;
            while ((got = tryLock(fd)) == Lock::Busy && waitABit()) {
            }
            // Between the creation and the lock another save may have taken the
            // file for a left-over one and removed it: then try again.
            if (got == Lock::Taken && nameLeadsTo(fd)) {
                fd_ = fd;
                struct stat st {};
                ::fstat(fd, &st);
                lockedHere().insert({st.st_dev, st.st_ino});
                return true;
            }
            if (got == Lock::Refused) {
                // Unlocked, the one name is no one's to rename: a file of our own.
                if (nameLeadsTo(fd)) ::unlinkat(dir_, temp_.c_str(), 0);
                ::close(fd);
                return claimOwnTemp();
            }
            ::close(fd);  // and, when held elsewhere, left to its holder
            if (got == Lock::Busy) break;
            continue;
        }
        if (errno != EEXIST) {
            const int err = errno;
            temp_.clear();
            return fail(openError(err == ENOENT ? ENOTDIR : err, true));
        }
        const Leftover found = removeLeftover();
        if (found == Leftover::Failed) {
            temp_.clear();
            return false;
        }
        if (found == Leftover::Unlockable) return claimOwnTemp();
        if (found == Leftover::Busy && !waitABit()) break;
    }
    temp_.clear();
    return fail(RunError::PathFileAccess);
}

// Without a lock nothing tells a live save's file from a left-over one, so each
// save writes a file no other save touches, and renames only that. Leftovers are
// removed once they are older than any save lasts.
bool TextFileOut::claimOwnTemp() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = ownTempName(name_);
        const int fd = createTemp();
        if (fd >= 0) {
            fd_ = fd;
            removeStaleOwnTemps();
            return true;
        }
        if (errno != EEXIST) {
            const int err = errno;
            temp_.clear();
            return fail(openError(err == ENOENT ? ENOTDIR : err, true));
        }
    }
    temp_.clear();
    return fail(RunError::PathFileAccess);
}

// The age is measured against the new file's own time, so a file server whose
// clock differs from this machine's removes nothing young. Only names a save of
// this very target makes are looked at.
void TextFileOut::removeStaleOwnTemps() const {
    struct stat own {};
    const int list = ::fstat(fd_, &own) == 0 ? ::openat(dir_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    DIR* entries = list >= 0 ? ::fdopendir(list) : nullptr;
    if (entries == nullptr) {  // a folder that may not be read keeps its leftovers
        if (list >= 0) ::close(list);
        return;
    }
    const std::string shared = tempName(name_);
    const auto staleSeconds = std::chrono::seconds(staleAfter).count();
    while (const dirent* e = ::readdir(entries)) {
        const std::string_view entry = e->d_name;
        if (entry == temp_ || (entry != shared && !isOwnTempOf(entry, name_))) continue;
        struct stat st {};
        if (::fstatat(dir_, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode) &&
            own.st_mtime - st.st_mtime > staleSeconds)
            ::unlinkat(dir_, e->d_name, 0);
    }
    ::closedir(entries);
}

TextFileOut::Leftover TextFileOut::removeLeftover() {
    const int fd = ::openat(dir_, temp_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const int err = errno;
    if (fd < 0 && err == ENOENT) return Leftover::Removed;  // gone in the meantime
    struct stat st {};
    if (fd >= 0 ? ::fstat(fd, &st) != 0 : ::fstatat(dir_, temp_.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (fd >= 0) ::close(fd);
        if (errno == ENOENT) return Leftover::Removed;
        fail(openError(errno, true));
        return Leftover::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        // No save makes anything but a file: a link or the like planted there is
        // removed, never followed; a folder is not ours to remove.
        if (S_ISDIR(st.st_mode) || (::unlinkat(dir_, temp_.c_str(), 0) != 0 && errno != ENOENT)) {
            fail(RunError::PathFileAccess);
            return Leftover::Failed;
        }
        return Leftover::Removed;
    }
    if (fd < 0) {  // a file that cannot even be read cannot be locked
        fail(openError(err, true));
        return Leftover::Failed;
    }
    Leftover found = Leftover::Removed;
    if (lockedHere().count({st.st_dev, st.st_ino}) != 0) {
        // A save of this process has it: waiting for it would wait for ever.
        found = Leftover::Failed;
        fail(RunError::PathFileAccess);
    } else if (const Lock got = tryLock(fd); got != Lock::Taken) {
        // Without a lock a live save's file looks just like a left-over one, so
        // it is left alone.
        found = got == Lock::Busy ? Leftover::Busy : Leftover::Unlockable;
    } else if (nameLeadsTo(fd) && ::unlinkat(dir_, temp_.c_str(), 0) != 0 && errno != ENOENT) {
        // Unlocked, so left by a save cut short; unless that save renamed it just
        // now and the name leads elsewhere.
        found = Leftover::Failed;
        fail(openError(errno, true));
    }
    ::close(fd);
    return found;
}

bool TextFileOut::nameLeadsTo(int fd) const {
    struct stat own {}, named {};
    return ::fstat(fd, &own) == 0 && ::fstatat(dir_, temp_.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           own.st_dev == named.st_dev && own.st_ino == named.st_ino;
}

bool TextFileOut::writeLine(std::string_view line) {
    if (fd_ < 0) return fail(RunError::InvalidCall);
    if (failed_) return false;
    std::string data(line);
    data += "\r\n";
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(writeError(errno));
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool TextFileOut::close() {
    if (fd_ < 0) {
        discard();
        return !failed_;
    }
    if (failed_) {
        discard();
        return false;
    }
    bool ok = true;
    if (::fchmod(fd_, static_cast<mode_t>(mode_)) != 0) ok = fail(RunError::PermissionDenied);
    if (ok && ::fsync(fd_) != 0) ok = fail(writeError(errno));
    // The lock, or a name of its own, keeps other saves off the file; this catches
    // anyone else (a user removing it, an older program, a save removing it as
    // stale) as far as it can.
    if (ok && !nameLeadsTo(fd_)) {
        ok = fail(RunError::PathFileAccess);
        temp_.clear();  // and not ours to remove
    }
    // Renamed while still locked. The file is on disk already, so closing it
    // afterwards cannot lose what was written.
    if (ok && ::renameat(dir_, temp_.c_str(), dir_, name_.c_str()) != 0) ok = fail(openError(errno, true));
    if (!ok) {
        discard();
        return false;
    }
    temp_.clear();
    // The rename itself lasts only once the folder is on disk too; a folder opened
    // for search only is reopened for that.
    int dir = ::openat(dir_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    discard();
    return true;
}

void TextFileOut::discard() {
    if (fd_ >= 0) {
        // Removed while still locked, so no other save's file goes instead.
        if (!temp_.empty() && nameLeadsTo(fd_)) ::unlinkat(dir_, temp_.c_str(), 0);
        struct stat st {};
        if (::fstat(fd_, &st) == 0) lockedHere().erase({st.st_dev, st.st_ino});
        ::close(fd_);
    }
    fd_ = -1;
    temp_.clear();
    if (dir_ >= 0) ::close(dir_);
    dir_ = -1;
}
