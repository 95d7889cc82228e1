#include "app/SeeThroughRules.h"

#include "app/WindowSelection.h"

namespace {

constexpr BYTE kSteps[] = {204, 153, 102};

}  // namespace

BYTE NextSeeThroughAlpha(BYTE current) {
    for (BYTE step : kSteps) {
        if (step < current) return step;
    }
    return kOpaqueAlpha;
}

SeeThroughAction DecideSeeThrough(const SeeThroughFacts& facts) {
    if (facts.ofThisProcess || facts.desktopWindow || IsShellWindowClass(facts.className))
        return SeeThroughAction::LeaveAlone;
    if ((facts.exStyle & WS_EX_LAYERED) == 0) return SeeThroughAction::Begin;
    if (!facts.madeLayeredHere) return SeeThroughAction::LeaveAlone;
    switch (facts.reading) {
    case AttributeReading::Unavailable:
        // Without a way to look, what this program set is all it knows.
        return SeeThroughAction::Step;
    case AttributeReading::Failed:
        return SeeThroughAction::LeaveAlone;
    case AttributeReading::Read:
        break;
    }
    const bool alphaOnly = (facts.attributeFlags & (LWA_ALPHA | LWA_COLORKEY)) == LWA_ALPHA;
    return alphaOnly ? SeeThroughAction::Step : SeeThroughAction::LeaveAlone;
}

DWORD RestoredExStyle(DWORD current, DWORD original) {
    return (current & ~static_cast<DWORD>(WS_EX_LAYERED)) | (original & WS_EX_LAYERED);
}
