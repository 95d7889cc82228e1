// The opacity steps of a right-drag and which windows it leaves alone.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/SeeThroughRules.h"

namespace {

TEST(SeeThroughSteps, OpaqueEightySixtyFortyPercentOpaqueAndAnyOtherAlphaToTheNextStepBelow) {
    for (int alpha = 0; alpha < 256; ++alpha) {
        const int expected = alpha > 204 ? 204 : alpha > 153 ? 153 : alpha > 102 ? 102 : 255;
        EXPECT_EQ(NextSeeThroughAlpha(static_cast<BYTE>(alpha)), expected) << "alpha " << alpha;
    }
}

constexpr auto kAlone = SeeThroughAction::LeaveAlone;
constexpr auto kBegin = SeeThroughAction::Begin;
constexpr auto kStep = SeeThroughAction::Step;
constexpr auto kNone = AttributeReading::Unavailable;
constexpr auto kFailed = AttributeReading::Failed;
constexpr auto kRead = AttributeReading::Read;
constexpr DWORD kLayered = WS_EX_LAYERED | WS_EX_WINDOWEDGE, kPlain = WS_EX_WINDOWEDGE;

struct Case {
    SeeThroughFacts facts;
    SeeThroughAction expected;
    const char* what;
};

TEST(SeeThroughDecision, OnlyPlainWindowsAndThoseStillSeeThroughByThisProgramsHandAreChanged) {
    const Case cases[] = {
        {{false, false, L"Notepad", kPlain, false, kFailed, 0}, kBegin, "plain"},
        {{false, false, L"Notepad", kPlain, false, kNone, 0}, kBegin, "plain, before XP"},
        {{false, false, L"Notepad", kPlain, true, kFailed, 0}, kBegin, "its program took the style off"},
        {{false, false, L"Notepad", kLayered, true, kRead, LWA_ALPHA}, kStep, "made see-through here"},
        {{false, false, L"Notepad", kLayered, true, kNone, 0}, kStep, "made see-through here, before XP"},
        {{false, false, L"Notepad", kLayered, true, kFailed, 0}, kAlone, "since painted by its program"},
        {{false, false, L"Notepad", kLayered, true, kRead, LWA_ALPHA | LWA_COLORKEY}, kAlone, "since keyed"},
        {{false, false, L"Notepad", kLayered, true, kRead, LWA_COLORKEY}, kAlone, "since keyed only"},
        {{false, false, L"Notepad", kLayered, false, kRead, LWA_ALPHA}, kAlone, "its own alpha"},
        {{false, false, L"Notepad", kLayered, false, kRead, LWA_COLORKEY}, kAlone, "its own colour key"},
        {{false, false, L"Notepad", kLayered, false, kFailed, 0}, kAlone, "painted by its program"},
        {{false, false, L"Notepad", kLayered, false, kNone, 0}, kAlone, "layered, before XP"},
        {{true, false, L"#32770", kPlain, false, kFailed, 0}, kAlone, "this program's own"},
        {{false, true, L"#32769", kPlain, false, kFailed, 0}, kAlone, "the desktop window"},
        {{false, false, L"Progman", kPlain, false, kFailed, 0}, kAlone, "desktop"},
        {{false, false, L"WorkerW", kPlain, false, kFailed, 0}, kAlone, "desktop behind the icons"},
        {{false, false, L"Shell_TrayWnd", kPlain, false, kFailed, 0}, kAlone, "taskbar"},
        {{false, false, L"shell_secondarytraywnd", kPlain, false, kFailed, 0}, kAlone, "taskbar, any case"},
        {{false, false, L"Shell_TrayWndX", kPlain, false, kFailed, 0}, kBegin, "a lookalike"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecideSeeThrough(c.facts), c.expected) << c.what;
}

TEST(SeeThroughRestore, GivesBackTheLayeredBitAsItWasAndKeepsTheRest) {
    const DWORD now = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    EXPECT_EQ(RestoredExStyle(now, WS_EX_TOOLWINDOW), DWORD{WS_EX_TOPMOST | WS_EX_TOOLWINDOW});
    EXPECT_EQ(RestoredExStyle(now, WS_EX_LAYERED), now);
}

}  // namespace
