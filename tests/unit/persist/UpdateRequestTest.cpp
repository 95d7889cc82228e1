#include "persist/UpdateRequest.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes BytesOf(const DwordBytes& dword) { return Bytes(dword.bytes, dword.bytes + 4); }

Bytes BytesOf(const RequestPayload& payload) {
    const unsigned char* data = static_cast<const unsigned char*>(payload.data);
    return Bytes(data, data + payload.size);
}

ResourceView View(const Bytes& bytes) {
    ResourceView view;
    view.data = bytes.data();
    view.size = bytes.size();
    return view;
}

ResourceView View(const std::string& bytes) {
    ResourceView view;
    view.data = reinterpret_cast<const unsigned char*>(bytes.data());
    view.size = bytes.size();
    return view;
}

}  // namespace

TEST(DwordEncoding, StoresTheLowByteFirst) {
    EXPECT_EQ(BytesOf(EncodeDword(0x76)), (Bytes{0x76, 0x00, 0x00, 0x00}));
    EXPECT_EQ(BytesOf(EncodeDword(0)), (Bytes{0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(BytesOf(EncodeDword(0x12345678u)), (Bytes{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(BytesOf(EncodeDword(0xFFFFFFFFu)), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(BytesOf(EncodeDword(0x80000001u)), (Bytes{0x01, 0x00, 0x00, 0x80}));
}

TEST(RequestPayloads, AreWrittenInOrderWithTheirIds) {
    const std::string path = "C:\\Tools\\Zorvane.exe";
    UpdateRequestPayloads payloads;
    ASSERT_TRUE(BuildUpdateRequestPayloads(0x06, 0x41, path.data(), path.size(), payloads));

    ASSERT_EQ(UpdateRequest::kPayloadCount, 4u);
    EXPECT_EQ(PayloadAt(payloads, 0).id, 101);
    EXPECT_EQ(PayloadAt(payloads, 1).id, 102);
    EXPECT_EQ(PayloadAt(payloads, 2).id, 103);
    EXPECT_EQ(PayloadAt(payloads, 3).id, 104);
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 0)), (Bytes{0x06, 0, 0, 0}));
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 1)), (Bytes{0x41, 0, 0, 0}));
    EXPECT_EQ(PayloadAt(payloads, 4).data, nullptr);
    EXPECT_EQ(PayloadAt(payloads, 4).size, 0u);
}

TEST(RequestPayloads, PathHasItsExactLengthAndNoTerminatingZero) {
    const char path[] = "C:\\Tools\\Zorvane.exe";
    UpdateRequestPayloads payloads;
    ASSERT_TRUE(BuildUpdateRequestPayloads(0, 0x76, path, std::strlen(path), payloads));

    const RequestPayload pathPayload = PayloadAt(payloads, 2);
    EXPECT_EQ(pathPayload.size, 20u);
    EXPECT_EQ(BytesOf(pathPayload), Bytes(path, path + 20));
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 3)), (Bytes{20, 0, 0, 0}));
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 0)), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 1)), (Bytes{0x76, 0, 0, 0}));
}

TEST(RequestPayloads, KeepsAnsiBytesAsTheyAre) {
    // "D:\游戏\Zorvane.exe" in code page 936.
    const std::string path = "D:\\\xD3\xCE\xCF\xB7\\Zorvane.exe";
    UpdateRequestPayloads payloads;
    ASSERT_TRUE(BuildUpdateRequestPayloads(0, 0, path.data(), path.size(), payloads));
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 2)), Bytes(path.begin(), path.end()));
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 3)), (Bytes{static_cast<unsigned char>(path.size()), 0, 0, 0}));
}

TEST(RequestPayloads, EmptyPathStaysAResourceRatherThanADeletion) {
    UpdateRequestPayloads payloads;
    ASSERT_TRUE(BuildUpdateRequestPayloads(1, 2, nullptr, 0, payloads));
    EXPECT_NE(PayloadAt(payloads, 2).data, nullptr);  // null with size 0 deletes
    EXPECT_EQ(PayloadAt(payloads, 2).size, 0u);
    EXPECT_EQ(BytesOf(PayloadAt(payloads, 3)), (Bytes{0, 0, 0, 0}));
}

