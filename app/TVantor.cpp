#include "app/TVantor.h"

#include "app/Accessibility.h"
#include "app/Components.h"
#include "app/Paths.h"
#include "core/VtChoice.h"
#include "equipment/FuelTanks.h"
#include "equipment/OptionalParts.h"
#include "factions/Factions.h"
#include "model/LoadoutDisplay.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtSelection.h"
#include "reports/LoadoutText.h"
#include "reports/PageFile.h"
#include "reports/Reports.h"
#include "reports/WebAddresses.h"
#include "weapons/WeaponSelection.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QTimer>
#include <QUrl>

using vantor::WeaponKind;

TVantor::TVantor(QWidget* parent, std::unique_ptr<Platform> platform_)
    : QWidget(parent),
      platform(platform_ ? std::move(platform_) : std::make_unique<DesktopPlatform>()),
      guard([this](const QString& message) { platform->showError(this, message); },
            [this] { selection->settle(); }) {
    setObjectName(QStringLiteral("TVantor"));
    setWindowTitle(QStringLiteral("Vantor"));
    installVantorAccessibility();
    buildAreas();
    setKeyboardOrder();
    // The width is locked for good; the height follows the advanced area.
    setFixedWidth(ClientWidth);
    setWindowHeight(330);
    vantor::ResetReport(state, {reports->internetPictures(), selection->vt()});
    connectAreas();
    selection->settle();
}

