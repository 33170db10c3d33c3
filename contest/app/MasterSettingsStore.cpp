// Master settings in section "MASTER", with the fallback to the user's configuration folder.
#include "app/MasterSettingsStore.h"

#include "common/Cp932.h"
#include "common/IniFile.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr const char* kSection = "MASTER";
constexpr std::size_t kBuffer = MasterSettings::kMaxText + 1;

// When a file was last written; nothing when it is not there.
std::optional<std::filesystem::file_time_type> lastWritten(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    const auto time = std::filesystem::last_write_time(path, ec);
    return ec ? std::nullopt : std::optional(time);
}

// The C library's decimal conversion: optional sign, leading digits, 0 when there are none.
int decimalValue(std::string_view text) {
    text = cp932::trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10u + static_cast<unsigned>(c - '0');
    }
    return static_cast<int>(negative ? 0u - value : value);
}

bool writeAll(const std::string& path, const MasterSettings& settings, std::string* error) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& key : MasterSettings::keys()) {
        const std::string* text = settings.textOf(key);
        values.emplace_back(key.name, text ? *text : std::to_string(settings.*key.integer));
    }
    IniFile ini(path);
    if (ini.writeStrings(kSection, values)) {
        return true;
    }
    if (error) {
        *error = ini.lastError();
    }
    return false;
}

} // namespace

MasterSettingsStore::MasterSettingsStore(std::string programIni, std::string userIni)
    : programIni_(std::move(programIni)), userIni_(std::move(userIni)), active_(programIni_) {}

std::string MasterSettingsStore::pathBesideProgram(const std::string& executablePath) {
    std::string::size_type separator = executablePath.find_last_of("/\\");
    std::string::size_type nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::string::size_type dot = executablePath.rfind('.');
    if (dot != std::string::npos && dot > nameStart && dot + 4 == executablePath.size()) {
        return executablePath.substr(0, dot) + ".ini";
    }
    return executablePath + ".ini";
}

std::string MasterSettingsStore::userConfigPath(const std::string& fileName) {
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        return {};
    }
    return base + "/korvane/" + fileName;
}

MasterSettings MasterSettingsStore::load() {
    // The fallback is newer only when settings went there because the program's folder could not
    // be written; read then, they reach the file beside the program with the next save.
    const auto program = lastWritten(programIni_);
    const auto user = lastWritten(userIni_);
    active_ = user && (!program || *user > *program) ? userIni_ : programIni_;
    IniFile ini(active_);
    MasterSettings settings;
    for (const auto& key : MasterSettings::keys()) {
        if (std::string* text = settings.textOf(key)) {
            *text = ini.readString(kSection, key.name, "", kBuffer);
        } else if (std::string_view(key.name) == "PWRTYPE") {
            settings.pwrType = decimalValue(ini.readString(kSection, key.name, "", kBuffer));
        } else {
            settings.*key.integer = ini.readInt(kSection, key.name, 0);
        }
    }
    return settings;
}

bool MasterSettingsStore::save(const MasterSettings& settings, std::string* error) {
    std::string firstError;
    if (writeAll(programIni_, settings, &firstError)) {
        active_ = programIni_;
        return true;
    }
    if (!userIni_.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(userIni_).parent_path(), ec);
        std::string secondError;
        if (writeAll(userIni_, settings, &secondError)) {
            active_ = userIni_;
            return true;
        }
        firstError += "; " + secondError;
    }
    if (error) {
        *error = firstError;
    }
    return false;
}
