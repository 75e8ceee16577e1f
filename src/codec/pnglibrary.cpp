#include "pnglibrary.h"

#include "sharedlibrary.h"

#ifndef QUORREL_PNG_FILE
#define QUORREL_PNG_FILE "libpng16.so.16"
#endif

const TPngLibrary* LoadPng(std::string& error) {
    static TPngLibrary functions;
    static const std::string failure = [] {
#ifdef QUORREL_LINKED_LIBRARIES
#define QUORREL_TAKE(name) functions.name = &::name;
        QUORREL_PNG_FUNCTIONS(QUORREL_TAKE)
        return std::string();
#else
        static TSharedLibrary library(QUORREL_PNG_FILE, "PNG pictures");
#define QUORREL_TAKE(name) library.Take(#name, functions.name);
        QUORREL_PNG_FUNCTIONS(QUORREL_TAKE)
        return library.Error();
#endif
#undef QUORREL_TAKE
    }();
    error = failure;
    return failure.empty() ? &functions : nullptr;
}
