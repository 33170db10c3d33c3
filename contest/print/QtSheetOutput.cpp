// Rendering the print document page by page into a PDF writer or an image, releasing each page
// before the next is drawn.
#include "print/QtSheetOutput.h"

#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "print/QtSheetCanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr int kPdfResolution = 1200;
constexpr double kUnitsPerInch = 254.0; // 0.1 mm
constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;

bool renderPdf(const SheetPrinter& printer, const std::string& title, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("korvane"));
    writer.setTitle(QString::fromStdString(title));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    QtSheetCanvas canvas(painter, kPdfResolution / kUnitsPerInch);
    for (std::size_t p = 1; p <= printer.pageCount(); ++p) {
        if (p > 1 && !writer.newPage()) {
            return false;
        }
        printer.drawPage(p, canvas);
    }
    return painter.end();
}

} // namespace

bool QtSheetOutput::writePdf(const SheetPrinter& printer, const std::string& title,
                             const std::string& path, std::ostream& out, std::ostream& err) {
    // The PDF is drawn in memory; a file is then replaced whole, so a failed run leaves the old
    // one.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!renderPdf(printer, title, buffer)) {
        err << "korvane: " << (path == "-" ? std::string() : path + ": ")
            << "the PDF could not be drawn\n";
        return false;
    }
    const std::string_view pdf(buffer.data().constData(),
                               static_cast<std::size_t>(buffer.data().size()));
    if (path == "-") {
        out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
        return static_cast<bool>(out.flush());
    }
    std::string error;
    if (!atomic_file::write(path, pdf, &error)) {
        err << "korvane: " << error << "\n";
        return false;
    }
    return true;
}

bool QtSheetOutput::writePng(const SheetPrinter& printer, const std::string& folder, int dpi,
                             std::ostream& err) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        err << "korvane: " << folder << ": " << error_text::ofErrno(ec.value()) << "\n";
        return false;
    }
    const QSize size(static_cast<int>(std::lround(kA4WidthMm / 25.4 * dpi)),
                     static_cast<int>(std::lround(kA4HeightMm / 25.4 * dpi)));
    QImage image(size, QImage::Format_Grayscale8);
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (image.isNull()) {
        err << "korvane: no memory for a page of " << dpi << " dpi\n";
        return false;
    }
    for (std::size_t p = 1; p <= printer.pageCount(); ++p) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        QtSheetCanvas canvas(painter, dpi / kUnitsPerInch);
        printer.drawPage(p, canvas);
        painter.end();

        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            err << "korvane: page " << p << " could not be encoded\n";
            return false;
        }
        char name[32];
        std::snprintf(name, sizeof name, "page-%03zu.png", p);
        const std::string path = (std::filesystem::path(folder) / name).string();
        std::string error;
        if (!atomic_file::write(path, std::string_view(png.constData(), png.size()), &error)) {
            err << "korvane: " << error << "\n";
            return false;
        }
    }
    return true;
}
