#pragma once
// A system library opened when it is first needed instead of at program
// start: a command that reads an FZX font then never pays for loading
// FreeType, libpng or zlib. Where the build links them the usual way
// (QUORREL_LINKED_LIBRARIES: platforms without dlopen), the tables that use
// this class take the functions' addresses directly.

#include <string>

class TSharedLibrary {
  public:
    // Opens the library by its file name ("libz.so.1"); what for names the
    // work that needs it, for the message ("PNG pictures").
    TSharedLibrary(const std::string& fileName, const std::string& whatFor);
    TSharedLibrary(const TSharedLibrary&) = delete;
    TSharedLibrary& operator=(const TSharedLibrary&) = delete;
    // The library stays loaded for the rest of the program: the functions
    // taken from it may be held anywhere.
    ~TSharedLibrary() = default;

    // Sets function to the library's function of that name, or to nullptr
    // with Error() set when the library or the name is missing.
    template <class TFunction> void Take(const char* name, TFunction& function) {
        function = reinterpret_cast<TFunction>(Symbol(name));
    }
    // "" while everything was found, else the first failure: "cannot load
    // libfreetype.so.6, which desktop fonts need: ...".
    const std::string& Error() const { return FError; }

  private:
    void* Symbol(const char* name);

    void* FHandle = nullptr;
    std::string FFileName, FWhatFor, FError;
};
