#include "spectrumlibrary.h"

#include <dlfcn.h>

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

template <typename F> bool Resolve(void* handle, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(handle, name));
    return function != nullptr;
}

std::string Load() {
    void* handle = nullptr;
    for (const char* name : {"libspectrum.so.8", "libspectrum.so.9", "libspectrum.so"})
        if ((handle = dlopen(name, RTLD_NOW | RTLD_LOCAL))) break;
    if (!handle) return "reading tapes and snapshots needs libspectrum, which is not installed";
    TSpectrumLibrary& l = gLibrary;
    decltype(&libspectrum_init) init = nullptr;
    libspectrum_error_function_t* errorFunction = nullptr;
    errorFunction = reinterpret_cast<libspectrum_error_function_t*>(
        dlsym(handle, "libspectrum_error_function"));
    const bool all =
        Resolve(handle, "libspectrum_init", init) &&
        Resolve(handle, "libspectrum_identify_file_raw", l.IdentifyFileRaw) &&
        Resolve(handle, "libspectrum_identify_class", l.IdentifyClass) &&
        Resolve(handle, "libspectrum_identify_file_with_class", l.IdentifyFileWithClass) &&
        Resolve(handle, "libspectrum_tape_alloc", l.TapeAlloc) &&
        Resolve(handle, "libspectrum_tape_read", l.TapeRead) &&
        Resolve(handle, "libspectrum_tape_free", l.TapeFree) &&
        Resolve(handle, "libspectrum_tape_iterator_init", l.TapeIteratorInit) &&
        Resolve(handle, "libspectrum_tape_iterator_next", l.TapeIteratorNext) &&
        Resolve(handle, "libspectrum_tape_block_type", l.TapeBlockType) &&
        Resolve(handle, "libspectrum_tape_block_data", l.TapeBlockData) &&
        Resolve(handle, "libspectrum_tape_block_data_length", l.TapeBlockDataLength) &&
        Resolve(handle, "libspectrum_snap_alloc", l.SnapAlloc) &&
        Resolve(handle, "libspectrum_snap_read", l.SnapRead) &&
        Resolve(handle, "libspectrum_snap_free", l.SnapFree) &&
        Resolve(handle, "libspectrum_snap_pages", l.SnapPages) &&
        Resolve(handle, "libspectrum_snap_out_128_memoryport", l.SnapOut128MemoryPort) &&
        errorFunction;
    if (!all) return "the libspectrum installed lacks functions Quorrel needs";
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
