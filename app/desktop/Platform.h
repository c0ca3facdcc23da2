#pragma once

// What the window asks of the desktop: opening an address or a file in the
// user's browser, showing a message and asking where to save a file. Tests
// put a recording double in place of the real thing.

#include <QString>
#include <QUrl>

class QWidget;

class Platform {
public:
    virtual ~Platform() = default;
    // Hands the address to the user's default browser; false when nothing took it.
    virtual bool openUrl(const QUrl& url) = 0;
    // A failure the user should know about; the program goes on afterwards.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // A modal information box with one OK button and a question-mark icon.
    virtual void showAbout(const QString& caption, const QString& text) = 0;
    // The file the user chooses to save to, starting at `suggested`; empty
    // when the user cancels. A name typed without an extension takes
    // `suffix`. The dialog asks nothing about a file of that name: the caller
    // asks (ask()) about the name it will write, which may differ.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter, const QString& suffix) = 0;
    // A modal yes-or-no question, "No" the default; true for yes.
    virtual bool ask(QWidget* parent, const QString& caption, const QString& question) = 0;
};

// The real desktop: QDesktopServices and QMessageBox.
class DesktopPlatform final : public Platform {
public:
    bool openUrl(const QUrl& url) override;
    void showError(QWidget* parent, const QString& message) override;
    void showAbout(const QString& caption, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter, const QString& suffix) override;
    bool ask(QWidget* parent, const QString& caption, const QString& question) override;
};
