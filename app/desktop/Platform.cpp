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

// The dialog's own question about an existing file would name the file it
// returns, not always the one written: "photo.jpg" is saved as a PNG named
// "photo.jpg.png". So it asks nothing, and the caller asks about the name it
// writes.
QString DesktopPlatform::saveFileName(QWidget* parent, const QString& caption,
                                      const QString& suggested, const QString& filter,
                                      const QString& suffix) {
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The question names a file, so it is shown as plain text, as messages are.
bool DesktopPlatform::ask(QWidget* parent, const QString& caption, const QString& question) {
    QMessageBox box(QMessageBox::Question, caption, QString(), QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setText(question);
    return box.exec() == QMessageBox::Yes;
}
