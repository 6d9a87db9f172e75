#include "cli/options.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <regex>
#include <sstream>

namespace kelvo::cli {

namespace {

double number(const std::string& text, const std::string& what) {
    double value = 0;
    std::string trimmed = text;
    while (!trimmed.empty() && trimmed.front() == ' ') trimmed.erase(trimmed.begin());
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size() || !std::isfinite(value))
        throw UsageError(what + ": \"" + text + "\" is not a number");
    return value;
}

std::vector<std::string> splitNumbers(const std::string& body) {
    std::vector<std::string> parts;
    std::stringstream stream(body);
    std::string part;
    while (std::getline(stream, part, ',')) parts.push_back(part);
    return parts;
}

std::pair<std::string, std::string> splitAt(const std::string& text, char separator, const std::string& option) {
    auto at = text.find(separator);
    if (at == std::string::npos || at == 0)
        throw UsageError(option + " needs ITEM" + separator + "VALUE, not \"" + text + "\"");
    return {text.substr(0, at), text.substr(at + 1)};
}

toolkit::Action action(toolkit::Action::Kind kind, std::string item, std::string value = "") {
    return toolkit::Action::make(kind, std::move(item), std::move(value));
}

}  // namespace

Paint parsePaint(const std::string& text) {
    Paint paint;
    if (text == "none") {
        paint.none = true;
        return paint;
    }
    std::smatch match;
    auto channels = [&](const std::string& body, std::size_t count, double limit, const std::string& what) {
        auto parts = splitNumbers(body);
        if (parts.size() != count) throw UsageError("colour \"" + text + "\": " + what + " needs " + std::to_string(count) + " numbers");
        std::vector<float> values;
        for (const auto& part : parts) {
            double value = number(part, "colour \"" + text + "\"");
            if (value < 0 || value > limit)
                throw UsageError("colour \"" + text + "\": channels lie between 0 and " + std::to_string(static_cast<int>(limit)));
            values.push_back(static_cast<float>(value / limit));
        }
        return values;
    };
    if (std::regex_match(text, match, std::regex("#([0-9a-fA-F]{6})"))) {
        unsigned value = std::stoul(match[1].str(), nullptr, 16);
        paint.colour = doc::Colour{doc::kThree,
                                   {((value >> 16) & 255) / 255.0f, ((value >> 8) & 255) / 255.0f, (value & 255) / 255.0f, 0}, 0};
    } else if (std::regex_match(text, match, std::regex("rgb\\((.*)\\)"))) {
        auto v = channels(match[1].str(), 3, 255, "rgb()");
        paint.colour = doc::Colour{doc::kThree, {v[0], v[1], v[2], 0}, 0};
    } else if (std::regex_match(text, match, std::regex("cmyk\\((.*)\\)"))) {
        auto v = channels(match[1].str(), 4, 1, "cmyk()");
        paint.colour = doc::Colour{doc::kFour, {v[0], v[1], v[2], v[3]}, 0};
    } else if (std::regex_match(text, match, std::regex("gray\\((.*)\\)"))) {
        auto v = channels(match[1].str(), 1, 1, "gray()");
        paint.colour = doc::Colour{doc::kGray, {v[0], 0, 0, 0}, 0};
    } else {
        throw UsageError("colour \"" + text + "\" is none of #rrggbb, rgb(r, g, b), cmyk(c, m, y, k), gray(g), none");
    }
    return paint;
}

std::vector<doc::Swatch> readPalette(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw UsageError(path + ": cannot be read");
    std::string line;
    if (!std::getline(in, line) || line.rfind("GIMP Palette", 0) != 0)
        throw UsageError(path + ":1: not a GIMP palette (it must begin with \"GIMP Palette\")");
    std::vector<doc::Swatch> swatches;
    int lineNumber = 1;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        std::string first;
        if (!(fields >> first) || first[0] == '#' || first.rfind("Name:", 0) == 0 || first.rfind("Columns:", 0) == 0)
            continue;
        int r = 0, g = 0, b = 0;
        std::istringstream numbers(line);
        if (!(numbers >> r >> g >> b) || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
            throw UsageError(path + ":" + std::to_string(lineNumber) + ": expected three levels 0 to 255 and a name");
        std::string name;
        std::getline(numbers, name);
        while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.erase(name.begin());
        swatches.push_back(doc::Swatch{name.empty() ? "Swatch " + std::to_string(swatches.size() + 1) : name,
                                       doc::Colour{doc::kThree, {r / 255.0f, g / 255.0f, b / 255.0f, 0}, 0}});
    }
    return swatches;
}

