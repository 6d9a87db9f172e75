// A small plug-in built from the framework for the host's tests: one spin edit that the
// generator draws as a path, a real spin edit, a Preview check box and a failure code the
// generator returns on demand.
#include <cstring>

#include "plugin.h"

namespace {

struct ProbeParams {
    int32_t finalRun;
    int32_t previewDrawn;
    int32_t preview;
    int32_t length;
    float weight;
    int32_t failWith;
    int32_t defaultsWritten;
};
static_assert(sizeof(ProbeParams) == 28);

enum : int32_t { kPreviewBox = 3, kLengthBox = 4, kWeightBox = 5, kFailBox = 6, kLengthLabel = 100, kNestButton = 10 };

void SetProbeDefaults(ProbeParams& params) {
    params.preview = 1;
    params.length = 50;
    params.weight = 1.5f;
    params.defaultsWritten += 1;
}

KvResult BuildProbe(ProbeParams& params) {
    KvResult result = kResultOk;
    if (BeginGeneratorRun(params, &result)) return result;
    KvArtHandle path = nullptr;
    KV_PROPAGATE(sArt->newArt(kArtKindPath, kPlaceAboveAll, nullptr, &path));
    KvPathSegment segments[2] = {};
    segments[1].anchor = segments[1].in = segments[1].out = KvRealPoint{static_cast<float>(params.length), 0};
    KV_PROPAGATE(sPath->setPathSegments(path, 0, 2, segments));
    if (params.failWith != 0) return params.failWith;
    if (params.finalRun == 0) sDocument->redrawDocument();
    return kResultOk;
}

ProbeParams* paramsOf(KvItem item) { return static_cast<ProbeParams*>(sDialog->getUserData(sItem->getDialog(item))); }

void OnProbeValueChanged(KvItem item, KvNotifier) {
    KvDialog dialog = sItem->getDialog(item);
    ProbeParams* params = paramsOf(item);
    params->finalRun = 0;
    params->preview = sItem->getBooleanValue(sDialog->getItem(dialog, kPreviewBox));
    params->length = sItem->getIntValue(sDialog->getItem(dialog, kLengthBox));
    params->weight = sItem->getRealValue(sDialog->getItem(dialog, kWeightBox));
    params->failWith = sItem->getIntValue(sDialog->getItem(dialog, kFailBox));
    if (params->preview == 0) {
        params->previewDrawn = 0;
        return;
    }
    params->previewDrawn = 1;
    if (BuildProbe(*params) != kResultOk) params->previewDrawn = 0;
}

KvItem spinEdit(KvDialog dialog, int32_t id, int32_t top) {
    KvIntRect bounds{100, top, 160, top + 20};
    KvItem item = sDialog->createItem(dialog, id, kKvSpinEditType, &bounds, nullptr, nullptr);
    sItem->setUnits(item, 0);
    sItem->setNotifyProc(item, OnProbeValueChanged);
    return item;
}

KvResult InitProbeDialog(KvDialog dialog) {
    auto* params = static_cast<ProbeParams*>(sDialog->getUserData(dialog));
    KvIntRect bounds{10, 10, 90, 30};
    KvItem label = sDialog->createItem(dialog, kLengthLabel, kKvTextStaticType, &bounds, nullptr, nullptr);
    sItem->setText(label, "Length (p):");

    KvItem length = spinEdit(dialog, kLengthBox, 10);
    sItem->setMinIntValue(length, 0);
    sItem->setMaxIntValue(length, 500);
    sItem->setIntValue(length, params->length);

    KvItem weight = spinEdit(dialog, kWeightBox, 40);
    sItem->setPrecision(weight, 2);
    sItem->setMinRealValue(weight, 0);
    sItem->setMaxRealValue(weight, 10);
    sItem->setRealValue(weight, params->weight);

    KvItem fail = spinEdit(dialog, kFailBox, 70);
    sItem->setIntValue(fail, params->failWith);

    bounds = KvIntRect{10, 100, 120, 120};
    KvItem preview = sDialog->createItem(dialog, kPreviewBox, kKvTextCheckBoxType, &bounds, nullptr, nullptr);
    sItem->setText(preview, "Preview");
    sItem->setBooleanValue(preview, params->preview);
    sItem->setNotifyProc(preview, OnProbeValueChanged);

    bounds = KvIntRect{200, 10, 260, 30};
    KvItem ok = sDialog->createItem(dialog, 1, kKvTextPushButtonType, &bounds, nullptr, nullptr);
    sItem->setText(ok, "OK");
    sItem->setNotifyProc(ok, PassNotification);
    bounds = KvIntRect{200, 40, 260, 60};
    KvItem cancel = sDialog->createItem(dialog, 2, kKvTextPushButtonType, &bounds, nullptr, nullptr);
    sItem->setText(cancel, "Cancel");

    sItem->sendNotify(length, kKvUserChangedNotifier);
    sItem->enable(ok, 0);
    return kResultOk;
}

KvResult EditParameters(KvFilterMessage* message) {
    return EditParametersWith<ProbeParams>(message, SetProbeDefaults, InitProbeDialog);
}

KvResult RunFilter(KvFilterMessage* message) { return RunFilterWith<ProbeParams>(message, BuildProbe); }

}  // namespace

const PluginDefinition kPluginDefinition = {
    kEdgesSuiteTable, kGlobalsSizeShort, "KV00_Probe", {1, 0, 0, 0, 0, 1, 0}, EditParameters, RunFilter,
};
