#include "persist/UpdateRequest.h"

DwordBytes EncodeDword(std::uint32_t value)
{
    DwordBytes out;
    for (int i = 0; i < 4; ++i)
        out.bytes[i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFFu);
    return out;
}

bool DecodeDword(ResourceBytes resource, std::uint32_t& out)
{
    if (resource.data == nullptr || resource.size < 4)
        return false;
    const unsigned char* bytes = static_cast<const unsigned char*>(resource.data);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[i];
    out = value;
    return true;
}

bool BuildUpdateRequestPayloads(std::uint32_t modifiers, std::uint32_t virtualKey,
                                const char* path, std::size_t pathLength,
                                UpdateRequestPayloads& out)
{
    const std::uint64_t length = pathLength;
    if (length > 0xFFFFFFFFu)
        return false;
    if (path == nullptr && pathLength != 0)
        return false;
    out.modifiers = EncodeDword(modifiers);
    out.virtualKey = EncodeDword(virtualKey);
    // A null pointer with size 0 would ask UpdateResourceA to delete 103.
    out.path = path != nullptr ? path : "";
    out.pathLength = static_cast<std::uint32_t>(pathLength);
    out.pathLengthBytes = EncodeDword(out.pathLength);
    return true;
}

RequestPayload PayloadAt(const UpdateRequestPayloads& payloads, std::size_t index)
{
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

RequestDecodeStatus DecodeUpdateRequest(const RequestResources& resources, UpdateRequest& out)
{
    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    std::uint32_t pathLength = 0;
    DecodeDword(resources.modifiers, modifiers);
    DecodeDword(resources.virtualKey, virtualKey);
    DecodeDword(resources.pathLength, pathLength);

    if (resources.path.data == nullptr)
        return RequestDecodeStatus::PathMissing;
    // The length is not trusted: copying it blindly would read past 103.
    if (pathLength > resources.path.size)
        return RequestDecodeStatus::PathLengthExceedsResource;

    out.modifiers = modifiers;
    out.virtualKey = virtualKey;
    out.path = static_cast<const char*>(resources.path.data);
    out.pathLength = pathLength;
    return RequestDecodeStatus::Usable;
}
