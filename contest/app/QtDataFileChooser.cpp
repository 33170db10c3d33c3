// QFileDialog set up from a request: title, filters, default extension and the initial name.
#include "app/QtDataFileChooser.h"

#include "common/Cp932.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

std::optional<std::string> QtDataFileChooser::chooseOpenFile(const Request& request) {
    QFileDialog dialog(parent_, QString::fromStdString(cp932::toUtf8(request.caption)));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    QStringList filters;
    for (const Filter& filter : request.filters) {
        filters << QString::fromStdString(cp932::toUtf8(filter.name));
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    const QString folder = QString::fromStdString(request.initialFolder);
    if (!folder.isEmpty() && QDir(folder).exists()) {
        dialog.setDirectory(folder);
    }
    if (!request.initialName.empty()) {
        dialog.selectFile(QString::fromStdString(request.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::cleanPath(QFileInfo(dialog.selectedFiles().first()).absoluteFilePath())
        .toStdString();
}
