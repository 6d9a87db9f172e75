// The KV07_Volutia plug-in: its definition for the framework and its two filter hooks.
#include "dialog_table.h"
#include "plugin.h"
#include "spiral_dialog.h"
#include "spiral_generator.h"
#include "spiral_params.h"

namespace {

// First use: the spiral's centre sits relative to the centre of the document's first view.
void setDefaultsAtView(SpiralParams& record) { SetSpiralDefaults(record, viewCentre()); }

KvResult EditParameters(KvFilterMessage* message) {
    return EditParametersWith<SpiralParams>(message, setDefaultsAtView, InitSpiralDialog);
}

KvResult RunFilter(KvFilterMessage* message) { return RunFilterWith<SpiralParams>(message, BuildSpirals); }

}  // namespace

extern const PluginDefinition kPluginDefinition = {
    kSpiralSuiteTable, kGlobalsSizeShort, "KV07_Volutia", {1, 0, 0, 0, 0, 1, 0}, EditParameters, RunFilter,
};
