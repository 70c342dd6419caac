#pragma once
// A folder of its own for one test, removed with everything in it afterwards (its
// permissions given back first, for the tests that take them away), and a file's
// bytes written and read as they stand.
#include <stdlib.h>  // mkdtemp
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

class TempDir {
public:
    // Under the system's folder for temporary files, or under the one given.
    explicit TempDir(const std::string& under = std::filesystem::temp_directory_path().string()) {
        std::string t = under + "/akv_test_XXXXXX";
        path_ = ::mkdtemp(t.data());
    }
    ~TempDir() {
        namespace fs = std::filesystem;
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
    // The names in the folder, in the order the file system lists them.
    std::vector<std::string> entries() const {
        std::vector<std::string> e;
        for (const auto& d : std::filesystem::directory_iterator(path_)) e.push_back(d.path().filename().string());
        return e;
    }

private:
    std::string path_;
};

inline void SkrivBytes(const std::string& sti, const std::string& bytes) {
    std::ofstream(sti, std::ios::binary) << bytes;
}

inline std::string LaesBytes(const std::string& sti) {
    std::ifstream in(sti, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
