// Component registration through the platform's library loading.
#include "services/ComponentRegistration.h"

#include "common/Cp932.h"
#include "services/MbcsText.h"

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define COMPONENT_CALL __stdcall
#else
#define COMPONENT_CALL
#endif

namespace {

using EntryPoint = std::int32_t(COMPONENT_CALL*)();

void tell(SetupContext& context, const std::string& text) {
    context.prompter.ask(text, cp932::lit("OCX/DLL登録エラー"), Prompter::Icon::exclamation);
}

} // namespace

bool IsComponentFile(std::string_view path) {
    return MbcsPosText(".OCX", path) > 0 || MbcsPosText(".DLL", path) > 0;
}

bool RegisterComponent(SetupContext& context, const std::string& path, bool doRegister) {
    auto library = context.platform.loadLibrary(path);
    if (!library) {
        tell(context, path + cp932::lit("の読み込みに失敗しました．"));
        return false;
    }
    if (!doRegister) {
        if (auto unregister = library->function<EntryPoint>("DllUnregisterServer")) {
            unregister();
        }
        return false;
    }
    auto registerServer = library->function<EntryPoint>("DllRegisterServer");
    if (!registerServer) {
        tell(context, path + cp932::lit("のDllRegisterServerエントリが見つかりません．"));
        return false;
    }
    if (registerServer() == 0) {
        return true;
    }
    tell(context, path + cp932::lit("のDllRegisterServer関数が失敗しました．"));
    return false;
}
