#pragma once

// The two report pages: the HTML page and the forum code, each in a text box
// the user may edit, with buttons to generate, clear and copy it; the HTML
// page can also be saved and opened in the browser, with the VT's picture
// taken from the page's folder or from the maker's site.

#include "app/areas/Pages.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class HandlerGuard;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

class ReportPages : public QObject {
    Q_OBJECT

public:
    struct State {
        bool internetPictures = false;
        friend bool operator==(const State&, const State&) = default;
    };

    // The pages' groups will go into `groups`, their panels into `panels`;
    // nothing is built until build() or a page is first shown.
    ReportPages(QWidget* groups, QWidget* panels, HandlerGuard& guard, QObject* owner);
    void build();
    bool built() const { return htmlGroup != nullptr; }

    void showHtml(const QStringList& lines);
    void showForumCode(const QStringList& lines);
    // The boxes' texts as the clipboard and the saved page get them.
    QString htmlText() const;
    QString forumText() const;

    bool internetPictures() const { return internet; }
    void setInternetPictures(bool internet);

    State state() const { return {internetPictures()}; }
    void setState(const State& state) { setInternetPictures(state.internetPictures); }

    void hidePages(Page except);
    void showPage(Page page);
    QList<QWidget*> forumTabOrder() const;
    QList<QWidget*> htmlTabOrder() const;

signals:
    void htmlGenerateClicked();
    void launchClicked();
    void pictureSourceClicked();
    void forumGenerateClicked();
    void forumSiteClicked();

private:
    void buildHtmlPage(QWidget* groups, QWidget* panels, HandlerGuard& guard);
    void buildForumPage(QWidget* groups, QWidget* panels, HandlerGuard& guard);

    QWidget* groups;
    QWidget* panels;
    HandlerGuard& guard;
    bool internet = false; // the page's VT picture comes from the maker's site

    QGroupBox* htmlGroup = nullptr;
    QFrame* htmlPanel = nullptr;
    QPlainTextEdit* htmlBox = nullptr;
    QList<QPushButton*> htmlButtons; // generate, clear, copy, launch
    QButtonGroup* pictureChoice = nullptr;
    QGroupBox* forumGroup = nullptr;
    QFrame* forumPanel = nullptr;
    QPlainTextEdit* forumBox = nullptr;
    QList<QPushButton*> forumButtons; // generate, clear, copy, forum site
};
