#pragma once

// The loadout finder: a tool window beside the main window that lists the
// best loadouts the VT can carry under the player's limits, ranked by one
// figure, and searches again whenever the loadout or a limit changes while
// it is open. A row is picked into the main window, or pinned for the
// comparison; what that does is the main window's business. Closing it only
// hides it, and while hidden it is given nothing.

#include "app/tools/FinderModel.h"
#include "app/tools/ToolWindow.h"
#include "core/Finder.h"

#include <array>

class SortedTableProxy;
class FinderLimitsPanel;
class FinderRunner;
class HandlerGuard;
class QLabel;
class QPushButton;
class QTableView;

class FinderWindow : public ToolWindow {
    Q_OBJECT

public:
    FinderWindow(QWidget* mainWindow, ToolWindowHost& host);
    ~FinderWindow() override;

    void follow() override;
    // The loadout in the main window as its selectors hold it, its record,
    // and how many items each weapon selector offers (MW1..MW3, SW1..SW3).
    // Searches again where that changes what is asked.
    void showLoadout(const vantor::LoadoutPicks& picks, const vantor::Loadout& loadout,
                     const std::array<int, 6>& weaponItems);
    // What the window asks now, from the loadout and the limits it holds.
    vantor::FinderRequest request() const;

signals:
    // The table shows the answer to a new request.
    void answerShown();

protected:
    void prepareFirstShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Smaller than this, on a small screen, the form and table scroll.
    static constexpr QSize LeastSize{320, 240};

    void searchAgain();
    // The reason nothing fits, in the table's place; none shows the table.
    void showReason(const QString& reason);
    void showAnswer(const vantor::FinderRequest& asked, const vantor::FinderAnswer& answer);
    const vantor::FoundLoadout* foundAt(const QModelIndex& index) const;
    void pickRow(const QModelIndex& index);
    void pinRow(const QModelIndex& index);
    void copyTable();

    HandlerGuard& guard;
    FinderRunner* search = nullptr;
    FinderModel* model = nullptr;
    SortedTableProxy* proxy = nullptr;
    QTableView* table = nullptr;
    QLabel* nothingFits = nullptr;
    QPushButton* copyButton = nullptr;
    FinderLimitsPanel* limits = nullptr;

    vantor::LoadoutPicks picks;
    vantor::Loadout loadout;
    vantor::LoadoutPicks leading;               // FinderRequest::leading
    bool pickedHere = false;                    // a row was just put into the window
    bool markWindowRow = false;                 // the next answer makes the window's row current
    QString spokenReason;                       // the reason nothing fits, as last shown
    std::optional<vantor::FinderRequest> asked; // the newest request searched for
};
