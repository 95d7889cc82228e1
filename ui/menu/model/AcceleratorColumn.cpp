// Lining up accelerator texts; see AcceleratorColumn.h.
#include "ui/menu/model/AcceleratorColumn.h"

#include <algorithm>

namespace tessel {

std::vector<std::optional<std::string>> AlignAcceleratorCaptions(const std::vector<std::string>& captions,
                                                                 const TextWidthFunction& width) {
    int widest = -1;
    for (const std::string& caption : captions) {
        const std::string head = caption.substr(0, caption.find('\t')) + " ";
        widest = std::max(widest, width(head));
    }

    std::vector<std::optional<std::string>> result(captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::size_t tab = captions[i].find('\t');
        if (tab == std::string::npos) continue;
        std::string head = captions[i].substr(0, tab);
        int current = width(head);
        for (int added = 0; current < widest && added < kMaxAcceleratorPadding; ++added) {
            head += ' ';
            const int next = width(head);
            if (next <= current) break;
            current = next;
        }
        result[i] = head + captions[i].substr(tab);
    }
    return result;
}

}  // namespace tessel
