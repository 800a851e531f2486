#include "scratch_file.h"

#include <string.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory() {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
        path_ = fs::temp_directory_path() /
                ("disclist-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (fs::create_directory(path_)) break;
    }
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path ScratchDirectory::write(const std::string &name, const Bytes &bytes) const {
    fs::path file = path_ / fs::path(name);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return file;
}

OpenedBytes::OpenedBytes(const Bytes &bytes) {
    fs::path path = directory_.write("file.bin", bytes);
    file_ = fopen(path.string().c_str(), "rb");
}

OpenedBytes::~OpenedBytes() {
    if (file_) fclose(file_);
}

void putBytes(Bytes &bytes, size_t at, const Bytes &run) {
    if (bytes.size() < at + run.size()) bytes.resize(at + run.size());
    std::copy(run.begin(), run.end(), bytes.begin() + std::ptrdiff_t(at));
}

void putBigEndian32(Bytes &bytes, size_t at, uint32_t word) {
    putBytes(bytes, at,
             {uint8_t(word >> 24), uint8_t(word >> 16), uint8_t(word >> 8), uint8_t(word)});
}

Bytes textBytes(const std::string &text) {
    return Bytes(text.begin(), text.end());
}

void putText(Bytes &bytes, size_t at, const char *text) {
    putBytes(bytes, at, textBytes(text));
}
