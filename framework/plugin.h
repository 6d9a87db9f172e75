// The code every Kelvo plug-in compiles in: entry and dispatch, the suite table and globals,
// filter registration and the parameter/dialog protocol, error reporting and About.
//
// A deliverable supplies one PluginDefinition (kPluginDefinition) and its two hooks; everything
// else here is shared. The library exports PluginMain only.
//
// The main dialogs' tables and the notifiers they share are in dialog_table.h.
#pragma once

#include <cstring>

#include "kelvo/sdk/sdk.h"

// One row of a suite table: the suite's published name and version and the library static
// that receives it. A null slot makes the passes skip the row.
struct SuiteTableEntry {
    const char* name;
    int32_t version;
    const void** slot;
};

struct SuiteTable {
    const SuiteTableEntry* rows;
    int count;
};

// The five tables; each deliverable names its own in its definition.
extern const SuiteTable kEdgesSuiteTable;    // 30 rows
extern const SuiteTable kLinesSuiteTable;    // 29 rows
extern const SuiteTable kGridSuiteTable;     // 28 rows
extern const SuiteTable kSpiralSuiteTable;   // 29 rows
extern const SuiteTable kColoursSuiteTable;  // 27 rows

// The plug-in globals block, in host memory from Startup to Shutdown, handed to the host
// across Unload/Reload. Pointer-sized fields; deliverables that gather art use all six.
struct PluginGlobals {
    void* reserved;
    KvFilterHandle filterHandle;
    intptr_t filterCount;
    const KvBasicSuite* basicSuite;
    KvMemHandle gatheredArt;  // array of KvArtHandle
    intptr_t gatheredCount;   // -1 when nothing is gathered
};
inline constexpr int32_t kGlobalsSizeShort = 4 * sizeof(void*);
inline constexpr int32_t kGlobalsSizeLong = sizeof(PluginGlobals);

struct PluginDefinition {
    SuiteTable suiteTable;
    int32_t globalsSize;            // kGlobalsSizeShort or kGlobalsSizeLong
    const char* filterName;         // registered name, also the main dialog's name
    int32_t menuRule[7];            // automatic update rule of the menu item
    KvResult (*editParameters)(KvFilterMessage* message);
    KvResult (*runFilter)(KvFilterMessage* message);
};

// Defined by the deliverable.
extern const PluginDefinition kPluginDefinition;

// ---- Library statics: suite pointers (valid while a host call is in progress) and globals.
extern const KvBlocksSuite* sBlocks;
extern const KvAccessSuite* sAccess;
extern const KvMemorySuite* sMemory;
extern const KvMathSuite* sMath;
extern const KvArtSuite* sArt;
extern const KvUserSuite* sUser;
extern const KvDocumentSuite* sDocument;
extern const KvViewSuite* sView;
extern const KvUndoSuite* sUndo;
extern const KvMatchingSuite* sMatching;
extern const KvPathSuite* sPath;
extern const KvPathStyleSuite* sPathStyle;
extern const KvRandomSuite* sRandom;
extern const KvTagSuite* sTag;
extern const KvBlendSuite* sBlend;
extern const KvTransformSuite* sTransform;
extern const KvLayerSuite* sLayer;
extern const KvShapeSuite* sShape;
extern const KvEnvelopeSuite* sEnvelope;
extern const KvBezierSuite* sBezier;
extern const KvArtStyleSuite* sArtStyle;
extern const KvSymbolSuite* sSymbol;
extern const KvSwatchSuite* sSwatch;
extern const KvMenuSuite* sMenu;
extern const KvFilterSuite* sFilter;
extern const KvDialogBasicSuite* sDialogBasic;
extern const KvDialogSuite* sDialog;
extern const KvItemSuite* sItem;
extern const KvIconSuite* sIcon;
extern const KvNotifierSuite* sNotifier;
extern const KvListSuite* sList;
extern const KvEntrySuite* sEntry;
extern const KvTrackerSuite* sTracker;

extern PluginGlobals* gGlobals;
extern int16_t gNestingCount;

// ---- Suite table passes.
KvResult AcquireSuiteTable(const KvBasicSuite* basic);
KvResult ReleaseSuiteTable(const KvBasicSuite* basic);

// ---- Registration (second step of Startup).
KvResult RegisterFilter(KvMessage* message);

// ---- Error reporting, About and counted strings.
void ReportError(KvMessage* message, KvResult code);
void ShowAboutDialog(KvMessage* message);
// In place: NUL-terminated to length-prefixed. Null (and the text unchanged) at 256 characters or more.
unsigned char* ToLengthPrefixed(char* buffer);
// In place: length-prefixed to NUL-terminated. The buffer needs length + 1 bytes.
char* FromLengthPrefixed(unsigned char* buffer);
// Numeric reading of an error-table key, low 16 bits, signed.
int32_t TextToCode(char* key);
// Decimal text of a code into `out` (at least 16 bytes).
void CodeToText(int32_t code, char* out);

// ---- The parameter/dialog protocol every filter follows.
//
// Record must hold the 32-bit flags finalRun and previewDrawn. EditParametersWith allocates the
// block on first use (zero-filled, then setDefaults), runs the main dialog on a snapshot and
// handles Cancel; onCancel (may be null) runs after the restore, e.g. to free gathered art.
KvResult EditParametersCommon(KvFilterMessage* message, int32_t recordSize, void (*setDefaults)(void* record),
                              KvDialogInitProc dialogInit, int32_t* (*previewDrawnOf)(void* record),
                              void (*onCancel)());

template <class Record>
KvResult EditParametersWith(KvFilterMessage* message, void (*setDefaults)(Record&), KvDialogInitProc dialogInit,
                            void (*onCancel)() = nullptr) {
    static void (*defaults)(Record&) = nullptr;
    defaults = setDefaults;
    return EditParametersCommon(
        message, sizeof(Record), [](void* record) { defaults(*static_cast<Record*>(record)); }, dialogInit,
        [](void* record) { return &static_cast<Record*>(record)->previewDrawn; }, onCancel);
}

// RunFilter: the block from the message, finalRun = 1, then the generator. A Go without a
// block (no dialog ever ran) returns kResultNoMemory.
template <class Record>
KvResult RunFilterWith(KvFilterMessage* message, KvResult (*generate)(Record&)) {
    if (message->parameters == nullptr || *message->parameters == nullptr) return kResultNoMemory;
    Record& record = *static_cast<Record*>(*message->parameters);
    record.finalRun = 1;
    return generate(record);
}

// The start of every generator run. True when the run is over already: a final run with a
// preview in the document keeps the preview (previewDrawn is cleared, result 0). Otherwise the
// previous preview is undone (a failing undo ends the run with its result).
template <class Record>
bool BeginGeneratorRun(Record& record, KvResult* result) {
    *result = kResultOk;
    if (record.finalRun == 1 && record.previewDrawn == 1) {
        record.previewDrawn = 0;
        return true;
    }
    *result = sUndo->undoChanges();
    return *result != kResultOk;
}

// The item notifier that only passes the notification on to the toolkit.
void PassNotification(KvItem item, KvNotifier notifier);
