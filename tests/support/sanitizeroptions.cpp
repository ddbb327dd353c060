// Run-time options of the sanitizers, built into every program of an instrumented build, so a
// test or fuzz target run by hand checks exactly what its CTest run checks. Options given in
// ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS still override these.

// Use of a function's locals after it returned, and globals read before their initialiser ran.
extern "C" const char* __asan_default_options() {
    return "detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1";
}

// Leaks inside libraries we do not build that no code of ours can mend, each one explained in the
// file.
extern "C" const char* __lsan_default_options() {
    return "suppressions=" BOOTFONT_LSAN_SUPPRESSIONS;
}

// Undefined behaviour is fatal by compiler flag; the stack shows where it came from.
extern "C" const char* __ubsan_default_options() {
    return "print_stacktrace=1";
}
