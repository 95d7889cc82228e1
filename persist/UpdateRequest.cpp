#include "persist/UpdateRequest.h"

#include "common/LittleEndian.h"

namespace {

// Missing or short values read as 0.
std::uint32_t DwordOrZero(const ResourceView& resource) {
    std::uint32_t value = 0;
    ReadLittleEndian32(resource.data, resource.size, value);
    return value;
}

}  // namespace

DwordBytes EncodeDword(std::uint32_t value) {
    DwordBytes out;
    WriteLittleEndian32(value, out.bytes);
    return out;
}

bool BuildUpdateRequestPayloads(std::uint32_t modifiers, std::uint32_t virtualKey, const char* path,
                                std::size_t pathLength, UpdateRequestPayloads& out) {
    const std::uint64_t length = pathLength;
    if (length > 0xFFFFFFFFu) return false;
    if (path == nullptr && pathLength != 0) return false;
    out.modifiers = EncodeDword(modifiers);
    out.virtualKey = EncodeDword(virtualKey);
    // A null pointer with size 0 would ask UpdateResourceA to delete 103.
    out.path = path != nullptr ? path : "";
    out.pathLength = static_cast<std::uint32_t>(pathLength);
    out.pathLengthBytes = EncodeDword(out.pathLength);
    return true;
}

RequestPayload PayloadAt(const UpdateRequestPayloads& payloads, std::size_t index) {
    RequestPayload payload;
    switch (index) {
    case 0:
        payload.id = UpdateRequest::kModifiersId;
        payload.data = payloads.modifiers.bytes;
        payload.size = 4;
        break;
    case 1:
        payload.id = UpdateRequest::kVirtualKeyId;
        payload.data = payloads.virtualKey.bytes;
        payload.size = 4;
        break;
    case 2:
        payload.id = UpdateRequest::kPathId;
        payload.data = payloads.path;
        payload.size = payloads.pathLength;
        break;
    case 3:
        payload.id = UpdateRequest::kPathLengthId;
        payload.data = payloads.pathLengthBytes.bytes;
        payload.size = 4;
        break;
    default:
        break;
    }
    return payload;
}

RequestDecodeStatus DecodeUpdateRequest(const RequestResources& resources, UpdateRequest& out) {
    const std::uint32_t modifiers = DwordOrZero(resources.modifiers);
    const std::uint32_t virtualKey = DwordOrZero(resources.virtualKey);
    const std::uint32_t pathLength = DwordOrZero(resources.pathLength);

    if (resources.path.data == nullptr) return RequestDecodeStatus::PathMissing;
    // The length is not trusted: copying it blindly would read past 103.
    if (pathLength > resources.path.size) return RequestDecodeStatus::PathLengthExceedsResource;

    out.modifiers = modifiers;
    out.virtualKey = virtualKey;
    out.path = reinterpret_cast<const char*>(resources.path.data);
    out.pathLength = pathLength;
    return RequestDecodeStatus::Usable;
}
