// PluginMain: message dispatch, suite bracketing and error reporting.
#include <new>

#include "plugin.h"

PluginGlobals* gGlobals;
int16_t gNestingCount;

namespace {

bool is(const KvBasicSuite* basic, const char* a, const char* b) { return basic->isEqual(a, b) != 0; }

KvResult OnUnload(KvMessage* message) {
    message->globals = gGlobals;
    return kResultOk;
}

KvResult OnReload(KvMessage* message) {
    gGlobals = static_cast<PluginGlobals*>(message->globals);
    gNestingCount = 0;
    return kResultOk;
}

KvResult OnStartup(KvMessage* message) {
    void* block = nullptr;
    KV_PROPAGATE(sBlocks->allocateBlock(kPluginDefinition.globalsSize, "globals", &block));
    gGlobals = static_cast<PluginGlobals*>(block);
    gGlobals->filterHandle = nullptr;
    gGlobals->filterCount = 0;
    gGlobals->basicSuite = message->basic;
    if (kPluginDefinition.globalsSize >= kGlobalsSizeLong) {
        gGlobals->gatheredArt = nullptr;
        gGlobals->gatheredCount = -1;
    }
    return RegisterFilter(message);
}

KvResult OnShutdown(KvMessage* message) {
    const void* suite = nullptr;
    KvResult result = message->basic->acquireSuite(kKvBlocksSuite, kKvBlocksSuiteVersion, &suite);
    if (result == kResultOk) {
        static_cast<const KvBlocksSuite*>(suite)->freeBlock(gGlobals);
        gGlobals = nullptr;
        message->basic->releaseSuite(kKvBlocksSuite, kKvBlocksSuiteVersion);
    }
    message->globals = nullptr;
    return result;
}

KvResult OnAbout(KvMessage* message) {
    ShowAboutDialog(message);
    return kResultOk;
}

KvResult OnFilterGetParameters(KvFilterMessage* message) {
    if (gGlobals == nullptr || message->filter != gGlobals->filterHandle) return kResultOk;
    return kPluginDefinition.editParameters(message);
}

KvResult dispatch(const char* caller, const char* selector, KvMessage* message) {
    const KvBasicSuite* basic = message->basic;
    if (is(basic, caller, kKvCallerInterface)) {
        if (is(basic, selector, kKvSelectorStartup)) return OnStartup(message);
        if (is(basic, selector, kKvSelectorAbout)) return OnAbout(message);
        if (is(basic, selector, kKvSelectorShutdown)) return OnShutdown(message);
        return kResultOk;
    }
    if (is(basic, caller, kKvCallerMenu)) {
        if (is(basic, selector, kKvSelectorGo)) return kResultBadSelection;
        return kResultOk;  // "AI Update" and anything else
    }
    if (is(basic, caller, kKvCallerFilter)) {
        auto* filterMessage = reinterpret_cast<KvFilterMessage*>(message);
        if (is(basic, selector, kKvSelectorGetParameters)) return OnFilterGetParameters(filterMessage);
        if (is(basic, selector, kKvSelectorGo)) return kPluginDefinition.runFilter(filterMessage);
    }
    return kResultOk;
}

// No exception leaves the library: the filters use the standard library, which may throw.
KvResult guardedDispatch(const char* caller, const char* selector, KvMessage* message) {
    try {
        return dispatch(caller, selector, message);
    } catch (const std::bad_alloc&) {
        return kResultOutOfMemory;
    } catch (...) {
        return kResultFailure;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) KvResult PluginMain(const char* caller, const char* selector,
                                                                      void* rawMessage) {
    auto* message = static_cast<KvMessage*>(rawMessage);
    if (message == nullptr || message->basic == nullptr || caller == nullptr || selector == nullptr)
        return kResultBadParameter;
    const KvBasicSuite* basic = message->basic;

    if (is(basic, caller, kKvCallerAccess)) {
        if (is(basic, selector, kKvSelectorUnload)) return OnUnload(message);
        if (is(basic, selector, kKvSelectorReload)) return OnReload(message);
        return kResultOk;
    }

    KvResult result = AcquireSuiteTable(basic);
    if (result == kResultOk) result = guardedDispatch(caller, selector, message);
    if (result != kResultOk && result != kResultSilent) ReportError(message, result);
    ReleaseSuiteTable(basic);
    return result;
}
