// korvane: prepares a JARL contest entry. Runs the headless jobs of the command line; the sheets
// are drawn with Qt on its offscreen platform, so no display is needed.
#include "CKorvaneDoc.h"
#include "CommandLine.h"
#include "Cp932.h"
#include "QtSheetOutput.h"
#include "SheetPrinter.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool wantsSheets(const CommandLine::Options& o) {
    return o.error.empty() && !o.help && (!o.pdf.empty() || !o.png.empty());
}

// The jobs besides the PDF and PNG sheets, which need no Qt application.
CommandLine::Options withoutSheets(CommandLine::Options o) {
    o.pdf.clear();
    o.png.clear();
    return o;
}

int printSheets(const CommandLine::Options& options, char* programName) {
    // Headless output never wants a window system, whatever the environment names.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    char* qtArgv[] = {programName, nullptr};
    QGuiApplication application(qtArgc, qtArgv);

    CKorvaneDoc doc;
    if (int status = CommandLine::prepare(options, doc, std::cerr)) {
        return status;
    }
    const SheetPrinter printer(doc);
    if (!options.pdf.empty() &&
        !QtSheetOutput::writePdf(printer, cp932::toUtf8(doc.contest.contestName), options.pdf,
                                 std::cout, std::cerr)) {
        return 1;
    }
    if (!options.png.empty() &&
        !QtSheetOutput::writePng(printer, options.png, options.dpi, std::cerr)) {
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine::Options options = CommandLine::parse(args);
    if (!CommandLine::isHeadless(options)) {
        // The windows are not built yet: say what can be done instead.
        std::cerr << "korvane: the windows are not available in this build\n"
                  << CommandLine::usage();
        return 2;
    }
    if (!wantsSheets(options)) {
        return CommandLine::run(options, std::cout, std::cerr);
    }
    const CommandLine::Options others = withoutSheets(options);
    if (CommandLine::isHeadless(others)) {
        if (int status = CommandLine::run(others, std::cout, std::cerr)) {
            return status;
        }
    }
    return printSheets(options, argv[0]);
}
