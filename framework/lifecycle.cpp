// Filter registration and the parameter/dialog protocol shared by every filter.
#include <cstring>
#include <vector>

#include "plugin.h"

namespace {
constexpr int32_t kMenuStrings = 16000;
constexpr int32_t kMainDialog = 16100;
constexpr int32_t kTitleLength = 65;
}  // namespace

KvResult RegisterFilter(KvMessage* message) {
    intptr_t count = 0;
    // Only the first category/title pair is ever registered.
    for (int32_t index = 1; index < 2; index += 2) {
        char category[kTitleLength + 1] = {};
        char title[kTitleLength + 1] = {};
        sDialogBasic->getIndexString(message->plugin, kMenuStrings, index, category, kTitleLength);
        if (category[0] == '\0') break;
        sDialogBasic->getIndexString(message->plugin, kMenuStrings, index + 1, title, kTitleLength);
        KvFilterTitle pair{ToLengthPrefixed(category), ToLengthPrefixed(title)};
        KV_PROPAGATE(sFilter->addFilter(message->plugin, kPluginDefinition.filterName, &pair, 0,
                                        &gGlobals->filterHandle));
        KvMenuItemHandle item = nullptr;
        KV_PROPAGATE(sFilter->getFilterMenuItem(gGlobals->filterHandle, &item));
        const int32_t* rule = kPluginDefinition.menuRule;
        KV_PROPAGATE(sMenu->setAutomaticUpdate(item, rule[0], rule[1], rule[2], rule[3], rule[4], rule[5], rule[6]));
        ++count;
    }
    gGlobals->filterCount = count;
    return kResultOk;
}

KvResult EditParametersCommon(KvFilterMessage* message, int32_t recordSize, void (*setDefaults)(void* record),
                              KvDialogInitProc dialogInit, int32_t* (*previewDrawnOf)(void* record),
                              void (*onCancel)()) {
    if (message->parameters == nullptr) {
        KV_PROPAGATE(sMemory->newHandle(recordSize, &message->parameters));
        if (message->parameters == nullptr || *message->parameters == nullptr) return kResultNoMemory;
        std::memset(*message->parameters, 0, static_cast<std::size_t>(recordSize));
        setDefaults(*message->parameters);
    }
    void* record = *message->parameters;
    const std::vector<unsigned char> snapshot(static_cast<unsigned char*>(record),
                                              static_cast<unsigned char*>(record) + recordSize);

    int32_t item = sDialog->modal(message->d.plugin, kPluginDefinition.filterName, kMainDialog, 0, dialogInit, record);
    if (item == 1) return kResultOk;

    KvResult undone = sUndo->undoChanges();
    if (undone == kResultOk) std::memcpy(record, snapshot.data(), snapshot.size());
    // Even when the undo failed, no preview may be taken for a result by a later Go.
    *previewDrawnOf(record) = 0;
    if (onCancel != nullptr) onCancel();
    return undone != kResultOk ? undone : kResultCancelled;
}
