#include "app/desktop/Platform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

bool DesktopPlatform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

// A message can quote the clipboard, a file name or a system's error string,
// so it is shown as plain text: read as rich text, a quoted "<img src=...>"
// would make the box open that file to measure itself.
void DesktopPlatform::showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Vantor"), QString(), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.exec();
}

void DesktopPlatform::showAbout(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, QString(), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.exec();
}

// QFileDialog::getSaveFileName() has no default suffix: a name typed without
// one would be extended only after the dialog had checked it, and an existing
// file of the extended name replaced without asking.
QString DesktopPlatform::saveFileName(QWidget* parent, const QString& caption,
                                      const QString& suggested, const QString& filter,
                                      const QString& suffix) {
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