TVantor::~TVantor() {
    // A focus change while the components go must not reach a handler.
    guard.close();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TVantor::buildAreas() {
    auto* mainPanel = makePanel(this, "MainPanel", QRect(0, 0, 704, 511));
    auto* topPanel = makePanel(mainPanel, "TopPanel", QRect(0, 0, 704, 290));
    auto* leftPanel = makePanel(topPanel, "LeftPanel", QRect(0, 0, 437, 290));
    auto* rightPanel = makePanel(topPanel, "RightPanel", QRect(437, 0, 267, 290));
    middlePanel = makePanel(mainPanel, "MiddlePanel", QRect(0, 290, 704, 44));
    bottomPanel = makePanel(mainPanel, "BottomPanel", QRect(0, 334, 704, 177));
    auto* bottomLeftPanel = makePanel(bottomPanel, "BottomLeftPanel", QRect(0, 0, 545, 177));

    navigation = new Navigation(leftPanel, middlePanel, guard, this);
    selection = new SelectionPanel(leftPanel, guard, this);
    views = new ResultViews(rightPanel, guard, this);
    info = new InfoPages(bottomLeftPanel, bottomPanel, guard, this);
    const auto loadChart = [this] {
        const QString file = dataFile(QStringLiteral("Images"), QStringLiteral("Range.bmp"));
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
    commands = new LoadoutCommands(this, guard);
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
    connect(selection, &S::vtPicked, this,
            [this] { selectorStep(S::Vt, [this] { VTSelectChange(); }); });
    connect(selection, &S::fuelPicked, this,
            [this] { selectorStep(S::Fuel, [this] { FTSelectChange(); }); });
    connect(selection, &S::partPicked, this, [this](int slot) {
        selectorStep(slot == 1 ? S::Part1 : S::Part2, [this, slot] { OPSelectChange(slot); });
    });
    connect(selection, &S::levelPicked, this, [this](int slot) {
        selectorStep(slot == 1 ? S::Level1 : S::Level2, [this, slot] { OPLSelectChange(slot); });
    });
    connect(selection, &S::weaponPicked, this, [this](WeaponKind kind, int slot) {
        selectorStep((kind == WeaponKind::Main ? S::Main1 : S::Sub1) + slot - 1,
                     [this, kind, slot] { weaponSelectChange(kind, slot); });
    });
    connect(selection, &S::fixedWeaponAsked, this, &TVantor::FixedWeaponButtonClick);
    connect(selection, &S::mmLaunchClicked, this, [this] { step([this] { F1ButtonClick(); }); });
    selection->routeKeysThrough(commands);
    connect(commands, &LoadoutCommands::triggered, this, &TVantor::runCommand);
    connect(commands, &LoadoutCommands::aboutToShowMenu, this, &TVantor::updateCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TVantor::updateCommands);
    updateCommands();

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
}

SessionState TVantor::captureState() const {
    return {state,
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
    const bool advancedOpen = state.AdvancedOpen;
    state = session.loadout;
    state.AdvancedOpen = advancedOpen;
    selection->setState(session.selection);
    views->setState(session.views);
    info->setState(session.info);
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
    state.AdvancedOpen = true;
}

void TVantor::AdvFunctionButtonClick() {
    if (!state.AdvancedOpen) {
        // The page buttons come into sight with none chosen; the page area
        // shows again only when one of them is clicked.
        openAdvancedArea();
    } else {
        setWindowHeight(330);
        navigation->showAdvancedOpen(false);
        state.AdvancedOpen = false;
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
    if (!state.AdvancedOpen)
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

void TVantor::VTSelectChange() {
    const vantor::VtChoice choice = vantor::chooseVt(state, selection->vt());
    selection->showVtChoice(choice);
    reports->setInternetPictures(false);
    views->setButtonsEnabled(choice.chosen());
    navigation->setAdvancedEnabled(choice.chosen());
    shownPicture = NoPicture; // every choice of a VT reads its picture afresh
    if (choice.faction) {
        showFaction(*choice.faction);
        views->showVtOrigin(choice.generation,
                            vantor::toQString(vantor::factionRecord(*choice.faction).name),
                            QColor::fromRgb(vantor::factionRecord(*choice.faction).colour));
    }
    chart->setCaptions(choice.rangeCaptions());
    chart->setVt(state.VTIndex);
    chart->setArmour(false);
    pushRanges();
    chart->allOff();
    RecomputeLoadout();
}

void TVantor::pushRanges() {
    const vantor::Loadout& l = state;
    chart->setRanges({{{l.MW1RangeMin, l.MW1RangeMax},
                       {l.MW2RangeMin, l.MW2RangeMax},
                       {l.MW3RangeMin, l.MW3RangeMax},
                       {l.SW1RangeMin, l.SW1RangeMax},
                       {l.SW2RangeMin, l.SW2RangeMax},
                       {l.SW3RangeMin, l.SW3RangeMax}}});
}

void TVantor::RecomputeLoadout() {
    vantor::RecomputeLoadout(state, {selection->vt(), selection->part(1), selection->part(2)});
    views->show(vantor::displayOf(state));
    selection->showFixedWeaponButtons(
        {state.FixedMW2, state.FixedSW1, state.FixedSW2, state.FixedSW3});
    applyIconRules();
    LoadVTPicture();
}

void TVantor::LoadVTPicture() {
    if (state.VTIndex == shownPicture)
        return;
    shownPicture = state.VTIndex;
    views->showPicture({});
    if (state.VTIndex < 0 || state.VTIndex >= vantor::VtCount)
        return;
    const QString file =
        dataFile(QStringLiteral("Images"), QStringLiteral("%1.bmp").arg(state.VTIndex));
    const PictureCache::Picture picture = pictures.load(file, ResultViews::PictureSize);
    if (picture.pixmap.isNull()) {
        guard.report(QStringLiteral("Cannot show the VT picture %1: %2.")
                         .arg(QDir::toNativeSeparators(file), picture.error));
        return;
    }
    views->showPicture(picture.pixmap);
}

void TVantor::showFaction(vantor::Faction faction) {
    const QString file = dataPath(vantor::toQString(vantor::factionRecord(faction).flagFile));
    const PictureCache::Picture flag = pictures.load(file, InfoPages::FlagSize);
    if (flag.pixmap.isNull())
        guard.report(QStringLiteral("Cannot show the faction flag %1: %2.")
                         .arg(QDir::toNativeSeparators(file), flag.error));
    info->showFaction(faction, flag.pixmap);
}

void TVantor::applyIconRules() {
    const vantor::IconDraws draws =
        vantor::iconRules(selection->partFacts(1), selection->partFacts(2));
    if (draws.slot1)
        selection->showPartIcon(1, *draws.slot1);
    if (draws.slot2)
        selection->showPartIcon(2, *draws.slot2);
}

void TVantor::weaponSelectChange(WeaponKind kind, int slot) {
    const int row = selection->weapon(kind, slot);
    const bool main = kind == WeaponKind::Main;
    // Typed text that names no weapon leaves the slot as it is.
    if (!(main ? vantor::selectMainWeapon(state, slot, row)
               : vantor::selectSubWeapon(state, slot, row)))
        return;
    showWeaponInfo(kind, slot, row);
    if (main)
        vantor::SumMainWeaponLoad(state);
    else
        vantor::SumSubWeaponLoad(state);
    RecomputeLoadout();
    // A slot's bar never shows a stale range: a new weapon switches it off
    // and names itself on the bar's button.
    pushRanges();
    chart->setSlotWeapon((main ? 0 : 3) + slot - 1, selection->weaponItemText(kind, slot, row));
}

void TVantor::showWeaponInfo(WeaponKind kind, int slot, int row) {
    const bool main = kind == WeaponKind::Main;
    const auto weapon = main ? vantor::ShowMainWeaponInfo(state, slot, row)
                             : vantor::ShowSubWeaponInfo(state, slot, row);
    if (!weapon)
        return;
    info->showWeapon(*weapon);
    if (!weapon->report)
        return;
    if (main)
        vantor::SetMainWeaponReport(state, slot, weapon->name);
    else
        vantor::SetSubWeaponReport(state, slot, weapon->name);
}

// A fixed selector keeps its weapon as current item, also while it reads
// "MM Launched", so the "?" buttons show the weapon the slot holds.
void TVantor::FixedWeaponButtonClick(WeaponKind kind, int slot) {
    showWeaponInfo(kind, slot, selection->heldWeapon(kind, slot));
    pushRanges();
    ShowWeaponInfoPage();
}

void TVantor::F1ButtonClick() {
    vantor::launchMM(state);
    selection->showMmLaunched();
    RecomputeLoadout();
}

void TVantor::OPSelectChange(int slot) {
    const int part = selection->part(slot);
    const vantor::PartChoice choice = vantor::choosePart(state, slot, part);
    info->showPartBonus(choice.bonusText, choice.amountText);
    // The distance-modifier outline, if shown, follows the armour at once.
    chart->setArmour(selection->part(1) == vantor::PartAdvancedArmour ||
                     selection->part(2) == vantor::PartAdvancedArmour);
    selection->showPartIcon(slot, choice.icon);
    selection->showLevel(slot, choice.levelText, choice.levelEnabled);
    ShowOptionalPart(slot);
    RecomputeLoadout();
}

void TVantor::OPLSelectChange(int slot) {
    const vantor::LevelChoice choice =
        vantor::chooseLevel(state, slot, selection->part(slot), selection->level(slot));
    info->showPartBonus(std::nullopt, choice.amountText);
    selection->showPartIcon(slot, choice.icon);
    ShowOptionalPart(slot);
    RecomputeLoadout();
}

void TVantor::ShowOptionalPart(int slot) {
    const vantor::PartInfo part =
        vantor::ShowOptionalPart(state, slot, selection->part(slot), selection->level(slot));
    info->showPart(part);
    vantor::SetPartReport(state, slot, part.name, selection->partFacts(slot).levelEnabled);
}

void TVantor::FTSelectChange() {
    const vantor::FuelChoice choice = vantor::chooseFuelTank(state, selection->fuel());
    if (choice.reportText)
        vantor::SetFuelReport(state, *choice.reportText);
    if (choice.icon)
        selection->showFuelIcon(*choice.icon);
    RecomputeLoadout();
}

void TVantor::HtmlGenerateButtonClick() {
    reports->showHtml(vantor::htmlPageLines(state));
}

void TVantor::SpeedButton6Click() {
    const QString file = QDir(pageFolder()).filePath(QStringLiteral("VantorVTConfig.html"));
    if (const auto error = vantor::writePageFile(file, reports->htmlText())) {
        guard.report(*error);
        return;
    }
    platform->openUrl(QUrl::fromLocalFile(file));
}

void TVantor::VTImageRadioGroupClick() {
    vantor::SetVTReport(state, state.VTReportText, {reports->internetPictures(), selection->vt()});
}

void TVantor::ForumGenerateButtonClick() {
    vantor::BuildForumLines(state);
    reports->showForumCode(vantor::forumLines(state));
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
}

void TVantor::contextMenuEvent(QContextMenuEvent* event) {
    commands->showMenu(event->globalPos());
}

// A pick, or typed text, in one of the loadout's selectors. Typed text that
// is not yet a pick is held back until it becomes one.
void TVantor::selectorStep(int selector, const std::function<void()>& handler) {
    std::optional<SessionState> before = history.takeTyping(selector);
    if (!before) {
        history.settleTyping(state);
        before = stateBeforeInput();
    }
    handler();
    if (selection->holdsPick(SelectionPanel::Selector(selector)))
        recordStep(std::move(*before));
    else
        history.holdTyping(selector, std::move(*before));
    updateCommands();
}

void TVantor::step(const std::function<void()>& change) {
    history.settleTyping(state);
    SessionState before = stateBeforeInput();
    change();
    recordStep(std::move(before));
    updateCommands();
}

// The session as it was before the user's input reached the window: a pick
// has already changed its selector when the handler hears of it.
SessionState TVantor::stateBeforeInput() const {
    SessionState before = captureState();
    before.selection = selection->settledState();
    return before;
}

void TVantor::recordStep(SessionState before) {
    // A pick that changed nothing is no step to take back.
    if (!(before == captureState()))
        history.record(std::move(before));
}

void TVantor::runCommand(LoadoutCommands::Command command) {
    switch (command) {
    case LoadoutCommands::Undo:
    case LoadoutCommands::Redo: {
        history.settleTyping(state);
        const bool undo = command == LoadoutCommands::Undo;
        if (undo ? history.canUndo() : history.canRedo())
            restoreState(undo ? history.undo(captureState()) : history.redo(captureState()));
        break;
    }
    case LoadoutCommands::CopyLoadout:
        copyLoadout();
        break;
    case LoadoutCommands::PasteLoadout:
        pasteLoadout();
        break;
    }
    updateCommands();
}

void TVantor::updateCommands() {
    commands->setEnabled(LoadoutCommands::Undo, history.canUndo() || history.holdsTyping());
    commands->setEnabled(LoadoutCommands::Redo, history.canRedo());
    commands->setEnabled(LoadoutCommands::CopyLoadout, selection->vt() >= 0);
    commands->setEnabled(LoadoutCommands::PasteLoadout,
                         !QGuiApplication::clipboard()->text().isEmpty());
}

// The forum code, exactly as "Generate Forum Code" and its copy button give
// it, without touching the forum code page.
void TVantor::copyLoadout() {
    if (selection->vt() < 0)
        return;
    vantor::Loadout copy = state;
    vantor::BuildForumLines(copy);
    QGuiApplication::clipboard()->setText(vantor::joinCrLf(vantor::forumLines(copy)));
}

void TVantor::pasteLoadout() {
    const auto read = vantor::readLoadoutText(QGuiApplication::clipboard()->text());
    if (const auto* error = std::get_if<vantor::LoadoutTextError>(&read)) {
        guard.report(error->message);
        return;
    }
    const auto& picks = std::get<vantor::LoadoutPicks>(read);
    step([this, &picks] { applyPicks(picks); });
}

// The picks as a user makes them: the VT, its fuel tanks, each part and its
// level, then the weapons; a fixed weapon is already in place.
void TVantor::applyPicks(const vantor::LoadoutPicks& picks) {
    using S = SelectionPanel;
    selection->select(S::Vt, picks.vt);
    VTSelectChange();
    if (picks.fuel != vantor::NotPicked) {
        selection->select(S::Fuel, picks.fuel);
        FTSelectChange();
    }
    for (int slot = 1; slot <= 2; ++slot) {
        const vantor::PartPick& part = picks.parts[slot - 1];
        if (part.part == vantor::NotPicked)
            continue;
        selection->select(slot == 1 ? S::Part1 : S::Part2, part.part);
        OPSelectChange(slot);
        if (part.level == vantor::NotPicked)
            continue;
        selection->select(slot == 1 ? S::Level1 : S::Level2, part.level);
        OPLSelectChange(slot);
    }
    for (WeaponKind kind : {WeaponKind::Main, WeaponKind::Sub})
        for (int slot = 1; slot <= 3; ++slot) {
            const vantor::WeaponPick& weapon =
                (kind == WeaponKind::Main ? picks.main : picks.sub)[slot - 1];
            if (weapon.fixed || weapon.item == vantor::NotPicked)
                continue;
            selection->select((kind == WeaponKind::Main ? S::Main1 : S::Sub1) + slot - 1,
                              weapon.item);
            weaponSelectChange(kind, slot);
        }
}
