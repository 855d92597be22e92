// The bitmap resources compiled into the program: packed DIBs (no file header) by integer identifier.
// kv_pictures_embedded defines the table from res/pictures.rc; tests link tables of their own in its place.
#pragma once

#include <cstddef>
#include <span>

struct EmbeddedBitmap {
    int id;
    const unsigned char* data;
    std::size_t size;
};

std::span<const EmbeddedBitmap> EmbeddedBitmaps();
