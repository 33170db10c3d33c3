// A tiny self-registering component: its entry points append "register" or "unregister" to the
// file named by $QUILLET_COMPONENT_LOG, so tests can see which were called.
#include <cstdio>
#include <cstdlib>

namespace {

void note(const char* what) {
    const char* path = std::getenv("QUILLET_COMPONENT_LOG");
    if (FILE* f = path ? std::fopen(path, "a") : nullptr) {
        std::fprintf(f, "%s\n", what);
        std::fclose(f);
    }
}

} // namespace

#if COMPONENT_EXPORTS
extern "C" __attribute__((visibility("default"))) int DllRegisterServer() {
    note("register");
    return static_cast<int>(COMPONENT_RESULT);
}

extern "C" __attribute__((visibility("default"))) int DllUnregisterServer() {
    note("unregister");
    return 0;
}
#else
extern "C" __attribute__((visibility("default"))) int SomethingElse() {
    note("something else");
    return 0;
}
#endif
