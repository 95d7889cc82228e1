// Reading menu resource templates; see MenuTemplate.h.
#include "ui/menu/readers/MenuTemplate.h"

#include <utility>

namespace tessel {

namespace {

constexpr std::uint16_t kExtendedPopup = 0x01;
constexpr std::uint16_t kExtendedLast = 0x80;

// Bounds-checked little-endian reads over the template.
class Reader {
public:
    Reader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    // End of the last field read; alignment padding skipped after it does
    // not count.
    std::size_t consumed() const { return consumed_; }

    bool Skip(std::size_t n) {
        if (n > size_ - pos_) return false;
        pos_ += n;
        consumed_ = pos_;
        return true;
    }

    bool U16(std::uint16_t& out) {
        if (size_ - pos_ < 2) return false;
        out = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        consumed_ = pos_;
        return true;
    }

    bool U32(std::uint32_t& out) {
        if (size_ - pos_ < 4) return false;
        out = static_cast<std::uint32_t>(data_[pos_]) | (static_cast<std::uint32_t>(data_[pos_ + 1]) << 8) |
              (static_cast<std::uint32_t>(data_[pos_ + 2]) << 16) | (static_cast<std::uint32_t>(data_[pos_ + 3]) << 24);
        pos_ += 4;
        consumed_ = pos_;
        return true;
    }

    // A NUL-terminated UTF-16 string; fails when the NUL is not inside.
    bool WideString(CaptionString& out) {
        out.clear();
        for (;;) {
            std::uint16_t unit = 0;
            if (!U16(unit)) return false;
            if (unit == 0) return true;
            out.push_back(static_cast<CaptionString::value_type>(unit));
        }
    }

    // Moves to the next multiple of 4 from the template's start; stops at
    // the end so that a later read fails instead of skipping the check.
    void AlignTo4() {
        const std::size_t aligned = (pos_ + 3) & ~static_cast<std::size_t>(3);
        pos_ = aligned < size_ ? aligned : size_;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::size_t consumed_ = 0;
};

MenuTemplateError ReadStandardLevel(Reader& in, int depth, std::vector<MenuTemplateItem>& level) {
    for (;;) {
        MenuTemplateItem item;
        std::uint16_t flags = 0;
        if (!in.U16(flags)) return MenuTemplateError::ItemTruncated;
        if ((flags & kMfPopup) == 0) {
            std::uint16_t id = 0;
            if (!in.U16(id)) return MenuTemplateError::ItemTruncated;
            item.id = id;
        }
        if (!in.WideString(item.caption)) return MenuTemplateError::ItemTruncated;
        item.flags = flags & ~kMfEnd;
        if (item.IsPopup()) {
            if (depth + 1 > kMaxMenuTemplateDepth) return MenuTemplateError::NestingTooDeep;
            const MenuTemplateError e = ReadStandardLevel(in, depth + 1, item.children);
            if (e != MenuTemplateError::None) return e;
        }
        level.push_back(std::move(item));
        if ((flags & kMfEnd) != 0) return MenuTemplateError::None;
    }
}

MenuTemplateError ReadExtendedLevel(Reader& in, int depth, std::vector<MenuTemplateItem>& level) {
    for (;;) {
        MenuTemplateItem item;
        std::uint32_t type = 0;
        std::uint32_t state = 0;
        std::uint16_t resInfo = 0;
        if (!in.U32(type) || !in.U32(state) || !in.U32(item.id) || !in.U16(resInfo)) {
            return MenuTemplateError::ItemTruncated;
        }
        if (!in.WideString(item.caption)) return MenuTemplateError::ItemTruncated;
        in.AlignTo4();
        item.flags = type | state;
        if ((resInfo & kExtendedPopup) != 0) {
            item.flags |= kMfPopup;
            if (!in.U32(item.helpId)) return MenuTemplateError::ItemTruncated;
            if (depth + 1 > kMaxMenuTemplateDepth) return MenuTemplateError::NestingTooDeep;
            const MenuTemplateError e = ReadExtendedLevel(in, depth + 1, item.children);
            if (e != MenuTemplateError::None) return e;
        } else {
            // A plain item never carries MF_POPUP, whatever its type says.
            item.flags &= ~kMfPopup;
        }
        level.push_back(std::move(item));
        if ((resInfo & kExtendedLast) != 0) return MenuTemplateError::None;
    }
}

}  // namespace

MenuTemplateResult ParseMenuTemplate(const void* data, std::size_t size) {
    MenuTemplateResult result;
    if (data == nullptr) size = 0;
    Reader in(static_cast<const unsigned char*>(data), size);

    std::uint16_t version = 0;
    std::uint16_t extension = 0;
    if (!in.U16(version) || !in.U16(extension) || !in.Skip(extension)) {
        result.error = MenuTemplateError::HeaderTruncated;
        return result;
    }
    if (version > 1) {
        result.error = MenuTemplateError::UnknownVersion;
        return result;
    }
    result.extended = version == 1;
    result.error = result.extended ? ReadExtendedLevel(in, 0, result.items) : ReadStandardLevel(in, 0, result.items);
    if (result.ok()) {
        result.bytesUsed = in.consumed();
    } else {
        result.items.clear();
    }
    return result;
}

const char* MenuTemplateErrorName(MenuTemplateError error) {
    switch (error) {
    case MenuTemplateError::None:
        return "none";
    case MenuTemplateError::HeaderTruncated:
        return "header truncated";
    case MenuTemplateError::ItemTruncated:
        return "item truncated";
    case MenuTemplateError::NestingTooDeep:
        return "nesting too deep";
    case MenuTemplateError::UnknownVersion:
        return "unknown version";
    }
    return "unknown error";
}

}  // namespace tessel
