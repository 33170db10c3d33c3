// Where the emulated machine keeps its Windows folder and special folders, as a Japanese Windows
// names them.
#include "services/platform/posix/MachineFolders.h"

#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"

namespace machine_folders {

const std::string& windows() {
    static const std::string path = "C:\\WINDOWS";
    return path;
}

std::string special(int id) {
    switch (id) {
    case special_folder::Desktop:
        return windows() + "\\" + cp932::lit("ﾃﾞｽｸﾄｯﾌﾟ");
    case special_folder::Programs:
        return windows() + "\\" + cp932::lit("ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ");
    case special_folder::Startup:
        return windows() + "\\" + cp932::lit("ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ");
    case special_folder::SendTo:
        return windows() + "\\SENDTO";
    default:
        return {};
    }
}

} // namespace machine_folders
