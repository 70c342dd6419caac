#include "TextFile.h"

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

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

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Why a path could not be opened, as the user is told.
RunError openError(int err, const std::string& path) {
    switch (err) {
    case ENOENT: return isFolder(folderOf(path)) || path.empty() ? RunError::FileNotFound : RunError::PathNotFound;
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

// The file a link finally points to; the path itself when it is no link. A link
// pointing nowhere gives the path it names, so the file is created there.
std::string followLinks(const std::string& path) {
    fs::path p(path);
    std::error_code ec;
    for (int hop = 0; hop < 40; ++hop) {
        if (!fs::is_symlink(fs::symlink_status(p, ec))) return p.string();
        fs::path next = fs::read_symlink(p, ec);
        if (ec) return p.string();
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p.string();
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
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        // A pipe would block the program until someone writes to it.
        if (S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) {
            error_ = RunError::PathFileAccess;
            return false;
        }
    }
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error_ = openError(errno, path);
        return false;
    }
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        error_ = RunError::PathFileAccess;
        return false;
    }
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
    target_ = followLinks(path);
    const std::string folder = folderOf(target_);
    if (!isFolder(folder)) return fail(RunError::PathNotFound);
    // Everything below works by name inside the opened folder, so a target whose
    // path is as long as the system allows can be saved beside a longer-named
    // temporary file. O_PATH serves a folder that may be searched but not read.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0 && errno == EACCES) dir = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return fail(openError(errno == ENOENT ? ENOTDIR : errno, target_));
    dir_ = dir;
    const std::size_t slash = target_.find_last_of('/');
    name_ = slash == std::string::npos ? target_ : target_.substr(slash + 1);

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
        return fail(openError(errno, target_));
    }

    // One temporary name per target, so a save cut short by a crash leaves at most
    // one file behind, which the next save removes. "." and ".tmp" must still fit
    // in a file name of at most 255 bytes.
    temp_ = "." + name_.substr(0, 250) + ".tmp";
    if (::unlinkat(dir_, temp_.c_str(), 0) != 0 && errno != ENOENT && errno != EISDIR)
        return fail(openError(errno, target_));
    // A link planted at the name in the meantime is never followed, and O_EXCL
    // refuses anything found there.
    int fd;
    do {
        fd = ::openat(dir_, temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int err = errno;
        temp_.clear();
        return fail(openError(err == ENOENT ? ENOTDIR : err, target_));
    }
    fd_ = fd;
    return true;
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
    // Another save of the same file may have removed ours and made its own under
    // the name: then the name is not ours to rename.
    struct stat eget {}, navn {};
    if (ok && (::fstat(fd_, &eget) != 0 ||
               ::fstatat(dir_, temp_.c_str(), &navn, AT_SYMLINK_NOFOLLOW) != 0 ||
               eget.st_dev != navn.st_dev || eget.st_ino != navn.st_ino)) {
        ok = fail(RunError::PathFileAccess);
        temp_.clear();  // and not ours to remove
    }
    int closed = ::close(fd_);
    fd_ = -1;
    if (ok && closed != 0) ok = fail(writeError(errno));
    if (ok && ::renameat(dir_, temp_.c_str(), dir_, name_.c_str()) != 0) ok = fail(openError(errno, target_));
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
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty() && dir_ >= 0) ::unlinkat(dir_, temp_.c_str(), 0);
    temp_.clear();
    if (dir_ >= 0) ::close(dir_);
    dir_ = -1;
}
