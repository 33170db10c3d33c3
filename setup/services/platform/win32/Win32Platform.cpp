// Windows itself: COM for the shell objects, and the error capture that every call shares. The
// calls are defined by concern in the Win32Platform*.cpp files beside this.
#include "services/platform/win32/Win32Platform.h"

// The system headers build on the types of windows.h, which comes first.
// clang-format off
#include <windows.h>
#include <objbase.h>
// clang-format on

Win32Platform::Win32Platform() {
    // A thread that already chose another apartment still has COM: the shell objects work there.
    HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(result);
}

Win32Platform::~Win32Platform() {
    if (comStarted_) {
        ::CoUninitialize();
    }
}

bool Win32Platform::failed() {
    return fail(::GetLastError());
}

bool Win32Platform::fail(std::uint32_t error) {
    lastError_ = error;
    return false;
}
