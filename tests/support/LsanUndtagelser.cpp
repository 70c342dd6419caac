// Leaks inside system libraries that a test process with a Qt application cannot
// free (fontconfig's caches); everything of our own is still checked.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
