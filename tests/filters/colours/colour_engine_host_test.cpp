// Chromble's engine through the real host: what a use does to the selected paths, mode by
// mode and option by option, the factors from path to path, the gathered list, and the
// guards that keep every run finite and every failure visible.
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "colour_host_fixture.h"

namespace kelvo::testing {
namespace {

void expectChannels(const doc::Colour& actual, const doc::Colour& expected, float tolerance = 1e-6f) {
    EXPECT_EQ(actual.kind, expected.kind);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(actual.channel[i], expected.channel[i], tolerance) << "channel " << i;
}

bool inUnitRange(const doc::Colour& colour) {
    for (float channel : colour.channel)
        if (!(channel >= 0.0f && channel <= 1.0f)) return false;
    return true;
}

// The first use: " Fill + Random" at 10 % adds r · 0.1 to every channel of each selected fill,
// one draw per channel, the topmost path first. Nothing else changes.
TEST_F(ColourHostTest, FirstUseAddsARandomTenthToEverySelectedFillChannel) {
    const doc::PathStyle style = paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1));
    const std::vector<doc::ArtId> selected = addSquares(3, style);
    const doc::ArtId unselected = addSquare(style, false, 400);
    std::vector<std::vector<doc::Segment>> geometry;
    for (doc::ArtId id : selected) geometry.push_back(art(id).segments);

    ASSERT_EQ(use({}), kResultOk);

    host::Random replica(kSeed);
    for (auto id = selected.rbegin(); id != selected.rend(); ++id) {
        SCOPED_TRACE(*id);
        doc::Colour expected = style.fill;
        for (float& channel : expected.channel) channel += replica.draw() * 0.1f;
        expectChannels(styleOf(*id).fill, expected);
        EXPECT_EQ(styleOf(*id).stroke, style.stroke);
        EXPECT_EQ(styleOf(*id).strokeWidth, 2.0f);
        EXPECT_EQ(art(*id).opacity, 1.0f);
        EXPECT_EQ(art(*id).blendMode, 0);
    }
    for (std::size_t i = 0; i < selected.size(); ++i) EXPECT_EQ(art(selected[i]).segments, geometry[i]);
    EXPECT_EQ(styleOf(unselected), style);
    EXPECT_EQ(host.random().draw(), replica.draw()) << "one preview, twelve draws, and Go kept it";
}

// Fill modes change the fill and stroke modes the stroke of every kind of colour; the other
// colour stays, and every channel ends within 0 ... 1. The swatch modes take a colour of the
// swatch list at positions 2 to 15, or leave the colour when the draw names position 16.
TEST_F(ColourHostTest, EveryModeChangesOnlyItsOwnColour) {
    const std::vector<doc::PathStyle> styles = {
        paint(fourColour(.2f, .3f, .4f, .5f), fourColour(.5f, .4f, .3f, .2f)),
        paint(threeColour(.2f, .3f, .4f), threeColour(.6f, .5f, .4f)),
        paint(grayColour(.3f), grayColour(.6f)),
    };
    std::vector<doc::Colour> swatches;
    for (const doc::Swatch& swatch : host.document().swatches()) swatches.push_back(swatch.colour);

    for (int m = 0; m < kColourModeCount; ++m) {
        SCOPED_TRACE("mode " + std::to_string(m));
        host.setDocument(std::make_unique<doc::Document>());
        std::vector<doc::ArtId> ids;
        for (const doc::PathStyle& style : styles) ids.push_back(addSquare(style));
        ASSERT_EQ(use({mode(m)}), kResultOk);

        const bool stroke = m >= kFirstStrokeMode;
        const bool swatchMode = m == 13 || m == 27;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const doc::PathStyle& now = styleOf(ids[i]);
            const doc::Colour& target = stroke ? now.stroke : now.fill;
            const doc::Colour& before = stroke ? styles[i].stroke : styles[i].fill;
            EXPECT_EQ(stroke ? now.fill : now.stroke, stroke ? styles[i].fill : styles[i].stroke) << "kind " << i;
            EXPECT_TRUE(inUnitRange(target)) << "kind " << i;
            if (swatchMode) {
                bool fromList = false;
                for (std::size_t s = 2; s < swatches.size(); ++s) fromList = fromList || target == swatches[s];
                EXPECT_TRUE(fromList || target == before) << "kind " << i;
            } else {
                EXPECT_NE(target, before) << "kind " << i;
            }
        }
    }
}

