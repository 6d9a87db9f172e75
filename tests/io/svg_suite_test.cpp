// The public SVG test documents (../shared/svg-suite): every one imports without a crash, and
// those using only what we support render like their reference PNG.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "io/io.h"

namespace {

namespace fs = std::filesystem;
using kelvo::io::Image;

const fs::path kSuite = KELVO_SVG_SUITE;

std::vector<std::string> suiteFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSuite))
        if (entry.path().extension() == ".svg") files.push_back(fs::relative(entry.path(), kSuite).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

// Pixels as 8-bit RGB over white, the way a viewer shows a transparent PNG.
struct Rgb8 {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
};

Rgb8 overWhite(const std::uint32_t* pixels, int width, int height, int stride) {
    Rgb8 out{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = pixels[static_cast<std::size_t>(y) * stride + x];  // premultiplied ARGB
            int a = p >> 24;
            std::uint8_t* o = &out.rgb[(static_cast<std::size_t>(y) * width + x) * 3];
            o[0] = static_cast<std::uint8_t>(((p >> 16) & 0xFF) + 255 - a);
            o[1] = static_cast<std::uint8_t>(((p >> 8) & 0xFF) + 255 - a);
            o[2] = static_cast<std::uint8_t>((p & 0xFF) + 255 - a);
        }
    return out;
}

Rgb8 loadReference(const fs::path& png) {
    cairo_surface_t* surface = cairo_image_surface_create_from_png(png.c_str());
    Rgb8 out;
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_t* argb = surface;
        if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32) {
            argb = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface),
                                              cairo_image_surface_get_height(surface));
            cairo_t* cr = cairo_create(argb);
            cairo_set_source_surface(cr, surface, 0, 0);
            cairo_paint(cr);
            cairo_destroy(cr);
        }
        cairo_surface_flush(argb);
        out = overWhite(reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(argb)),
                        cairo_image_surface_get_width(argb), cairo_image_surface_get_height(argb),
                        cairo_image_surface_get_stride(argb) / 4);
        if (argb != surface) cairo_surface_destroy(argb);
    }
    cairo_surface_destroy(surface);
    return out;
}

// The comparison: a pixel differs when one of its channels is more than kChannelTolerance
// off (edges antialiased by two renderers differ by less than that over most of their width);
// a document matches when at most kDifferingShare of its pixels differ. Both renderings are
// composited over white first. A missing or misplaced shape, a wrong colour or a wrong
// opacity changes far more than 1 % of a 500 × 500 image (the smallest test shapes cover
// several percent).
constexpr int kChannelTolerance = 64;
constexpr double kDifferingShare = 0.01;

struct Comparison {
    bool sizeMatches = false;
    double differingShare = 1;
};

Comparison compare(const Rgb8& ours, const Rgb8& reference) {
    Comparison result;
    if (ours.width != reference.width || ours.height != reference.height) return result;
    result.sizeMatches = true;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < ours.rgb.size(); i += 3) {
        int worst = 0;
        for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(ours.rgb[i + c] - reference.rgb[i + c]));
        if (worst > kChannelTolerance) ++differing;
    }
    result.differingShare = static_cast<double>(differing) / (ours.rgb.size() / 3);
    return result;
}

// Documents we do not render like the reference, with the reason.
const std::map<std::string, std::string> kUnsupported = {
};

TEST(SvgSuite, EveryDocumentImportsWithoutCrashing) {
    auto files = suiteFiles();
    ASSERT_EQ(files.size(), 474u);
    for (const auto& file : files) {
        std::vector<std::string> warnings;
        try {
            auto document = kelvo::io::importSvgFile((kSuite / file).string(), &warnings);
            EXPECT_NE(document, nullptr) << file;
        } catch (const kelvo::io::Error& error) {
            // A document we cannot read at all is a clear one-line error naming it.
            std::string message = error.what();
            EXPECT_NE(message.find(fs::path(file).filename().string()), std::string::npos) << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

TEST(SvgSuite, SupportedDocumentsMatchTheirReference) {
    bool survey = std::getenv("KELVO_SUITE_SURVEY") != nullptr;
    std::vector<std::string> failures;
    for (const auto& file : suiteFiles()) {
        bool unsupported = kUnsupported.count(file) != 0;
        if (unsupported && !survey) continue;
        std::string result;
        try {
            auto document = kelvo::io::importSvgFile((kSuite / file).string(), nullptr);
            fs::path png = kSuite / file;
            png.replace_extension(".png");
            Rgb8 reference = loadReference(png);
            // The reference shows 2.5 pixels per user unit; our page is in points, so render
            // at the reference's width.
            Image image = kelvo::io::renderImage(*document, 72.0 * reference.width / document->width());
            Rgb8 ours = overWhite(image.pixels.data(), image.width, image.height, image.width);
            if (survey && std::getenv("KELVO_SUITE_DUMP"))
                kelvo::io::writeDocument(*document, "/tmp/io_dump_" + fs::path(file).stem().string() + ".png",
                                         72.0 * reference.width / document->width());
            Comparison comparison = compare(ours, reference);
            if (!comparison.sizeMatches) result = "size " + std::to_string(image.width) + "x" + std::to_string(image.height);
            else if (comparison.differingShare > kDifferingShare)
                result = std::to_string(comparison.differingShare * 100) + " % of the pixels differ";
        } catch (const kelvo::io::Error& error) {
            result = error.what();
        }
        if (survey) std::printf("SURVEY %s %s %s\n", unsupported ? "U" : "S", result.empty() ? "ok" : "FAIL", (file + ": " + result).c_str());
        else if (!result.empty()) failures.push_back(file + ": " + result);
    }
    std::string list;
    for (const auto& failure : failures) list += "\n  " + failure;
    EXPECT_TRUE(failures.empty()) << failures.size() << " documents differ from their reference:" << list;
}

TEST(SvgSuite, UnsupportedTableNamesRealDocuments) {
    for (const auto& [file, reason] : kUnsupported) {
        EXPECT_TRUE(fs::exists(kSuite / file)) << file;
        EXPECT_FALSE(reason.empty()) << file;
    }
}

}  // namespace
