// A directory of its own for one test, below the system's temporary directory, removed with
// everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

struct ScratchDirectory {
    std::filesystem::path path;

    explicit ScratchDirectory(const std::string &name) {
        std::random_device random;
        path = std::filesystem::temp_directory_path() /
               ("disclist-" + name + "-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~ScratchDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;

    // A file of size bytes (its parent directories created), holding 'x's.
    std::filesystem::path file(const std::string &relative, size_t size = 0) const {
        std::filesystem::path file = path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out << std::string(size, 'x');
        return file;
    }
    std::filesystem::path write(const std::string &relative, const std::string &bytes) const {
        std::filesystem::path file = path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out << bytes;
        return file;
    }
    std::filesystem::path directory(const std::string &relative) const {
        std::filesystem::create_directories(path / relative);
        return path / relative;
    }
};
