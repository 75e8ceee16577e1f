#pragma once
// A font that counts the change notifications it sends to its window.

#include "model/font.h"

struct Watched {
    TFZXFont font;
    int notes = 0;
    Watched() {
        font.OnChange = [this](TFZXFont&) { ++notes; };
    }
};
