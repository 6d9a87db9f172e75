// Parsing of `kelvo run` and `kelvo describe` arguments, kept in the order given.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/document.h"
#include "toolkit/toolkit.h"

namespace kelvo::cli {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A dialog action of the command line; --pick carries an artwork point the host converts.
struct DialogAction {
    toolkit::Action action;
    bool preset = false;           // --preset: the list whose first entry is " Reset"
    std::optional<doc::Point> pickAt;
};

// A paint given on the command line: a colour, or none.
struct Paint {
    bool none = false;
    doc::Colour colour;
};

struct RunOptions {
    std::string name;
    std::vector<DialogAction> actions;
    std::string input, output, select;
    std::optional<uint64_t> seed;
    std::optional<Paint> fill, stroke;
    std::optional<float> strokeWidth;
    std::optional<int> colourModel;
    std::string swatches;
    double dpi = 72;
    bool cancel = false;
    bool presets = false;  // describe: list the preset entries
};

// Throws UsageError with a one-line reason.
RunOptions parseRunOptions(const std::vector<std::string>& arguments, bool describe);
Paint parsePaint(const std::string& text);
// A GIMP palette's colours (three-colour), with their names.
std::vector<doc::Swatch> readPalette(const std::string& path);

}  // namespace kelvo::cli
