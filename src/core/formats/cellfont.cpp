#include "formats/cellfont.h"

#include <string>

#include "model/font.h"

void WidenMissing(TFZXFont& font, const std::vector<bool>& given, int cellWidth) {
    for (int code = 32; code <= font.LastChar() && code - 32 < font.Count(); ++code)
        if (!given[static_cast<std::size_t>(code)])
            font.Glyph(code - 32).SetAll(std::string(), 0, cellWidth, 0);
    font.SetModified(false);
}
