// Bitmap resource headers and toolbar colour mapping; see DibResource.h.
#include "ui/menu/readers/DibResource.h"

namespace tessel {

namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t U32At(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t U16At(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

int DibColorCount(std::uint32_t clrUsed, std::uint16_t bitCount) {
    if (clrUsed != 0) return static_cast<int>(clrUsed > 0x7FFFFFFFu ? 0x7FFFFFFFu : clrUsed);
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

DibResult ParseDibResource(const void* data, std::size_t size) {
    DibResult result;
    if (data == nullptr || size < kInfoHeaderSize) {
        result.error = DibError::HeaderTruncated;
        return result;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    DibResourceInfo info;
    info.headerSize = U32At(bytes);
    if (info.headerSize < kInfoHeaderSize) {
        result.error = DibError::BadHeaderSize;
        return result;
    }
    if (info.headerSize > size) {
        result.error = DibError::HeaderTruncated;
        return result;
    }
    info.width = static_cast<std::int32_t>(U32At(bytes + 4));
    info.height = static_cast<std::int32_t>(U32At(bytes + 8));
    info.bitCount = U16At(bytes + 14);
    info.clrUsed = U32At(bytes + 32);
    // A palette larger than the depth can index is no bitmap we draw.
    if (info.bitCount >= 1 && info.bitCount <= 8 && info.clrUsed > (1u << info.bitCount)) {
        result.error = DibError::TooManyColors;
        return result;
    }
    info.colorCount = DibColorCount(info.clrUsed, info.bitCount);
    info.colorTableOffset = info.headerSize;
    if (static_cast<std::size_t>(info.colorCount) > (size - info.headerSize) / 4) {
        result.error = DibError::TableTruncated;
        return result;
    }
    info.bitsOffset = info.headerSize + static_cast<std::size_t>(info.colorCount) * 4;
    result.info = info;
    return result;
}

Color MapToolbarColor(Color entry, const ToolbarSysColors& sys) {
    switch (entry & 0x00FFFFFFu) {
    case 0x000000u:
        return sys.btnText;
    case 0x808080u:
        return sys.btnShadow;
    case 0xC0C0C0u:
        return sys.btnFace;
    case 0xFFFFFFu:
        return sys.btnHighlight;
    default:
        return entry;
    }
}

Color RgbQuadToColor(std::uint32_t quad) {
    const int blue = static_cast<int>(quad & 0xFF);
    const int green = static_cast<int>((quad >> 8) & 0xFF);
    const int red = static_cast<int>((quad >> 16) & 0xFF);
    return MakeColor(red, green, blue);
}

std::uint32_t ColorToRgbQuad(Color color) {
    return static_cast<std::uint32_t>(BlueOf(color)) | (static_cast<std::uint32_t>(GreenOf(color)) << 8) |
           (static_cast<std::uint32_t>(RedOf(color)) << 16);
}

}  // namespace tessel
