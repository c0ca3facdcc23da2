#include "app/window/TVantor.h"

#include "app/areas/Widgets.h"
#include "app/desktop/Accessibility.h"
#include "app/desktop/Paths.h"
#include "app/desktop/ToolWindowPlacement.h"
#include "app/tools/ToolWindows.h"
#include "reports/Reports.h"
#include "reports/WebAddresses.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFrame>
#include <QTimer>

using vantor::WeaponKind;

TVantor::TVantor(QWidget* parent, std::unique_ptr<Platform> platform_)
    : QWidget(parent),
      platform(platform_ ? std::move(platform_) : std::make_unique<DesktopPlatform>()),
      guard([this](const QString& message) { platform->showError(this, message); },
            [this] {
                selection->settle();
                followToolWindows();
            }) {
    setObjectName(QStringLiteral("TVantor"));
    setWindowTitle(QStringLiteral("Vantor"));
    installVantorAccessibility();
    buildAreas();
    setKeyboardOrder();
    // The width is locked for good; the height follows the advanced area.
    setFixedWidth(ClientWidth);
    setWindowHeight(330);
    vantor::ResetReport(loadout, {reports->internetPictures(), selection->vt()});
    connectAreas();
    selection->settle();
}

TVantor::~TVantor() {
    // A focus change while the components go must not reach a handler.
    guard.close();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TVantor::buildAreas() {
    auto* mainPanel = makePanel(this, "MainPanel", "Loadout", QRect(0, 0, ClientWidth, 511));
    auto* topPanel =
        makePanel(mainPanel, "TopPanel", "Selection and results", QRect(0, 0, ClientWidth, 290));
    auto* leftPanel = makePanel(topPanel, "LeftPanel", "Selection", QRect(0, 0, 437, 290));
    selectionColumn = leftPanel;
    auto* rightPanel = makePanel(topPanel, "RightPanel", "Results", QRect(437, 0, 267, 290));
    middlePanel =
        makePanel(mainPanel, "MiddlePanel", "Page buttons", QRect(0, 290, ClientWidth, 44));
    bottomPanel = makePanel(mainPanel, "BottomPanel", "Pages", QRect(0, 334, ClientWidth, 177));
    auto* bottomLeftPanel =
        makePanel(bottomPanel, "BottomLeftPanel", "Page", QRect(0, 0, 545, 177));

    navigation = new Navigation(leftPanel, middlePanel, guard, this);
    selection = new SelectionPanel(leftPanel, guard, this);
    views = new ResultViews(rightPanel, guard, this);
    info = new InfoPages(bottomLeftPanel, bottomPanel, guard, this);
    const auto loadChart = [this] {
        const QString file = rangeChartFile();
        const PictureCache::Image read = PictureCache::read(file, RangeChartPage::ChartSize);
        const QImage chart = read.image.convertToFormat(QImage::Format_RGB32);
        if (chart.isNull())
            guard.report(QStringLiteral("Cannot read the range chart %1: %2. The chart built into "
                                        "the program is shown instead.")
                             .arg(QDir::toNativeSeparators(file), read.error));
        return chart;
    };
    chart = new RangeChartPage(bottomLeftPanel, bottomPanel, guard, loadChart, this);
    reports = new ReportPages(bottomLeftPanel, bottomPanel, guard, this);
    session = new SessionController(this, *this, guard, toolWindowCommands());
}

// Tab moves through the window as it reads: the title row, the selection
// column, the weapon column, the views, the page buttons, then the pages.
void TVantor::setKeyboardOrder() {
    const QList<QWidget*> order =
        navigation->titleTabOrder() + selection->tabOrder() + views->tabOrder() +
        navigation->pageTabOrder() + info->weaponAndPartTabOrder() + chart->tabOrder() +
        reports->forumTabOrder() + reports->htmlTabOrder() + info->miscTabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TVantor::connectAreas() {
    // Each pick already runs inside the guard; the handlers follow directly.
    connect(navigation, &Navigation::aboutClicked, this, &TVantor::AboutButtonClick);
    connect(navigation, &Navigation::siteClicked, this, &TVantor::openSite);
    connect(navigation, &Navigation::advancedClicked, this, &TVantor::AdvFunctionButtonClick);
    connect(navigation, &Navigation::pageClicked, this, [this](Page page) { showPage(page); });

    // Every pick in a loadout selector, and the MM launch, is one step.
    using S = SelectionPanel;
    using vantor::Selector;
    connect(selection, &S::vtPicked, this,
            [this] { session->selectorStep(Selector::Vt, [this] { VTSelectChange(); }); });
    connect(selection, &S::fuelPicked, this,
            [this] { session->selectorStep(Selector::Fuel, [this] { FTSelectChange(); }); });
    connect(selection, &S::partPicked, this, [this](int slot) {
        session->selectorStep(vantor::partSelector(slot), [this, slot] { OPSelectChange(slot); });
    });
    connect(selection, &S::levelPicked, this, [this](int slot) {
        session->selectorStep(vantor::levelSelector(slot), [this, slot] { OPLSelectChange(slot); });
    });
    connect(selection, &S::weaponPicked, this, [this](WeaponKind kind, int slot) {
        session->selectorStep(vantor::weaponSelector(kind, slot),
                              [this, kind, slot] { weaponSelectChange(kind, slot); });
    });
    connect(selection, &S::fixedWeaponAsked, this, &TVantor::FixedWeaponButtonClick);
    connect(selection, &S::previewsWanted, this, &TVantor::showPreviews);
    connect(selection, &S::mmLaunchClicked, this,
            [this] { session->step(QStringLiteral("Launch MM"), [this] { F1ButtonClick(); }); });
    selection->routeKeysThrough(
        [this](QComboBox* selector) { session->commands().routeSelectorKeys(selector); });
    connect(session, &SessionController::toolWindowRequested, this, &TVantor::openToolWindow);
    connect(session, &SessionController::pinnedLoadoutShown, this, [this] {
        for (int kind = 0; kind < toolWindowKinds().size(); ++kind)
            if (toolWindowKinds()[kind].opensWhenPinned)
                openToolWindow(kind);
    });

    connect(reports, &ReportPages::htmlGenerateClicked, this, &TVantor::HtmlGenerateButtonClick);
    connect(reports, &ReportPages::launchClicked, this, &TVantor::SpeedButton6Click);
    connect(reports, &ReportPages::pictureSourceClicked, this, &TVantor::VTImageRadioGroupClick);
    connect(reports, &ReportPages::forumGenerateClicked, this, &TVantor::ForumGenerateButtonClick);
    connect(reports, &ReportPages::forumSiteClicked, this,
            [this] { platform->openUrl(QUrl(vantor::fanForumAddress())); });
}

void TVantor::setWindowHeight(int wholeWindowHeight) {
    const int client = wholeWindowHeight - FrameHeight;
    setFixedHeight(client);
    // What lies below the window's edge is hidden as well, so that the
    // keyboard never moves the focus out of sight.
    middlePanel->setVisible(client > middlePanel->y() + navigation->pageButtonsBottom());
    bottomPanel->setVisible(client > bottomPanel->y());
    // A taller window moves up as far as needed to keep its whole frame on
    // the screen: being of fixed size, it cannot be resized back into sight.
    if (isVisible() && screen()) {
        const QRect frame = frameGeometry().adjusted(0, 0, 0, client - height());
        const QRect kept = keptOnScreen(frame, screen()->availableGeometry());
        if (kept.topLeft() != frame.topLeft())
            move(kept.topLeft());
    }
}

SessionState TVantor::captureState() const {
    return {loadout,
            selection->state(),
            views->state(),
            info->state(),
            chart->state(),
            reports->state(),
            navigation->advancedEnabled(),
            shownPicture};
}

void TVantor::restoreState(const SessionState& session) {
    // Whether the advanced area is open is the user's view, not the loadout.
    const bool advancedOpen = loadout.AdvancedOpen;
    loadout = session.loadout;
    loadout.AdvancedOpen = advancedOpen;
    selection->setState(session.selection);
    // The pictures come back through the cache, as they were read when
    // shown; one unreadable by now shows nothing, without a message, as
    // restoring runs no handler.
    views->setState(session.views, [this](int vt) {
        return pictures.load(vtPictureFile(vt), ResultViews::PictureSize).pixmap;
    });
    info->setState(session.info, [this](vantor::Faction faction) {
        return pictures.load(flagFile(faction), InfoPages::FlagSize).pixmap;
    });
    chart->setState(session.chart);
    reports->setState(session.reports);
    navigation->setAdvancedEnabled(session.advancedEnabled);
    shownPicture = session.pictureVt;
    selection->settle();
}

void TVantor::openAdvancedArea() {
    buildHiddenAreas();
    setWindowHeight(363);
    navigation->showAdvancedOpen(true);
    loadout.AdvancedOpen = true;
}

void TVantor::AdvFunctionButtonClick() {
    if (!loadout.AdvancedOpen) {
        // The page buttons come into sight with none chosen; the page area
        // shows again only when one of them is clicked.
        openAdvancedArea();
    } else {
        setWindowHeight(330);
        navigation->showAdvancedOpen(false);
        loadout.AdvancedOpen = false;
    }
    navigation->showTitleFor(std::nullopt);
}

void TVantor::showPage(Page page, int height) {
    buildHiddenAreas();
    navigation->markPage(page);
    setWindowHeight(height);
    info->hidePages(page);
    chart->hidePages(page);
    reports->hidePages(page);
    info->showPage(page);
    chart->showPage(page);
    reports->showPage(page);
    navigation->showTitleFor(page);
}

// The fixed weapons' "?" buttons open the weapon page, and the advanced area
// with it, in one step; the window then stops short of the full height.
void TVantor::ShowWeaponInfoPage() {
    if (!loadout.AdvancedOpen)
        openAdvancedArea();
    showPage(Page::Weapon, 534);
}

void TVantor::AboutButtonClick() {
    platform->showAbout(Navigation::aboutCaption(), Navigation::aboutText());
}

void TVantor::openSite(Navigation::Site site) {
    switch (site) {
    case Navigation::Site::Maker:
        platform->openUrl(QUrl(vantor::makerAddress()));
        break;
    case Navigation::Site::Research:
        platform->openUrl(QUrl(vantor::researchAddress()));
        break;
    case Navigation::Site::Fan:
        platform->openUrl(QUrl(vantor::fanAddress()));
        break;
    }
}

bool TVantor::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !firstPaintSeen) {
        firstPaintSeen = true;
        // Runs once the whole first paint has reached the screen.
        QTimer::singleShot(0, this, [this] { guard.run([this] { buildHiddenAreas(); }); });
    }
    return QWidget::event(event);
}

void TVantor::buildHiddenAreas() {
    if (hiddenAreasBuilt)
        return;
    hiddenAreasBuilt = true;
    views->buildHiddenViews();
    info->build();
    chart->build();
    reports->build();
    setKeyboardOrder();
    // The loadout's keys act in the comparison-weapon selector as in the loadout's.
    session->commands().routeSelectorKeys(chart->comparisonSelector());
}

void TVantor::contextMenuEvent(QContextMenuEvent* event) {
    session->showMenu(event->globalPos());
}

bool TVantor::vtChosen() const {
    return selection->vt() >= 0;
}

bool TVantor::holdsPick(vantor::Selector selector) const {
    return selection->holdsPick(selector);
}

SessionState TVantor::stateBeforeInput() const {
    SessionState before = captureState();
    before.selection = selection->settledState();
    return before;
}
