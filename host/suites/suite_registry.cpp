#include "suites/host.h"
#include "suites/suites.h"

namespace kelvo::host {

#define PUBLISH(name, table) PublishedSuite{name, name##Version, &(table)}

const std::vector<PublishedSuite>& publishedSuites() {
    static const std::vector<PublishedSuite> suites{
        PUBLISH(kKvBasicSuite, kBasicSuite),
        PUBLISH(kKvBlocksSuite, kBlocksSuite),
        PUBLISH(kKvAccessSuite, kAccessSuite),
        PUBLISH(kKvMemorySuite, kMemorySuite),
        PUBLISH(kKvMathSuite, kMathSuite),
        PUBLISH(kKvArtSuite, kArtSuite),
        PUBLISH(kKvUserSuite, kUserSuite),
        PUBLISH(kKvDocumentSuite, kDocumentSuite),
        PUBLISH(kKvViewSuite, kViewSuite),
        PUBLISH(kKvUndoSuite, kUndoSuite),
        PUBLISH(kKvMatchingSuite, kMatchingSuite),
        PUBLISH(kKvPathSuite, kPathSuite),
        PUBLISH(kKvPathStyleSuite, kPathStyleSuite),
        PUBLISH(kKvRandomSuite, kRandomSuite),
        PUBLISH(kKvTagSuite, kTagSuite),
        PUBLISH(kKvBlendSuite, kBlendSuite),
        PUBLISH(kKvTransformSuite, kTransformSuite),
        PUBLISH(kKvLayerSuite, kLayerSuite),
        PUBLISH(kKvShapeSuite, kShapeSuite),
        PUBLISH(kKvEnvelopeSuite, kEnvelopeSuite),
        PUBLISH(kKvBezierSuite, kBezierSuite),
        PUBLISH(kKvArtStyleSuite, kArtStyleSuite),
        PUBLISH(kKvSymbolSuite, kSymbolSuite),
        PUBLISH(kKvSwatchSuite, kSwatchSuite),
        PUBLISH(kKvMenuSuite, kMenuSuite),
        PUBLISH(kKvFilterSuite, kFilterSuite),
        PUBLISH(kKvDialogBasicSuite, kDialogBasicSuite),
        PUBLISH(kKvDialogSuite, kDialogSuite),
        PUBLISH(kKvItemSuite, kItemSuite),
        PUBLISH(kKvIconSuite, kIconSuite),
        PUBLISH(kKvNotifierSuite, kNotifierSuite),
        PUBLISH(kKvListSuite, kListSuite),
        PUBLISH(kKvEntrySuite, kEntrySuite),
        PUBLISH(kKvTrackerSuite, kTrackerSuite),
    };
    return suites;
}

}  // namespace kelvo::host
