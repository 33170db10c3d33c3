// korvane: prepares a JARL contest entry. Opens the windows, or runs the headless jobs of the
// command line, whose sheets are drawn with Qt on its offscreen platform without a display.
#include "common/Cp932.h"
#include "document/CKorvaneDoc.h"
#include "frame/CKorvaneApp.h"
#include "frame/CMainFrame.h"
#include "frame/CommandLine.h"
#include "frame/SmokeDriver.h"
#include "print/QtSheetOutput.h"
#include "print/SheetPrinter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
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

// Headless runs have no session and need none: Qt's note that XDG_RUNTIME_DIR is unset would only
// confuse a user reading the output; everything else still reaches standard error.
void quietHeadlessMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    std::cerr << qPrintable(qFormatLogMessage(type, context, text)) << "\n";
}

int printSheets(const CommandLine::Options& options, char* programName) {
    qInstallMessageHandler(quietHeadlessMessages);
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

// The windows: start-up, the message loop, and the settings written back at exit.
int runWindows(const CommandLine::Options& options, int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korvane"));
    // The platform's own dialogs (files, printing) speak Japanese where Qt has the translation.
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&translator);
    }

    CKorvaneApp korvane({options.input, options.ini, options.log});
    if (!korvane.initInstance()) {
        return 1;
    }
    if (SmokeDriver::requested()) {
        auto* driver = new SmokeDriver(*korvane.frame(), SmokeDriver::shotFolderFromEnvironment());
        driver->start();
    }
    const int status = QApplication::exec();
    const bool saved = korvane.exitInstance();
    return status != 0 ? status : saved ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    CommandLine::Options options = CommandLine::parse(args);
    if (!CommandLine::isHeadless(options)) {
        return runWindows(options, argc, argv);
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
