#include "spectrumcontainer.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>

#include "finder/fontfinder.h"
#include "formats/fileio.h"
#include "formats/fontformats.h"
#include "gzipcodec.h"
#include "spectrumlibrary.h"

namespace {

constexpr std::size_t kPage = 0x4000;
constexpr std::uint32_t kRamStart = 0x4000;
constexpr std::uint32_t kChars = 23606; // system variable: character set - 256
constexpr std::uint32_t kUdg = 23675;   // system variable: first UDG
constexpr std::uint32_t kSystemVariablesEnd = 0x5CB6;
constexpr std::uint32_t kPRamT = 23732;   // system variable: last byte of RAM
constexpr std::size_t kHeaderLength = 19; // flag, 17 header bytes, checksum

// Whether the name says the file is a tape or snapshot libspectrum reads.
bool NamedContainer(const std::string& name) {
    static const char* const kExtensions[] = {".tap", ".tzx", ".pzx", ".csw", ".spc",  ".sta",
                                              ".ltp", ".wav", ".z80", ".sna", ".szx",  ".sp",
                                              ".snp", ".zxs", ".sit", ".slt", ".zx82", ".snx"};
    for (const char* ext : kExtensions)
        if (EndsWithIgnoringCase(name, ext)) return true;
    return false;
}

std::string Message(const std::string& what, const TSpectrumLibrary& library) {
    return library.Error.empty() ? what : what + ": " + library.Error;
}

std::string ReadTape(TSpectrumLibrary& l, const std::vector<std::uint8_t>& bytes,
                     libspectrum_id_t type, const std::string& name,
                     std::vector<TScanArea>& areas) {
    std::unique_ptr<libspectrum_tape, decltype(l.TapeFree)> tape(l.TapeAlloc(), l.TapeFree);
    if (l.TapeRead(tape.get(), bytes.data(), bytes.size(), type, name.c_str()) !=
        LIBSPECTRUM_ERROR_NONE)
        return Message("not a tape that can be read", l);
    libspectrum_tape_iterator it = nullptr;
    int number = 0;
    // The load address of a code block, from the header before it.
    std::int32_t loadAddress = -1;
    for (libspectrum_tape_block* block = l.TapeIteratorInit(&it, tape.get()); block;
         block = l.TapeIteratorNext(&it)) {
        ++number;
        const libspectrum_tape_type kind = l.TapeBlockType(block);
        if (kind != LIBSPECTRUM_TAPE_BLOCK_ROM && kind != LIBSPECTRUM_TAPE_BLOCK_TURBO &&
            kind != LIBSPECTRUM_TAPE_BLOCK_PURE_DATA)
            continue;
        const libspectrum_byte* data = l.TapeBlockData(block);
        const std::size_t length = l.TapeBlockDataLength(block);
        if (!data || length < 3) continue;
        if (length == kHeaderLength && data[0] == 0x00) {
            // Type 3 is code, loaded where the header says.
            loadAddress = data[1] == 3 ? data[14] | data[15] << 8 : -1;
            continue;
        }
        TScanArea area;
        area.Name = "block" + std::to_string(number);
        area.LoadAddress = loadAddress;
        // Without the flag byte before and the checksum after.
        area.Bytes.assign(data + 1, data + length - 1);
        areas.push_back(std::move(area));
        loadAddress = -1;
    }
    return "";
}

std::string ReadSnapshot(TSpectrumLibrary& l, const std::vector<std::uint8_t>& bytes,
                         libspectrum_id_t type, const std::string& name,
                         std::vector<TScanArea>& areas) {
    std::unique_ptr<libspectrum_snap, decltype(l.SnapFree)> snap(l.SnapAlloc(), l.SnapFree);
    if (l.SnapRead(snap.get(), bytes.data(), bytes.size(), type, name.c_str()) !=
        LIBSPECTRUM_ERROR_NONE)
        return Message("not a snapshot that can be read", l);
    // A 48K snapshot has pages 5, 2 and 0 only, and its paging port means
    // nothing.
    bool paging = false;
    for (int page : {1, 3, 4, 6, 7})
        paging = paging || l.SnapPages(snap.get(), page);
    const int paged = paging ? l.SnapOut128MemoryPort(snap.get()) & 7 : 0;
    const int view[3] = {5, 2, paged};
    // What the Spectrum sees from 0x4000 on: pages 5, 2 and, for a 48K
    // machine, 0, for a 128K one the page paged in.
    TScanArea memory;
    memory.Base = kRamStart;
    memory.LoadAddress = kRamStart;
    for (int page : view) {
        const libspectrum_byte* p = l.SnapPages(snap.get(), page);
        if (!p) return "the snapshot has no RAM page " + std::to_string(page);
        memory.Bytes.insert(memory.Bytes.end(), p, p + kPage);
    }
    const auto word = [&](std::uint32_t address) {
        return memory.Bytes[address - kRamStart] | memory.Bytes[address + 1 - kRamStart] << 8;
    };
    const std::uint32_t chars = static_cast<std::uint32_t>(word(kChars)) + 256;
    const std::uint32_t udg = static_cast<std::uint32_t>(word(kUdg));
    // The ROM sets P_RAMT to the last byte of RAM at start-up; where it holds
    // anything else, the system variables were overwritten and hint nothing.
    const std::uint32_t ramTop = static_cast<std::uint32_t>(word(kPRamT));
    const bool systemVariables = ramTop == 0xFFFF || ramTop == 0x7FFF;
    if (systemVariables && chars >= kRamStart && chars <= 0xFFFF)
        memory.CharsHint = chars - kRamStart;
    // The graphics lie above the system variables; below them is the screen.
    if (systemVariables && udg >= kSystemVariablesEnd) memory.UdgHint = udg - kRamStart;
    areas.push_back(std::move(memory));
    for (int page = 0; page < 8; ++page) {
        if (page == 5 || page == 2 || page == paged) continue;
        const libspectrum_byte* p = l.SnapPages(snap.get(), page);
        if (!p) continue;
        TScanArea area;
        area.Name = "page" + std::to_string(page);
        area.LoadAddress = 0xC000;
        area.Bytes.assign(p, p + kPage);
        areas.push_back(std::move(area));
    }
    return "";
}

} // namespace

