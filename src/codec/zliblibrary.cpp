#include "zliblibrary.h"

#include "sharedlibrary.h"

#ifndef QUORREL_ZLIB_FILE
#define QUORREL_ZLIB_FILE "libz.so.1"
#endif

const TZlibLibrary* LoadZlib(std::string& error) {
    static TZlibLibrary functions;
    static const std::string failure = [] {
#ifdef QUORREL_LINKED_LIBRARIES
#define QUORREL_TAKE(name) functions.name = &::name;
        QUORREL_ZLIB_FUNCTIONS(QUORREL_TAKE)
        return std::string();
#else
        static TSharedLibrary library(QUORREL_ZLIB_FILE, "gzip files");
#define QUORREL_TAKE(name) library.Take(#name, functions.name);
        QUORREL_ZLIB_FUNCTIONS(QUORREL_TAKE)
        return library.Error();
#endif
#undef QUORREL_TAKE
    }();
    error = failure;
    return failure.empty() ? &functions : nullptr;
}
