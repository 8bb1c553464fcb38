#pragma once

// Shared by the fuzz targets. The targets compile with libFuzzer (clang) and without it (the
// corpus replay of the test suite), so nothing here depends on libFuzzer.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace sim::fuzz {

// A broken property is a crash for the fuzzer and a failed replay for the test suite.
[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}
#define SIM_FUZZ_CHECK(cond)                              \
    do {                                                  \
        if (!(cond)) {                                    \
            ::sim::fuzz::Fail(#cond, __FILE__, __LINE__); \
        }                                                 \
    } while (false)

// Takes fixed-size values from the front of the input; missing bytes read as zero, so every
// input, however short, is a complete case.
class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int32_t Int32() {
        std::uint32_t v = 0;
        for (int b = 0; b < 4; ++b) {
            v |= static_cast<std::uint32_t>(Byte()) << (8 * b);
        }
        return static_cast<std::int32_t>(v);
    }
    std::int64_t Int64() {
        const auto low = static_cast<std::uint32_t>(Int32());
        const auto high = static_cast<std::uint32_t>(Int32());
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
    }
    bool Bit() { return (Byte() & 1) != 0; }
    std::string_view Rest() {
        const std::size_t at = pos_ < size_ ? pos_ : size_;
        pos_ = size_;
        return {reinterpret_cast<const char*>(data_ + at), size_ - at};
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// One scratch folder per process, on a memory file system where there is one, for the targets
// that must go through the program's own file functions. Removed when the process ends.
inline std::filesystem::path MakeScratchFolder() {
    std::string base = "/dev/shm";
    if (::access(base.c_str(), W_OK) != 0) {
        const char* tmp = std::getenv("TMPDIR");
        base = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    }
    std::string pattern = base + "/simfuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    return pattern;
}

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = MakeScratchFolder();
    // Registered after the path exists, so it runs before the path is destroyed.
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ignored;
                                          std::filesystem::remove_all(ScratchFolder(), ignored);
                                      }) == 0;
    (void)removedAtExit;
    return folder;
}

// Replaces the file name in the scratch folder with exactly these bytes; returns its path.
inline std::string WriteScratchFile(const char* name, const std::uint8_t* data, std::size_t size) {
    std::string path = (ScratchFolder() / name).string();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    SIM_FUZZ_CHECK(file != nullptr);
    SIM_FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, file) == size);
    SIM_FUZZ_CHECK(std::fclose(file) == 0);
    return path;
}

}  // namespace sim::fuzz
