// The suite tables the host publishes (suite_registry.cpp lists them by name and version).
#pragma once

#include <string>

#include "kelvo/sdk/sdk.h"

namespace kelvo::host {

extern const KvBasicSuite kBasicSuite;
extern const KvBlocksSuite kBlocksSuite;
extern const KvAccessSuite kAccessSuite;
extern const KvMemorySuite kMemorySuite;
extern const KvMathSuite kMathSuite;
extern const KvArtSuite kArtSuite;
extern const KvUserSuite kUserSuite;
extern const KvDocumentSuite kDocumentSuite;
extern const KvViewSuite kViewSuite;
extern const KvUndoSuite kUndoSuite;
extern const KvMatchingSuite kMatchingSuite;
extern const KvPathSuite kPathSuite;
extern const KvPathStyleSuite kPathStyleSuite;
extern const KvRandomSuite kRandomSuite;
extern const KvTagSuite kTagSuite;
extern const KvBlendSuite kBlendSuite;
extern const KvTransformSuite kTransformSuite;
extern const KvLayerSuite kLayerSuite;
extern const KvShapeSuite kShapeSuite;
extern const KvEnvelopeSuite kEnvelopeSuite;
extern const KvBezierSuite kBezierSuite;
extern const KvArtStyleSuite kArtStyleSuite;
extern const KvSymbolSuite kSymbolSuite;
extern const KvSwatchSuite kSwatchSuite;
extern const KvMenuSuite kMenuSuite;
extern const KvFilterSuite kFilterSuite;
extern const KvDialogBasicSuite kDialogBasicSuite;
extern const KvDialogSuite kDialogSuite;
extern const KvItemSuite kItemSuite;
extern const KvIconSuite kIconSuite;
extern const KvNotifierSuite kNotifierSuite;
extern const KvListSuite kListSuite;
extern const KvEntrySuite kEntrySuite;
extern const KvTrackerSuite kTrackerSuite;

}  // namespace kelvo::host
