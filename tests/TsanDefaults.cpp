// Linked into the tests of sanitizer builds with -fsanitize=thread only.
//
// The system's Qt is not built with the sanitizer, so its futex-based locks
// are invisible to it: memory that Qt hands between threads under those locks
// (posted events, the post-event list, QThread's wait condition) looks
// unordered. Ignoring the memory accesses made inside uninstrumented libraries
// keeps their pthread and file-descriptor synchronisation and every access of
// this project's own code, so races in our code are still found. Options in
// TSAN_OPTIONS are applied on top of these.
extern "C" const char *__tsan_default_options()
{
    return "ignore_noninstrumented_modules=1 suppressions=" VUVE_TSAN_SUPPRESSIONS;
}
