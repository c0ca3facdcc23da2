#pragma once

// The user guide inside the program: a tool window beside the main window
// showing the guide's Markdown pages and pictures, built into the program's
// resources. Links move between its pages; a link anywhere else is not
// followed, so nothing is fetched. Closing it only hides it. A screen reader
// is told where a link reached with Tab goes, and a picture's alternative text
// is its tooltip too.

#include "app/tools/ToolWindow.h"

#include <QUrl>

class QTextBrowser;

class GuideWindow : public ToolWindow {
    Q_OBJECT

public:
    GuideWindow(QWidget* mainWindow, ToolWindowHost& host);

    // The guide's first page, its contents.
    static QUrl startPage();
    // Whether `url` names a page or picture of the guide that exists.
    static bool isGuideFile(const QUrl& url);

    // Shows a page of the guide; anything else is left alone.
    bool openPage(const QUrl& url);

protected:
    // It opens on the guide's first page each time.
    void aboutToPresent() override;

private:
    void describeFocusedLink();
    void describePictures();

    // Smaller than this, on a small screen, the page scrolls.
    static constexpr QSize LeastSize{260, 200};

    QTextBrowser* browser = nullptr;
};
