// The list view of the main window: one row per retrieved QSO in sixteen columns.
#pragma once

#include "document/CKorvaneDoc.h"

#include <QTableView>

class QsoListModel;

class CKorvaneView : public QTableView {
    Q_OBJECT

public:
    explicit CKorvaneView(CKorvaneDoc& doc, QWidget* parent = nullptr);

    // Rebuilds the rows after a search, New or Open, and posts the count when they changed.
    void refill();

    QsoListModel* listModel() const { return model_; }

    // The family that stands for the list font "ＭＳ ゴシック" on this system.
    static QString listFontFamily();

signals:
    // The number of rows after a refill, for the frame's count pane.
    void countChanged(int rows);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    CKorvaneDoc& doc_;
    QsoListModel* model_;
};
