// Picking a part of the executable's path.
#pragma once
#include <string>

#include "common/PathSplit.h"

enum ModulePathFlags : unsigned {
    ModulePathDirectory = 1,  // drive and directory, always ending in a backslash
    ModulePathFileName = 2,   // base name and extension
    ModulePathFull = 4,       // directory followed by file name
};

// The part of fullPath that flags select, by precedence directory, file name,
// full path; with none of these bits the directory.
std::string ModulePathPart(const std::string& fullPath, unsigned flags, LeadBytePredicate isLeadByte);
