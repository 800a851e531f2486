// A directory of its own for one test, below the system's temporary directory, removed with
// everything in it when the test ends. Paths are handed to the code under test as 8-bit text.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

struct TempDir {
    std::filesystem::path root;

    explicit TempDir(const char *label) {
        static std::atomic<unsigned> serial{0};
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        root = std::filesystem::temp_directory_path() /
               (std::string("disclist-") + label + "-" + std::to_string(stamp) + "-" +
                std::to_string(++serial));
        std::filesystem::create_directories(root);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // Writes bytes to the file at root / relative, making its directories; returns its path.
    std::string write(const std::string &relative, const std::vector<unsigned char> &bytes) const {
        std::filesystem::path file = root / std::filesystem::u8path(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }
    std::string path() const { return root.string(); }
};
