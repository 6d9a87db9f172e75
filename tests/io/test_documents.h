// Small documents and helpers shared by the io tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "document/document.h"
#include "io/io.h"

namespace kelvo::io::testing {

inline doc::PathStyle fillOnly(doc::Colour colour) {
    doc::PathStyle style;
    style.fill = colour;
    style.strokePaint = false;
    return style;
}

// A rectangle from the host's own shape construction, with `style`, in the current layer.
inline doc::ArtId addRect(doc::Document& document, float x0, float y0, float x1, float y1, const doc::PathStyle& style) {
    doc::ArtId id = 0;
    EXPECT_EQ(document.newRect(x0, y0, x1, y1, false, &id), doc::Status::ok);
    EXPECT_EQ(document.setStyle(id, style), doc::Status::ok);
    return id;
}

// The pixel at (x, y) as 0xAARRGGBB, premultiplied.
inline std::uint32_t pixel(const Image& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>(y) * image.width + x];
}

}  // namespace kelvo::io::testing
