#pragma once

// Starts the updated program through the shell, as a user's double click would.
void RestartTarget(const char* path);
