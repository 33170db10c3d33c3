// Resolving a registry value of the script: root token, key path, "(Pdd)" and the type token.
#include "install/RegistryEntry.h"

#include "install/ScriptText.h"
#include "services/MbcsText.h"
#include "services/PathText.h"
#include "services/RegistryRoutines.h"

namespace {

constexpr std::size_t kRootTokenLength = 7;
constexpr int kTypeTokenLength = 5;

} // namespace

RegistryEntry RegistryEntry::parse(std::string_view key, std::string_view name,
                                   std::string_view rawValue, const PathTokens& tokens) {
    RegistryEntry entry;
    std::string_view path = key;
    if (key.starts_with('(') ||
        (key.size() >= kRootTokenLength && key[kRootTokenLength - 1] == ')')) {
        entry.root = RegistryRootOfToken(key.substr(0, kRootTokenLength));
        path = key.substr(std::min(key.size(), kRootTokenLength));
    }
    entry.keyPath = RemoveBackslash(RemoveBackslash(path, "T"), "B");
    entry.name = std::string(name);

    // "(Pdd)" lets a folder token end the data without its "\".
    const bool dropBackslash = MbcsPosText("(Pdd)", rawValue) > 0;
    std::string value =
        tokens.replace(ReplaceToken(rawValue, "(Pdd)", ""), PathTokens::Set::allButTemporary);
    std::string type = LeftStr(value, kTypeTokenLength);
    std::string data = MidStr(value, kTypeTokenLength + 1);
    if (dropBackslash) {
        data = RemoveBackslash(data, "B");
        value = RemoveBackslash(value, "B");
    }
    if (IsToken(type, "(Str)")) {
        entry.value = RegistryValue::string(data);
    } else if (IsToken(type, "(Exp)")) {
        entry.value = RegistryValue::expandString(data);
    } else if (IsToken(type, "(Int)") || IsToken(type, "(Dwd)")) {
        entry.value =
            RegistryValue::dword(static_cast<std::uint32_t>(ParseScriptNumber(data).value_or(0)));
    } else if (IsToken(type, "(Bin)")) {
        entry.write = false;
    } else {
        entry.value = RegistryValue::string(value);
    }
    return entry;
}
