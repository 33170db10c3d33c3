// The document's window title and default file extension.
#include "frame/DocumentNames.h"

#include "app/ProgramTitle.h"
#include "common/Cp932.h"

std::string DocumentNames::windowTitle(const std::string& documentTitle) {
    return documentTitle + " - " + kProgramTitle;
}

std::string DocumentNames::withDefaultExtension(const std::string& hostPath) {
    const std::string::size_type slash = hostPath.find_last_of('/');
    const std::string name = slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
    // A leading dot names a hidden file, not an extension; a trailing one is no extension either.
    const std::string::size_type dot = name.rfind('.');
    if (dot != std::string::npos && dot != 0 && dot + 1 < name.size()) {
        return hostPath;
    }
    if (!name.empty() && name.back() == '.') {
        return hostPath.substr(0, hostPath.size() - 1) + kExtension;
    }
    return hostPath + kExtension;
}

const std::string& DocumentNames::filterName() {
    return cp932::lit("ｺﾝﾃｽﾄﾌｧｲﾙ(*.con)");
}
