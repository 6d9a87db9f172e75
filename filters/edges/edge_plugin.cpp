// The KV07_Tessivo plug-in: its definition for the framework and its two filter hooks.
#include "dialog_table.h"
#include "edge_dialog.h"
#include "edge_generator.h"
#include "edge_params.h"
#include "plugin.h"

namespace {

// First use: the start point and interpolation centres sit relative to the centre of the
// document's first view.
void setDefaultsAtView(EdgeFrameParams& record) { SetEdgeDefaults(record, viewCentre()); }

KvResult EditParameters(KvFilterMessage* message) {
    return EditParametersWith<EdgeFrameParams>(message, setDefaultsAtView, InitEdgeDialog);
}

KvResult RunFilter(KvFilterMessage* message) { return RunFilterWith<EdgeFrameParams>(message, BuildEdgeFrames); }

}  // namespace

extern const PluginDefinition kPluginDefinition = {
    kEdgesSuiteTable, kGlobalsSizeShort, "KV07_Tessivo", {1, 0, 0, 0, 0, 1, 0}, EditParameters, RunFilter,
};
