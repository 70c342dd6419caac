#pragma once
// Sequential text files, one line at a time. The bytes are passed through as they
// stand; the data file's code page is the caller's business. A failure is kept as
// a run-time error whose description the program shows to the user.
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Run-time errors the logic can meet, with the platform's Danish descriptions.
enum class RunError {
    None,
    InvalidCall,        // "Ugyldigt procedurekald eller argument"
    Overflow,           // "Overløb"
    OutOfMemory,        // "Der er ikke mere hukommelse"
    SubscriptOutOfRange,// "Indeks uden for område"
    TypeMismatch,       // "Typen stemmer ikke overens"
    FileNotFound,       // "Filen blev ikke fundet"
    DeviceIOError,      // "I/O-fejl på enheden"
    DiskFull,           // "Disken er fuld"
    PermissionDenied,   // "Adgang nægtet"
    PathFileAccess,     // "Fejl ved adgang til sti/fil"
    PathNotFound,       // "Stien blev ikke fundet"
};

std::string errorDescription(RunError e);

// Reads a file line by line. A line ends with CR LF, with LF, or with the end of
// the file; a CR on its own is part of the line. A read error is never taken for
// the end of the file: readLine() then fails and error() says why.
class TextFileIn {
public:
    TextFileIn() = default;
    ~TextFileIn();
    TextFileIn(const TextFileIn&) = delete;
    TextFileIn& operator=(const TextFileIn&) = delete;

    bool open(const std::string& path);
    // false at the end of the file or on an error (then error() is set).
    bool readLine(std::string& line);
    // True when every byte has been read. An error found while looking ahead makes
    // this false, so the next readLine() reports it.
    bool eof();
    void close();
    bool isOpen() const { return fd_ >= 0; }
    RunError error() const { return error_; }

    // Longest line accepted; a longer one fails with OutOfMemory instead of taking
    // all memory.
    static constexpr std::size_t maxLineLength = 16u * 1024u * 1024u;

private:
    bool fill();  // false at the end or on an error

    int fd_ = -1;
    RunError error_ = RunError::None;
    bool atEnd_ = false;
    std::string buffer_;
    std::size_t pos_ = 0;
};

// Writes a file line by line, safely: the lines go to a temporary file beside the
// target, and only close() puts it in the target's place (flushed to disk, then
// renamed over it). Until then, and whenever anything fails, the old file stays as
// it was and the temporary file is removed. A target that is a link is followed,
// so the file it points to is replaced and the link kept.
//
// Where the file system takes a lock, the temporary file has one hidden name
// derived from the target's (".name.tmp"; for a long name its start and a hash of
// the whole name), locked from its creation to its rename: a second save of the
// same file, from another program, waits for the first to finish, and the last to
// finish wins; within one program the second fails at once. A save cut short by a
// crash leaves that one file, which the next save of the target replaces.
//
// Where the file system refuses the lock, each save writes a temporary file of its
// own (".name~pid-random.part", created exclusively) and renames only that one:
// saves at once both succeed and the last to rename wins. A save cut short leaves
// its file until a later save of the target finds it older than staleAfter.
//
// Either way the target holds the old file or one whole save, never one that
// failed, and no wait for a lock lasts beyond 10 s.
class TextFileOut {
public:
    TextFileOut() = default;
    ~TextFileOut();  // without a successful close() the target is left alone
    TextFileOut(const TextFileOut&) = delete;
    TextFileOut& operator=(const TextFileOut&) = delete;

    // Refuses a target that exists and may not be written ("Adgang nægtet").
    bool open(const std::string& path);
    // Writes the line and CR LF.
    bool writeLine(std::string_view line);
    // Puts the written file in the target's place. False (and the old file kept)
    // when anything failed since open(). Closing a file never opened is no error.
    bool close();
    // Drops what was written; the target is untouched.
    void discard();
    bool isOpen() const { return fd_ >= 0; }
    RunError error() const { return error_; }

    // How old a temporary file left by a save without a lock must be before a
    // later save of the target removes it: no save lasts that long.
    static constexpr std::chrono::minutes staleAfter{5};
    // For tests: the call that locks a temporary file (flock's contract; nullptr
    // gives flock back), and the longest wait for another save's lock.
    static void setLockCall(int (*call)(int fd, int operation));
    static void setLockWait(std::chrono::milliseconds wait);

private:
    enum class Leftover { Removed, Busy, Failed, Unlockable };
    bool fail(RunError e);
    int createTemp() const;  // the file at temp_, made exclusively: its descriptor, or -1
    bool claimTemp();
    bool claimOwnTemp();
    Leftover removeLeftover();
    void removeStaleOwnTemps() const;
    bool nameLeadsTo(int fd) const;  // the temporary name still leads to this file

    int fd_ = -1;
    int dir_ = -1;         // the target's folder; the files are named inside it
    RunError error_ = RunError::None;
    bool failed_ = false;
    std::string name_;     // the target's name in its folder
    std::string temp_;     // the temporary file's name in the folder, while it is ours
    unsigned mode_ = 0;  // permissions the new file gets
};
