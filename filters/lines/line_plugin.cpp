// The KV07_Ravelo plug-in: its definition for the framework and its two filter hooks.
#include "line_dialog.h"
#include "line_generator.h"
#include "line_params.h"
#include "plugin.h"

namespace {

KvResult EditParameters(KvFilterMessage* message) {
    return EditParametersWith<LineParams>(message, SetLineDefaults, InitLinesDialog);
}

KvResult RunFilter(KvFilterMessage* message) { return RunFilterWith<LineParams>(message, DrawLines); }

}  // namespace

extern const PluginDefinition kPluginDefinition = {
    kLinesSuiteTable, kGlobalsSizeShort, "KV07_Ravelo", {1, 0, 0, 0, 0, 1, 0}, EditParameters, RunFilter,
};
