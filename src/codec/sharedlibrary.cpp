#include "sharedlibrary.h"

#ifndef QUORREL_LINKED_LIBRARIES
#include <dlfcn.h>
#endif

TSharedLibrary::TSharedLibrary(const std::string& fileName, const std::string& whatFor)
    : FFileName(fileName), FWhatFor(whatFor) {
#ifndef QUORREL_LINKED_LIBRARIES
    FHandle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) {
        const char* reason = ::dlerror();
        FError = "cannot load " + FFileName + ", which " + FWhatFor +
                 " need: " + (reason ? reason : "not found");
    }
#else
    FError = "cannot load " + FFileName + ", which " + FWhatFor + " need, on this system";
#endif
}

void* TSharedLibrary::Symbol(const char* name) {
    if (!FHandle) return nullptr;
#ifndef QUORREL_LINKED_LIBRARIES
    void* address = ::dlsym(FHandle, name);
    if (!address && FError.empty())
        FError = "cannot load " + FFileName + ", which " + FWhatFor + " need: it has no " + name +
                 " (too old a version?)";
    return address;
#else
    (void)name;
    return nullptr;
#endif
}