std::string ReadSpectrumBytes(const std::vector<std::uint8_t>& bytes, const std::string& name,
                              std::vector<TScanArea>& areas) {
    areas.clear();
    std::string error;
    std::unique_lock<std::mutex> lock;
    TSpectrumLibrary* l = LockSpectrumLibrary(lock, error);
    if (!l) return error;
    l->ClearError();
    // Packed files: gzip is unpacked here, within the size limit (libspectrum
    // would unpack a bomb whole); the rest is refused.
    libspectrum_id_t type = LIBSPECTRUM_ID_UNKNOWN;
    libspectrum_class_t kind = LIBSPECTRUM_CLASS_UNKNOWN;
    if (l->IdentifyFileRaw(&type, name.c_str(), bytes.data(), bytes.size()) !=
            LIBSPECTRUM_ERROR_NONE ||
        l->IdentifyClass(&kind, type) != LIBSPECTRUM_ERROR_NONE)
        kind = LIBSPECTRUM_CLASS_UNKNOWN;
    const std::vector<std::uint8_t>* plain = &bytes;
    std::vector<std::uint8_t> unpacked;
    std::string plainName = name;
    if (kind == LIBSPECTRUM_CLASS_COMPRESSED) {
        if (type != LIBSPECTRUM_ID_COMPRESSED_GZ) return "a compressed file; unpack it first";
        error = Gunzip(bytes, kMaxSpectrumFileSize, unpacked);
        if (!error.empty()) return error;
        plain = &unpacked;
        if (EndsWithIgnoringCase(plainName, ".gz")) plainName.resize(plainName.size() - 3);
    }
    // Nothing to look into; libspectrum's snapshot reader crashes on it.
    if (plain->empty()) return "";
    if (l->IdentifyFileWithClass(&type, &kind, plainName.c_str(), plain->data(), plain->size()) !=
        LIBSPECTRUM_ERROR_NONE)
        kind = LIBSPECTRUM_CLASS_UNKNOWN;
    l->ClearError();
    bool raw = false;
    if (kind == LIBSPECTRUM_CLASS_TAPE)
        error = ReadTape(*l, *plain, type, plainName, areas);
    else if (kind == LIBSPECTRUM_CLASS_SNAPSHOT)
        error = ReadSnapshot(*l, *plain, type, plainName, areas);
    else if (kind == LIBSPECTRUM_CLASS_COMPRESSED)
        error = "a compressed file; unpack it first";
    else
        raw = true;
    // A file libspectrum took for a tape or snapshot by its bytes alone, but
    // cannot read as one, is looked into as it is: its name never said so.
    if (!error.empty()) {
        areas.clear();
        if (kind != LIBSPECTRUM_CLASS_COMPRESSED && !NamedContainer(plainName)) {
            error.clear();
            raw = true;
        }
    }
    if (raw) {
        // ROM images, screens and anything else: the bytes as they are.
        TScanArea area;
        area.Bytes = *plain;
        areas.push_back(std::move(area));
    }
    return error;
}

std::string ReadSpectrumFile(const std::string& path, std::vector<TScanArea>& areas) {
    areas.clear();
    const std::string named = "\"" + path + "\": ";
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return "Cannot open file " + named + "not a regular file";
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, kMaxSpectrumFileSize, bytes))
        return named + "file is larger than " + std::to_string(kMaxSpectrumFileSize) +
               " bytes, too large to look into";
    const std::string error = ReadSpectrumBytes(bytes, FileNameOnly(path), areas);
    return error.empty() ? "" : named + error;
}

bool SplitFontPlace(const std::string& path, std::string& file, std::string& place) {
    const std::size_t at = path.rfind('@');
    if (at == std::string::npos || at == 0 || at + 1 == path.size()) return false;
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) return false;
    file = path.substr(0, at);
    place = path.substr(at + 1);
    return std::filesystem::is_regular_file(file, ec);
}

std::string ReadFontInFile(TFZXFont& font, const std::string& file, const std::string& place) {
    std::vector<TScanArea> areas;
    std::string error = ReadSpectrumFile(file, areas);
    if (!error.empty()) return error;
    error = ReadFontAtPlace(font, areas, place);
    return error.empty() ? "" : "\"" + file + "\": " + error;
}
