// Print preview of the sheets: next and previous page, one or two pages, zoom, print and close.
#pragma once

#include "document/CKorvaneDoc.h"

#include <QDialog>

class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

class SheetPreviewDialog : public QDialog {
    Q_OBJECT

public:
    // The result of exec() when the user chose to print from the preview.
    static constexpr int kPrintRequested = 2;

    SheetPreviewDialog(const CKorvaneDoc& doc, QPrinter& printer, QWidget* parent = nullptr);

    QPrintPreviewWidget* preview() const { return preview_; }

private:
    void step(int pages);
    void toggleTwoPages();
    void zoom(int levels);
    void updateButtons();

    const CKorvaneDoc& doc_;
    QPrintPreviewWidget* preview_;
    QPushButton* next_;
    QPushButton* previous_;
    QPushButton* twoPages_;
    QPushButton* zoomIn_;
    QPushButton* zoomOut_;
    int zoomLevel_ = 0; // 0 the whole page, then larger in two steps
    bool twoPageView_ = false;
};
