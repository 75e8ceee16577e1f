#pragma once
// libspectrum, loaded the first time a tape or snapshot is read: it brings
// glib, gcrypt and audio libraries that no other command needs, so programs
// that never read one never load them. One caller at a time (the library
// reports errors through one global function).

#include <libspectrum.h>

#include <mutex>
#include <string>

struct TSpectrumLibrary {
    decltype(&libspectrum_identify_file_raw) IdentifyFileRaw = nullptr;
    decltype(&libspectrum_identify_class) IdentifyClass = nullptr;
    decltype(&libspectrum_identify_file_with_class) IdentifyFileWithClass = nullptr;
    decltype(&libspectrum_tape_alloc) TapeAlloc = nullptr;
    decltype(&libspectrum_tape_read) TapeRead = nullptr;
    decltype(&libspectrum_tape_free) TapeFree = nullptr;
    decltype(&libspectrum_tape_iterator_init) TapeIteratorInit = nullptr;
    decltype(&libspectrum_tape_iterator_next) TapeIteratorNext = nullptr;
    decltype(&libspectrum_tape_block_type) TapeBlockType = nullptr;
    decltype(&libspectrum_tape_block_data) TapeBlockData = nullptr;
    decltype(&libspectrum_tape_block_data_length) TapeBlockDataLength = nullptr;
    decltype(&libspectrum_snap_alloc) SnapAlloc = nullptr;
    decltype(&libspectrum_snap_read) SnapRead = nullptr;
    decltype(&libspectrum_snap_free) SnapFree = nullptr;
    decltype(&libspectrum_snap_pages) SnapPages = nullptr;
    decltype(&libspectrum_snap_out_128_memoryport) SnapOut128MemoryPort = nullptr;
    // The last message libspectrum reported since ClearError.
    std::string Error;
    void ClearError() { Error.clear(); }
};

// The loaded library with the lock held for the caller, or nullptr with
// the reason in error. The lock guards Error and libspectrum's own state.
TSpectrumLibrary* LockSpectrumLibrary(std::unique_lock<std::mutex>& lock, std::string& error);
