#include "persist/SaveFlow.h"

#include <cstring>
#include <vector>

#include "common/ResourceUpdate.h"
#include "common/SharedContract.h"
#include "persist/PinRulesFormat.h"
#include "persist/ResourceFile.h"
#include "persist/UpdateRequest.h"

namespace {

// Adds or replaces the request resources, every one attempted; true when
// all of them were taken.
bool AddRequest(ResourceUpdate& update, const HotkeySetting& hotkey, const char* targetPath,
                const PinRules* changedRules) {
    UpdateRequestPayloads payloads;
    if (!BuildUpdateRequestPayloads(hotkey.modifiers, hotkey.virtualKey, targetPath, std::strlen(targetPath), payloads))
        return false;
    bool allAdded = true;
    for (std::size_t i = 0; i < UpdateRequest::kPayloadCount; ++i) {
        const RequestPayload payload = PayloadAt(payloads, i);
        if (!update.Put(UpdateRequest::kResourceType, payload.id, contract::kHotkeyLanguage, payload.data,
                        payload.size))
            allAdded = false;
    }
    if (changedRules == nullptr) return allAdded;
    std::vector<unsigned char> stored;
    EncodePinRules(*changedRules, stored);
    return update.Put(UpdateRequest::kResourceType, UpdateRequest::kPinRulesId, contract::kHotkeyLanguage,
                      stored.data(), static_cast<DWORD>(stored.size())) &&
           allAdded;
}

}  // namespace

bool SaveHotkeyRequest(HMODULE module, UINT updaterId, const SaveFlowPaths& paths, const HotkeySetting& hotkey,
                       const PinRules* changedRules, SaveFailureReport report) {
    // Without both paths there is no place for the updater: a null path is
    // neither written nor opened.
    const char* updater = paths.target != nullptr ? paths.updater : nullptr;
    // A failed extraction is reported but not final: an updater left by an
    // earlier save may still take the request.
    if (!ExtractResourceToFile(module, updaterId, contract::kUpdaterResourceType, updater, true))
        report("Extract Error!");

    // The updater has no resources but the request. One left by an earlier
    // save, taken when extraction fails, may still carry that save's rules,
    // stale now: starting from no resources, only this request's are
    // written. (Wine 8 keeps a resource that UpdateResource was asked to
    // delete.)
    ResourceUpdate update;
    if (!update.Open(updater, true)) {
        report("Open File Resource Failed!");
        return false;
    }
    if (!AddRequest(update, hotkey, paths.target, changedRules)) report("Could not Update resource!");
    if (!update.Commit()) {
        report("Could not write changes to file.");
        return false;
    }
    return true;
}
