#include "updater/RequestReader.h"

#include "updater/OwnResource.h"
#include "persist/UpdateRequest.h"

bool ReadUpdateRequest(TargetRequest& out)
{
    RequestResources resources;
    resources.modifiers = FindOwnResource(UpdateRequest::kModifiersId, UpdateRequest::kResourceType);
    resources.virtualKey = FindOwnResource(UpdateRequest::kVirtualKeyId, UpdateRequest::kResourceType);
    resources.pathLength = FindOwnResource(UpdateRequest::kPathLengthId, UpdateRequest::kResourceType);
    resources.path = FindOwnResource(UpdateRequest::kPathId, UpdateRequest::kResourceType);

    UpdateRequest request;
    if (DecodeUpdateRequest(resources, request) != RequestDecodeStatus::Usable)
        return false;
    if (!HeapString::CopyOf(request.path, request.pathLength, out.path))
        return false;
    out.modifiers = request.modifiers;
    out.virtualKey = request.virtualKey;
    return true;
}
