// The updater ships with a present but empty resource directory, so that the
// save flow only ever adds to an existing resource section. The linker emits
// no .rsrc section without resources, and windres refuses an empty script.
//
// Its size fills the section's first 512-byte file block: Wine's
// EndUpdateResource writes small resource trees into the existing raw block
// but leaves the section's virtual size as it was, so the virtual size must
// already cover that block for a loader that maps only the virtual size.

#if defined(__GNUC__)
struct alignas(4) EmptyResourceDirectory {
    // IMAGE_RESOURCE_DIRECTORY with no named and no id entries, then padding.
    unsigned char bytes[512];
};

__attribute__((section(".rsrc"), used)) extern const EmptyResourceDirectory g_emptyResourceDirectory = {};
#endif
