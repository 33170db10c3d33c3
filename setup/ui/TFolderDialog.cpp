// The folder chooser on Qt's directory dialog: folders only, as a shell folder browser shows them.
#include "ui/TFolderDialog.h"

#include <QDir>
#include <QFileDialog>

bool TFolderDialog::execute(QWidget* owner) {
    QFileDialog dialog(owner, title, QDir::homePath());
    dialog.setObjectName(QStringLiteral("dlgFolder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    folder_ = dialog.selectedFiles().front();
    return true;
}
