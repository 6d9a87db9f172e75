// The KV07_Chromble plug-in: its definition for the framework and its two filter hooks.
#include "colour_dialog.h"
#include "colour_generator.h"
#include "colour_params.h"
#include "plugin.h"

namespace {

// Cancel, and a dialog that could not open, release the gathered selection; OK keeps it for
// the Go that follows.
KvResult EditParameters(KvFilterMessage* message) {
    return EditParametersWith<ColourParams>(message, SetColourDefaults, InitColourDialog, FreeGatheredArt);
}

KvResult RunFilter(KvFilterMessage* message) { return RunFilterWith<ColourParams>(message, RecolourArt); }

}  // namespace

extern const PluginDefinition kPluginDefinition = {
    kColoursSuiteTable, kGlobalsSizeLong, "KV07_Chromble", {1, 0, 0, 2, 0, 0, 0}, EditParameters, RunFilter,
};
