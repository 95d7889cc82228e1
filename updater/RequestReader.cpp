#include "updater/RequestReader.h"

#include "common/ResourceView.h"
#include "persist/UpdateRequest.h"

namespace {

// Resources of the updater's own file.
ResourceView OwnRequestResource(unsigned short id) {
    return FindModuleResource(nullptr, MAKEINTRESOURCEA(id), UpdateRequest::kResourceType);
}

}  // namespace

bool ReadUpdateRequest(TargetRequest& out) {
    RequestResources resources;
    resources.modifiers = OwnRequestResource(UpdateRequest::kModifiersId);
    resources.virtualKey = OwnRequestResource(UpdateRequest::kVirtualKeyId);
    resources.pathLength = OwnRequestResource(UpdateRequest::kPathLengthId);
    resources.path = OwnRequestResource(UpdateRequest::kPathId);

    UpdateRequest request;
    if (DecodeUpdateRequest(resources, request) != RequestDecodeStatus::Usable) return false;
    if (!HeapString::CopyOf(request.path, request.pathLength, out.path)) return false;
    out.modifiers = request.modifiers;
    out.virtualKey = request.virtualKey;
    out.pinRules = OwnRequestResource(UpdateRequest::kPinRulesId);
    return true;
}
