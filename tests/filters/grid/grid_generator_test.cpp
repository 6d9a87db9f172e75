// The grid generator through the host: element shapes, the skip/create walk, spacing, shifts,
// Link, skew and curve, and the limits that keep odd record values from breaking a run.
#include <cmath>

#include "grid_host_fixture.h"

namespace kelvo::testing {
namespace {

class GridGeneratorTest : public GridHostTest {
protected:
    void SetUp() override {
        GridHostTest::SetUp();
        addDefinitionRect();
    }

    // The up elements of the last use: those whose bounds span the whole area width.
    std::vector<const doc::Art*> rows() {
        std::vector<const doc::Art*> found;
        for (const doc::Art* art : paths()) {
            const doc::Rect r = boundsOf(*art);
            if (r.right - r.left > kWidth - 10.0f && r.top - r.bottom < kHeight - 10.0f) found.push_back(art);
        }
        return found;
    }
};

struct ShapeCase {
    const char* entry;
    std::size_t segments;
    bool guide;
    bool smooth;  // direction points off the anchors
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.entry; }

class GridShapeTest : public GridGeneratorTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(GridShapeTest, EachShapeMakesSeparateClosedElements) {
    const ShapeCase& c = GetParam();
    ASSERT_EQ(use({choose("39", c.entry)}), kResultOk);
    const auto elements = paths();
    ASSERT_EQ(elements.size(), 16u);
    for (const doc::Art* element : elements) {
        EXPECT_EQ(element->parent, host.document().currentLayer());
        EXPECT_EQ(element->segments.size(), c.segments);
        EXPECT_TRUE(element->closed);
        EXPECT_EQ(element->guide, c.guide);
        EXPECT_EQ(element->segments[0].out != element->segments[0].anchor, c.smooth);
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, GridShapeTest,
                         ::testing::Values(ShapeCase{" Box", 4, false, false}, ShapeCase{" Line", 2, false, false},
                                           ShapeCase{" Oval", 4, false, true}, ShapeCase{" Guide", 2, true, false}));

TEST_F(GridGeneratorTest, LinesAreStrokedWithTheThicknessAndReachAcrossTheOtherDirectionsThickness) {
    ASSERT_EQ(use({choose("39", " Line"), uncheck("Link"), set("Line thickness (p)", 6), choose("40", " Across"),
                   set("Line thickness (p)", 10)}),
              kResultOk);
    const auto elements = paths();
    ASSERT_EQ(elements.size(), 16u);
    const doc::Art& firstRow = *elements[0];
    EXPECT_TRUE(firstRow.style.strokePaint);
    EXPECT_FLOAT_EQ(firstRow.style.strokeWidth, 6.0f);
    EXPECT_EQ(firstRow.segments[0].anchor, (doc::Point{kLeft - 5.0f, kBottom}));
    EXPECT_EQ(firstRow.segments[1].anchor, (doc::Point{kLeft + kWidth - 5.0f, kBottom}));
    const doc::Art& lastColumn = *elements[15];
    EXPECT_FLOAT_EQ(lastColumn.style.strokeWidth, 10.0f);
    // Lines are centred on their positions: the last column stands thickness / 2 inside.
    EXPECT_NEAR(lastColumn.segments[0].anchor.x, kLeft + kWidth - 10.0f, 1e-3);
    EXPECT_EQ(lastColumn.segments[0].anchor.y, kBottom - 3.0f);
    EXPECT_EQ(lastColumn.segments[1].anchor.y, kBottom + kHeight - 3.0f);
}

// Up rows as (offset of the lower edge from the area's bottom, height).
struct RowsCase {
    const char* name;
    std::vector<Action> script;
    std::vector<std::pair<float, float>> rows;
};

void PrintTo(const RowsCase& c, std::ostream* os) { *os << c.name; }

class GridRowsTest : public GridGeneratorTest, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(GridRowsTest, RowsStandWhereTheWalkSpacingAndShiftPutThem) {
    const RowsCase& c = GetParam();
    ASSERT_EQ(use(c.script), kResultOk);
    ASSERT_TRUE(driver.failure().empty()) << driver.failure();
    const auto found = rows();
    ASSERT_EQ(found.size(), c.rows.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        const doc::Rect r = boundsOf(*found[i]);
        EXPECT_NEAR(r.bottom - kBottom, c.rows[i].first, 1e-3);
        EXPECT_NEAR(r.top - r.bottom, c.rows[i].second, 1e-3);
    }
}

// Spacing over 200 points: (200 - 4 - alternate of the last position) / (positions - 1).
INSTANTIATE_TEST_SUITE_P(
    Walks, GridRowsTest,
    ::testing::Values(
        // Skip 1 create 1 grows 8 positions to 9; elements at 0, 2, 4, 6, 8.
        RowsCase{"SkipOne", {set("Skip", 1)}, {{0, 4}, {49, 4}, {98, 4}, {147, 4}, {196, 4}}},
        // Create 2 skip 2 over 4 positions: C C S S grows to 5 with the fifth created.
        RowsCase{"CreateTwoSkipTwo",
                 {set("Number of lines", 4), set("Skip", 2), set("Create", 2)},
                 {{0, 4}, {49, 4}, {196, 4}}},
        RowsCase{"Shift", {set("Number of lines", 3), set("Shift (p)", 10)}, {{0, 4}, {108, 4}, {196, 4}}},
        RowsCase{"ShiftRatio",
                 {set("Number of lines", 4), set("Shift (p)", 5), check("Shift ratio")},
                 {{0, 4}, {196.0f / 3 + 5, 4}, {392.0f / 3 + 10, 4}, {196, 4}}},
        // Odd positions carry the alternate thickness; with 4 positions the last one does.
        RowsCase{"Alternate",
                 {set("Number of lines", 4), set("Alternate line thickness (p)", 2)},
                 {{0, 4}, {194.0f / 3, 6}, {388.0f / 3, 4}, {194, 6}}},
        // Thickness 4 with alternate -5 leaves the odd positions flat.
        RowsCase{"AlternateFloor",
                 {set("Number of lines", 3), set("Alternate line thickness (p)", -5)},
                 {{0, 4}, {98, 0}, {196, 4}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridGeneratorTest, JitterMovesInnerPositionsByADrawnSignAndFraction) {
    ASSERT_EQ(seededUse({set("Number of lines", 5), set("Shift (p)", 8), check("Jitter shift [R]")}, 99), kResultOk);
    host::Random draws(99);
    const auto found = rows();
    ASSERT_EQ(found.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        float expected = 49.0f * static_cast<float>(i);
        if (i != 0 && i != 4) {
            const float sign = draws.draw() <= 0.5f ? 1.0f : -1.0f;
            expected += draws.draw() * 8.0f * sign;
        }
        EXPECT_NEAR(boundsOf(*found[i]).bottom - kBottom, expected, 1e-3) << i;
    }
}

TEST_F(GridGeneratorTest, LinkRepeatsTheUpSettingsIncludingRandomFactors) {
    ASSERT_EQ(use({check("Settings [R]"), set("Number of lines", 30), set("Line thickness (p)", 20)}), kResultOk);
    const auto elements = paths();
    ASSERT_EQ(elements.size() % 2, 0u);
    const std::size_t half = elements.size() / 2;
    const doc::Rect row = boundsOf(*elements[0]);
    const doc::Rect column = boundsOf(*elements[half]);
    EXPECT_NEAR(row.top - row.bottom, column.right - column.left, 1e-4);
    EXPECT_FLOAT_EQ(column.left, kLeft);
    EXPECT_NEAR(boundsOf(*elements[half - 1]).top, kBottom + kHeight, 1e-3);
    EXPECT_NEAR(boundsOf(*elements.back()).right, kLeft + kWidth, 1e-3);
}

TEST_F(GridGeneratorTest, SkewZeroPullsEveryAnchorOntoTheOrigin) {
    ASSERT_EQ(use({check("55"), set("Skew (%)", 0)}), kResultOk);
    for (const doc::Art* element : paths()) {
        for (const doc::Segment& s : element->segments) {
            EXPECT_LT(std::abs(s.anchor.x), 0.5f);
            EXPECT_LT(std::abs(s.anchor.y), 0.7f);
            EXPECT_EQ(s.in, s.anchor);
            EXPECT_EQ(s.out, s.anchor);
        }
    }
}

TEST_F(GridGeneratorTest, SkewScalesAnchorsByTheirPlaceInTheArea) {
    ASSERT_EQ(use({uncheck("Link"), check("55"), set("Skew (%)", 50), choose("40", " Across"), set("Skew (%)", 200)}),
              kResultOk);
    // The top right corner of the top row sits at (1, 1) of the area: x × 0.5, y × 2.
    const doc::Segment& corner = paths()[7]->segments[1];
    EXPECT_NEAR(corner.anchor.x, (kLeft + kWidth) * 0.5f, 1e-2);
    EXPECT_NEAR(corner.anchor.y, (kBottom + kHeight) * 2.0f, 1e-2);
}

TEST_F(GridGeneratorTest, CurveMovesTheDirectionPointsOfTheFirstFourSegments) {
    ASSERT_EQ(use({set("Curve (p)", 5)}), kResultOk);
    const auto elements = paths();
    const doc::Segment& upFirst = elements[0]->segments[0];
    EXPECT_EQ(upFirst.in, (doc::Point{upFirst.anchor.x - 5, upFirst.anchor.y - 5}));
    EXPECT_EQ(upFirst.out, (doc::Point{upFirst.anchor.x + 5, upFirst.anchor.y + 5}));
    const doc::Segment& upSecond = elements[0]->segments[1];
    EXPECT_EQ(upSecond.in, (doc::Point{upSecond.anchor.x + 5, upSecond.anchor.y + 5}));
    const doc::Segment& acrossFirst = elements[8]->segments[0];
    EXPECT_EQ(acrossFirst.in, (doc::Point{acrossFirst.anchor.x + 5, acrossFirst.anchor.y + 5}));
    EXPECT_EQ(acrossFirst.out, (doc::Point{acrossFirst.anchor.x - 5, acrossFirst.anchor.y - 5}));
}

TEST_F(GridGeneratorTest, RandomOpacityGivesEachElementADraw) {
    // No page shows "Opacity [R]"; a record that holds it still works.
    ASSERT_EQ(dialog({uncheck("Preview")}), kResultOk);
    record().randomOpacity[kGridUp] = 1;
    record().link = 0;
    host.seed(5);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    host::Random draws(5);
    const auto elements = paths();
    ASSERT_EQ(elements.size(), 16u);
    for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(elements[i]->opacity, draws.draw()) << i;
    EXPECT_EQ(elements[8]->opacity, 1.0f);
}

// Record values that no user can type, from pick buttons, Tumble or an old record.
struct OddValueCase {
    const char* name;
    std::vector<Action> script;
    std::size_t rows;
};

void PrintTo(const OddValueCase& c, std::ostream* os) { *os << c.name; }

class GridOddValueTest : public GridGeneratorTest, public ::testing::WithParamInterface<OddValueCase> {};

TEST_P(GridOddValueTest, RunsEndWithFiniteGeometry) {
    const OddValueCase& c = GetParam();
    ASSERT_EQ(use(c.script), kResultOk);
    ASSERT_TRUE(driver.failure().empty()) << driver.failure();
    EXPECT_EQ(paths().size(), 2 * c.rows);
    for (const doc::Art* element : paths()) {
        for (const doc::Segment& s : element->segments) {
            for (float v : {s.anchor.x, s.anchor.y, s.in.x, s.in.y, s.out.x, s.out.y}) EXPECT_TRUE(std::isfinite(v));
        }
        EXPECT_GE(element->style.strokeWidth, 0.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, GridOddValueTest,
    ::testing::Values(
        // trunc(15) / 10 = 1 line: the run uses 3.
        OddValueCase{"OneLine", {pick("100", 15)}, 3},
        // A negative skip would never let the walk end: it counts as 0.
        OddValueCase{"NegativeSkip", {pick("103", -50)}, 8},
        // Create 0 counts as 1.
        OddValueCase{"NoCreate", {pick("104", 5)}, 8},
        // More lines than a grid holds: 200.
        OddValueCase{"ManyLines", {pick("100", 9000)}, 200},
        // A negative thickness draws lines of width 0 instead of failing.
        OddValueCase{"NegativeLineThickness", {choose("39", " Line"), pick("101", -100)}, 8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridGeneratorTest, FlatDefinitionPathSkewsOnlyTheAxisWithExtent) {
    for (const doc::Art* art : paths()) ASSERT_EQ(host.document().setSelected(art->id, false), doc::Status::ok);
    doc::ArtId flat = 0;
    ASSERT_EQ(host.document().newArt(doc::ArtKind::path, doc::Placement::aboveAll, 0, &flat), doc::Status::ok);
    ASSERT_EQ(host.document().setSegments(flat, 0,
                                          {{{100, 300}, {100, 300}, {100, 300}}, {{400, 300}, {400, 300}, {400, 300}}}),
              doc::Status::ok);
    ASSERT_EQ(host.document().setSelected(flat, true), doc::Status::ok);

    ASSERT_EQ(use({check("55"), set("Skew (%)", 50)}), kResultOk);
    const auto elements = paths();
    ASSERT_EQ(elements.size(), 1u + 16u);  // the first rectangle was not selected
    for (std::size_t i = 1; i < elements.size(); ++i) {
        for (const doc::Segment& s : elements[i]->segments) {
            EXPECT_TRUE(std::isfinite(s.anchor.x) && std::isfinite(s.anchor.y));
        }
    }
}

}  // namespace
}  // namespace kelvo::testing
