// The KV07_Quadrel plug-in: its definition for the framework and its two filter hooks.
#include "grid_dialog.h"
#include "grid_generator.h"
#include "grid_params.h"
#include "plugin.h"

namespace {

// Cancel lets go of the selection gathered when the dialog opened.
KvResult EditParameters(KvFilterMessage* message) {
    return EditParametersWith<GridParams>(message, SetGridDefaults, InitGridDialog, FreeGatheredArt);
}

KvResult RunFilter(KvFilterMessage* message) { return RunFilterWith<GridParams>(message, BuildGrid); }

}  // namespace

extern const PluginDefinition kPluginDefinition = {
    kGridSuiteTable, kGlobalsSizeLong, "KV07_Quadrel", {1, 0, 0, 2, 0, 0, 0}, EditParameters, RunFilter,
};
