// The options of the sanitizer run, read by the sanitizers' runtimes before main: every
// finding ends the program with a stack trace, leaks are looked for at its end, and leaks
// inside the system libraries listed in lsan.supp are not reported.

#ifndef TUNEWRIGHT_LSAN_SUPPRESSIONS
#error "the build names the suppressions file"
#endif

#define TW_SANITIZER_OPTIONS extern "C" __attribute__((used, visibility("default"))) const char*

TW_SANITIZER_OPTIONS __asan_default_options()
{
    return "detect_leaks=1:check_initialization_order=1:abort_on_error=0";
}

TW_SANITIZER_OPTIONS __lsan_default_options()
{
    return "suppressions=" TUNEWRIGHT_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

TW_SANITIZER_OPTIONS __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
