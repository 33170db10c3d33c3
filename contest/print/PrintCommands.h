// The print, print preview and printer set-up commands over one printer kept for the session.
#pragma once

#include "common/Prompter.h"
#include "document/CKorvaneDoc.h"
#include "print/SheetPainter.h"

#include <QObject>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

class PrintCommands : public QObject {
    Q_OBJECT

public:
    PrintCommands(CKorvaneDoc& doc, QWidget* parent);
    ~PrintCommands() override;

    // The platform's print dialog limited to pages 1..total, then the job with the "印刷中"
    // progress dialog; a job that cannot start is reported through the prompter.
    void print(Prompter& prompter);

    // The preview window; its print button closes it and runs print().
    void preview(Prompter& prompter);

    // The platform's page set-up for the printer used by the next print and preview.
    void setup();

    // Prints pages first..last with the progress dialog. Used by print() after its dialog.
    SheetPainter::Outcome printRange(int first, int last, Prompter& prompter);

    QPrinter& printer() { return *printer_; }

private:
    CKorvaneDoc& doc_;
    QWidget* parent_;
    std::unique_ptr<QPrinter> printer_;
};
