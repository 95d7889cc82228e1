// Strings of the application's string table, which keeps them as UTF-16:
// read as stored, they show whatever the system's ANSI code page is.
#pragma once
#include <windows.h>

#include <string>

// String id, whole. False, with out empty, when there is no such string or
// it is empty.
bool AfxLoadWideString(UINT id, std::wstring& out);
