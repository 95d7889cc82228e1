#include "tests/support/MessageBoxProbe.h"

#include "tests/support/MarkedWindows.h"
#include "tests/support/WaitUntil.h"
#include "tests/support/WindowProbe.h"

#include <vector>

namespace testsupport {

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBoxes(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    const WindowProbe probe(window);
    if (probe.ProcessId() == search->processId && probe.Visible() && probe.ClassName() == L"#32770" &&
        !InstanceMarker::IsMarked(window)) {
        search->boxes.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticTexts(HWND child, LPARAM param) {
    const WindowProbe probe(child);
    if (lstrcmpiW(probe.ClassName().c_str(), L"Static") == 0) {
        const std::wstring text = probe.Text();
        if (!text.empty()) {
            auto* joined = reinterpret_cast<std::wstring*>(param);
            if (!joined->empty()) joined->push_back(L'\n');
            joined->append(text);
        }
    }
    return TRUE;
}

}  // namespace

std::wstring MessageBoxProbe::Message(HWND box) {
    std::wstring joined;
    EnumChildWindows(box, CollectStaticTexts, reinterpret_cast<LPARAM>(&joined));
    return joined;
}

HWND MessageBoxProbe::Find(DWORD processId, const std::wstring& text) {
    Search search{processId, {}};
    EnumWindows(CollectBoxes, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.boxes) {
        if (Message(box).find(text) != std::wstring::npos) return box;
    }
    return nullptr;
}

HWND MessageBoxProbe::WaitFor(DWORD processId, const std::wstring& text, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil([&] { return (box = Find(processId, text)) != nullptr; }, timeoutMs);
    return box;
}

bool MessageBoxProbe::PressOk(HWND box, DWORD timeoutMs) {
    // A box with a single OK button may give it either id.
    HWND button = GetDlgItem(box, IDOK);
    if (!button) button = GetDlgItem(box, IDCANCEL);
    if (!button) return false;
    PostMessageW(button, BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, timeoutMs);
}

}  // namespace testsupport
