#pragma once

// The request that the main program writes into the updater file and the
// updater reads back: four HOTKEY resources. Pure functions over plain bytes,
// shared by both programs, so that writer and reader cannot drift apart.

#include <cstddef>
#include <cstdint>

#include "common/ResourceView.h"
#include "common/SharedContract.h"

// A 32-bit value as it is stored: 4 bytes, little-endian.
struct DwordBytes {
    unsigned char bytes[4] = {0, 0, 0, 0};
};

// One resource to write, in the form UpdateResourceA takes it.
struct RequestPayload {
    unsigned short id = 0;
    const void* data = nullptr;  // borrowed from the UpdateRequestPayloads it came from
    std::uint32_t size = 0;
};

// The four payloads of a request; the path bytes are borrowed from the caller.
struct UpdateRequestPayloads {
    DwordBytes modifiers;
    DwordBytes virtualKey;
    const char* path = "";
    std::uint32_t pathLength = 0;
    DwordBytes pathLengthBytes;
};

// The raw resources 101 to 104 of the updater, any of which may be missing.
struct RequestResources {
    ResourceView modifiers;   // 101
    ResourceView virtualKey;  // 102
    ResourceView path;        // 103
    ResourceView pathLength;  // 104
};

enum class RequestDecodeStatus {
    Usable,
    PathMissing,                // 103 absent: started by hand, nothing to do
    PathLengthExceedsResource,  // 104 claims more bytes than 103 holds
};

// A decoded request. The path points into resource 103 and is not
// zero-terminated; pathLength never exceeds that resource's size.
struct UpdateRequest {
    static constexpr const char* kResourceType = contract::kHotkeyResourceType;
    static constexpr unsigned short kModifiersId = contract::kRequestModifiersId;
    static constexpr unsigned short kVirtualKeyId = contract::kRequestVirtualKeyId;
    static constexpr unsigned short kPathId = contract::kRequestPathId;
    static constexpr unsigned short kPathLengthId = contract::kRequestPathLengthId;
    // Written apart from the four payloads: present only when the rules changed.
    static constexpr unsigned short kPinRulesId = contract::kRequestPinRulesId;
    static constexpr std::size_t kPayloadCount = 4;

    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    const char* path = nullptr;
    std::uint32_t pathLength = 0;
};

DwordBytes EncodeDword(std::uint32_t value);

// path holds pathLength ANSI bytes without a terminating zero. False when the
// length does not fit the 32-bit length resource or path is null but
// pathLength is not 0.
bool BuildUpdateRequestPayloads(std::uint32_t modifiers, std::uint32_t virtualKey, const char* path,
                                std::size_t pathLength, UpdateRequestPayloads& out);

// The payloads in writing order: 101, 102, 103, 104. index < kPayloadCount.
RequestPayload PayloadAt(const UpdateRequestPayloads& payloads, std::size_t index);

// Missing or short 101, 102 and 104 read as 0. Only a Usable result fills out.
RequestDecodeStatus DecodeUpdateRequest(const RequestResources& resources, UpdateRequest& out);
