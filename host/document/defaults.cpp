// The default swatch list and graphic styles of a new document.
#include "document/document_impl.h"

namespace kelvo::doc {

namespace {
Colour four(float c, float m, float y, float k) { return Colour{kFour, {c, m, y, k}, 0}; }
}  // namespace

void fillDefaults(std::vector<Swatch>& swatches, std::vector<GraphicStyle>& styles, const PathStyle& current) {
    swatches = {
        {"[None]", Colour{kNone, {0, 0, 0, 0}, 0}},
        {"[Registration]", four(1, 1, 1, 1)},
        {"White", four(0, 0, 0, 0)},
        {"Black", four(0, 0, 0, 1)},
        {"Red", four(0, 1, 1, 0)},
        {"Yellow", four(0, 0, 1, 0)},
        {"Green", four(1, 0, 1, 0)},
        {"Cyan", four(1, 0, 0, 0)},
        {"Blue", four(1, 1, 0, 0)},
        {"Magenta", four(0, 1, 0, 0)},
        {"Orange", four(0, 0.5f, 1, 0)},
        {"Violet", four(0.5f, 1, 0, 0)},
        {"Teal", four(1, 0, 0.5f, 0.2f)},
        {"Brown", four(0, 0.6f, 1, 0.4f)},
        {"Gray 50 %", four(0, 0, 0, 0.5f)},
        {"Gray 25 %", four(0, 0, 0, 0.25f)},
    };
    auto paint = [&](bool fill, Colour fillColour, bool stroke, Colour strokeColour, float width) {
        PathStyle s = current;
        s.fillPaint = fill;
        s.fill = fillColour;
        s.strokePaint = stroke;
        s.stroke = strokeColour;
        s.strokeWidth = width;
        return s;
    };
    const Colour none{kNone, {0, 0, 0, 0}, 0};
    const Colour black = four(0, 0, 0, 1), red = four(0, 1, 1, 0), blue = four(1, 1, 0, 0);
    const Colour yellow = four(0, 0, 1, 0), green = four(1, 0, 1, 0);
    styles = {
        {"Default", current, 1},
        {"Black outline", paint(false, none, true, black, 1), 1},
        {"Red fill", paint(true, red, false, none, 0), 1},
        {"Blue outline", paint(false, none, true, blue, 2), 1},
        {"Yellow on black", paint(true, yellow, true, black, 0.5f), 1},
        {"Green half", paint(true, green, false, none, 0), 0.5f},
    };
}

}  // namespace kelvo::doc
