// Lining up the accelerator texts of a popup: the part of each caption in
// front of its TAB is padded with spaces until it is as wide as the widest
// such part plus one space. Widths come from a measuring function, so the
// rule runs on any font (or on a fake one in tests).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tessel {

using TextWidthFunction = std::function<int(const std::string&)>;

// Spaces added to one caption at most; a font whose space has no width
// stops the padding there instead of looping forever.
constexpr int kMaxAcceleratorPadding = 512;

// For each caption (ANSI, as the records give it; a missing caption is
// empty): the new caption for those that hold a TAB, nullopt for the others,
// which stay as they are.
std::vector<std::optional<std::string>> AlignAcceleratorCaptions(const std::vector<std::string>& captions,
                                                                 const TextWidthFunction& width);

}  // namespace tessel
