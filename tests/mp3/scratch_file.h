// Files that a test writes byte by byte and hands to the readers opened "rb", removed when the
// test is done.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include <filesystem>
#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

// A fresh, empty directory under the system's temporary directory, removed with its contents.
class ScratchDirectory {
  public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;
    const std::filesystem::path &path() const { return path_; }
    // Writes bytes into the file name (which may hold subdirectories, made as needed).
    std::filesystem::path write(const std::string &name, const Bytes &bytes) const;

  private:
    std::filesystem::path path_;
};

// One scratch file holding bytes, opened "rb" for as long as it lives.
class OpenedBytes {
  public:
    explicit OpenedBytes(const Bytes &bytes);
    ~OpenedBytes();
    OpenedBytes(const OpenedBytes &) = delete;
    OpenedBytes &operator=(const OpenedBytes &) = delete;
    FILE *file() const { return file_; }

  private:
    ScratchDirectory directory_;
    FILE *file_ = nullptr;
};

// Big-endian words and byte runs placed at an offset, the vector growing with zero bytes.
void putBigEndian32(Bytes &bytes, size_t at, uint32_t word);
void putBytes(Bytes &bytes, size_t at, const Bytes &run);
void putText(Bytes &bytes, size_t at, const char *text);
Bytes textBytes(const std::string &text);
