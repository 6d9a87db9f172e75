// Acquiring and releasing the deliverable's suite table around every outermost host call.
#include <cstdio>

#include "plugin.h"

KvResult AcquireSuiteTable(const KvBasicSuite* basic) {
    KvResult result = kResultOk;
    if (gNestingCount == 0) {
        const SuiteTable& table = kPluginDefinition.suiteTable;
        for (int i = 0; i < table.count; ++i) {
            const SuiteTableEntry& row = table.rows[i];
            if (row.slot == nullptr) continue;
            *row.slot = nullptr;
            result = basic->acquireSuite(row.name, row.version, row.slot);
            if (result == kResultOk) continue;
            *row.slot = nullptr;
            // Any failure ends the pass, so no handler ever runs with a missing suite; it can
            // only be shown once the toolkit's basic suite is in hand.
            if (sDialogBasic != nullptr) {
                char text[256];
                std::snprintf(text, sizeof text, "Suite Loading Error: %d, suite: %s, version: %d!",
                              static_cast<int>(result), row.name, static_cast<int>(row.version));
                sDialogBasic->messageAlert(text);
            }
            break;
        }
    }
    ++gNestingCount;
    return result;
}

KvResult ReleaseSuiteTable(const KvBasicSuite* basic) {
    KvResult result = kResultOk;
    if (gNestingCount == 1) {
        const SuiteTable& table = kPluginDefinition.suiteTable;
        for (int i = 0; i < table.count; ++i) {
            const SuiteTableEntry& row = table.rows[i];
            // Rows a failed acquisition never reached hold null and are not released.
            if (row.slot == nullptr || *row.slot == nullptr) continue;
            result = basic->releaseSuite(row.name, row.version);
            if (result != kResultOk) break;
            *row.slot = nullptr;
        }
    }
    --gNestingCount;
    return result;
}
