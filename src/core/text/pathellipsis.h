#pragma once
// Shortening a path to a width for labels and menus: leading folder names
// give way to an ellipsis, the root and the file name stay.

#include <functional>
#include <string>

// The ellipsis put in place of the dropped folders: "…" in UTF-8.
extern const char* const PathEllipsis;

// The path itself when textWidth(path) <= maxWidth. Otherwise the first of
// root + "…" + "/b/c/file", root + "…" + "/c/file", ... that fits, dropping
// one leading folder more each time; when none fits, "…" + "/file" (the
// file name is never cut). A path without folders comes back unchanged.
// windowsPaths treats "\" as a separator too and knows drive letters and
// "\\server\share\" roots; otherwise only "/" separates.
std::string ShortenPath(const std::string& path, int maxWidth,
                        const std::function<int(const std::string&)>& textWidth, bool windowsPaths);

// As above with the platform's own path rules.
std::string ShortenPath(const std::string& path, int maxWidth,
                        const std::function<int(const std::string&)>& textWidth);
