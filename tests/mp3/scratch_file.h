// Files that a test writes byte by byte and hands to the readers opened "rb", removed when the
// test is done, and the helpers that build their bytes.
#pragma once

#include "support/scratch_directory.h"

#include <stdint.h>
#include <stdio.h>

#include <string>
#include <vector>

typedef std::vector<uint8_t> Bytes;

// One scratch file holding bytes, opened "rb" for as long as it lives.
class OpenedBytes {
  public:
    explicit OpenedBytes(const Bytes &bytes);
    ~OpenedBytes();
    OpenedBytes(const OpenedBytes &) = delete;
    OpenedBytes &operator=(const OpenedBytes &) = delete;
    FILE *file() const { return file_; }

  private:
    ScratchDirectory directory_{"bytes"};
    FILE *file_ = nullptr;
};

// Big-endian words and byte runs placed at an offset, the vector growing with zero bytes.
void putBigEndian32(Bytes &bytes, size_t at, uint32_t word);
void putBytes(Bytes &bytes, size_t at, const Bytes &run);
void putText(Bytes &bytes, size_t at, const char *text);
Bytes textBytes(const std::string &text);
