// The fuzzer's input as a byte stream opened "rb", as the readers get their files.
#pragma once

#include <stdint.h>
#include <stdio.h>

#include <vector>

class MemoryStream {
  public:
    MemoryStream(const uint8_t *data, size_t size) : bytes_(data, data + size) {
        // An empty input stands for a file that failed to open.
        if (size > 0) file_ = fmemopen(bytes_.data(), bytes_.size(), "rb");
    }
    ~MemoryStream() {
        if (file_) fclose(file_);
    }
    MemoryStream(const MemoryStream &) = delete;
    MemoryStream &operator=(const MemoryStream &) = delete;
    FILE *file() const { return file_; }

  private:
    std::vector<uint8_t> bytes_;
    FILE *file_ = nullptr;
};

// Every text a reader returns ends within its field.
inline void requireTerminated(const char *field, size_t size) {
    for (size_t at = 0; at < size; ++at)
        if (field[at] == '\0') return;
    __builtin_trap();
}
