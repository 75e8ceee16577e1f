#pragma once
// A fresh, empty folder for one test, removed with everything in it when the
// object goes away, plus small file helpers for byte-exact comparisons.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace testdata {

class TempDir {
  public:
    TempDir() {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            FPath = base / ("quorrel-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(FPath)) break;
        }
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return FPath; }
    std::string File(const std::string& name) const { return (FPath / name).string(); }

    // Names of everything directly inside the folder.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(FPath))
            names.insert(entry.path().filename().string());
        return names;
    }

  private:
    std::filesystem::path FPath;
};

inline std::vector<std::uint8_t> ReadAll(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace testdata