// "Add To" adds the factor itself, so the factors show in the result: each object visited
// (topmost first) multiplies them by the path factor raised to the number of objects before it.
TEST_F(ColourHostTest, PathFactorCompoundsFromTheTopmostPathDown) {
    struct Case {
        float pathFactor;
        std::vector<float> topFirst;  // the gray each fill of 0 gets
    };
    const Case cases[] = {
        {100, {.4f, .4f, .4f, .4f}},
        {50, {.4f, .2f, .05f, .4f / 64}},
        {-50, {.4f, 0, 0, .4f / 64}},  // the sign turns with every odd power
        {0, {.4f, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pathFactor);
        host.setDocument(std::make_unique<doc::Document>());
        const std::vector<doc::ArtId> ids = addSquares(4, paint(grayColour(0), grayColour(1)));
        ASSERT_EQ(use({mode(10), set("7", 40), set("9", c.pathFactor)}), kResultOk);
        for (std::size_t k = 0; k < ids.size(); ++k) {
            EXPECT_NEAR(styleOf(ids[ids.size() - 1 - k]).fill.channel[0], c.topFirst[k], 1e-6) << "object " << k;
        }
    }
}

// A selected compound path is one object: its members are not visited again, yet their turns
// still advance the multiplier. Bottom to top: square, compound path of two, square.
TEST_F(ColourHostTest, CompoundPathIsRecolouredOnceAndItsMembersStillCount) {
    const doc::PathStyle style = paint(grayColour(0), grayColour(1));
    const doc::ArtId bottom = addSquare(style);
    const doc::ArtId compound = addCompound(style, 2);
    const doc::ArtId top = addSquare(style);

    ASSERT_EQ(use({mode(10), set("7", 40), set("9", 50)}), kResultOk);
    EXPECT_NEAR(styleOf(top).fill.channel[0], .4f, 1e-6);
    EXPECT_NEAR(styleOf(compound).fill.channel[0], .4f / 8, 1e-6) << "two dropped members advanced m";
    for (doc::ArtId member : art(compound).children) EXPECT_EQ(styleOf(member), styleOf(compound));
    EXPECT_NEAR(styleOf(bottom).fill.channel[0], .4f / 128, 1e-6);
}

TEST_F(ColourHostTest, CompoundPathTakesTheDrawsOfOneObject) {
    const doc::PathStyle style = paint(fourColour(.1f, .1f, .1f, .1f), fourColour(0, 0, 0, 1));
    addCompound(style, 3);
    addSquare(style);
    ASSERT_EQ(use({}), kResultOk);
    host::Random replica(kSeed);
    for (int i = 0; i < 8; ++i) replica.draw();
    EXPECT_EQ(host.random().draw(), replica.draw()) << "two objects of four channels";
}

// The range test looks at the fill whatever the mode; a failing object keeps everything, its
// opacity included. Fills the test does not know pass it and keep their paint under the
// channel modes.
TEST_F(ColourHostTest, RangeTestDecidesWhichObjectsChange) {
    const int gradient = host.document().addPaintServer(doc::PaintServer{"g", "<linearGradient id=\"g\"/>",
                                                                         fourColour(0, 0, 0, .5f)});
    ASSERT_GE(gradient, 0);
    struct Object {
        doc::Colour fill;
        bool passes;  // "Range" 0 to 50
    };
    const Object objects[] = {
        {grayColour(.3f), true},
        {grayColour(.8f), false},
        {fourColour(.25f, .5f, .75f, .5f), true},  // mean .5: on the bound
        {fourColour(.5f, .5f, .75f, .5f), false},
        {threeColour(.15f, .15f, .15f), true},     // against 50 / 255
        {threeColour(.6f, .6f, .6f), false},
        {doc::Colour{doc::kGradient, {0, 0, 0, 0}, gradient}, true},
    };
    struct Case {
        const char* name;
        std::vector<Action> script;
        bool inverted;  // low above high: only the untested kinds change
    };
    const Case cases[] = {
        {"range 0 to 50", {set("11", 50)}, false},
        {"range 60 to 40", {set("10", 60), set("11", 40)}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.setDocument(std::make_unique<doc::Document>());
        ASSERT_EQ(host.document().addPaintServer(doc::PaintServer{"g", "<linearGradient id=\"g\"/>",
                                                                  fourColour(0, 0, 0, .5f)}),
                  gradient);
        std::vector<doc::ArtId> ids;
        for (const Object& object : objects) ids.push_back(addSquare(paint(object.fill, grayColour(1))));
        std::vector<Action> script = c.script;
        script.push_back(click("82"));
        script.push_back(check("Opacity [R]"));
        ASSERT_EQ(use(script), kResultOk);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const bool untested = objects[i].fill.kind == doc::kGradient;
            const bool changes = untested || (objects[i].passes && !c.inverted);
            EXPECT_EQ(art(ids[i]).opacity != 1.0f, changes) << "object " << i;
            const bool fillKept = untested || !changes;
            EXPECT_EQ(styleOf(ids[i]).fill == objects[i].fill, fillKept) << "object " << i;
        }
    }
}

// An object the range test skips still takes the draws of the mode (four), of "Width [R]" and
// of "Apply [R]", but none for its opacity or blending mode, and keeps everything.
TEST_F(ColourHostTest, SkippedObjectsTakeTheModeWidthAndApplyDrawsOnly) {
    addSquares(3, paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1)));
    ASSERT_EQ(dialog({cancel()}), kResultCancelled);  // the record, at its first-use values
    record().rangeLow = 60;
    record().rangeHigh = 40;
    record().randomWidth = record().randomApply = record().randomOpacity = record().randomBlend = 1;
    const std::string before = host.document().debugDump();
    host::Random replica = host.random();

    ASSERT_EQ(use({}), kResultOk);  // one preview, kept by the Go
    for (int i = 0; i < 3 * 6; ++i) replica.draw();
    EXPECT_EQ(host.random().draw(), replica.draw());
    EXPECT_EQ(host.document().debugDump(), before);
}

