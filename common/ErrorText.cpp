// The errno mapping and the message table of a Japanese Windows.
#include "common/ErrorText.h"

#include "common/Win32ErrorCode.h"

#include <cerrno>

namespace error_text {

std::uint32_t win32Code(int error) {
    switch (error) {
    case 0:
        return win32_error::Success;
    case ENOENT:
        return win32_error::FileNotFound;
    case ENOTDIR:
        return win32_error::PathNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
        return win32_error::AccessDenied;
    case EBUSY:
    case ETXTBSY:
        return win32_error::SharingViolation;
    case EEXIST:
        return win32_error::AlreadyExists;
    case ENOTEMPTY:
        return win32_error::DirectoryNotEmpty;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return win32_error::DiskFull;
    case EROFS:
        return win32_error::WriteProtect;
    case ENAMETOOLONG:
        return win32_error::FileNameTooLong;
    case EMFILE:
    case ENFILE:
        return win32_error::TooManyOpenFiles;
    case ENOMEM:
        return win32_error::NotEnoughMemory;
    case EXDEV:
        return win32_error::NotSameDevice;
    case EINVAL:
        return win32_error::InvalidParameter;
    case ELOOP:
        return win32_error::InvalidName;
    default:
        return win32_error::IoDevice;
    }
}

namespace {

struct Text {
    std::uint32_t code;
    std::string_view utf8;
};

// The messages of a Japanese Windows for the codes the emulated machine can produce, every code
// an errno maps to among them.
constexpr Text kTexts[] = {
    {win32_error::Success, "この操作を正しく終了しました。"},
    {win32_error::InvalidFunction, "ファンクションが間違っています。"},
    {win32_error::FileNotFound, "指定されたファイルが見つかりません。"},
    {win32_error::PathNotFound, "指定されたパスが見つかりません。"},
    {win32_error::TooManyOpenFiles, "システムはファイルを開くことができません。"},
    {win32_error::AccessDenied, "アクセスが拒否されました。"},
    {win32_error::NotEnoughMemory, "このコマンドを実行するのに十分な記憶域がありません。"},
    {win32_error::BadFormat, "間違った形式のプログラムを読み込もうとしました。"},
    {win32_error::InvalidData, "データが無効です。"},
    {win32_error::InvalidDrive, "指定されたドライブが見つかりません。"},
    {win32_error::NotSameDevice, "システムは別のディスク ドライブにファイルを移動できません。"},
    {win32_error::NoMoreFiles, "これ以上ファイルはありません。"},
    {win32_error::WriteProtect, "メディアは書き込み禁止になっています。"},
    {win32_error::SharingViolation,
     "プロセスはファイルにアクセスできません。別のプロセスが使用中です。"},
    {win32_error::LockViolation,
     "プロセスはファイルにアクセスできません。別のプロセスがファイルの一部をロックしています。"},
    {win32_error::HandleDiskFull, "ディスクがいっぱいです。"},
    {win32_error::FileExists, "ファイルがあります。"},
    {win32_error::InvalidParameter, "パラメーターが間違っています。"},
    {win32_error::DiskFull, "ディスクに十分な空き領域がありません。"},
    {win32_error::InvalidName,
     "ファイル名、ディレクトリ名、またはボリューム ラベルの構文が間違っています。"},
    {win32_error::ModuleNotFound, "指定されたモジュールが見つかりません。"},
    {win32_error::ProcedureNotFound, "指定されたプロシージャが見つかりません。"},
    {win32_error::DirectoryNotEmpty, "ディレクトリが空ではありません。"},
    {win32_error::AlreadyExists, "既に存在するファイルを作成することはできません。"},
    {win32_error::FileNameTooLong, "ファイル名または拡張子が長すぎます。"},
    {win32_error::InvalidDirectoryName, "ディレクトリ名が無効です。"},
    {win32_error::BadRegistryKey, "構成レジストリ キーが無効です。"},
    {win32_error::RegistryCannotWrite, "構成レジストリ キーを書き込めませんでした。"},
    {win32_error::IoDevice, "I/O デバイス エラーが発生したため、要求を実行できませんでした。"},
    {win32_error::ResourceTypeNotFound,
     "指定されたリソースの種類がイメージ ファイルにありません。"},
};

} // namespace

std::string_view utf8(std::uint32_t code) {
    for (const Text& t : kTexts) {
        if (t.code == code) {
            return t.utf8;
        }
    }
    return {};
}

std::string_view ofErrno(int error) {
    return utf8(win32Code(error));
}

} // namespace error_text
