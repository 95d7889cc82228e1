#include "persist/SaveFlow.h"

#include <cstring>

#include "common/ResourceUpdate.h"
#include "common/SharedContract.h"
#include "persist/ResourceFile.h"
#include "persist/UpdateRequest.h"

namespace {

// Adds or replaces the four request resources, every one attempted; true
// when all of them were taken.
bool AddRequest(ResourceUpdate& update, const HotkeySetting& hotkey, const char* targetPath) {
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
    return allAdded;
}

}  // namespace

bool SaveHotkeyRequest(HMODULE module, UINT updaterId, const SaveFlowPaths& paths, const HotkeySetting& hotkey,
                       SaveFailureReport report) {
    // Without both paths there is no place for the updater: a null path is
    // neither written nor opened.
    const char* updater = paths.target != nullptr ? paths.updater : nullptr;
    // A failed extraction is reported but not final: an updater left by an
    // earlier save may still take the request.
    if (!ExtractResourceToFile(module, updaterId, contract::kUpdaterResourceType, updater, true))
        report("Extract Error!");

    ResourceUpdate update;
    if (!update.Open(updater)) {
        report("Open File Resource Failed!");
        return false;
    }
    if (!AddRequest(update, hotkey, paths.target)) report("Could not Update resource!");
    if (!update.Commit()) {
        report("Could not write changes to file.");
        return false;
    }
    return true;
}
