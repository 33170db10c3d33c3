// The Windows shell: special folders, shell links through IShellLink and IPersistFile,
// ShellExecute, change notifications and the restart dialog.
#include "services/platform/win32/Win32Platform.h"

// The system headers build on the types of windows.h, which comes first.
// clang-format off
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

namespace {

// HRESULTs of Win32 errors give back their code; other failures keep the whole HRESULT.
std::uint32_t errorOf(HRESULT result) {
    return HRESULT_FACILITY(result) == FACILITY_WIN32 ? HRESULT_CODE(result)
                                                      : static_cast<std::uint32_t>(result);
}

std::wstring wide(const std::string& text) {
    int length =
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(),
                          length);
    return out;
}

// A COM interface pointer released when it goes out of scope.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) {
            p_->Release();
        }
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* operator->() const { return p_; }
    void** out() { return reinterpret_cast<void**>(&p_); }

private:
    Interface* p_ = nullptr;
};

} // namespace

bool Win32Platform::specialFolderPath(int folderId, std::string& path) {
    LPITEMIDLIST items = nullptr;
    HRESULT result = ::SHGetSpecialFolderLocation(nullptr, folderId, &items);
    // A known folder that is not there yet (a fresh profile has no Start menu) is made.
    if (FAILED(result)) {
        result = ::SHGetFolderLocation(nullptr, folderId | CSIDL_FLAG_CREATE, nullptr, 0, &items);
    }
    if (FAILED(result)) {
        return fail(errorOf(result));
    }
    char buffer[MAX_PATH] = {};
    bool found = ::SHGetPathFromIDListA(items, buffer);
    // The item list comes from the shell's allocator, which is COM's task allocator.
    ::CoTaskMemFree(items);
    if (!found) {
        return fail(ERROR_PATH_NOT_FOUND);
    }
    path = buffer;
    return true;
}

bool Win32Platform::createShellLink(const std::string& linkFile, const std::string& target,
                                    const std::string& workingDirectory,
                                    const std::string& arguments) {
    ComPtr<IShellLinkA> link;
    HRESULT result = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, link.out());
    if (FAILED(result)) {
        return fail(errorOf(result));
    }
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.out());
    if (FAILED(result)) {
        return fail(errorOf(result));
    }
    result = link->SetPath(target.c_str());
    if (SUCCEEDED(result)) {
        result = link->SetWorkingDirectory(workingDirectory.c_str());
    }
    if (SUCCEEDED(result) && !arguments.empty()) {
        result = link->SetArguments(arguments.c_str());
    }
    if (SUCCEEDED(result)) {
        result = file->Save(wide(linkFile).c_str(), FALSE);
    }
    return SUCCEEDED(result) || fail(errorOf(result));
}

int Win32Platform::shellExecute(const std::string& file, const std::string& parameters) {
    HINSTANCE result =
        ::ShellExecuteA(nullptr, "open", file.c_str(),
                        parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

void Win32Platform::shellChangeNotify(std::uint32_t event, const std::string& path) {
    if (path.empty()) {
        ::SHChangeNotify(static_cast<LONG>(event), SHCNF_IDLIST, nullptr, nullptr);
    } else {
        ::SHChangeNotify(static_cast<LONG>(event), SHCNF_PATHA, path.c_str(), nullptr);
    }
}

bool Win32Platform::restartDialog() {
    // The shell's own dialog, exported by number only: it asks the user and restarts Windows
    // itself when the answer is yes.
    using RestartDialogFn = int(WINAPI*)(HWND, LPCWSTR, DWORD);
    HMODULE shell = ::GetModuleHandleA("SHELL32.DLL");
    auto restart = shell ? reinterpret_cast<RestartDialogFn>(reinterpret_cast<void*>(
                               ::GetProcAddress(shell, MAKEINTRESOURCEA(59))))
                         : nullptr;
    if (!restart) {
        return failed();
    }
    return restart(nullptr, nullptr, EWX_REBOOT) == IDYES;
}
