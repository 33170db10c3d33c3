// Parsing the headless options and running them over the contest document and master settings.
#include "frame/CommandLine.h"

#include "app/HamlogLibrary.h"
#include "app/MasterSettingsStore.h"
#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/ProgramPath.h"
#include "document/CKorvaneDoc.h"
#include "frame/StatusBarText.h"
#include "print/CabrilloLog.h"
#include "print/ElectronicLog.h"
#include "print/LayoutJson.h"
#include "print/ReportJson.h"
#include "print/SettingsJson.h"
#include "qso/HamlogDatabase.h"
#include "qso/QsoRetrieval.h"

#include <cstdlib>
#include <filesystem>

namespace {

MasterSettingsStore storeFor(const CommandLine::Options& options) {
    if (!options.ini.empty()) {
        return MasterSettingsStore(options.ini, "");
    }
    std::string besideProgram = MasterSettingsStore::pathBesideProgram(program_path::executable());
    std::string fileName = std::filesystem::path(besideProgram).filename().string();
    return MasterSettingsStore(besideProgram, MasterSettingsStore::userConfigPath(fileName));
}

// A document message for the terminal, naming the file unless the message does already.
std::string describe(const std::string& path, const std::string& cp932Message) {
    std::string message = cp932::toUtf8(cp932Message);
    return message.find(path) == std::string::npos ? path + ": " + message : message;
}

// One line on standard error when the log yielded nothing, or when records were skipped or cut.
void reportRetrieval(const CKorvaneDoc& doc, std::ostream& err) {
    if (doc.recordsRead == 0) {
        err << "korvane: "
            << describe(cp932::toUtf8(doc.master.thDir), StatusBarText::nothingRead()) << "\n";
    } else if (const std::string summary = StatusBarText::retrievalSummary(doc); !summary.empty()) {
        err << "korvane: " << cp932::toUtf8(summary) << "\n";
    }
}

// The warnings of an export, each on a line of its own.
void warn(const std::vector<std::string>& cp932Warnings, std::ostream& err) {
    for (const std::string& warning : cp932Warnings) {
        err << "korvane: " << cp932::toUtf8(warning) << "\n";
    }
}

} // namespace

CommandLine::Options CommandLine::parse(const std::vector<std::string>& args) {
    Options o;
    auto value = [&](std::size_t& i, std::string& target) {
        if (i + 1 >= args.size()) {
            o.error = args[i] + " needs a value";
            return;
        }
        target = args[++i];
    };
    for (std::size_t i = 0; i < args.size() && o.error.empty(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--ini") {
            value(i, o.ini);
        } else if (a == "--log") {
            value(i, o.log);
        } else if (a == "--save-as") {
            value(i, o.saveAs);
        } else if (a == "--settings-json") {
            o.settingsJson = true;
        } else if (a == "--report") {
            value(i, o.report);
        } else if (a == "--pdf") {
            value(i, o.pdf);
        } else if (a == "--png") {
            value(i, o.png);
        } else if (a == "--layout-json") {
            value(i, o.layoutJson);
        } else if (a == "--elog") {
            value(i, o.elog);
        } else if (a == "--cabrillo") {
            value(i, o.cabrillo);
        } else if (a == "--cabrillo-contest" || a == "--cabrillo-category") {
            const bool contest = a == "--cabrillo-contest";
            std::string given;
            value(i, given);
            const std::string text = cp932::fromUtf8(given);
            const std::string problem =
                contest ? CabrilloLog::contestProblem(text) : CabrilloLog::categoryProblem(text);
            if (o.error.empty() && !problem.empty()) {
                o.error = cp932::toUtf8(problem);
            }
            (contest ? o.cabrilloContest : o.cabrilloCategory) = text;
        } else if (a == "--elog-version") {
            value(i, o.elogVersion);
            if (o.error.empty() && o.elogVersion != "R2.1" && o.elogVersion != "R1.0") {
                o.error = "--elog-version takes R2.1 or R1.0";
            }
        } else if (a == "--encoding") {
            std::string encoding;
            value(i, encoding);
            if (o.error.empty() && encoding != "cp932" && encoding != "utf-8") {
                o.error = "--encoding takes cp932 or utf-8";
            }
            o.utf8 = encoding == "utf-8";
        } else if (a == "--dpi") {
            std::string dpi;
            value(i, dpi);
            char* end = nullptr;
            long n = std::strtol(dpi.c_str(), &end, 10);
            if (o.error.empty() && (dpi.empty() || *end != '\0' || n < 10 || n > 1200)) {
                o.error = "--dpi takes a whole number from 10 to 1200";
            }
            o.dpi = static_cast<int>(n);
        } else if (a.size() > 1 && a[0] == '-') {
            o.error = "unknown option " + a;
        } else if (o.input.empty()) {
            o.input = a;
        } else {
            o.error = "only one contest file can be opened";
        }
    }
    return o;
}

bool CommandLine::isHeadless(const Options& o) {
    return o.help || !o.error.empty() || !o.saveAs.empty() || o.settingsJson || needsRetrieval(o);
}

bool CommandLine::needsRetrieval(const Options& o) {
    return !o.report.empty() || !o.pdf.empty() || !o.png.empty() || !o.layoutJson.empty() ||
           !o.elog.empty() || !o.cabrillo.empty();
}

