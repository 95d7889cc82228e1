#pragma once

#include "common/PathSplit.h"

#include <cstddef>

// Writes the folder that holds path, zero-terminated, or "." for a bare file
// name. False when it does not fit into outSize bytes.
bool TargetFolderOf(const char* path, LeadBytePredicate isLeadByte, char* out, std::size_t outSize);
