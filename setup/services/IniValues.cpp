// Ini routines over the platform's private-profile calls.
#include "services/IniValues.h"

#include "services/MbcsText.h"

namespace {

constexpr std::size_t kBufferStep = 256;

} // namespace

std::string ReadIniValue(SetupContext& context, const std::string& section, const std::string& key,
                         const std::string& defaultValue, const std::string& iniFile) {
    // A read that fills the whole buffer may have been cut: read again with a larger one.
    for (std::size_t size = kBufferStep;; size += kBufferStep) {
        std::string value =
            context.platform.getPrivateProfileString(section, key, defaultValue, size, iniFile);
        if (value.size() != size - 1) {
            return value;
        }
    }
}

bool WriteIniValue(SetupContext& context, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& iniFile) {
    context.platform.flushPrivateProfile(iniFile);
    return context.platform.writePrivateProfileString(section, key, value, iniFile);
}

std::string IniIndexKey(const std::string& value) {
    int comma = MbcsPosText(",", value);
    return MapStringCase(comma > 0 ? LeftStr(value, comma - 1) : value, kMapUpperCase);
}

int FindIniIndex(SetupContext& context, const std::string& value, const std::string& section,
                 const std::string& keyPrefix, const std::string& iniFile) {
    const std::string wanted = IniIndexKey(value);
    for (int n = 1;; ++n) {
        std::string entry =
            IniIndexKey(ReadIniValue(context, section, keyPrefix + std::to_string(n), "", iniFile));
        if (entry.empty() || entry == wanted) {
            return n;
        }
    }
}
