// Times retrieval with composition over generated HAMLOG CSV logs through HAMLOG32.DLL, against
// reading and splitting the same file, and against the full repeat scan; prints rates and ratios.
#include "app/HamlogLibrary.h"
#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "qso/HamlogDatabase.h"
#include "qso/QsoRetrieval.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One figure of /proc/self/status, in kilobytes (0 where there is no such file).
long statusKilobytes(const char* key) {
    std::FILE* file = std::fopen("/proc/self/status", "r");
    long value = 0;
    char line[256];
    while (file && std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, key, std::strlen(key)) == 0) {
            value = std::atol(line + std::strlen(key));
        }
    }
    if (file) {
        std::fclose(file);
    }
    return value;
}

// Starts a new peak at the present resident size; returns that size in kilobytes.
long resetPeak() {
    if (std::FILE* file = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", file);
        std::fclose(file);
    }
    return statusKilobytes("VmRSS:");
}

// A contest log with repeats: calls drawn from a pool a quarter the size of the log, on 12 bands.
// Every number in the pool spells a different call sign (J, a letter, a digit, three letters).
std::string generateLog(int qsos) {
    static const char* bands[] = {"1.910",  "3.525",   "7.025",   "14.050", "21.100", "28.500",
                                  "50.200", "144.100", "430.300", "1295.0", "10.120", "18.100"};
    static const char* modes[] = {"CW", "SSB", "FM", "RTTY"};
    std::mt19937 rng(1);
    std::string text;
    text.reserve(static_cast<std::size_t>(qsos) * 80);
    char line[256];
    for (int i = 0; i < qsos; ++i) {
        unsigned call = rng() % static_cast<unsigned>(qsos / 4 + 1);
        unsigned suffix = call % 17576;
        unsigned prefix = call / 17576;
        int minute = i % 1440;
        std::snprintf(
            line, sizeof line,
            "J%c%u%c%c%c,26/06/%02d,%02d:%02dJ,599,599,%s,%s,%02u%02u,,J,NAME,QTH,,,0\r\n",
            'A' + prefix / 10 % 26, prefix % 10, 'A' + suffix / 676, 'A' + suffix / 26 % 26,
            'A' + suffix % 26, 13 + i / 1440 % 2, minute / 60, minute % 60, bands[rng() % 12],
            modes[rng() % 4], static_cast<unsigned>(1 + rng() % 47),
            static_cast<unsigned>(rng() % 60));
        text += line;
    }
    return text;
}

// The baseline: read the file and split every line into its fields, as any reader must.
std::size_t readAndSplit(const std::string& path) {
    std::string text;
    atomic_file::read(path, text);
    std::vector<std::string_view> fields;
    std::size_t total = 0;
    std::string_view rest(text);
    while (!rest.empty()) {
        std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        fields.clear();
        for (std::size_t start = 0;;) {
            std::size_t comma = line.find(',', start);
            fields.push_back(line.substr(start, comma - start));
            if (comma == std::string_view::npos) {
                break;
            }
            start = comma + 1;
        }
        total += fields.size();
    }
    return total;
}

CKorvaneDoc contestDoc(const std::string& path) {
    CKorvaneDoc doc;
    doc.master.thDir = cp932::fromUtf8(path);
    ExchangeRules& r = doc.contest.rules;
    r.sendNo[0] = {.choice = 1, .qsoField = 0};
    r.sendNo[1] = {.choice = 2, .digits = 3};
    r.recvNo[0] = {.choice = 1, .qsoField = 0};
    r.recvNo[1] = {.choice = 3, .qsoField = 8};
    r.summaryMulti = {.choice = 2, .qsoField = 8};
    r.logMulti = {.choice = 2, .qsoField = 8};
    r.logPoints = {.choice = 1, .fixedValue = 1};
    return doc;
}

double retrieve(const std::string& path, QsoRetrieval::RepeatCheck check, std::size_t* kept) {
    HamlogLibrary library;
    HamlogDatabase database(library);
    CKorvaneDoc doc = contestDoc(path);
    auto start = Clock::now();
    if (QsoRetrieval::retrieve(doc, database, 0, 0, check) != 0) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    double seconds = secondsSince(start);
    *kept = doc.qsoList.size();
    return seconds;
}

// Opening the log and reading every record through the library, with nothing kept: the part of a
// retrieval that is the library's.
double libraryRead(const std::string& path) {
    HamlogLibrary library;
    auto start = Clock::now();
    if (!library.open(cp932::fromUtf8(path))) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    for (std::int32_t n = 1; library.read(n); ++n) {
    }
    library.close();
    return secondsSince(start);
}

} // namespace

// With a QSO count as argument, times only that size (for a profiler); otherwise the full table.
int main(int argc, char** argv) {
    if (std::string problem = HamlogLibrary::check(); !problem.empty()) {
        std::fprintf(stderr, "%s\n", cp932::toUtf8(problem).c_str());
        return 1;
    }
    auto folder =
        std::filesystem::temp_directory_path() / ("bench-retrieval-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);

    std::vector<int> sizes{100000, 1000000};
    if (argc > 1) {
        sizes = {std::atoi(argv[1])};
    }
    std::printf("%10s %12s %12s %10s %10s %10s %14s %14s\n", "QSOs", "kept", "QSOs/s", "retrieve s",
                "read s", "vs read", "library only", "bytes/kept");
    for (int qsos : sizes) {
        std::string path = (folder / ("log-" + std::to_string(qsos) + ".csv")).string();
        atomic_file::write(path, generateLog(qsos));
        // Retrieval first, so that its peak is not hidden under the baseline's; then each side once
        // more, and the faster run of each counts.
        long before = resetPeak();
        std::size_t kept = 0;
        double seconds = retrieve(path, QsoRetrieval::RepeatCheck::hashed, &kept);
        long grown = statusKilobytes("VmHWM:") - before;
        auto start = Clock::now();
        readAndSplit(path);
        double baseline = secondsSince(start);
        seconds = std::min(seconds, retrieve(path, QsoRetrieval::RepeatCheck::hashed, &kept));
        start = Clock::now();
        readAndSplit(path);
        baseline = std::min(baseline, secondsSince(start));
        const double library = std::min(libraryRead(path), libraryRead(path));
        std::printf("%10d %12zu %12.0f %10.3f %10.3f %9.2fx %13.2fx %14.0f\n", qsos, kept,
                    qsos / seconds, seconds, baseline, seconds / baseline, library / baseline,
                    kept ? grown * 1024.0 / static_cast<double>(kept) : 0.0);
    }
    if (argc > 1) {
        std::filesystem::remove_all(folder);
        return 0;
    }
    std::printf("\n%10s %14s %14s %10s\n", "QSOs", "hashed s", "full scan s", "ratio");
    for (int qsos : {20000, 100000}) {
        std::string path = (folder / ("scan-" + std::to_string(qsos) + ".csv")).string();
        atomic_file::write(path, generateLog(qsos));
        std::size_t keptHashed = 0, keptScan = 0;
        double hashed = retrieve(path, QsoRetrieval::RepeatCheck::hashed, &keptHashed);
        double scan = retrieve(path, QsoRetrieval::RepeatCheck::scan, &keptScan);
        std::printf("%10d %14.3f %14.3f %9.1fx%s\n", qsos, hashed, scan, scan / hashed,
                    keptHashed == keptScan ? "" : "  (kept counts differ!)");
    }
    std::filesystem::remove_all(folder);
    return 0;
}
