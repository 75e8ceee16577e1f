#pragma once
// The libpng functions the picture codec calls, loaded with the library when
// the first picture is read or written: most commands never touch one.

#include <png.h>

#include <string>

#define QUORREL_PNG_FUNCTIONS(X)                                                                   \
    X(png_sig_cmp)                                                                                 \
    X(png_create_read_struct)                                                                      \
    X(png_create_write_struct)                                                                     \
    X(png_create_info_struct)                                                                      \
    X(png_destroy_read_struct)                                                                     \
    X(png_destroy_write_struct)                                                                    \
    X(png_set_longjmp_fn)                                                                          \
    X(png_longjmp)                                                                                 \
    X(png_error)                                                                                   \
    X(png_get_error_ptr)                                                                           \
    X(png_get_io_ptr)                                                                              \
    X(png_set_read_fn)                                                                             \
    X(png_set_write_fn)                                                                            \
    X(png_set_user_limits)                                                                         \
    X(png_read_info)                                                                               \
    X(png_get_image_width)                                                                         \
    X(png_get_image_height)                                                                        \
    X(png_set_expand)                                                                              \
    X(png_set_strip_16)                                                                            \
    X(png_set_gray_to_rgb)                                                                         \
    X(png_set_bgr)                                                                                 \
    X(png_set_add_alpha)                                                                           \
    X(png_set_interlace_handling)                                                                  \
    X(png_read_update_info)                                                                        \
    X(png_read_image)                                                                              \
    X(png_read_end)                                                                                \
    X(png_set_IHDR)                                                                                \
    X(png_write_info)                                                                              \
    X(png_write_row)                                                                               \
    X(png_write_end)

struct TPngLibrary {
#define QUORREL_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;
    QUORREL_PNG_FUNCTIONS(QUORREL_FUNCTION_POINTER)
#undef QUORREL_FUNCTION_POINTER
};

// The functions, every one set, the library loaded at the first call (later
// calls give the same answer); nullptr and error set to why it cannot be.
const TPngLibrary* LoadPng(std::string& error);
