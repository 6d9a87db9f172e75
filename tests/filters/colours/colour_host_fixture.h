// Chromble loaded through the real loader into a real host, with a headless user working its
// dialog, a document of selected paths to recolour, and helpers for reading them back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "colour_params.h"
#include "filter_host_fixture.h"

namespace kelvo::testing {

inline constexpr uint64_t kSeed = 7;

inline doc::Colour fourColour(float c, float m, float y, float k) { return {doc::kFour, {c, m, y, k}, 0}; }
inline doc::Colour threeColour(float r, float g, float b) { return {doc::kThree, {r, g, b, 0}, 0}; }
inline doc::Colour grayColour(float g) { return {doc::kGray, {g, 0, 0, 0}, 0}; }

inline doc::PathStyle paint(const doc::Colour& fill, const doc::Colour& stroke, float width = 2) {
    doc::PathStyle style;
    style.fill = fill;
    style.stroke = stroke;
    style.strokeWidth = width;
    return style;
}

// The list the engine keeps in the plug-in globals block, as the globals hold it.
struct GatheredList {
    void* handle;
    intptr_t count;
};

class ColourHostTest : public FilterHostTest<ColourParams> {
public:
    ColourHostTest() : FilterHostTest("KV07_Chromble", kSeed) {}

    // The list in the globals block, read the way the host holds it across an unload.
    GatheredList gathered() {
        return readGlobals([](const void* block) {
            const auto* globals = static_cast<const intptr_t*>(block);
            return GatheredList{reinterpret_cast<void*>(globals[4]), globals[5]};
        });
    }

    // ---- The document.

    // A closed 40 x 40 square at (x, y) in the current layer, top of the stacking order.
    doc::ArtId addSquare(const doc::PathStyle& style, bool selected = true, float x = 100, float y = 100) {
        doc::Document& d = host.document();
        doc::ArtId id = 0;
        EXPECT_EQ(d.newArt(doc::ArtKind::path, doc::Placement::aboveAll, 0, &id), doc::Status::ok);
        fillSquare(id, style, x, y);
        if (selected) {
            EXPECT_EQ(d.setSelected(id, true), doc::Status::ok);
        }
        return id;
    }

    // A compound path of `members` squares; only the compound path is selected.
    doc::ArtId addCompound(const doc::PathStyle& style, int members) {
        doc::Document& d = host.document();
        doc::ArtId compound = 0;
        EXPECT_EQ(d.newArt(doc::ArtKind::compound, doc::Placement::aboveAll, 0, &compound), doc::Status::ok);
        for (int i = 0; i < members; ++i) {
            doc::ArtId member = 0;
            EXPECT_EQ(d.newArt(doc::ArtKind::path, doc::Placement::insideOnTop, compound, &member), doc::Status::ok);
            fillSquare(member, style, 300.0f + 50.0f * static_cast<float>(i), 300);
        }
        EXPECT_EQ(d.setSelected(compound, true), doc::Status::ok);
        return compound;
    }

    // `count` selected squares in a row, all with `style`, bottom first.
    std::vector<doc::ArtId> addSquares(int count, const doc::PathStyle& style) {
        std::vector<doc::ArtId> ids;
        for (int i = 0; i < count; ++i) ids.push_back(addSquare(style, true, 20.0f + 12.0f * static_cast<float>(i)));
        return ids;
    }

    void fillSquare(doc::ArtId id, const doc::PathStyle& style, float x, float y) {
        doc::Document& d = host.document();
        std::vector<doc::Segment> corners;
        for (doc::Point p : {doc::Point{x, y + 40}, doc::Point{x + 40, y + 40}, doc::Point{x + 40, y}, doc::Point{x, y}})
            corners.push_back(doc::Segment{p, p, p, true});
        EXPECT_EQ(d.setAllSegments(id, corners), doc::Status::ok);
        EXPECT_EQ(d.setClosed(id, true), doc::Status::ok);
        EXPECT_EQ(d.setStyle(id, style), doc::Status::ok);
    }

    const doc::Art& art(doc::ArtId id) {
        const doc::Art* found = host.document().find(id);
        EXPECT_NE(found, nullptr) << "art " << id;
        static const doc::Art kMissing;
        return found != nullptr ? *found : kMissing;
    }
    const doc::PathStyle& styleOf(doc::ArtId id) {
        const doc::PathStyle* style = host.document().pathStyle(id);
        EXPECT_NE(style, nullptr) << "art " << id;
        static const doc::PathStyle kNone;
        return style != nullptr ? *style : kNone;
    }

    // ---- The user's actions on the mode and option lists.
    static Action mode(int index) { return choose("41", std::to_string(index)); }
    static Action option(int index) { return choose("42", std::to_string(index)); }
};

}  // namespace kelvo::testing
