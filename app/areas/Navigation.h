#pragma once

// The title row (the About button, the title with its site logo and the
// button that opens the advanced area) and the row of page buttons. It shows
// which page is chosen and titles the window for it; the pages themselves
// belong to other areas.

#include "app/areas/Pages.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSize>

#include <optional>

class HandlerGuard;
class QLabel;
class QPushButton;
class ToggleButton;
class QWidget;

class Navigation : public QObject {
    Q_OBJECT

public:
    enum class Site { Maker, Research, Fan };

    Navigation(QWidget* titleRow, QWidget* pageRow, HandlerGuard& guard, QObject* parent);

    void setAdvancedEnabled(bool enabled);
    bool advancedEnabled() const;
    // The advanced area's button caption; closing also raises every page button.
    void showAdvancedOpen(bool open);
    // Draws the page's button flat and the others raised.
    void markPage(Page page);
    // The title and logo of a page; nothing stands for the opened or closed
    // advanced area, which always shows the maker's address.
    void showTitleFor(std::optional<Page> page);
    // The bottom edge of the page buttons within their row.
    int pageButtonsBottom() const;

    // The caption and text of the About box.
    static QString aboutCaption();
    static QString aboutText();

    QList<QWidget*> titleTabOrder() const;
    QList<QWidget*> pageTabOrder() const;

signals:
    void aboutClicked();
    void siteClicked(Navigation::Site site);
    void advancedClicked();
    void pageClicked(Page page);

private:
    QPushButton* aboutButton = nullptr;
    QLabel* titleLabel = nullptr;
    QHash<QString, QSize> titleSizes;    // each title's size, measured once
    QPushButton* makerLogo = nullptr;    // CorvaneButton
    QPushButton* researchLogo = nullptr; // KerrowButton
    QPushButton* fanLogo = nullptr;      // PellumButton
    QPushButton* advancedButton = nullptr;
    ToggleButton* pageButtons[PageCount] = {};
};