std::string CommandLine::usage() {
    return "usage: korvane [FILE.con]                      open the contest file in the windows\n"
           "       korvane --save-as OUT.con [IN.con]      save IN (or a new contest) as OUT\n"
           "       korvane --settings-json [IN.con]        print every setting as JSON\n"
           "       korvane --report OUT.json [IN.con]      retrieve the QSOs and report rows and "
           "scores\n"
           "       korvane --pdf OUT.pdf [IN.con]          print the sheets into a PDF file\n"
           "       korvane --png DIR [--dpi N] [IN.con]    print the sheets as PNG pages (150 "
           "dpi)\n"
           "       korvane --layout-json OUT.json [IN.con] the drawing operations of every page\n"
           "       korvane --elog OUT.txt [IN.con]         the JARL electronic log (summary and "
           "log)\n"
           "       korvane --cabrillo OUT.log [IN.con]     the log in Cabrillo 3.0\n"
           "options:\n"
           "  --ini FILE    master settings file instead of the one beside the program\n"
           "  --log FILE    log file to read instead of the master setting THDIR\n"
           "  --elog-version R2.1|R1.0   form of the electronic log's summary sheet (R2.1)\n"
           "  --encoding cp932|utf-8     text of the electronic log (cp932)\n"
           "  --cabrillo-contest ID      the Cabrillo CONTEST: name (A-Z, 0-9, -)\n"
           "  --cabrillo-category \"OPERATOR BAND MODE POWER\"\n"
           "                             the CATEGORY- lines, e.g. \"SINGLE-OP ALL CW LOW\"\n"
           "                             (both default to the master settings file's)\n"
           "  --help        this text\n";
}

int CommandLine::run(const Options& o, std::ostream& out, std::ostream& err) {
    if (!o.error.empty()) {
        err << "korvane: " << o.error << "\n" << usage();
        return 2;
    }
    if (o.help) {
        out << usage();
        return 0;
    }
    CKorvaneDoc doc;
    if (int status = prepare(o, doc, err)) {
        return status;
    }
    if (!o.saveAs.empty()) {
        CKorvaneDoc::Result saved = doc.saveDocument(o.saveAs);
        if (!saved.ok) {
            err << "korvane: " << describe(o.saveAs, saved.message) << "\n";
            return 1;
        }
    }
    if (o.settingsJson) {
        out << settings_json::write(doc.master, doc.contest);
    }
    if (!o.report.empty() && !writeOutput(o.report, report_json::write(doc), out, err)) {
        return 1;
    }
    if (!o.elog.empty()) {
        const ElectronicLog::Options elog{o.elogVersion == "R1.0" ? ElectronicLog::Version::R10
                                                                  : ElectronicLog::Version::R21,
                                          o.utf8, SheetClock::today()};
        const ElectronicLog::Result written = ElectronicLog::write(doc, elog);
        warn(written.warnings, err);
        if (!writeOutput(o.elog, written.text, out, err)) {
            return 1;
        }
    }
    if (!o.cabrillo.empty()) {
        const CabrilloLog::Options header{o.cabrilloContest.value_or(doc.master.cabrilloContest),
                                          o.cabrilloCategory.value_or(doc.master.cabrilloCategory)};
        const CabrilloLog::Result cabrillo = CabrilloLog::write(doc, header);
        warn(cabrillo.warnings, err);
        if (!cabrillo.ok) {
            err << "korvane: " << cp932::toUtf8(cabrillo.error) << "\n";
            return 1;
        }
        if (!writeOutput(o.cabrillo, cabrillo.text, out, err)) {
            return 1;
        }
    }
    if (!o.layoutJson.empty() && !writeOutput(o.layoutJson, layout_json::write(doc), out, err)) {
        return 1;
    }
    return 0;
}

int CommandLine::prepare(const Options& o, CKorvaneDoc& doc, std::ostream& err) {
    MasterSettingsStore store = storeFor(o);
    doc.master = store.load();
    if (!o.log.empty()) {
        doc.master.thDir = cp932::fromUtf8(std::filesystem::absolute(o.log).string());
    }
    if (!o.input.empty()) {
        CKorvaneDoc::Result opened = doc.openDocument(o.input);
        if (!opened.ok) {
            err << "korvane: " << describe(o.input, opened.message) << "\n";
            return 1;
        }
    }
    if (!needsRetrieval(o)) {
        return 0;
    }
    if (std::string problem = HamlogLibrary::check(); !problem.empty()) {
        err << "korvane: " << cp932::toUtf8(problem) << "\n";
        return 1;
    }
    if (!doc.bindLibrary()) {
        err << "korvane: " << cp932::toUtf8(cp932::lit("HAMLOG32.DLLを開けません。")) << "\n";
        return 1;
    }
    HamlogDatabase database(*doc.library());
    if (QsoRetrieval::retrieve(doc, database, QsoRetrieval::bandMask(doc.contest),
                               QsoRetrieval::modeMask(doc.contest)) != 0) {
        err << "korvane: " << cp932::toUtf8(cp932::lit("HAMLOGのデータを開けません")) << "\n";
        return 1;
    }
    reportRetrieval(doc, err);
    return 0;
}

bool CommandLine::writeOutput(const std::string& path, const std::string& text, std::ostream& out,
                              std::ostream& err) {
    if (path == "-") {
        out << text;
        return static_cast<bool>(out);
    }
    std::string error;
    if (!atomic_file::write(path, text, &error)) {
        err << "korvane: " << error << "\n";
        return false;
    }
    return true;
}
