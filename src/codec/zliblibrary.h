#pragma once
// The zlib functions the gzip codec calls, loaded with the library when the
// first gzip file is read or written: most commands never touch one.

#include <zlib.h>

#include <string>

#define QUORREL_ZLIB_FUNCTIONS(X)                                                                  \
    X(inflateInit2_)                                                                               \
    X(inflate)                                                                                     \
    X(inflateReset)                                                                                \
    X(inflateEnd)                                                                                  \
    X(deflateInit2_)                                                                               \
    X(deflate)                                                                                     \
    X(deflateEnd)

struct TZlibLibrary {
#define QUORREL_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
    QUORREL_ZLIB_FUNCTIONS(QUORREL_FUNCTION_POINTER)
#undef QUORREL_FUNCTION_POINTER
};

// The functions, every one set, the library loaded at the first call (later
// calls give the same answer); nullptr and error set to why it cannot be.
const TZlibLibrary* LoadZlib(std::string& error);
