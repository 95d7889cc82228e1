// The static constructors, for process entries that replace the C runtime's
// start-up code (the framework's and the updater's) and so must run them
// themselves, before anything else.
#pragma once

// Runs them last to first, as the runtime does.
void RunStaticConstructors();
