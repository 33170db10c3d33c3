// A tiny shared library with one export, loaded by the dynamic library tests.
extern "C" __attribute__((visibility("default"))) int fixtureAnswer() {
    return 42;
}