// The colour options, on top of " Fill Percentage" at 100 %, which leaves four-colour
// channels as they are: only the option shows.
TEST_F(ColourHostTest, ColourOptionsNegateOrAverageAfterTheMode) {
    struct Case {
        int option;
        doc::Colour fill, stroke;
    };
    const doc::Colour fill = fourColour(.1f, .2f, .3f, .6f), stroke = fourColour(.8f, .4f, 0, 0);
    const Case cases[] = {
        {0, fill, stroke},
        {1, fourColour(.9f, .8f, .7f, .4f), stroke},
        {2, fill, fourColour(.2f, .6f, 1, 1)},
        {3, fourColour(.3f, .3f, .3f, .3f), stroke},
        {4, fill, fourColour(.3f, .3f, .3f, .3f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        host.setDocument(std::make_unique<doc::Document>());
        const doc::ArtId id = addSquare(paint(fill, stroke));
        ASSERT_EQ(use({mode(9), set("4", 100), set("5", 100), set("6", 100), set("7", 100), option(c.option)}),
                  kResultOk);
        expectChannels(styleOf(id).fill, c.fill);
        expectChannels(styleOf(id).stroke, c.stroke);
    }
}

TEST_F(ColourHostTest, InterpolateMixesTheNewPaintIntoTheOld) {
    const std::pair<float, float> cases[] = {{100, .5f}, {50, .45f}, {25, .425f}, {0, .4f}};
    for (const auto& [interpolate, expected] : cases) {
        SCOPED_TRACE(interpolate);
        host.setDocument(std::make_unique<doc::Document>());
        const doc::ArtId id = addSquare(paint(grayColour(.4f), grayColour(1)));
        ASSERT_EQ(use({mode(10), set("8", interpolate)}), kResultOk);
        EXPECT_NEAR(styleOf(id).fill.channel[0], expected, 1e-6);
    }
}

// The random options, one at a time, on twenty four-colour squares.
TEST_F(ColourHostTest, RandomOptionsVaryTheirPropertyFromObjectToObject) {
    struct Case {
        const char* option;
        std::function<void(ColourHostTest&, const std::vector<doc::ArtId>&, const doc::PathStyle&)> expect;
    };
    const Case cases[] = {
        {"Width [R]",
         [](ColourHostTest& t, const std::vector<doc::ArtId>& ids, const doc::PathStyle&) {
             std::set<float> widths;
             for (doc::ArtId id : ids) widths.insert(t.styleOf(id).strokeWidth);
             EXPECT_GT(widths.size(), 10u);
             EXPECT_GE(*widths.begin(), 0.0f);
             EXPECT_LT(*widths.rbegin(), 2.0f);
         }},
        {"Opacity [R]",
         [](ColourHostTest& t, const std::vector<doc::ArtId>& ids, const doc::PathStyle&) {
             std::set<float> opacities;
             for (doc::ArtId id : ids) opacities.insert(t.art(id).opacity);
             EXPECT_GT(opacities.size(), 10u);
             EXPECT_GE(*opacities.begin(), 0.0f);
             EXPECT_LT(*opacities.rbegin(), 1.0f);
         }},
        {"Blend [R]",
         [](ColourHostTest& t, const std::vector<doc::ArtId>& ids, const doc::PathStyle&) {
             std::set<int> modes;
             for (doc::ArtId id : ids) modes.insert(t.art(id).blendMode);
             EXPECT_GT(modes.size(), 4u);
             EXPECT_GE(*modes.begin(), 0);
             EXPECT_LE(*modes.rbegin(), 15);
         }},
        {"Style [R]",  // graphic styles 1 to 5; only "Green half" (5) leaves an opacity behind
         [](ColourHostTest& t, const std::vector<doc::ArtId>& ids, const doc::PathStyle& before) {
             std::set<float> opacities;
             for (doc::ArtId id : ids) {
                 opacities.insert(t.art(id).opacity);
                 EXPECT_NE(t.styleOf(id).fill, before.fill) << "the recoloured paint stands over the style";
                 EXPECT_TRUE(t.styleOf(id).fillPaint && t.styleOf(id).strokePaint);
             }
             EXPECT_EQ(opacities, (std::set<float>{0.5f, 1.0f}));
         }},
        {"Apply [R]",
         [](ColourHostTest& t, const std::vector<doc::ArtId>& ids, const doc::PathStyle& before) {
             int kept = 0;
             for (doc::ArtId id : ids) kept += t.styleOf(id) == before;
             EXPECT_GT(kept, 2);
             EXPECT_LT(kept, 18);
         }},
        {"Symbolize",
         [](ColourHostTest& t, const std::vector<doc::ArtId>& ids, const doc::PathStyle&) {
             for (doc::ArtId id : ids) EXPECT_EQ(t.art(id).kind, doc::ArtKind::symbolInstance);
             EXPECT_EQ(t.host.document().symbols().size(), ids.size());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        host.setDocument(std::make_unique<doc::Document>());
        const doc::PathStyle before = paint(fourColour(.2f, .3f, .4f, .5f), fourColour(0, 0, 0, 1));
        const std::vector<doc::ArtId> ids = addSquares(20, before);
        ASSERT_EQ(use({preset(" Reset"), check(c.option)}), kResultOk);
        c.expect(*this, ids, before);
    }
}

// ---- Guards.

// A path factor of 200 % over forty objects takes the factors far past the float range; they
// saturate, so a zero channel stays zero and every channel stays finite and within range.
TEST_F(ColourHostTest, FactorsThatOutgrowFloatsSaturate) {
    struct Case {
        int mode;
        float pathFactor;
        doc::Colour fill;
    };
    const Case cases[] = {
        {9, 200, fourColour(0, 0, 0, 0)},   // x · f with x = 0 and f past the float range
        {0, -200, fourColour(.5f, .5f, .5f, .5f)},
        {7, 200, threeColour(0, .5f, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        host.setDocument(std::make_unique<doc::Document>());
        const std::vector<doc::ArtId> ids = addSquares(40, paint(c.fill, fourColour(0, 0, 0, 1)));
        ASSERT_EQ(use({mode(c.mode), set("9", c.pathFactor)}), kResultOk);
        for (const auto& shown : driver.transcript()) EXPECT_NE(shown.kind, "error");
        for (doc::ArtId id : ids) {
            EXPECT_TRUE(inUnitRange(styleOf(id).fill)) << id;
            if (c.mode == 9) {
                EXPECT_EQ(styleOf(id).fill, c.fill) << id;
            }
        }
    }
}

// Positions 0 and 1 are never taken; a draw naming the position one past the end, or a list
// without position 2, leaves the colour and its paint flag as they were.
TEST_F(ColourHostTest, SwatchModesLeaveTheColourWhenThePositionIsOutsideTheList) {
    const doc::Colour magenta = fourColour(0, 1, 0, 0);
    struct Case {
        std::vector<doc::Swatch> swatches;
        bool someReplaced, someKept;
    };
    const Case cases[] = {
        {{{"[None]", fourColour(0, 0, 0, 0)}, {"[Registration]", fourColour(1, 1, 1, 1)}, {"Magenta", magenta}},
         true, true},
        {{{"[None]", fourColour(0, 0, 0, 0)}, {"[Registration]", fourColour(1, 1, 1, 1)}}, false, true},
        {{}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.swatches.size());
        host.setDocument(std::make_unique<doc::Document>());
        ASSERT_EQ(host.document().setSwatches(c.swatches), doc::Status::ok);
        doc::PathStyle style = paint(grayColour(.3f), grayColour(.3f));
        style.fillPaint = false;
        const std::vector<doc::ArtId> ids = addSquares(20, style);
        ASSERT_EQ(use({mode(13)}), kResultOk);
        int replaced = 0, kept = 0;
        for (doc::ArtId id : ids) {
            const doc::PathStyle& now = styleOf(id);
            if (now == style) ++kept;
            else if (now.fill == magenta && now.fillPaint) ++replaced;
        }
        EXPECT_EQ(replaced + kept, 20);
        EXPECT_EQ(replaced > 0, c.someReplaced);
        EXPECT_EQ(kept > 0, c.someKept);
    }
}

// A run that fails (a symbol cannot be made in a locked layer) ends with its host result: a
// failed preview is not kept as a result, and the Go after OK recolours again and shows the
// failure. Every failure releases the gathered list.
TEST_F(ColourHostTest, FailingRunReportsItsResultAndReleasesTheList) {
    addSquares(3, paint(grayColour(.3f), grayColour(1)));
    ASSERT_EQ(host.document().setLayerLocked(host.document().layers().front(), true), doc::Status::ok);

    ASSERT_EQ(dialog({click("82"), check("Symbolize")}), kResultOk);
    EXPECT_EQ(record().previewDrawn, 0) << "the failed preview is not a result";
    EXPECT_EQ(gathered().count, -1);
    EXPECT_EQ(loader.go(filter()), kResultLayerLocked);
    ASSERT_FALSE(driver.transcript().empty());
    EXPECT_EQ(driver.transcript().back().kind, "error");
    EXPECT_EQ(driver.transcript().back().lines,
              (std::vector<std::string>{"The filter cannot complete because a layer is locked or invisible.", "SEGM"}));
    const GatheredList list = gathered();
    EXPECT_EQ(list.handle, nullptr);
    EXPECT_EQ(list.count, -1);
}

// The list lives from the dialog's opening to the end of the Go, or to Cancel.
TEST_F(ColourHostTest, GatheredListIsHeldFromOpeningToGoOrCancel) {
    const GatheredList atStart = gathered();
    EXPECT_EQ(atStart.handle, nullptr);
    EXPECT_EQ(atStart.count, -1);

    addSquares(2, paint(grayColour(.3f), grayColour(1)));
    addCompound(paint(grayColour(.3f), grayColour(1)), 2);
    ASSERT_EQ(dialog({}), kResultOk);
    const GatheredList held = gathered();
    ASSERT_NE(held.handle, nullptr);
    EXPECT_EQ(held.count, 5) << "two squares, the compound path and its two members (dropped, not removed)";

    ASSERT_EQ(loader.go(filter()), kResultOk);
    const GatheredList afterGo = gathered();
    EXPECT_EQ(afterGo.handle, nullptr);
    EXPECT_EQ(afterGo.count, -1);
    EXPECT_EQ(host.handleSize(static_cast<KvMemHandle>(held.handle)), -1) << "its memory went back to the host";

    ASSERT_EQ(dialog({set("4", 30)}), kResultOk);
    ASSERT_EQ(dialog({set("4", 40), cancel()}), kResultCancelled) << "reopening before Go gathers afresh";
    const GatheredList afterCancel = gathered();
    EXPECT_EQ(afterCancel.handle, nullptr);
    EXPECT_EQ(afterCancel.count, -1);
}

// A selected envelope is gathered, but it has no path style of its own: nothing is written back
// as its paint, while its opacity still varies, and the run succeeds. Its source path counts as
// selected with it and is recoloured through its own entry.
TEST_F(ColourHostTest, EnvelopeWithoutPathStyleStillTakesTheOtherOptions) {
    const doc::PathStyle style = paint(grayColour(.3f), grayColour(1));
    const doc::ArtId source = addSquare(style, false, 100, 100);
    const doc::ArtId shape = addSquare(style, false, 90, 90);
    doc::Document& d = host.document();
    std::vector<doc::Segment> larger;
    for (doc::Point p : {doc::Point{80, 160}, doc::Point{160, 160}, doc::Point{160, 80}, doc::Point{80, 80}})
        larger.push_back(doc::Segment{p, p, p, true});
    ASSERT_EQ(d.setAllSegments(shape, larger), doc::Status::ok);
    doc::ArtId envelope = 0;
    ASSERT_EQ(d.makeEnvelope(source, shape, &envelope), doc::Status::ok);
    ASSERT_EQ(d.setSelected(envelope, true), doc::Status::ok);
    const doc::ArtId square = addSquare(style);

    ASSERT_EQ(use({click("82"), check("Opacity [R]")}), kResultOk);
    EXPECT_NE(styleOf(source).fill, style.fill);
    EXPECT_NE(art(envelope).opacity, 1.0f);
    EXPECT_NE(styleOf(square).fill, style.fill) << "the path beside it is recoloured";
    for (const auto& shown : driver.transcript()) EXPECT_NE(shown.kind, "error");
}

// Nothing selected: the run has nothing to change and succeeds.
TEST_F(ColourHostTest, EmptySelectionChangesNothing) {
    const doc::ArtId id = addSquare(paint(grayColour(.3f), grayColour(1)), false);
    const std::string before = host.document().debugDump();
    ASSERT_EQ(use({click("Shuffle")}), kResultOk);
    EXPECT_EQ(host.document().debugDump(), before);
    EXPECT_EQ(styleOf(id).fill, grayColour(.3f));
}

}  // namespace
}  // namespace kelvo::testing
