// What the user is told when a change to another program's window did not
// happen or is still to come, and how a long title is cut for it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/ChangeNotice.h"
#include "app/TitleText.h"

namespace {

std::wstring Told(WindowChange change, DWORD error) {
    const ChangeNotice notice = DescribeProblem(ProblemFromError(error));
    wchar_t text[256];
    wsprintfW(text, notice.format, ChangeName(change), error);
    return std::wstring(notice.isError ? L"error: " : L"warning: ") + text;
}

TEST(ChangeNotice, EachErrorNamesItsReasonAndTheActionAndOnlyAnUnansweredChangeIsStillToCome) {
    const struct {
        WindowChange change;
        DWORD error;
        const wchar_t* told;
    } cases[] = {
        {WindowChange::Pin, ERROR_ACCESS_DENIED, L"error: 无法置顶：该程序拒绝了更改（它可能以管理员身份运行）。"},
        {WindowChange::Release, ERROR_ACCESS_DENIED,
         L"error: 无法取消置顶：该程序拒绝了更改（它可能以管理员身份运行）。"},
        {WindowChange::SeeThrough, ERROR_INVALID_WINDOW_HANDLE, L"error: 无法调整透明度：窗口已关闭。"},
        {WindowChange::Pin, ERROR_TIMEOUT, L"warning: 该程序未响应：它恢复响应后将置顶。"},
        {WindowChange::Release, ERROR_NOT_ENOUGH_MEMORY, L"error: 无法取消置顶（错误 8）。"},
    };
    for (const auto& c : cases) EXPECT_EQ(Told(c.change, c.error), c.told) << c.error;
}

TEST(TitleText, ALongTitleIsCutWithAnEllipsisNeverInsideASurrogatePairAndAnAmpersandShowsAsItself) {
    const std::wstring clef = L"\U0001D11E";  // two units
    const struct {
        std::wstring title;
        std::size_t most;
        std::wstring shown, caption;
    } cases[] = {
        {L"乐谱", 2, L"乐谱", L"乐"},
        {L"乐谱查看器", 4, L"乐谱查…", L"乐谱查"},
        {L"ab" + clef + L"cd", 4, L"ab…", L"ab"},
        {L"ab" + clef + L"cd", 5, L"ab" + clef + L"…", L"ab" + clef},
        {L"a&b", 3, L"a&b", L"a"},
        {L"a&b", 4, L"a&b", L"a&&"},
    };
    for (const auto& c : cases) {
        std::wstring cut = c.title + L'x';
        cut.resize(ShortenTitle(&cut[0], c.title.size(), c.most));
        wchar_t caption[32];
        EscapeMnemonics(c.title.c_str(), caption, c.most);
        EXPECT_EQ(cut, c.shown) << c.most;
        EXPECT_EQ(std::wstring(caption), c.caption) << c.most;
    }
}

}  // namespace
