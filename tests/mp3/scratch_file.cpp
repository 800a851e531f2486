#include "scratch_file.h"

#include <string.h>

#include <algorithm>

OpenedBytes::OpenedBytes(const Bytes &bytes) {
    std::filesystem::path path = directory_.write("file.bin", bytes);
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
