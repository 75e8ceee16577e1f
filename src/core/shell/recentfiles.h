#pragma once
// The list of the last files used, most recent first, at most ten entries.

#include <cstddef>
#include <string>
#include <vector>

class TRecentFiles {
  public:
    static constexpr std::size_t MaxCount = 10;

    // A path just opened or saved: made absolute against currentDir (and
    // lexically normalised), then put on top. An entry equal to it ignoring
    // ASCII letter case moves to the top and takes the new spelling, so a
    // file never occurs twice. An empty path is ignored.
    void Add(const std::string& path, const std::string& currentDir);

    // An entry read from the stored settings, appended at the bottom as it
    // is (neither made absolute nor compared); empty text is skipped. The
    // list is then cut back to its first MaxCount entries.
    void AppendStored(const std::string& text);

    void Clear() { FEntries.clear(); }
    const std::vector<std::string>& Entries() const { return FEntries; }
    std::size_t Count() const { return FEntries.size(); }
    bool Empty() const { return FEntries.empty(); }

  private:
    std::vector<std::string> FEntries;
};
