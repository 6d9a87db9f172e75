// The suite pointers every plug-in holds while a host call runs, and the five suite tables.
#include <iterator>

#include "plugin.h"

const KvBlocksSuite* sBlocks;
const KvAccessSuite* sAccess;
const KvMemorySuite* sMemory;
const KvMathSuite* sMath;
const KvArtSuite* sArt;
const KvUserSuite* sUser;
const KvDocumentSuite* sDocument;
const KvViewSuite* sView;
const KvUndoSuite* sUndo;
const KvMatchingSuite* sMatching;
const KvPathSuite* sPath;
const KvPathStyleSuite* sPathStyle;
const KvRandomSuite* sRandom;
const KvTagSuite* sTag;
const KvBlendSuite* sBlend;
const KvTransformSuite* sTransform;
const KvLayerSuite* sLayer;
const KvShapeSuite* sShape;
const KvEnvelopeSuite* sEnvelope;
const KvBezierSuite* sBezier;
const KvArtStyleSuite* sArtStyle;
const KvSymbolSuite* sSymbol;
const KvSwatchSuite* sSwatch;
const KvMenuSuite* sMenu;
const KvFilterSuite* sFilter;
const KvDialogBasicSuite* sDialogBasic;
const KvDialogSuite* sDialog;
const KvItemSuite* sItem;
const KvIconSuite* sIcon;
const KvNotifierSuite* sNotifier;
const KvListSuite* sList;
const KvEntrySuite* sEntry;
const KvTrackerSuite* sTracker;

#define ROW(name, pointer) {name, name##Version, reinterpret_cast<const void**>(&(pointer))}

namespace {

// Rows shared by all five tables, in order, up to the suites whose position differs.
#define HEAD_ROWS                                                                      \
    ROW(kKvBlocksSuite, sBlocks), ROW(kKvAccessSuite, sAccess), ROW(kKvMemorySuite, sMemory), \
        ROW(kKvMathSuite, sMath), ROW(kKvArtSuite, sArt), ROW(kKvUserSuite, sUser),   \
        ROW(kKvDocumentSuite, sDocument), ROW(kKvViewSuite, sView), ROW(kKvUndoSuite, sUndo)

// Rows shared by all five tables after the swatch list.
#define TAIL_ROWS                                                                                        \
    ROW(kKvMenuSuite, sMenu), ROW(kKvFilterSuite, sFilter), ROW(kKvDialogBasicSuite, sDialogBasic),     \
        ROW(kKvDialogSuite, sDialog), ROW(kKvItemSuite, sItem), ROW(kKvIconSuite, sIcon),               \
        ROW(kKvNotifierSuite, sNotifier), ROW(kKvListSuite, sList), ROW(kKvEntrySuite, sEntry),         \
        ROW(kKvTrackerSuite, sTracker)

const SuiteTableEntry kEdgesRows[] = {
    HEAD_ROWS,
    ROW(kKvMatchingSuite, sMatching), ROW(kKvPathSuite, sPath), ROW(kKvPathStyleSuite, sPathStyle),
    ROW(kKvRandomSuite, sRandom), ROW(kKvTagSuite, sTag), ROW(kKvBlendSuite, sBlend),
    ROW(kKvTransformSuite, sTransform), ROW(kKvLayerSuite, sLayer), ROW(kKvShapeSuite, sShape),
    ROW(kKvEnvelopeSuite, sEnvelope), ROW(kKvSwatchSuite, sSwatch),
    TAIL_ROWS,
};

const SuiteTableEntry kLinesRows[] = {
    HEAD_ROWS,
    ROW(kKvPathSuite, sPath), ROW(kKvPathStyleSuite, sPathStyle), ROW(kKvRandomSuite, sRandom),
    ROW(kKvTagSuite, sTag), ROW(kKvBlendSuite, sBlend), ROW(kKvMatchingSuite, sMatching),
    ROW(kKvShapeSuite, sShape), ROW(kKvTransformSuite, sTransform), ROW(kKvBezierSuite, sBezier),
    ROW(kKvSwatchSuite, sSwatch),
    TAIL_ROWS,
};

const SuiteTableEntry kGridRows[] = {
    HEAD_ROWS,
    ROW(kKvPathSuite, sPath), ROW(kKvPathStyleSuite, sPathStyle), ROW(kKvRandomSuite, sRandom),
    ROW(kKvTagSuite, sTag), ROW(kKvBlendSuite, sBlend), ROW(kKvMatchingSuite, sMatching),
    ROW(kKvShapeSuite, sShape), ROW(kKvTransformSuite, sTransform), ROW(kKvSwatchSuite, sSwatch),
    TAIL_ROWS,
};

const SuiteTableEntry kSpiralRows[] = {
    HEAD_ROWS,
    ROW(kKvMatchingSuite, sMatching), ROW(kKvPathSuite, sPath), ROW(kKvPathStyleSuite, sPathStyle),
    ROW(kKvRandomSuite, sRandom), ROW(kKvTagSuite, sTag), ROW(kKvBlendSuite, sBlend),
    ROW(kKvTransformSuite, sTransform), ROW(kKvLayerSuite, sLayer), ROW(kKvShapeSuite, sShape),
    ROW(kKvSwatchSuite, sSwatch),
    TAIL_ROWS,
};

const SuiteTableEntry kColoursRows[] = {
    HEAD_ROWS,
    ROW(kKvMatchingSuite, sMatching), ROW(kKvPathSuite, sPath), ROW(kKvPathStyleSuite, sPathStyle),
    ROW(kKvRandomSuite, sRandom), ROW(kKvBlendSuite, sBlend), ROW(kKvSwatchSuite, sSwatch),
    ROW(kKvArtStyleSuite, sArtStyle), ROW(kKvSymbolSuite, sSymbol),
    TAIL_ROWS,
};

template <std::size_t N>
constexpr SuiteTable tableOf(const SuiteTableEntry (&rows)[N]) {
    return SuiteTable{rows, static_cast<int>(N)};
}

static_assert(std::size(kEdgesRows) == 30);
static_assert(std::size(kLinesRows) == 29);
static_assert(std::size(kGridRows) == 28);
static_assert(std::size(kSpiralRows) == 29);
static_assert(std::size(kColoursRows) == 27);

}  // namespace

const SuiteTable kEdgesSuiteTable = tableOf(kEdgesRows);
const SuiteTable kLinesSuiteTable = tableOf(kLinesRows);
const SuiteTable kGridSuiteTable = tableOf(kGridRows);
const SuiteTable kSpiralSuiteTable = tableOf(kSpiralRows);
const SuiteTable kColoursSuiteTable = tableOf(kColoursRows);
