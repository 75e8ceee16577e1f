#include "freetypelibrary.h"

#include "sharedlibrary.h"

#ifndef QUORREL_FREETYPE_FILE
#define QUORREL_FREETYPE_FILE "libfreetype.so.6"
#endif

const TFreeTypeLibrary* LoadFreeType(std::string& error) {
    static TFreeTypeLibrary functions;
    static const std::string failure = [] {
#ifdef QUORREL_LINKED_LIBRARIES
#define QUORREL_TAKE(name) functions.name = &::name;
        QUORREL_FREETYPE_FUNCTIONS(QUORREL_TAKE)
        return std::string();
#else
        static TSharedLibrary library(QUORREL_FREETYPE_FILE, "desktop fonts");
#define QUORREL_TAKE(name) library.Take(#name, functions.name);
        QUORREL_FREETYPE_FUNCTIONS(QUORREL_TAKE)
        return library.Error();
#endif
#undef QUORREL_TAKE
    }();
    error = failure;
    return failure.empty() ? &functions : nullptr;
}
