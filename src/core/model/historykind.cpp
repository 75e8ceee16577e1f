#include "model/historykind.h"

namespace {
const char* const kTexts[HistoryKindCount] = {"width changed to %s",
                                              "pixels changed",
                                              "line tool",
                                              "rectangle tool",
                                              "ellipse tool",
                                              "rubber tool",
                                              "paste tool",
                                              "roll left",
                                              "roll right",
                                              "roll up",
                                              "roll down",
                                              "new character",
                                              "select char %s",
                                              "italic mode",
                                              "bold mode",
                                              "adjust top",
                                              "adjust bottom",
                                              "adjust left",
                                              "adjust right",
                                              "adjust horizontal",
                                              "adjust vertical",
                                              "clear char",
                                              "scale char",
                                              "flip horizontal",
                                              "flip vertical",
                                              "kern changed",
                                              "copy tool",
                                              "copy character",
                                              "italic all",
                                              "bold all",
                                              "adjust all top",
                                              "adjust all bottom",
                                              "adjust all left",
                                              "adjust all right",
                                              "adjust all horizontal",
                                              "adjust all vertical",
                                              "clear all chars",
                                              "Scale all chars",
                                              "paste character",
                                              "fit width",
                                              "fit all widths"};
} // namespace

const char* HistoryKindText(THistoryKind kind) {
    const int index = HistoryIndex(kind);
    return index < HistoryKindCount ? kTexts[index] : "";
}

std::optional<THistoryKind> GroupHeaderKind(THistoryKind kind) {
    // The single-glyph operations name their groups by the "all" kind at the
    // same distance.
    const int first = HistoryIndex(THistoryKind::Italic);
    const int index = HistoryIndex(kind);
    if (index >= first && index <= HistoryIndex(THistoryKind::ScaleChar))
        return static_cast<THistoryKind>(index - first + HistoryIndex(THistoryKind::ItalicAll));
    if (kind == THistoryKind::FitWidth) return THistoryKind::FitAllWidths;
    return std::nullopt;
}
