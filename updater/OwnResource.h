#pragma once

#include "persist/UpdateRequest.h"

#include <windows.h>

// The bytes of resource (type, id) of the running module, any language;
// data is null when it cannot be found, loaded or locked.
ResourceBytes FindOwnResource(WORD id, const char* type);