RunOptions parseRunOptions(const std::vector<std::string>& arguments, bool describe) {
    RunOptions options;
    using Kind = toolkit::Action::Kind;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        std::string value;
        bool inlineValue = false;
        if (argument.rfind("--", 0) == 0) {
            if (auto equals = argument.find('='); equals != std::string::npos) {
                value = argument.substr(equals + 1);
                argument = argument.substr(0, equals);
                inlineValue = true;
            }
        }
        auto takeValue = [&]() {
            if (inlineValue) return value;
            if (i + 1 >= arguments.size()) throw UsageError(argument + " needs a value");
            return arguments[++i];
        };
        auto flag = [&]() {
            if (inlineValue) throw UsageError(argument + " takes no value");
        };

        if (argument.empty() || argument[0] != '-' || argument == "-") {
            if (!options.name.empty()) throw UsageError("unexpected argument \"" + argument + "\"");
            options.name = argument;
            continue;
        }
        if (describe && argument == "--presets") {
            flag();
            options.presets = true;
            continue;
        }
        if (describe) throw UsageError("unknown option " + argument + " for describe");

        if (argument == "--set") {
            auto [item, v] = splitAt(takeValue(), '=', "--set");
            options.actions.push_back({action(Kind::setValue, item, v), false, {}});
        } else if (argument == "--check" || argument == "--uncheck") {
            options.actions.push_back({action(argument == "--check" ? Kind::check : Kind::uncheck, takeValue()), false, {}});
        } else if (argument == "--choose") {
            auto [item, v] = splitAt(takeValue(), '=', "--choose");
            options.actions.push_back({action(Kind::choose, item, v), false, {}});
        } else if (argument == "--preset") {
            options.actions.push_back({action(Kind::choose, "", takeValue()), true, {}});
        } else if (argument == "--click") {
            options.actions.push_back({action(Kind::click, takeValue()), false, {}});
        } else if (argument == "--tumble" || argument == "--shuffle") {
            flag();
            options.actions.push_back({action(Kind::click, argument == "--tumble" ? "Tumble" : "Shuffle"), false, {}});
        } else if (argument == "--pick") {
            auto [item, point] = splitAt(takeValue(), '=', "--pick");
            auto parts = splitNumbers(point);
            if (parts.size() != 2) throw UsageError("--pick needs ITEM=X,Y, not \"" + item + "=" + point + "\"");
            doc::Point at{static_cast<float>(number(parts[0], "--pick")), static_cast<float>(number(parts[1], "--pick"))};
            options.actions.push_back({action(Kind::pick, item), false, at});
        } else if (argument == "--in") {
            options.input = takeValue();
        } else if (argument == "-o" || argument == "--output") {
            options.output = takeValue();
        } else if (argument == "--select") {
            options.select = takeValue();
        } else if (argument == "--seed") {
            std::string text = takeValue();
            uint64_t seed = 0;
            auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
            if (text.empty() || error != std::errc() || end != text.data() + text.size())
                throw UsageError("--seed: \"" + text + "\" is not a whole number");
            options.seed = seed;
        } else if (argument == "--fill") {
            options.fill = parsePaint(takeValue());
        } else if (argument == "--stroke") {
            options.stroke = parsePaint(takeValue());
        } else if (argument == "--stroke-width") {
            double width = number(takeValue(), "--stroke-width");
            if (width < 0 || width > 10000) throw UsageError("--stroke-width lies between 0 and 10000");
            options.strokeWidth = static_cast<float>(width);
        } else if (argument == "--colour-model") {
            std::string model = takeValue();
            if (model == "gray") options.colourModel = 0;
            else if (model == "rgb") options.colourModel = 1;
            else if (model == "cmyk") options.colourModel = 2;
            else throw UsageError("--colour-model is gray, rgb or cmyk, not \"" + model + "\"");
        } else if (argument == "--swatches") {
            options.swatches = takeValue();
        } else if (argument == "--dpi") {
            options.dpi = number(takeValue(), "--dpi");
            if (options.dpi <= 0 || options.dpi > 2400) throw UsageError("--dpi lies between 1 and 2400");
        } else if (argument == "--cancel") {
            flag();
            options.cancel = true;
        } else {
            throw UsageError("unknown option " + argument + " (kelvo --help)");
        }
    }
    if (options.name.empty()) throw UsageError(std::string(describe ? "describe" : "run") + " needs a filter name");
    if (!describe && options.output.empty()) throw UsageError("run needs an output: -o FILE (.svg, .json, .pdf, .png) or -o -");
    return options;
}

}  // namespace kelvo::cli
