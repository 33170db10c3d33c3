// Initial states of the main window's controls.
#include "services/MainWindowModel.h"

#include "common/Cp932.h"

MainWindowModel::MainWindowModel() {
    using cp932::lit;
    const auto add = [this](const char* name, const std::string& text, bool enabled,
                            bool visible = true, bool checked = false) {
        controls_[name] = Control{text, enabled, visible, checked, 0};
    };
    add("grpMessage", lit("メッセージ"), true);
    add("lblMessage", "", true);
    add("fraStatus", lit("進行状況"), true, false);
    add("prgStatus", "", true);
    add("lblStatus", "0%(0/0)", true);
    add("fraReadme", "", true, false);
    add("txtReadme", "", true);
    add("grpSetupFolder", lit("セットアップフォルダ"), true);
    add("txtFolder", "", false);
    add("btnRefer", lit("参照(&R)"), false);
    add("grpOption", lit("セットアップオプション"), true);
    add("chkOverWrite",
        lit("自動的に上書きする（同名ファイルが存在した場合は，最新ファイルをコピーします）．"),
        false, true, true);
    add("fraShortCut", lit("ショートカットの作成"), true);
    add("chkSCutDesktop", lit("デスクトップ"), false, true, true);
    add("chkSCutStartMenu", lit("スタートメニュー"), false, true, true);
    add("chkSCutStartUp", lit("スタートアップ"), false, true, true);
    add("chkSCutSendTo", lit("送る"), false, true, true);
    add("lblUnSetupInfo", "", true, false);
    add("btnEvent", "", false);
    add("btnEnd", lit("セットアップ終了(&E)"), false);
    add("lblFormShare", "Can't Delete", true, false);
}
