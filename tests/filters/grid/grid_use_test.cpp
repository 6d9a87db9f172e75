// One use of the filter from the user's side: the first-use grid, the preview protocol of OK,
// Go and Cancel, and what the dialog remembers from one opening to the next.
#include "grid_host_fixture.h"

namespace kelvo::testing {
namespace {

class GridUseTest : public GridHostTest {};

// Lower edges of the up boxes and left edges of the across boxes, relative to the area.
std::vector<float> expectedOffsets(float length, float thickness, int count) {
    std::vector<float> offsets;
    const float spacing = (length - thickness) / static_cast<float>(count - 1);
    for (int i = 0; i < count; ++i) offsets.push_back(spacing * static_cast<float>(i));
    return offsets;
}

TEST_F(GridUseTest, FirstUseFillsTheDefinitionBoxWithEightRowsAndColumnsAndDeletesThePath) {
    const doc::ArtId definition = addDefinitionRect();
    ASSERT_EQ(use({}), kResultOk);

    EXPECT_EQ(host.document().find(definition), nullptr);
    const auto elements = paths();
    ASSERT_EQ(elements.size(), 16u);
    const auto rows = expectedOffsets(kHeight, 4.0f, 8);
    const auto columns = expectedOffsets(kWidth, 4.0f, 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const doc::Rect row = boundsOf(*elements[i]);
        EXPECT_NEAR(row.bottom, kBottom + rows[i], 1e-3);
        EXPECT_NEAR(row.top, kBottom + rows[i] + 4.0f, 1e-3);
        EXPECT_FLOAT_EQ(row.left, kLeft);
        EXPECT_FLOAT_EQ(row.right, kLeft + kWidth);
        const doc::Rect column = boundsOf(*elements[8 + i]);
        EXPECT_NEAR(column.left, kLeft + columns[i], 1e-3);
        EXPECT_NEAR(column.right, kLeft + columns[i] + 4.0f, 1e-3);
        EXPECT_FLOAT_EQ(column.bottom, kBottom);
        EXPECT_FLOAT_EQ(column.top, kBottom + kHeight);
        // Link gives the columns the rows' Ignore modes: every element keeps the current style.
        EXPECT_EQ(elements[i]->style, host.document().currentStyle());
        EXPECT_EQ(elements[8 + i]->style, host.document().currentStyle());
        EXPECT_TRUE(elements[i]->closed);
        EXPECT_FALSE(elements[i]->guide);
    }
    EXPECT_EQ(globals().gatheredArt, nullptr);
    EXPECT_EQ(globals().gatheredCount, -1);
}

TEST_F(GridUseTest, WithoutSelectionTheGridFillsFourHundredPointsAboveTwoHundred) {
    ASSERT_EQ(use({}), kResultOk);
    const auto elements = paths();
    ASSERT_EQ(elements.size(), 16u);
    EXPECT_EQ(boundsOf(*elements.front()), (doc::Rect{0, 204, 400, 200}));
    EXPECT_EQ(boundsOf(*elements.back()), (doc::Rect{396, 600, 400, 200}));
}

TEST_F(GridUseTest, FirstSelectedObjectDefinesTheAreaAndEverySelectedObjectIsDeleted) {
    const doc::ArtId first = addSelectedRect(0, 0, 100, 50);
    const doc::ArtId second = addDefinitionRect();
    ASSERT_EQ(use({}), kResultOk);
    EXPECT_EQ(host.document().find(first), nullptr);
    EXPECT_EQ(host.document().find(second), nullptr);
    EXPECT_EQ(boundsOf(*paths().back()), (doc::Rect{96, 50, 100, 0}));
}

TEST_F(GridUseTest, SelectedCompoundPathIsDeletedOnceWithItsChildren) {
    doc::Document& d = host.document();
    doc::ArtId compound = 0, inner = 0, outer = 0;
    ASSERT_EQ(d.newArt(doc::ArtKind::compound, doc::Placement::aboveAll, 0, &compound), doc::Status::ok);
    ASSERT_EQ(d.newRect(kLeft, kBottom, kLeft + kWidth, kBottom + kHeight, false, &outer), doc::Status::ok);
    ASSERT_EQ(d.newRect(150, 450, 200, 500, false, &inner), doc::Status::ok);
    ASSERT_EQ(d.move(outer, doc::Placement::insideOnTop, compound), doc::Status::ok);
    ASSERT_EQ(d.move(inner, doc::Placement::insideOnTop, compound), doc::Status::ok);
    ASSERT_EQ(d.setSelected(compound, true), doc::Status::ok);

    ASSERT_EQ(use({}), kResultOk);
    EXPECT_EQ(d.find(compound), nullptr);
    ASSERT_EQ(paths().size(), 16u);
    EXPECT_FLOAT_EQ(boundsOf(*paths().back()).right, kLeft + kWidth);
}

TEST_F(GridUseTest, OkWithPreviewKeepsThePreviewAndOkWithoutPreviewDrawsOnce) {
    addDefinitionRect();
    ASSERT_EQ(dialog({uncheck("Delete definition path [after OK]")}), kResultOk);
    std::vector<doc::ArtId> previewed;
    for (const doc::Art* art : paths()) previewed.push_back(art->id);
    ASSERT_EQ(previewed.size(), 17u);  // the definition path and the preview
    ASSERT_EQ(loader.go(filter()), kResultOk);
    std::vector<doc::ArtId> kept;
    for (const doc::Art* art : paths()) kept.push_back(art->id);
    EXPECT_EQ(kept, previewed);

    ASSERT_EQ(use({uncheck("Preview")}), kResultOk);
    // The stale preview of the dialog's first run is undone by the Go, which draws once.
    EXPECT_EQ(paths().size(), 17u + 16u);
}

TEST_F(GridUseTest, CancelAfterPreviewsLeavesDocumentAndRecordAsBefore) {
    addDefinitionRect();
    ASSERT_EQ(dialog({uncheck("Delete definition path [after OK]")}), kResultOk);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    const std::string document = host.document().debugDump();
    const std::vector<unsigned char> bytes = recordBytes();

    EXPECT_EQ(dialog({set("Number of lines", 12), click("Shuffle"), click("82"), choose("35", "1"), click("Tumble"),
                      preset(" 16 x 16 grid"), set("20", 150), cancel()}),
              kResultCancelled);
    EXPECT_TRUE(driver.failure().empty()) << driver.failure();
    EXPECT_EQ(host.document().debugDump(), document);
    EXPECT_EQ(recordBytes(), bytes);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(globals().gatheredArt, nullptr);
    EXPECT_EQ(globals().gatheredCount, -1);
}

TEST_F(GridUseTest, NextOpeningShowsTheLastPageDirectionAndPosition) {
    ASSERT_EQ(dialog({uncheck("Link"), choose("40", " Across"), set("Number of lines", 11), click("83")}),
              kResultOk);
    const KvIntRect saved = record().dialogBounds;
    EXPECT_EQ(record().dialogBoundsSaved, 1);
    EXPECT_EQ(record().page, 4);
    EXPECT_EQ(record().lineCount[kGridAcross], 11);
    EXPECT_EQ(record().lineCount[kGridUp], 8);

    ASSERT_EQ(dialog({}), kResultOk);
    EXPECT_EQ(shown[40].selected, kGridAcross);
    EXPECT_EQ(shown[4].intValue, 11);
    EXPECT_TRUE(shown[56].visible);
    EXPECT_FALSE(shown[4].visible);
    EXPECT_EQ(shown[87].font, kFontCaption);
    EXPECT_EQ(shown[84].font, kFontNormal);
    EXPECT_EQ(shownBounds.left, saved.left);
    EXPECT_EQ(shownBounds.top, saved.top);
    EXPECT_EQ(shownBounds.right - shownBounds.left, 400);
    EXPECT_EQ(shownBounds.bottom - shownBounds.top, 255);
}

TEST_F(GridUseTest, FailedPreviewIsDrawnAgainAndReportedByGo) {
    addDefinitionRect();
    ASSERT_EQ(host.document().setLayerLocked(host.document().currentLayer(), true), doc::Status::ok);
    ASSERT_EQ(dialog({click("Shuffle")}), kResultOk);
    EXPECT_EQ(record().previewDrawn, 0);
    EXPECT_EQ(loader.go(filter()), kResultLayerLocked);
    ASSERT_FALSE(driver.transcript().empty());
    EXPECT_EQ(driver.transcript().back().kind, "error");
    EXPECT_EQ(globals().gatheredArt, nullptr);
    EXPECT_EQ(globals().gatheredCount, -1);
}

TEST_F(GridUseTest, GoRepeatedWithoutTheDialogGathersTheSelectionAfresh) {
    addDefinitionRect();
    ASSERT_EQ(use({uncheck("Delete definition path [after OK]")}), kResultOk);
    addSelectedRect(0, 0, 50, 50);
    ASSERT_EQ(host.document().setSelected(paths().front()->id, false), doc::Status::ok);
    ASSERT_EQ(loader.go(filter()), kResultOk);
    EXPECT_EQ(boundsOf(*paths().back()), (doc::Rect{46, 50, 50, 0}));
}

}  // namespace
}  // namespace kelvo::testing
