// Times printing the sheets of a 100,000-QSO contest to PDF with the korvane program, against the
// retrieval alone in the same run; prints pages per second, the ratio and the peak memory of both.
#include "common/AtomicFile.h"
#include "common/ProgramPath.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double seconds;
    long peakKilobytes;
    int status;
};

Run runProgram(const std::vector<std::string>& args) {
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (const auto& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        freopen("/dev/null", "w", stderr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {seconds, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// 100,000 QSOs on nine bands within the sample contest's period, every call worked once per band.
std::string generateLog(int qsos) {
    static const char* bands[] = {"3.525", "7.025", "14.050", "21.100", "28.500",
                                  "50.200", "144.100", "430.300", "1295.0"};
    std::mt19937 rng(7);
    std::string text;
    char line[256];
    for (int i = 0; i < qsos; ++i) {
        int minute = i % 1380;
        std::snprintf(line, sizeof line,
                      "J%c%dQ%c%c%c,26/06/%02d,%02d:%02dJ,599,599,%s,CW,%02u%02u,,J,,,,,0\r\n",
                      'A' + i % 26, i / 26 % 10, 'A' + i / 260 % 26, 'A' + i / 6760 % 26,
                      'A' + i / 175760 % 26, 14, minute / 60, minute % 60, bands[i % 9],
                      static_cast<unsigned>(1 + rng() % 47), static_cast<unsigned>(rng() % 60));
        text += line;
    }
    return text;
}

} // namespace

int main() {
    const std::string korvane = program_path::folder() + "/korvane";
    auto folder = std::filesystem::temp_directory_path() / ("bench-sheets-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string log = (folder / "log.csv").string();
    const std::string pdf = (folder / "sheets.pdf").string();
    const std::string ini = (folder / "none.ini").string();
    atomic_file::write(log, generateLog(100000));
    const std::string con = std::string(QUILLET_SOURCE_DIR) + "/examples/sample-contest.con";

    Run retrieval = runProgram({korvane, "--report", (folder / "r.json").string(), "--ini", ini,
                                "--log", log, con});
    Run sheets = runProgram({korvane, "--pdf", pdf, "--ini", ini, "--log", log, con});
    std::string report;
    atomic_file::read((folder / "r.json").string(), report);
    std::size_t at = report.rfind("\"pages\": ");
    long pages = at == std::string::npos ? 0 : std::stol(report.substr(at + 9));
    std::filesystem::remove_all(folder);
    if (retrieval.status != 0 || sheets.status != 0) {
        std::fprintf(stderr, "korvane failed (%d, %d)\n", retrieval.status, sheets.status);
        return 1;
    }
    std::printf("%ld pages: PDF in %.2f s (%.0f pages/s), retrieval alone %.2f s, ratio %.2f\n", pages,
                sheets.seconds, pages / sheets.seconds, retrieval.seconds,
                sheets.seconds / retrieval.seconds);
    std::printf("peak memory: %.0f MB with sheets, %.0f MB retrieval alone\n",
                sheets.peakKilobytes / 1024.0, retrieval.peakKilobytes / 1024.0);
    return 0;
}
