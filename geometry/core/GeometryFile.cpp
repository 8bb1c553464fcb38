#include "geometry/core/GeometryFile.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "common/Platform.h"
#include "common/ErrorText.h"
#include "common/ReplaceFile.h"
#include "common/Translate.h"
#include "geometry/core/PanelLayout.h"

namespace sim {

namespace {

constexpr TrText kCannotOpen = SIM_TR("Geometry", "A fájl nem nyitható meg: %1 (%2)");
constexpr TrText kCannotRead = SIM_TR("Geometry", "A fájl nem olvasható: %1 (%2)");

std::string Reason(int error) {
    return SystemReason(error);
}

std::string Report(TrText what, const std::string& path, int error) {
    return Tr(what, {path, Reason(error)});
}

// Reads until size bytes or end of file; returns the count, or -1 with the error in error.
std::int64_t ReadUpTo(platform::File& file, unsigned char* data, std::size_t size, int& error) {
    std::size_t got = 0;
    while (got < size) {
        const std::int64_t n = file.Read(data + got, size - got, error);
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    return static_cast<std::int64_t>(got);
}

}  // namespace

bool GeometryFitsPanel(const GeometryValues& values) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::size_t k = 2 * static_cast<std::size_t>(slot - 1);
        const std::int64_t left = values[k];
        const std::int64_t top = values[k + 1];
        const ItemPlace& size = kComponentStart[slot - 1];
        if (left < 0 || top < 0 || left + size.Width > kPanelWidth ||
            top + size.Height > kPanelHeight) {
            return false;
        }
    }
    return true;
}

std::string GeometryFileName(const std::string& chosen, const std::string& participantId) {
    return chosen + "." + participantId;
}

std::optional<std::string> SaveGeometryFile(const std::string& path, const GeometryValues& values) {
    std::array<unsigned char, kGeometryFileSize> bytes{};
    for (std::size_t i = 0; i < kGeometryValueCount; ++i) {
        const auto v = static_cast<std::uint32_t>(values[i]);
        for (std::size_t b = 0; b < 4; ++b) {
            bytes[4 * i + b] = static_cast<unsigned char>((v >> (8 * b)) & 0xFFu);
        }
    }

    const auto failure = ReplaceFile(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!failure) {
        return std::nullopt;
    }
    switch (failure->At) {
        case ReplaceFileFailure::Stage::NotRegular:
        case ReplaceFileFailure::Stage::Create:
            return Tr(SIM_TR("Geometry", "A fájl nem hozható létre: %1 (%2)"),
                      {path, failure->Reason()});
        case ReplaceFileFailure::Stage::Write:
            return Report(SIM_TR("Geometry", "A fájl nem írható: %1 (%2)"), path, failure->Error);
        case ReplaceFileFailure::Stage::Rename:
            break;
    }
    return Report(SIM_TR("Geometry", "A fájl nem menthető: %1 (%2)"), path, failure->Error);
}

LoadedGeometry LoadGeometryFile(const std::string& path) {
    // A pipe or a device chosen by mistake cannot hold the program.
    int error = 0;
    platform::File file = platform::OpenForReading(path, error);
    if (!file.IsOpen()) {
        return {std::nullopt, Report(kCannotOpen, path, error)};
    }
    bool regular = false;
    std::uint64_t size = 0;
    if (error = file.Describe(regular, size); error != 0) {
        return {std::nullopt, Report(kCannotRead, path, error)};
    }
    if (!regular) {
        return {std::nullopt, Tr(kCannotRead, {path, FileKindReason(platform::KindBehind(path))})};
    }

    std::array<unsigned char, kGeometryFileSize> bytes{};
    const std::int64_t got = ReadUpTo(file, bytes.data(), bytes.size(), error);
    if (got < 0) {
        return {std::nullopt, Report(kCannotRead, path, error)};
    }
    if (error = file.Close(); error != 0) {
        return {std::nullopt,
                Report(SIM_TR("Geometry", "A fájl nem zárható le: %1 (%2)"), path, error)};
    }
    if (static_cast<std::size_t>(got) < bytes.size()) {
        return {std::nullopt, Tr(kReadBeyondEndOfFile)};
    }

    GeometryValues values{};
    for (std::size_t i = 0; i < kGeometryValueCount; ++i) {
        std::uint32_t v = 0;
        for (std::size_t b = 0; b < 4; ++b) {
            v |= static_cast<std::uint32_t>(bytes[4 * i + b]) << (8 * b);
        }
        values[i] = static_cast<std::int32_t>(v);
    }
    return {values, {}};
}

}  // namespace sim
