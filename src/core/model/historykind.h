#pragma once
// The kinds of edit the history records. A kind names its entries' menu
// text and icon; the values index the history icons, so a new kind goes at
// the end and every kind keeps its value.

#include <cstdint>
#include <optional>

enum class THistoryKind : std::uint8_t {
    WidthChanged,
    PixelsChanged,
    LineTool,
    RectangleTool,
    EllipseTool,
    RubberTool,
    PasteTool,
    RollLeft,
    RollRight,
    RollUp,
    RollDown,
    NewCharacter,
    SelectChar,
    // The single-glyph operations, in the order of TCharOperation.
    Italic,
    Bold,
    AdjustTop,
    AdjustBottom,
    AdjustLeft,
    AdjustRight,
    AdjustHorizontal,
    AdjustVertical,
    ClearChar,
    ScaleChar,
    FlipHorizontal,
    FlipVertical,
    KernChanged,
    CopyTool,
    CopyCharacter,
    // The names of groups of all-glyph operations, in the same order.
    ItalicAll,
    BoldAll,
    AdjustAllTop,
    AdjustAllBottom,
    AdjustAllLeft,
    AdjustAllRight,
    AdjustAllHorizontal,
    AdjustAllVertical,
    ClearAll,
    ScaleAll,
    PasteCharacter,
    FitWidth,
    FitAllWidths,
};

constexpr int HistoryKindCount = static_cast<int>(THistoryKind::FitAllWidths) + 1;

// The kind's value, which indexes its text and icon.
constexpr int HistoryIndex(THistoryKind kind) {
    return static_cast<int>(kind);
}

// Menu text of a kind; "%s" is filled in by EntryText. "" for a value
// outside the kinds.
const char* HistoryKindText(THistoryKind kind);

// The kind whose text and icon name a group of all-glyph entries of kind
// (ItalicAll for Italic ...), or none when such groups have no name of their own.
std::optional<THistoryKind> GroupHeaderKind(THistoryKind kind);
