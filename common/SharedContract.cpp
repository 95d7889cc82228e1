// res/resource.h keeps some of the contract's ids for the resource compiler,
// which reads #defines only; tied here, so that the two cannot drift apart.
#include "common/SharedContract.h"

#include "res/resource.h"

static_assert(contract::kHotkeyLanguage == 2052, "the saved hotkey and the request are Chinese (Simplified)");
static_assert(contract::kSavedModifiersId == IDR_HOTKEY_MODIFIERS, "resource.h and the contract disagree");
static_assert(contract::kSavedVirtualKeyId == IDR_HOTKEY_VIRTUAL_KEY, "resource.h and the contract disagree");
static_assert(contract::kUpdaterResourceId == IDR_UPDATER_EXE, "resource.h and the contract disagree");
