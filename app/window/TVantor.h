#pragma once

// The one window of the program. It owns the loadout record, the desktop
// adapters and the handler guard, and wires the areas of the window to the
// steps of the core: each handler reads the picks, calls a step on the
// record, and hands the result to the areas that show it.

#include "app/areas/Navigation.h"
#include "app/desktop/HandlerGuard.h"
#include "app/desktop/PictureCache.h"
#include "app/desktop/Platform.h"
#include "app/session/SessionController.h"
#include "app/session/SessionState.h"
#include "app/tools/ToolWindowHost.h"
#include "model/Loadout.h"
#include "weapons/WeaponCatalogue.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QFrame;
class ToolWindow;

// The tool windows reach the window as their host (ToolWindowHost).
class TVantor : public QWidget, private SessionHost, public ToolWindowHost {
    Q_OBJECT

public:
    // The frame and caption that the designed whole-window heights include.
    static constexpr int FrameHeight = 34;
    static constexpr int ClientWidth = 704;

    // The window takes ownership of `platform`; null means the real desktop.
    explicit TVantor(QWidget* parent = nullptr, std::unique_ptr<Platform> platform = {});
    ~TVantor() override;

    const vantor::Loadout& currentLoadout() const override { return loadout; }
    // The designed whole-window height the window is locked at.
    int windowHeight() const { return height() + FrameHeight; }

    SessionState captureState() const override;
    // Shows exactly what the window showed when `session` was captured; runs
    // no handler, shows no message and opens nothing.
    void restoreState(const SessionState& session) override;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildAreas();
    // What is not on screen at start is built once the window has first been
    // painted, or earlier when it is needed.
    void buildHiddenAreas();
    void setKeyboardOrder();
    void connectAreas();
    void setWindowHeight(int wholeWindowHeight);

    // Views, pages, the About box and the links.
    void AdvFunctionButtonClick();
    void openAdvancedArea();
    void showPage(Page page, int height = 544);
    void ShowWeaponInfoPage();
    void AboutButtonClick();
    void openSite(Navigation::Site site);

    // VT selection and recomputation.
    void VTSelectChange();
    void RecomputeLoadout();
    void showLoadout();
    void LoadVTPicture();
    static QString flagFile(vantor::Faction faction);
    void showFaction(vantor::Faction faction);
    void pushRanges();

    // Weapons, optional parts and fuel tanks.
    void weaponSelectChange(vantor::WeaponKind kind, int slot);
    void showWeaponInfo(vantor::WeaponKind kind, int slot, int row);
    void FixedWeaponButtonClick(vantor::WeaponKind kind, int slot);
    void F1ButtonClick();
    void OPSelectChange(int slot);
    void OPLSelectChange(int slot);
    void ShowOptionalPart(int slot);
    void applyIconRules();
    void FTSelectChange();
    // What each item of an open list would do if picked now.
    void showPreviews(vantor::Selector selector);
    // The tool windows (app/tools/ToolWindows.h): each made the first time
    // its command asks for it, and following every step while it is open.
    void openToolWindow(int kind);
    void followToolWindows();
    void pickFromCatalogue(vantor::Selector selector, int item);
    void pickFoundLoadout(const vantor::LoadoutPicks& picks);
    void pinFoundLoadout(const vantor::LoadoutPicks& picks);

    // What the tool windows see of the window and ask of it.
    HandlerGuard& handlerGuard() override { return guard; }
    QList<QWidget*> keptInSight() const override;
    vantor::LoadoutPicks currentPicks() const override;
    vantor::SelectorFacts pickFacts() const override;
    std::array<int, 6> weaponItemCounts() const override;
    std::array<bool, 6> fixedWeaponSlots() const override;
    std::vector<vantor::ComparisonRow> comparisonRows() const override;
    std::optional<RangeChartPage::State> pinnedChart() const override;
    RangeChartPage::State currentChart() const override;
    void pickItem(vantor::Selector selector, int item) override;
    void pickLoadout(const vantor::LoadoutPicks& picks) override;
    void pinLoadout(const vantor::LoadoutPicks& picks) override;
    void swapWithPinned() override;

    // What the session around the loadout needs of the window.
    SessionState stateBeforeInput() const override;
    vantor::Loadout loadoutAsShown() const override;
    bool vtChosen() const override;
    bool holdsPick(vantor::Selector selector) const override;
    vantor::LoadoutPicks picksAsShown() const override;
    void applyPicks(const vantor::LoadoutPicks& picks) override;
    void pickPart(int slot, int part, int level);
    void prepareLevelSelectors(const vantor::LoadoutPicks& picks);
    QImage loadoutPicture() override;
    QString choosePictureFile(const QString& startAt) override;
    bool agreesToSave(const QString& question) override;

    // Reports.
    void HtmlGenerateButtonClick();
    void SpeedButton6Click();
    void VTImageRadioGroupClick();
    void ForumGenerateButtonClick();

    std::unique_ptr<Platform> platform;
    HandlerGuard guard;
    vantor::Loadout loadout;
    PictureCache pictures; // VT pictures and flags as read from disk
    static constexpr int NoPicture = -2;
    int shownPicture = NoPicture; // VT whose picture the picture view holds
    // While a pasted loadout is picked step by step, the views wait for the
    // last step instead of showing every loadout on the way.
    bool holdLoadoutDisplay = false;
    bool hiddenAreasBuilt = false;
    bool firstPaintSeen = false;

    QFrame* selectionColumn = nullptr;
    QFrame* middlePanel = nullptr; // the page buttons
    QFrame* bottomPanel = nullptr; // the pages
    Navigation* navigation = nullptr;
    SelectionPanel* selection = nullptr;
    ResultViews* views = nullptr;
    InfoPages* info = nullptr;
    RangeChartPage* chart = nullptr;
    ReportPages* reports = nullptr;
    SessionController* session = nullptr;
    // The tool windows, in the order of their list; each null until first
    // asked for.
    QList<QPointer<ToolWindow>> toolWindows;
};
