// The libraries the codec loads when first needed: every function the codec
// calls is found, and a library or function that is missing gives a message
// naming it instead of a crash.

#include <gtest/gtest.h>

#include <string>

#include "freetypelibrary.h"
#include "pnglibrary.h"
#include "sharedlibrary.h"
#include "zliblibrary.h"

namespace {

TEST(SharedLibraries, EveryFunctionOfTheCodecIsFound) {
    std::string error;
    const TFreeTypeLibrary* freetype = LoadFreeType(error);
    ASSERT_NE(freetype, nullptr) << error;
#define QUORREL_EXPECT_SET(name) EXPECT_NE(freetype->name, nullptr) << #name;
    QUORREL_FREETYPE_FUNCTIONS(QUORREL_EXPECT_SET)
#undef QUORREL_EXPECT_SET
    const TPngLibrary* png = LoadPng(error);
    ASSERT_NE(png, nullptr) << error;
#define QUORREL_EXPECT_SET(name) EXPECT_NE(png->name, nullptr) << #name;
    QUORREL_PNG_FUNCTIONS(QUORREL_EXPECT_SET)
#undef QUORREL_EXPECT_SET
    const TZlibLibrary* zlib = LoadZlib(error);
    ASSERT_NE(zlib, nullptr) << error;
#define QUORREL_EXPECT_SET(name) EXPECT_NE(zlib->name, nullptr) << #name;
    QUORREL_ZLIB_FUNCTIONS(QUORREL_EXPECT_SET)
#undef QUORREL_EXPECT_SET
    // The same table every time.
    EXPECT_EQ(LoadZlib(error), zlib);
}

#if defined(__linux__) && !defined(QUORREL_LINKED_LIBRARIES)
TEST(SharedLibraries, MissingLibrariesAndFunctionsAreNamed) {
    int (*function)(int) = nullptr;
    TSharedLibrary missing("libquorrel-missing.so.0", "tests");
    missing.Take("abs", function);
    EXPECT_EQ(function, nullptr);
    EXPECT_EQ(missing.Error().rfind("cannot load libquorrel-missing.so.0, which tests need: ", 0),
              0u)
        << missing.Error();

    TSharedLibrary libc("libc.so.6", "tests");
    libc.Take("abs", function);
    ASSERT_NE(function, nullptr) << libc.Error();
    EXPECT_EQ(function(-3), 3);
    libc.Take("quorrel_no_such_function", function);
    EXPECT_EQ(function, nullptr);
    EXPECT_EQ(libc.Error(), "cannot load libc.so.6, which tests need: it has no "
                            "quorrel_no_such_function (too old a version?)");
}
#endif

} // namespace
