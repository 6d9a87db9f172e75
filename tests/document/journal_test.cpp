// The undo journal: random command sequences undone must give back the document exactly.
#include "document/document.h"

#include <gtest/gtest.h>

#include <random>

namespace kelvo::doc {
namespace {

class RandomEditor {
public:
    RandomEditor(Document& doc, unsigned seed) : doc_(doc), rng_(seed) {}

    // One random change; many are refused (wrong kinds, locked layers), which is part of the test.
    void step() {
        std::vector<ArtId> all, layers = doc_.layers();
        doc_.forEach([&](const Art& a) { all.push_back(a.id); });
        auto any = [&] { return all[pick(all.size())]; };
        auto layer = [&] { return layers[pick(layers.size())]; };
        auto placement = [&] { return static_cast<Placement>(1 + pick(6)); };
        ArtId out = 0;
        switch (pick(27)) {
        case 0: doc_.newArt(static_cast<ArtKind>(1 + pick(3)), placement(), any(), &out); break;
        case 1: doc_.newRect(real(), real(), real(), real(), coin(), &out); break;
        case 2: doc_.newOval(real(), real(), real(), real(), coin(), &out); break;
        case 3: doc_.dispose(any()); break;
        case 4: doc_.duplicate(any(), placement(), any(), &out); break;
        case 5: doc_.move(any(), placement(), any()); break;
        case 6: {
            ArtId p = any();
            const Art* a = doc_.find(p);
            std::size_t count = a ? a->segments.size() : 0;
            doc_.setSegments(p, pick(count + 1), segments(1 + pick(3)));
            break;
        }
        case 7: doc_.setAllSegments(any(), segments(pick(6))); break;
        case 8: doc_.setClosed(any(), coin()); break;
        case 9: doc_.setGuide(any(), coin()); break;
        case 10: doc_.setStyle(any(), style()); break;
        case 11: doc_.setOpacity(any(), unit()); break;
        case 12: doc_.setBlendMode(any(), static_cast<int>(pick(16))); break;
        case 13: doc_.setSelected(any(), coin()); break;
        case 14: doc_.setName(any(), "n" + std::to_string(pick(100))); break;
        case 15:
            doc_.setTag(any(), "t" + std::to_string(pick(3)),
                        coin() ? std::optional<std::string>{std::to_string(pick(9))} : std::nullopt);
            break;
        case 16: doc_.transform(any(), Matrix{real() / 50, real() / 50, real() / 50, real() / 50, real(), real()}, unit()); break;
        case 17: doc_.applyGraphicStyle(any(), static_cast<int>(pick(7))); break;
        case 18: doc_.insertLayer(coin() ? 0 : layer(), placement(), &out); break;
        case 19:
            doc_.setCurrentLayer(layer());
            doc_.setLayerLocked(layer(), pick(4) == 0);
            doc_.setLayerHidden(layer(), pick(5) == 0);
            break;
        case 20: {
            int symbol = 0;
            doc_.newSymbolFromArt(any(), &symbol);
            break;
        }
        case 21: {
            ArtId shape = 0;
            if (doc_.newRect(real(), real(), real(), real(), false, &shape) == Status::ok)
                doc_.makeEnvelope(any(), shape, &out);
            break;
        }
        case 22: {
            std::vector<ArtId> envelopes;
            for (ArtId id : all)
                if (doc_.find(id)->kind == ArtKind::envelope) envelopes.push_back(id);
            if (!envelopes.empty())
                doc_.setWarp(envelopes[pick(envelopes.size())],
                             Warp{static_cast<int>(1 + pick(15)), unit() * 2 - 1, unit() * 2 - 1, unit() * 2 - 1, coin()});
            break;
        }
        case 23:
            if (pick(4) == 0) doc_.dispose(layer());
            break;
        case 24:
        case 25: doc_.newArt(static_cast<ArtKind>(1 + pick(3)), Placement::insideOnTop, any(), &out); break;
        case 26: doc_.duplicate(any(), Placement::insideOnBottom, any(), &out); break;
        }
    }

private:
    std::size_t pick(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool coin() { return pick(2) == 1; }
    float real() { return std::uniform_real_distribution<float>(-300, 300)(rng_); }
    float unit() { return std::uniform_real_distribution<float>(0, 1)(rng_); }
    std::vector<Segment> segments(std::size_t n) {
        std::vector<Segment> s(n);
        for (Segment& seg : s) seg = Segment{{real(), real()}, {real(), real()}, {real(), real()}, coin()};
        return s;
    }
    PathStyle style() {
        PathStyle s;
        s.fillPaint = coin();
        s.strokePaint = coin();
        s.fill = Colour{static_cast<int>(pick(2)) == 0 ? kFour : kThree, {unit(), unit(), unit(), unit()}, 0};
        s.stroke = Colour{kGray, {unit(), 0, 0, 0}, 0};
        s.strokeWidth = unit() * 5;
        return s;
    }

    Document& doc_;
    std::mt19937 rng_;
};

std::vector<ArtId> liveIds(const Document& doc) {
    std::vector<ArtId> ids;
    doc.forEach([&](const Art& a) { ids.push_back(a.id); });
    return ids;
}

class JournalRandom : public ::testing::TestWithParam<unsigned> {};

TEST_P(JournalRandom, UndoRestoresTheDocumentExactly) {
    Document doc;
    RandomEditor editor(doc, GetParam());
    for (int i = 0; i < 150; ++i) editor.step();  // outside a command: not journaled
    EXPECT_EQ(doc.journalSize(), 0u);
    const std::string before = doc.debugDump();
    const std::vector<ArtId> existing = liveIds(doc);
    std::vector<const Art*> addresses;
    for (ArtId id : existing) addresses.push_back(doc.find(id));

    doc.beginCommand();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        for (int i = 0; i < 200; ++i) editor.step();
        EXPECT_NE(doc.debugDump(), before);
        doc.undo();
        ASSERT_EQ(doc.debugDump(), before);
        EXPECT_EQ(doc.journalSize(), 0u);
        for (std::size_t i = 0; i < existing.size(); ++i) EXPECT_EQ(doc.find(existing[i]), addresses[i]);
    }
    // Changes committed with the command stay; a later undo has nothing to revert.
    for (int i = 0; i < 50; ++i) editor.step();
    const std::string committed = doc.debugDump();
    doc.commitCommand();
    EXPECT_FALSE(doc.commandOpen());
    doc.undo();
    EXPECT_EQ(doc.debugDump(), committed);
}

INSTANTIATE_TEST_SUITE_P(Seeds, JournalRandom, ::testing::Values(1u, 2u, 3u, 17u, 99u, 2024u));

TEST(Journal, UndoRevertsOnlySinceTheLastUndo) {
    Document doc;
    ArtId a = 0, b = 0;
    doc.beginCommand();
    ASSERT_EQ(doc.newRect(0, 0, 1, 1, false, &a), Status::ok);
    doc.undo();
    EXPECT_EQ(doc.find(a), nullptr);
    const std::string empty = doc.debugDump();
    ASSERT_EQ(doc.newRect(0, 0, 2, 2, false, &b), Status::ok);
    EXPECT_GT(b, a);  // ids are not reused, even after an undo
    ASSERT_EQ(doc.setOpacity(b, 0.5f), Status::ok);
    doc.undo();
    EXPECT_EQ(doc.debugDump(), empty);
    doc.undo();  // nothing changed: nothing happens
    EXPECT_EQ(doc.debugDump(), empty);
    EXPECT_TRUE(doc.commandOpen());
}

TEST(Journal, AppendingSegmentByPointKeepsTheJournalSmall) {
    Document doc;
    doc.beginCommand();
    ArtId p = 0;
    ASSERT_EQ(doc.newArt(ArtKind::path, Placement::aboveAll, 0, &p), Status::ok);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(doc.setSegments(p, static_cast<std::size_t>(i), {Segment{{float(i), 0}, {}, {}, false}}), Status::ok);
    EXPECT_LE(doc.journalSize(), 2u);
    // A replacement inside what the path held before the splice run is still journaled.
    ArtId q = 0;
    ASSERT_EQ(doc.newRect(0, 0, 1, 1, false, &q), Status::ok);
    doc.commitCommand();
    const std::string before = doc.debugDump();
    doc.beginCommand();
    for (int i = 0; i < 3; ++i) ASSERT_EQ(doc.setSegments(q, 4 + static_cast<std::size_t>(i), {Segment{}}), Status::ok);
    ASSERT_EQ(doc.setSegments(q, 2, {Segment{}, Segment{}}), Status::ok);
    ASSERT_EQ(doc.setSegments(q, 0, {Segment{}}), Status::ok);
    doc.undo();
    EXPECT_EQ(doc.debugDump(), before);
}

}  // namespace
}  // namespace kelvo::doc
