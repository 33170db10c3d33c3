// Times opening and reading every QSO of generated HAMLOG CSV and ADIF logs against reading the
// file.
#include "bench/BenchClock.h"
#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/QsoRecord.h"
#include "hamlog32/HamlogExports.h"
#include "hamlog32/WorkArea.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using bench::Clock;
using bench::millisecondsSince;

const char* const kModes[] = {"CW", "SSB", "FM", "RTTY", "FT8"};
const char* const kFreqs[] = {"1.9125", "3.535", "7.025", "14.025", "21.3", "50.2", "144.1", "433"};

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// One QSO a line; every tenth carries Japanese name and QTH (Shift-JIS) and quoted remarks.
std::string makeCsv(int count) {
    const std::string name = cp932::fromUtf8("山田太郎");
    const std::string qth = cp932::fromUtf8("東京都千代田区");
    std::string out;
    out.reserve(static_cast<std::size_t>(count) * 96);
    for (int i = 0; i < count; ++i) {
        out.append("JA")
            .append(std::to_string(i % 10))
            .append("A")
            .append(std::to_string(i % 1000));
        if (i % 7 == 0) {
            out += "/1";
        }
        out.append(",").append(twoDigits(i / 2000 % 100)).append("/");
        out.append(twoDigits(i % 12 + 1)).append("/").append(twoDigits(i % 28 + 1)).append(",");
        out.append(twoDigits(i % 24)).append(":").append(twoDigits(i % 60));
        out.append(i % 2 ? "J" : "U").append(",599,579,").append(kFreqs[i % 8]).append(",");
        out.append(kModes[i % 5])
            .append(",")
            .append(std::to_string(1001 + i % 90))
            .append(",PM95,J,");
        if (i % 10 == 0) {
            out += name + "," + qth + ",\"a, \"\"b\"\"\",r2,\r\n";
        } else {
            out += "Taro,Tokyo,r1,r2,\r\n";
        }
    }
    return out;
}

std::string adifField(const char* name, const std::string& data) {
    std::string out = "<";
    out.append(name).append(":").append(std::to_string(data.size())).append(">");
    return out.append(data).append(" ");
}

// A header and one record a line; every tenth carries a UTF-8 name, as ADIF 3 writers do.
std::string makeAdif(int count) {
    std::string out = "Generated for timing\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:5>BENCH <EOH>\r\n";
    out.reserve(static_cast<std::size_t>(count) * 200);
    for (int i = 0; i < count; ++i) {
        out += adifField("CALL", std::string("JA")
                                     .append(std::to_string(i % 10))
                                     .append("B")
                                     .append(std::to_string(i % 1000)));
        out += adifField("QSO_DATE", std::to_string(2000 + i / 20000 % 25) + twoDigits(i % 12 + 1) +
                                         twoDigits(i % 28 + 1));
        out += adifField("TIME_ON", twoDigits(i % 24) + twoDigits(i % 60) + "00");
        out += adifField("FREQ", std::string(kFreqs[i % 8]) + "00");
        out += adifField("MODE", kModes[i % 5]);
        out += adifField("RST_SENT", "599") + adifField("RST_RCVD", "579");
        out +=
            adifField("SRX_STRING", std::string("100 ").append(std::to_string(i % 90)).append("M"));
        if (i % 10 == 0) {
            out += adifField("NAME", "山田太郎");
        }
        out += "<EOR>\r\n";
    }
    return out;
}

bool measure(const char* label, const std::string& path, int expected) {
    std::string contents;
    Clock::time_point start = Clock::now();
    if (!atomic_file::read(path, contents)) {
        std::fprintf(stderr, "%s: cannot read %s\n", label, path.c_str());
        return false;
    }
    double baseline = millisecondsSince(start);
    contents.clear();
    contents.shrink_to_fit();

    std::vector<unsigned char> work(kHamlogWorkAreaSize, 0);
    start = Clock::now();
    if (WorkArea::open(work.data(), path.c_str()) != kHamlogOk) {
        std::fprintf(stderr, "%s: cannot open %s\n", label, path.c_str());
        return false;
    }
    double opened = millisecondsSince(start);
    int records = 0;
    std::uint64_t checksum = 0;
    while (WorkArea::read(work.data(), records + 1) == kHamlogOk) {
        ++records;
        checksum += static_cast<unsigned char>(work[3]);
    }
    double total = millisecondsSince(start);
    WorkArea::close(work.data());

    std::printf("%-12s %8d QSOs %7.1f MB  file read %8.1f ms  open %8.1f ms  open+read %8.1f ms"
                "  %6.2f M QSO/s  ratio %5.2f  (check %llu)\n",
                label, records, static_cast<double>(std::filesystem::file_size(path)) / 1e6,
                baseline, opened, total, records / total / 1000.0, total / baseline,
                static_cast<unsigned long long>(checksum));
    if (records != expected) {
        std::fprintf(stderr, "%s: read %d QSOs, expected %d\n", label, records, expected);
        return false;
    }
    return true;
}

} // namespace

int main() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bench-hamlog32-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path folder = pattern;
    bool ok = true;
    for (int count : {100'000, 1'000'000}) {
        const std::string csvPath = (folder / ("QSO" + std::to_string(count) + ".CSV")).string();
        const std::string adifPath = (folder / ("qso" + std::to_string(count) + ".adi")).string();
        ok = atomic_file::write(csvPath, makeCsv(count)) && ok;
        ok = atomic_file::write(adifPath, makeAdif(count)) && ok;
        std::string suffix = std::string(" ").append(std::to_string(count / 1000)).append("k");
        ok = measure(("CSV" + suffix).c_str(), csvPath, count) && ok;
        ok = measure(("ADIF" + suffix).c_str(), adifPath, count) && ok;
        std::filesystem::remove(csvPath);
        std::filesystem::remove(adifPath);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return ok ? 0 : 1;
}