TEST(RequestPayloads, RejectsAMissingPathWithALength) {
    UpdateRequestPayloads payloads;
    EXPECT_FALSE(BuildUpdateRequestPayloads(1, 2, nullptr, 5, payloads));
}

TEST(RequestPayloads, CopiesOfThePayloadsStillPointAtTheirOwnBytes) {
    const std::string path = "C:\\a.exe";
    UpdateRequestPayloads original;
    ASSERT_TRUE(BuildUpdateRequestPayloads(3, 4, path.data(), path.size(), original));
    const UpdateRequestPayloads copy = original;
    original = UpdateRequestPayloads();
    EXPECT_EQ(BytesOf(PayloadAt(copy, 0)), (Bytes{3, 0, 0, 0}));
    EXPECT_EQ(BytesOf(PayloadAt(copy, 1)), (Bytes{4, 0, 0, 0}));
    EXPECT_EQ(BytesOf(PayloadAt(copy, 3)), (Bytes{8, 0, 0, 0}));
}

namespace {

// The four resources as the save flow writes them.
struct WrittenRequest {
    Bytes modifiers;
    Bytes virtualKey;
    std::string path;
    Bytes pathLength;

    RequestResources Resources() const {
        RequestResources resources;
        resources.modifiers = View(modifiers);
        resources.virtualKey = View(virtualKey);
        resources.path = View(path);
        resources.pathLength = View(pathLength);
        return resources;
    }
};

WrittenRequest Write(std::uint32_t modifiers, std::uint32_t virtualKey, const std::string& path) {
    UpdateRequestPayloads payloads;
    EXPECT_TRUE(BuildUpdateRequestPayloads(modifiers, virtualKey, path.data(), path.size(), payloads));
    WrittenRequest written;
    written.modifiers = BytesOf(PayloadAt(payloads, 0));
    written.virtualKey = BytesOf(PayloadAt(payloads, 1));
    const Bytes pathBytes = BytesOf(PayloadAt(payloads, 2));
    written.path.assign(pathBytes.begin(), pathBytes.end());
    written.pathLength = BytesOf(PayloadAt(payloads, 3));
    return written;
}

}  // namespace

TEST(RequestDecoding, ReadsBackWhatWasWritten) {
    const struct {
        std::uint32_t modifiers;
        std::uint32_t virtualKey;
        std::string path;
    } cases[] = {
        {0, 0x76, "C:\\Tools\\Zorvane.exe"},
        {0x0F, 0xFF, "D:\\\xD3\xCE\xCF\xB7\\Zorvane.exe"},
        {0xFFFFFFFFu, 0x80000000u, std::string(259, 'x')},
        {0x01, 0x41, "Z.exe"},
    };
    for (const auto& c : cases) {
        const WrittenRequest written = Write(c.modifiers, c.virtualKey, c.path);
        UpdateRequest request;
        ASSERT_EQ(DecodeUpdateRequest(written.Resources(), request), RequestDecodeStatus::Usable);
        EXPECT_EQ(request.modifiers, c.modifiers);
        EXPECT_EQ(request.virtualKey, c.virtualKey);
        EXPECT_EQ(request.pathLength, c.path.size());
        EXPECT_EQ(std::string(request.path, request.pathLength), c.path);
        EXPECT_EQ(static_cast<const void*>(request.path), static_cast<const void*>(written.path.data()));
    }
}

TEST(RequestDecoding, WithoutAPathResourceTheRequestIsUnusable) {
    WrittenRequest written = Write(2, 0x41, "C:\\Tools\\Zorvane.exe");
    RequestResources resources = written.Resources();
    resources.path = ResourceView();
    UpdateRequest request;
    request.modifiers = 99;
    EXPECT_EQ(DecodeUpdateRequest(resources, request), RequestDecodeStatus::PathMissing);
    EXPECT_EQ(request.modifiers, 99u);  // untouched
    EXPECT_EQ(DecodeUpdateRequest(RequestResources(), request), RequestDecodeStatus::PathMissing);
}

