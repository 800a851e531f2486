// A directory of its own for one test, below the system's temporary directory, removed with
// everything in it when the test ends. Relative names are UTF-8 (u8path); on POSIX they are
// taken byte for byte, so names that are not UTF-8 work there too.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class ScratchDirectory {
  public:
    // The name is "disclist-<label>-<clock>-<serial>"; create_directory fails on a name another
    // test (in this process or another) already holds, and the next serial is tried.
    explicit ScratchDirectory(const std::string &label) {
        static std::atomic<unsigned> serial{0};
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("disclist-" + label + "-" + std::to_string(stamp) + "-" +
                     std::to_string(++serial));
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;

    const std::filesystem::path &path() const { return path_; }

    // Writes bytes to the file at path() / relative, making its directories; returns its path.
    std::filesystem::path write(const std::string &relative, const std::string &bytes) const {
        return store(relative, bytes.data(), bytes.size());
    }
    std::filesystem::path write(const std::string &relative,
                                const std::vector<unsigned char> &bytes) const {
        return store(relative, reinterpret_cast<const char *>(bytes.data()), bytes.size());
    }
    // A file of size bytes, holding 'x's.
    std::filesystem::path file(const std::string &relative, size_t size = 0) const {
        return write(relative, std::string(size, 'x'));
    }
    std::filesystem::path directory(const std::string &relative) const {
        std::filesystem::path made = path_ / std::filesystem::u8path(relative);
        std::filesystem::create_directories(made);
        return made;
    }

  private:
    std::filesystem::path path_;

    std::filesystem::path store(const std::string &relative, const char *bytes, size_t size) const {
        std::filesystem::path file = path_ / std::filesystem::u8path(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes, static_cast<std::streamsize>(size));
        return file;
    }
};
