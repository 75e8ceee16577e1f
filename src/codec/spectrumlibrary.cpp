#include "spectrumlibrary.h"

#include "sharedlibrary.h"

#ifndef QUORREL_LIBSPECTRUM_FILE
#define QUORREL_LIBSPECTRUM_FILE "libspectrum.so.8"
#endif

#include <cstdarg>
#include <cstdio>

namespace {

std::mutex gLock;
TSpectrumLibrary gLibrary;
bool gTried = false;
std::string gMissing;

libspectrum_error KeepError(libspectrum_error error, const char* format, va_list ap) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, ap);
    gLibrary.Error = text;
    return error;
}

std::string Load() {
    // Stays loaded for the rest of the program, as the functions taken from it.
    static TSharedLibrary library(QUORREL_LIBSPECTRUM_FILE, "tapes and snapshots");
    TSpectrumLibrary& l = gLibrary;
    decltype(&libspectrum_init) init = nullptr;
    libspectrum_error_function_t* errorFunction = nullptr;
    library.Take("libspectrum_init", init);
    library.Take("libspectrum_identify_file_raw", l.IdentifyFileRaw);
    library.Take("libspectrum_identify_class", l.IdentifyClass);
    library.Take("libspectrum_identify_file_with_class", l.IdentifyFileWithClass);
    library.Take("libspectrum_tape_alloc", l.TapeAlloc);
    library.Take("libspectrum_tape_read", l.TapeRead);
    library.Take("libspectrum_tape_free", l.TapeFree);
    library.Take("libspectrum_tape_iterator_init", l.TapeIteratorInit);
    library.Take("libspectrum_tape_iterator_next", l.TapeIteratorNext);
    library.Take("libspectrum_tape_block_type", l.TapeBlockType);
    library.Take("libspectrum_tape_block_data", l.TapeBlockData);
    library.Take("libspectrum_tape_block_data_length", l.TapeBlockDataLength);
    library.Take("libspectrum_snap_alloc", l.SnapAlloc);
    library.Take("libspectrum_snap_read", l.SnapRead);
    library.Take("libspectrum_snap_free", l.SnapFree);
    library.Take("libspectrum_snap_pages", l.SnapPages);
    library.Take("libspectrum_snap_out_128_memoryport", l.SnapOut128MemoryPort);
    library.Take("libspectrum_error_function", errorFunction);
    if (!library.Error().empty()) return library.Error();
    // Messages are kept for the caller instead of printed.
    *errorFunction = KeepError;
    if (init() != LIBSPECTRUM_ERROR_NONE) return "libspectrum could not start: " + l.Error;
    return "";
}

} // namespace

TSpectrumLibrary* LockSpectrumLibrary(std::unique_lock<std::mutex>& lock, std::string& error) {
    lock = std::unique_lock<std::mutex>(gLock);
    if (!gTried) {
        gTried = true;
        gMissing = Load();
    }
    error = gMissing;
    return gMissing.empty() ? &gLibrary : nullptr;
}
