#include "app/Platform.h"

#include <QDesktopServices>
#include <QMessageBox>

bool DesktopPlatform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void DesktopPlatform::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("Vantor"), message);
}

void DesktopPlatform::showAbout(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok);
    box.exec();
}
