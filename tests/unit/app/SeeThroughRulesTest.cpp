// The opacity steps of a right-drag and which windows it leaves alone.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/SeeThroughRules.h"

namespace {

TEST(SeeThroughSteps, CycleFromOpaqueThroughEightySixtyFortyPercentBackToOpaque) {
    EXPECT_EQ(NextSeeThroughAlpha(255), 204);
    EXPECT_EQ(NextSeeThroughAlpha(204), 153);
    EXPECT_EQ(NextSeeThroughAlpha(153), 102);
    EXPECT_EQ(NextSeeThroughAlpha(102), 255);
}

TEST(SeeThroughSteps, AnyOtherAlphaGoesToTheNextStepBelowOrBackToOpaque) {
    for (int alpha = 0; alpha < 256; ++alpha) {
        const int expected = alpha > 204 ? 204 : alpha > 153 ? 153 : alpha > 102 ? 102 : 255;
        EXPECT_EQ(NextSeeThroughAlpha(static_cast<BYTE>(alpha)), expected) << "alpha " << alpha;
    }
}

// A plain window of another program, layered by nobody.
SeeThroughFacts Plain() { return {false, false, L"Notepad", WS_EX_WINDOWEDGE, false, AttributeReading::Failed, 0}; }

// The same made see-through here, its attributes read back as set.
SeeThroughFacts MadeSeeThrough() {
    SeeThroughFacts facts = Plain();
    facts.exStyle |= WS_EX_LAYERED;
    facts.madeLayeredHere = true;
    facts.reading = AttributeReading::Read;
    facts.attributeFlags = LWA_ALPHA;
    return facts;
}

TEST(SeeThroughDecision, APlainWindowBeginsAndOneMadeSeeThroughHereSteps) {
    EXPECT_EQ(DecideSeeThrough(Plain()), SeeThroughAction::Begin);
    SeeThroughFacts unreadable = Plain();
    unreadable.reading = AttributeReading::Unavailable;
    EXPECT_EQ(DecideSeeThrough(unreadable), SeeThroughAction::Begin);
    EXPECT_EQ(DecideSeeThrough(MadeSeeThrough()), SeeThroughAction::Step);
    SeeThroughFacts beforeXp = MadeSeeThrough();
    beforeXp.reading = AttributeReading::Unavailable;
    EXPECT_EQ(DecideSeeThrough(beforeXp), SeeThroughAction::Step) << "what was set here is all there is to go by";
}

TEST(SeeThroughDecision, OwnWindowsTheDesktopAndTheTaskbarAreLeftAlone) {
    SeeThroughFacts own = Plain();
    own.ofThisProcess = true;
    EXPECT_EQ(DecideSeeThrough(own), SeeThroughAction::LeaveAlone);
    SeeThroughFacts desktop = Plain();
    desktop.desktopWindow = true;
    EXPECT_EQ(DecideSeeThrough(desktop), SeeThroughAction::LeaveAlone);
    for (const wchar_t* shell :
         {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd", L"shell_traywnd"}) {
        SeeThroughFacts facts = Plain();
        facts.className = shell;
        EXPECT_EQ(DecideSeeThrough(facts), SeeThroughAction::LeaveAlone) << static_cast<int>(shell[0]);
    }
    SeeThroughFacts lookalike = Plain();
    lookalike.className = L"Shell_TrayWndX";
    EXPECT_EQ(DecideSeeThrough(lookalike), SeeThroughAction::Begin);
}

TEST(SeeThroughDecision, AWindowLayeredByItsOwnProgramIsLeftAlone) {
    for (AttributeReading reading : {AttributeReading::Unavailable, AttributeReading::Failed, AttributeReading::Read}) {
        for (DWORD flags : {DWORD{LWA_ALPHA}, DWORD{LWA_COLORKEY}, DWORD{LWA_ALPHA | LWA_COLORKEY}}) {
            SeeThroughFacts facts = MadeSeeThrough();
            facts.madeLayeredHere = false;
            facts.reading = reading;
            facts.attributeFlags = flags;
            EXPECT_EQ(DecideSeeThrough(facts), SeeThroughAction::LeaveAlone)
                << static_cast<int>(reading) << " " << flags;
        }
    }
}

TEST(SeeThroughDecision, AWindowWhoseProgramTookItBackIsLeftAloneOrBeginsAgain) {
    SeeThroughFacts painted = MadeSeeThrough();
    painted.reading = AttributeReading::Failed;
    EXPECT_EQ(DecideSeeThrough(painted), SeeThroughAction::LeaveAlone) << "painted with UpdateLayeredWindow";
    for (DWORD flags : {DWORD{LWA_COLORKEY}, DWORD{LWA_ALPHA | LWA_COLORKEY}, DWORD{0}}) {
        SeeThroughFacts keyed = MadeSeeThrough();
        keyed.attributeFlags = flags;
        EXPECT_EQ(DecideSeeThrough(keyed), SeeThroughAction::LeaveAlone) << flags;
    }
    SeeThroughFacts unlayered = MadeSeeThrough();
    unlayered.exStyle &= ~WS_EX_LAYERED;
    EXPECT_EQ(DecideSeeThrough(unlayered), SeeThroughAction::Begin) << "the style gone: a plain window again";
}

TEST(SeeThroughRestore, GivesBackTheLayeredBitAsItWasAndKeepsTheRest) {
    const DWORD now = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    EXPECT_EQ(RestoredExStyle(now, WS_EX_TOOLWINDOW), DWORD{WS_EX_TOPMOST | WS_EX_TOOLWINDOW});
    EXPECT_EQ(RestoredExStyle(now, WS_EX_LAYERED), now);
}

}  // namespace
