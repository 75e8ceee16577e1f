#pragma once
// The FreeType functions the desktop font reader calls, loaded with the
// library when the first desktop font is read: loading FreeType (and the
// brotli libraries it brings) costs more than a whole small conversion.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

#define QUORREL_FREETYPE_FUNCTIONS(X)                                                              \
    X(FT_Init_FreeType)                                                                            \
    X(FT_Done_FreeType)                                                                            \
    X(FT_New_Memory_Face)                                                                          \
    X(FT_Done_Face)                                                                                \
    X(FT_Select_Size)                                                                              \
    X(FT_Set_Pixel_Sizes)                                                                          \
    X(FT_Select_Charmap)                                                                           \
    X(FT_Set_Charmap)                                                                              \
    X(FT_Get_First_Char)                                                                           \
    X(FT_Get_Next_Char)                                                                            \
    X(FT_Load_Glyph)                                                                               \
    X(FT_Render_Glyph)

struct TFreeTypeLibrary {
#define QUORREL_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
    QUORREL_FREETYPE_FUNCTIONS(QUORREL_FUNCTION_POINTER)
#undef QUORREL_FUNCTION_POINTER
};

// The functions, every one set, the library loaded at the first call (later
// calls give the same answer); nullptr and error set to why it cannot be.
const TFreeTypeLibrary* LoadFreeType(std::string& error);