TEST(RequestDecoding, MissingOrShortValuesReadAsZero) {
    const WrittenRequest written = Write(6, 0x41, "C:\\Tools\\Zorvane.exe");
    const Bytes shortValue = {0x41, 0x00};

    RequestResources resources = written.Resources();
    resources.modifiers = ResourceView();
    resources.virtualKey = View(shortValue);
    UpdateRequest request;
    ASSERT_EQ(DecodeUpdateRequest(resources, request), RequestDecodeStatus::Usable);
    EXPECT_EQ(request.modifiers, 0u);
    EXPECT_EQ(request.virtualKey, 0u);
    EXPECT_EQ(request.pathLength, 20u);

    resources = written.Resources();
    resources.virtualKey = ResourceView();
    ASSERT_EQ(DecodeUpdateRequest(resources, request), RequestDecodeStatus::Usable);
    EXPECT_EQ(request.modifiers, 6u);
    EXPECT_EQ(request.virtualKey, 0u);
}

TEST(RequestDecoding, MissingOrShortLengthGivesAnEmptyPath) {
    const WrittenRequest written = Write(6, 0x41, "C:\\Tools\\Zorvane.exe");
    const Bytes shortLength = {20, 0, 0};
    for (const ResourceView length : {ResourceView(), View(shortLength)}) {
        RequestResources resources = written.Resources();
        resources.pathLength = length;
        UpdateRequest request;
        ASSERT_EQ(DecodeUpdateRequest(resources, request), RequestDecodeStatus::Usable);
        EXPECT_EQ(request.pathLength, 0u);
        EXPECT_EQ(request.modifiers, 6u);
        EXPECT_EQ(request.virtualKey, 0x41u);
    }
}

TEST(RequestDecoding, LengthZeroGivesAnEmptyPath) {
    WrittenRequest written = Write(0, 0x76, "");
    UpdateRequest request;
    ASSERT_EQ(DecodeUpdateRequest(written.Resources(), request), RequestDecodeStatus::Usable);
    EXPECT_EQ(request.pathLength, 0u);
    EXPECT_NE(request.path, nullptr);

    written = Write(0, 0x76, "C:\\Tools\\Zorvane.exe");
    written.pathLength = BytesOf(EncodeDword(0));
    ASSERT_EQ(DecodeUpdateRequest(written.Resources(), request), RequestDecodeStatus::Usable);
    EXPECT_EQ(request.pathLength, 0u);
}

TEST(RequestDecoding, ALengthBeyondThePathResourceIsUnusable) {
    const std::string path = "C:\\Tools\\Zorvane.exe";
    for (const std::uint32_t length : {21u, 22u, 260u, 0x7FFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        WrittenRequest written = Write(1, 2, path);
        written.pathLength = BytesOf(EncodeDword(length));
        UpdateRequest request;
        request.pathLength = 12345;
        EXPECT_EQ(DecodeUpdateRequest(written.Resources(), request), RequestDecodeStatus::PathLengthExceedsResource)
            << length;
        EXPECT_EQ(request.pathLength, 12345u);
        EXPECT_EQ(request.path, nullptr);
    }
}

TEST(RequestDecoding, ALengthShorterThanThePathResourceTakesThatManyBytes) {
    WrittenRequest written = Write(1, 2, "C:\\Tools\\Zorvane.exe");
    written.pathLength = BytesOf(EncodeDword(8));
    UpdateRequest request;
    ASSERT_EQ(DecodeUpdateRequest(written.Resources(), request), RequestDecodeStatus::Usable);
    EXPECT_EQ(std::string(request.path, request.pathLength), "C:\\Tools");
}

TEST(RequestDecoding, EveryLengthUpToThePathSizeIsAcceptedAndNoneBeyond) {
    const std::string path = "C:\\Tools\\Zorvane.exe";
    for (std::uint32_t length = 0; length <= 64; ++length) {
        WrittenRequest written = Write(0, 0x76, path);
        written.pathLength = BytesOf(EncodeDword(length));
        UpdateRequest request;
        const RequestDecodeStatus status = DecodeUpdateRequest(written.Resources(), request);
        if (length <= path.size()) {
            ASSERT_EQ(status, RequestDecodeStatus::Usable) << length;
            EXPECT_EQ(std::string(request.path, request.pathLength), path.substr(0, length));
        } else {
            EXPECT_EQ(status, RequestDecodeStatus::PathLengthExceedsResource) << length;
        }
    }
}
