// The window as a user sees and drives it.

#include "WindowTest.h"

#include "app/areas/PreviewDelegate.h"
#include "app/areas/RangeChartPage.h"
#include "app/areas/SelectorBox.h"
#include "app/areas/Widgets.h"
#include "app/desktop/Accessibility.h"
#include "app/desktop/Appearance.h"
#include "app/desktop/PlainTableView.h"
#include "app/tools/CatalogueWindow.h"
#include "app/tools/CompareRangeChart.h"
#include "app/tools/CompareWindow.h"
#include "app/tools/FinderWindow.h"
#include "controls/Cgauges.h"
#include "core/Preview.h"
#include "equipment/IconKey.h"
#include "equipment/OptionalParts.h"
#include "factions/Factions.h"
#include "model/Recompute.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"
#include "weapons/WeaponCatalogue.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <cstdio>

using namespace vantor;

namespace {

// The objects a screen reader meets in `window` that it could not name: no
// name, or a mnemonic's ampersand in it; and the row headers the program's
// tables never show.
QStringList unnamedObjects(QWidget* window) {
    QStringList found;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* a) {
        const QString name = a->text(QAccessible::Name);
        // A range bar's line is empty while the bar is off, and so hidden.
        if (a->state().invisible && a->role() == QAccessible::StaticText)
            return;
        if (name.trimmed().isEmpty() || name.contains(QRegularExpression(QStringLiteral("&\\w"))) ||
            a->role() == QAccessible::RowHeader)
            found << QStringLiteral("%1 %2 %3 '%4'")
                         .arg(a->object() ? a->object()->metaObject()->className() : "")
                         .arg(a->object() ? a->object()->objectName() : QString())
                         .arg(a->role())
                         .arg(name);
        for (int i = 0; i < a->childCount(); ++i)
            visit(a->child(i));
    };
    visit(QAccessible::queryAccessibleInterface(window));
    return found;
}

QColor background(const QLabel* l) {
    return l->autoFillBackground() ? l->palette().color(QPalette::Window) : QColor();
}

// The text a label shows is not cut off at its right edge.
bool textFits(const QLabel* l) {
    return l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width();
}

// Every single-line label and every button of the window shows its text
// whole, and every selector each of its items: QLineEdit lays the text out in
// its contents rectangle (a selector's field has no frame) less its text
// margins and 2 pixels either side, scrolls a text that leaves no pixel there
// for the cursor, and draws nothing outside the field.
void verifyNothingClipped(const TVantor& window) {
    for (const QComboBox* c : window.findChildren<QComboBox*>()) {
        const QLineEdit* edit = c->lineEdit();
        const QRect line =
            edit->contentsRect().marginsRemoved(edit->textMargins()).adjusted(2, 0, -2, 0);
        for (int item = 0; item < c->count(); ++item) {
            const int width = edit->fontMetrics().horizontalAdvance(c->itemText(item));
            QVERIFY2(!edit->hasFrame() && width + 1 <= line.width() && line.left() >= 0 &&
                         line.left() + width <= edit->width(),
                     qPrintable(c->objectName() + QLatin1String(": ") + c->itemText(item)));
        }
    }
    for (const QLabel* l : window.findChildren<QLabel*>())
        if (!l->text().contains(QLatin1Char('\n')))
            QVERIFY2(textFits(l), qPrintable(l->objectName() + QLatin1String(": ") + l->text()));
    for (const QPushButton* b : window.findChildren<QPushButton*>())
        QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) + 4 <= b->width(),
                 qPrintable(b->objectName() + QLatin1String(": ") + b->text()));
}

QColor fontColour(const QLabel* l) {
    return l->palette().color(QPalette::WindowText);
}

const char* const ValueLabels[] = {
    "VTStandardLoadLabel",
    "VTMaximumLoadLabel",
    "FuelTankLoadLabel",
    "MainWeaponLoadLabel",
    "SubWeaponLoadLabel",
    "OptionalPartsStandardBonusLabel",
    "OptionalPartsMaximumBonusLabel",
    "TotalLoadLabel",
    "VTMaximumSpeedLabel",
    "VTDurabilityLabel",
    "VTBalancerRatingLabel",
    "VTTurnSpeedLabel",
    "VTVeeringEfficiencyLabel",
    "VTTorqueRatingLabel",
    "VTFuelEfficiencyLabel",
    "VTAvailabilityLabel",
    "VTSupplyPointCostLabel",
    "VTSortiePointCostLabel",
    "StandardRankLabel",
    "TurnRankLabel",
    "SortieRankLabel",
    "GenerationLabel",
    "FactionLabel",
    "Label9",
    "WeaponNameLabel",
    "DamageLabel",
    "WeaponWeightLabel",
    "PartNameLabel",
    "BonusLabel",
    "UnitLabel",
};

// The desktop set-up the test runs under, from VANTOR_DESKTOP (see the
// CTest entries): "gtk3-dark", "qt6ct" or "dejavu-only"; empty for none.
// What main() could not set up is the reason the tests of the look are
// skipped.
QString desktopSetup;
QString setupMissing;

QString platformThemePlugin(const char* file) {
    return QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platformthemes/") +
           QLatin1String(file);
}

// Makes the set-up named by VANTOR_DESKTOP before the application exists.
void prepareDesktop(QTemporaryDir& config) {
    desktopSetup = qEnvironmentVariable("VANTOR_DESKTOP");
    if (desktopSetup == QLatin1String("gtk3-dark")) {
        // GTK cannot start without a display to talk to.
        if (qEnvironmentVariableIsEmpty("DISPLAY") ||
            !QFile::exists(platformThemePlugin("libqgtk3.so"))) {
            setupMissing = QStringLiteral("no X display (xvfb-run) or no gtk3 platform theme "
                                          "(qt6-gtk-platformtheme)");
            return;
        }
        qputenv("QT_QPA_PLATFORMTHEME", "gtk3");
        qputenv("GTK_THEME", "Adwaita:dark");
    } else if (desktopSetup == QLatin1String("qt6ct")) {
        const QString scheme = QStringLiteral("/usr/share/qt6ct/colors/darker.conf");
        if (!QFile::exists(platformThemePlugin("libqt6ct.so")) || !QFile::exists(scheme)) {
            setupMissing = QStringLiteral("qt6ct is not installed");
            return;
        }
        // A dark scheme, a large serif font and an icon theme by which the
        // test knows that qt6ct read its settings.
        QDir(config.path()).mkpath(QStringLiteral("qt6ct"));
        QFile file(config.filePath(QStringLiteral("qt6ct/qt6ct.conf")));
        if (!file.open(QIODevice::WriteOnly)) {
            setupMissing = QStringLiteral("cannot write the qt6ct settings");
            return;
        }
        file.write(QStringLiteral("[Appearance]\ncustom_palette=true\ncolor_scheme_path=%1\n"
                                  "icon_theme=VantorCheck\nstyle=Windows\n"
                                  "[Fonts]\ngeneral=\"DejaVu Serif,15,-1,5,400,0,0,0,0,0,0,0,0,"
                                  "0,0,1\"\nfixed=\"DejaVu Sans Mono,15,-1,5,400,0,0,0,0,0,0,0,"
                                  "0,0,0,1\"\n")
                       .arg(scheme)
                       .toUtf8());
        file.close();
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORMTHEME", "qt6ct");
    } else if (desktopSetup == QLatin1String("dejavu-only")) {
        if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE"))
            setupMissing = QStringLiteral("no font configuration with only DejaVu fonts");
    }
}

// Whether the platform theme or the fonts of the set-up are in effect.
void verifyDesktopSetup() {
    if (!setupMissing.isEmpty())
        QSKIP(qPrintable(desktopSetup + QStringLiteral(": ") + setupMissing));
    if (desktopSetup == QLatin1String("qt6ct") &&
        QIcon::themeName() != QLatin1String("VantorCheck"))
        QSKIP("qt6ct did not read its settings");
    if (desktopSetup == QLatin1String("gtk3-dark") && QIcon::themeName().isEmpty())
        QSKIP("the gtk3 platform theme did not load");
    if (desktopSetup == QLatin1String("dejavu-only")) {
        const QStringList families = QFontDatabase::families();
        if (families.isEmpty() || !families.filter(QStringLiteral("Liberation")).isEmpty())
            QSKIP("the font configuration does not list only DejaVu fonts");
        if (families.filter(QStringLiteral("DejaVu")).isEmpty())
            QSKIP("DejaVu fonts are not installed (fonts-dejavu-core, fonts-dejavu-extra)");
    }
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        verifyDesktopSetup();
        applyVantorAppearance(*qApp);
    }

    void startState();
    void iconKey();
    void everyVt_data();
    void everyVt();
    void everyWeaponSelector_data() { everyVt_data(); }
    void everyWeaponSelector();
    void reselectionLeavesNoTrace();
    void typedVtText();
    void viewsAndPages();
    void fixedMountQuestionButton();
    void weaponPicksAndLoads();
    void garpikeMountOver();
    void typedWeaponText();
    void mmLaunch();
    void optionalParts();
    void everyPartShownWhole();
    void fuelTanks();
    void reports();
    void saveAndLaunchPage();
    void rangeChart();
    void factionIntel();
    void aboutAndLinks();
    void screenReader_data();
    void screenReader();
    void screenReaderHearsChanges();
    void oneStepTellsEachChangeOnce_data();
    void oneStepTellsEachChangeOnce();
    void dropDownsTellTheirItem_data();
    void dropDownsTellTheirItem();
    void keyboardOrder();
    void labelsLookAsQLabelDraws();
    void keptPicturesFollowTheirState_data();
    void keptPicturesFollowTheirState();
    void pagesBuiltLate_data();
    void pagesBuiltLate();
    void desktopTheme_data();
    void desktopTheme();
    void ownPalette();
    void fontFamily_data();
    void fontFamily();
    void fontFolder_data();
    void fontFolder();
    void compareWindow_data();
    void compareWindow();
    void compareCellsSayTheirColour();
    void compareRangeChart_data();
    void compareRangeChart();
    void listPreviews();
    void selectorListPreviews_data();
    void selectorListPreviews();
    void catalogueWindow();
    void quitWhileSearchingEveryVt_data();
    void quitWhileSearchingEveryVt();
    void previewsMatchPicks_data();
    void previewsMatchPicks();
};

void TestWindow::startState() {
    Window w;
    QCOMPARE(w.window->windowTitle(), QStringLiteral("Vantor"));
    QCOMPARE(w.window->width(), 704);
    QCOMPARE(w.window->windowHeight(), 330);
    QCOMPARE(w.window->minimumWidth(), w.window->maximumWidth());
    QCOMPARE(w.window->minimumHeight(), w.window->maximumHeight());

    QComboBox* vt = w.combo("VTSelect");
    QVERIFY(vt->isEnabled());
    QCOMPARE(vt->currentText(), QStringLiteral("VT"));
    QCOMPARE(vt->count(), 31);
    QCOMPARE(vt->maxVisibleItems(), 16);
    for (int i = 0; i < VtCount; ++i)
        QCOMPARE(vt->itemText(i), toQString(VtCatalogue[i].selectorName));

    const std::pair<const char*, const char*> disabledSelectors[] = {
        {"FTSelect", "Fuel"},
        {"OPSelect1", "Optional Part # 1"},
        {"OPLSelect1", "N/A"},
        {"OPSelect2", "Optional Part # 2"},
        {"OPLSelect2", "N/A"},
        {"MWSelect1", "Main Weapon # 1"},
        {"MWSelect2", "Main Weapon # 2"},
        {"MWSelect3", "Main Weapon # 3"},
        {"SWSelect1", "Sub-Weapon # 1"},
        {"SWSelect2", "Sub-Weapon # 2"},
        {"SWSelect3", "Sub-Weapon # 3"},
    };
    for (auto [name, text] : disabledSelectors) {
        QVERIFY2(!w.combo(name)->isEnabled(), name);
        QCOMPARE(w.combo(name)->currentText(), QString::fromLatin1(text));
    }
    for (const char* name : {"LoadoutButton", "StatsButton", "RankButton", "GraphButton",
                             "ImageButton", "AdvFunctionButton"})
        QVERIFY2(!w.button(name)->isEnabled(), name);
    QCOMPARE(w.button("AdvFunctionButton")->text(), QStringLiteral("Open Advanced Functions"));
    for (const char* name : {"FixedMW2Button", "FixedSW1Button", "FixedSW2Button", "FixedSW3Button",
                             "F1Button", "KerrowButton", "PellumButton"})
        QVERIFY2(w.button(name)->isHidden(), name);
    QVERIFY(w.button("LoadoutButton")->isFlat());
    QVERIFY(!w.button("StatsButton")->isFlat());
    QVERIFY(!w.button("CorvaneButton")->isHidden());
    QCOMPARE(w.text("TitleLabel"), QStringLiteral("www.corvane.net"));

    for (const char* name : ValueLabels)
        QCOMPARE(w.text(name), QStringLiteral("N/A"));
    QVERIFY(w.find("LoadoutGroup")->isVisible());
    for (const char* name : {"StatsGroup", "RankGroup", "GraphGroup"})
        QVERIFY2(w.find(name)->isHidden(), name);
    for (const char* name : {"WeaponInfoGroup", "RangeGroup", "PartsGroup", "ForumGroup",
                             "HtmlGroup", "IconKeyGroup", "MiscGroup", "WeaponStatsPanel",
                             "RangePanel", "PartStatsPanel", "HtmlPanel", "ForumPanel"})
        QVERIFY2(w.find(name)->isHidden(), name);
    QVERIFY(!w.find("FactionPanel")->isHidden());
    QVERIFY(w.find<QPlainTextEdit>("HtmlRichEdit")->toPlainText().isEmpty());
    QCOMPARE(w.combo("RangeWeaponSelect")->currentText(), QStringLiteral("Unarmed"));
    QCOMPARE(w.combo("RangeWeaponSelect")->count(), 54);
    QCOMPARE(vantorIcon().availableSizes().size(), 7);
}

void TestWindow::iconKey() {
    Window w;
    auto* list = w.find<QListWidget>("IconKeyListView");
    QCOMPARE(list->count(), 17);
    const char* const starts[] = {"STD Increased:",
                                  "MAX Increased:",
                                  "STD & MAX Increased:",
                                  "Balancer Rating",
                                  "Durability",
                                  "Veering",
                                  "Combat Points Increased",
                                  "Supply",
                                  "Sortie",
                                  "Distance",
                                  "Radar",
                                  "Anti-Shock",
                                  "Combat Points Boost",
                                  "Anti-Death",
                                  "Base Capture",
                                  "Single Fuel Tank",
                                  "Dual Fuel Tanks"};
    for (int i = 0; i < 17; ++i) {
        QVERIFY2(list->item(i)->text().startsWith(QStringLiteral("\n ") + QLatin1String(starts[i])),
                 qPrintable(list->item(i)->text()));
        QVERIFY(!list->item(i)->icon().isNull());
    }
    QCOMPARE(list->item(0)->text(),
             QStringLiteral("\n STD Increased:  Signifies that your VT is receiving a bonus to "
                            "it's load bearing cababilities"));

    // The entries are drawn once and kept: they look as drawn afresh, also
    // scrolled and drawn again.
    w.chooseVt(QStringLiteral("Colt"));
    w.click("AdvFunctionButton");
    w.click("MiscPageButton");
    for (int scroll : {0, 3, 0}) {
        list->scrollToItem(list->item(scroll), QAbstractItemView::PositionAtTop);
        const QImage kept = list->grab().toImage();
        QAbstractItemDelegate* own = list->itemDelegate();
        QStyledItemDelegate plain;
        list->setItemDelegate(&plain);
        QCOMPARE(list->grab().toImage(), kept);
        list->setItemDelegate(own);
    }
}

void TestWindow::everyVt_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < VtCount; ++i)
        QTest::newRow(VtCatalogue[i].selectorName.data()) << i;
}

void TestWindow::everyVt() {
    QFETCH(int, index);
    const VtEntry& vt = VtCatalogue[index];
    Window w;
    w.pick("VTSelect", index);

    QCOMPARE(w.text("VTStandardLoadLabel"), QString::number(vt.standardLoad));
    QCOMPARE(w.text("VTMaximumLoadLabel"), QString::number(vt.maximumLoad));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("0"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    QCOMPARE(w.text("VTSupplyPointCostLabel"), QString::number(vt.supplyPointCost));
    QCOMPARE(w.text("VTAvailabilityLabel"), toQString(vt.availability));
    QCOMPARE(w.text("GenerationLabel"), toQString(vt.generation));
    QCOMPARE(w.text("FactionLabel"), toQString(factionRecord(vt.faction).name));

    // Ranks show the stored texts in traffic-light colours.
    const char* const ranks[] = {"StandardRankLabel",   "MaximumRankLabel",  "SpeedRankLabel",
                                 "DurabilityRankLabel", "BalancerRankLabel", "TurnRankLabel",
                                 "VeeringRankLabel",    "TorqueRankLabel",   "FuelRankLabel",
                                 "SupplyRankLabel",     "SortieRankLabel"};
    for (int r = 0; r < RankCount; ++r) {
        auto* label = w.find<QLabel>(ranks[r]);
        QCOMPARE(label->text(), toQString(vt.ranks[r]));
        QCOMPARE(label->width(), 34);
        const int n = toQString(vt.ranks[r]).remove(QLatin1Char('*')).left(2).trimmed().toInt();
        const QColor expected = n <= 10   ? QColor(0, 255, 0)
                                : n <= 20 ? QColor(255, 255, 0)
                                          : QColor(255, 0, 0);
        QCOMPARE(background(label), expected);
        QCOMPARE(fontColour(label), n > 20 ? QColor(Qt::white) : QColor(Qt::black));
    }

    // Every selector of the loadout is usable now, and the picture is shown.
    for (const char* name : {"FTSelect", "OPSelect1", "OPSelect2", "MWSelect1", "MWSelect3"})
        QVERIFY2(w.combo(name)->isEnabled(), name);
    QCOMPARE(w.combo("FTSelect")->currentText(), QStringLiteral("Fuel"));
    QCOMPARE(w.combo("FTSelect")->count(), int(vt.fuelTanks) + 1);
    for (const char* name : {"LoadoutButton", "GraphButton", "AdvFunctionButton"})
        QVERIFY2(w.button(name)->isEnabled(), name);
    QVERIFY(!w.find<QLabel>("VTImage")->pixmap().isNull());
    QCOMPARE(w.find<QLabel>("VTImage")->pixmap().size(), QSize(248, 242));
    QCOMPARE(w.find<TCGauge>("StandardCapacityGauge")->progress(), int(vt.standardLoad));
    verifyNothingClipped(*w.window);
    QVERIFY(w.platform->errors.isEmpty());
}

// Item r of every weapon selector stands for row r of its kind: each item's
// tip gives its weapon's figures, and the last item of each enabled selector
// shows that weapon's catalogue weight.
void TestWindow::everyWeaponSelector() {
    QFETCH(int, index);
    Window w;
    w.pick("VTSelect", index);
    const char* const selectors[] = {"MWSelect1", "MWSelect2", "MWSelect3",
                                     "SWSelect1", "SWSelect2", "SWSelect3"};
    for (int s = 0; s < 6; ++s) {
        QComboBox* combo = w.combo(selectors[s]);
        QCOMPARE(combo->itemText(0), QStringLiteral("Unarmed"));
        const auto kind = s < 3 ? WeaponKind::Main : WeaponKind::Sub;
        for (int item = 0; item < combo->count(); ++item) {
            const WeaponEntry* weapon = findWeapon(kind, combo->itemText(item).toStdString());
            QVERIFY(weapon);
            QCOMPARE(combo->itemData(item, Qt::ToolTipRole).toString(), weaponItemTip(*weapon));
        }
        if (!combo->isEnabled())
            continue; // a fixed mount
        const int last = combo->count() - 1;
        w.pick(selectors[s], last);
        const WeaponEntry* weapon = findWeapon(kind, combo->itemText(last).toStdString());
        QVERIFY(weapon);
        QCOMPARE(w.text("WeaponWeightLabel"), QString::number(weapon->Load));
        QCOMPARE(w.text("WeaponNameLabel"), toQString(weapon->Name));
        verifyNothingClipped(*w.window);
    }
    QVERIFY(w.platform->errors.isEmpty());
}

void TestWindow::reselectionLeavesNoTrace() {
    Window w;
    w.chooseVt(QStringLiteral("Prominence M2"));
    w.pick("MWSelect1", QStringLiteral("355-SB"));
    w.pick("FTSelect", 2);
    w.pick("OPSelect1", QStringLiteral("Advanced Mount"));
    w.pick("OPLSelect1", 0);
    w.click("F1Button");
    QCOMPARE(w.text("Label9"), QStringLiteral("STD OVER"));

    w.chooseVt(QStringLiteral("Colt"));
    w.chooseVt(QStringLiteral("Prominence M2"));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("0"));
    QCOMPARE(w.text("VTStandardLoadLabel"), QStringLiteral("8"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    QCOMPARE(w.combo("MWSelect1")->currentText(), QStringLiteral("Unarmed"));
    QCOMPARE(w.combo("OPSelect1")->currentText(), QStringLiteral("Unarmed"));
    QCOMPARE(w.combo("OPLSelect1")->currentText(), QStringLiteral("N/A"));
    QCOMPARE(w.combo("FTSelect")->currentText(), QStringLiteral("Fuel"));
    QCOMPARE(w.combo("SWSelect2")->currentText(), QStringLiteral("MM"));
    QVERIFY(!w.button("F1Button")->isHidden());
    QCOMPARE(w.text("VTTurnSpeedLabel"), QStringLiteral("40.3"));
    QCOMPARE(w.text("VTDurabilityLabel"), QStringLiteral("4000"));
    QCOMPARE(w.window->currentLoadout().OptionalPartsStandardBonus, 0u);
}

void TestWindow::typedVtText() {
    Window w;
    w.chooseVt(QStringLiteral("Garpike"));
    w.type("VTSelect", QStringLiteral("Garp"));
    for (const char* name : {"FTSelect", "OPSelect1", "MWSelect1", "SWSelect2"})
        QVERIFY2(!w.combo(name)->isEnabled(), name);
    QCOMPARE(w.combo("MWSelect1")->count(), 0);
    QCOMPARE(w.combo("FTSelect")->count(), 0);
    QVERIFY(!w.button("AdvFunctionButton")->isEnabled());
    QVERIFY(w.find<QLabel>("VTImage")->pixmap().isNull());
    QCOMPARE(w.window->currentLoadout().VTIndex, -1);
    QVERIFY(w.platform->errors.isEmpty());

    // Typing a VT's whole name is a pick of that VT.
    w.type("VTSelect", QStringLiteral("Garpike"));
    QCOMPARE(w.window->currentLoadout().VTIndex, 12);
    QVERIFY(w.combo("MWSelect1")->isEnabled());
    QCOMPARE(w.combo("SWSelect2")->currentText(), QStringLiteral("BANG-N"));
}

void TestWindow::viewsAndPages() {
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    const std::pair<const char*, const char*> views[] = {{"StatsButton", "StatsGroup"},
                                                         {"RankButton", "RankGroup"},
                                                         {"GraphButton", "GraphGroup"},
                                                         {"ImageButton", "VTImage"},
                                                         {"LoadoutButton", "LoadoutGroup"}};
    for (auto [button, view] : views) {
        w.click(button);
        w.click(button); // a second click changes nothing
        for (auto [b, v] : views) {
            QCOMPARE(w.button(b)->isFlat(), b == button);
            QCOMPARE(w.find(v)->isVisible(), v == view);
        }
    }

    w.click("AdvFunctionButton");
    QCOMPARE(w.window->windowHeight(), 363);
    QCOMPARE(w.button("AdvFunctionButton")->text(), QStringLiteral("Close Advanced Functions"));
    const std::tuple<const char*, const char*, const char*, const char*, const char*> pages[] = {
        {"WeaponPageButton", "WeaponInfoGroup", "WeaponStatsPanel", "Powered by", "KerrowButton"},
        {"WeaponRangeButton", "RangeGroup", "RangePanel", "www.corvane.net", "CorvaneButton"},
        {"PartsPageButton", "PartsGroup", "PartStatsPanel", "Powered by", "KerrowButton"},
        {"ForumPageButton", "ForumGroup", "ForumPanel", "www.pellum.net", "PellumButton"},
        {"HtmlPageButton", "HtmlGroup", "HtmlPanel", "www.corvane.net", "CorvaneButton"},
        {"MiscPageButton", "IconKeyGroup", "FactionPanel", "Powered by", "KerrowButton"},
    };
    for (auto [button, group, panel, title, logo] : pages) {
        w.click(button);
        QCOMPARE(w.window->windowHeight(), 544);
        for (auto [b, g, p, t, l] : pages) {
            QCOMPARE(w.button(b)->isFlat(), b == button);
            QCOMPARE(w.find(g)->isVisible(), g == group);
            QCOMPARE(w.find(p)->isVisible(), p == panel);
        }
        QCOMPARE(w.text("TitleLabel"), QString::fromLatin1(title));
        for (const char* l : {"CorvaneButton", "KerrowButton", "PellumButton"})
            QCOMPARE(w.button(l)->isVisible(), qstrcmp(l, logo) == 0);
    }
    QVERIFY(w.find("MiscGroup")->isHidden());

    // Closing shrinks the window and raises every page button; reopening
    // shows the page buttons with none chosen.
    w.click("AdvFunctionButton");
    QCOMPARE(w.window->windowHeight(), 330);
    QCOMPARE(w.text("TitleLabel"), QStringLiteral("www.corvane.net"));
    w.click("AdvFunctionButton");
    QCOMPARE(w.window->windowHeight(), 363);
    for (auto [b, g, p, t, l] : pages)
        QVERIFY(!w.button(b)->isFlat());
}

void TestWindow::fixedMountQuestionButton() {
    Window w;
    w.chooseVt(QStringLiteral("Sheepdog"));
    QCOMPARE(w.combo("MWSelect2")->currentText(), QStringLiteral("PPNG-S"));
    QVERIFY(!w.combo("MWSelect2")->isEnabled());
    QVERIFY(!w.button("FixedMW2Button")->isHidden());
    QCOMPARE(w.window->windowHeight(), 330);

    w.click("FixedMW2Button");
    QCOMPARE(w.window->windowHeight(), 534);
    QCOMPARE(w.button("AdvFunctionButton")->text(), QStringLiteral("Close Advanced Functions"));
    QVERIFY(w.find("WeaponInfoGroup")->isVisible());
    QVERIFY(w.button("WeaponPageButton")->isFlat());
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("PPNG-S"));
    QCOMPARE(w.text("DamageLabel"), QStringLiteral("0"));
    QCOMPARE(w.text("RangeLabel"), QStringLiteral("0-2000"));
    QCOMPARE(w.text("AmmoLabel"), QStringLiteral("N/A"));
    QCOMPARE(w.text("GuidedLabel"), QStringLiteral("No"));
    QCOMPARE(w.text("WeaponWeightLabel"), QStringLiteral("0"));
    QVERIFY(!w.find<QPlainTextEdit>("WeaponInfoRichEdit")->toPlainText().isEmpty());

    // With the area open, the button only switches to the weapon page.
    w.click("PartsPageButton");
    w.click("FixedMW2Button");
    QCOMPARE(w.window->windowHeight(), 534);
    QVERIFY(w.find("WeaponInfoGroup")->isVisible());
}

void TestWindow::weaponPicksAndLoads() {
    Window w;
    w.chooseVt(QStringLiteral("Falchion"));
    for (const char* s : {"MWSelect1", "MWSelect2", "MWSelect3"})
        w.pick(s, QStringLiteral("200-AR"));
    QCOMPARE(w.text("MainWeaponLoadLabel"), QStringLiteral("9"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    w.pick("MWSelect2", QStringLiteral("Unarmed"));
    QCOMPARE(w.text("MainWeaponLoadLabel"), QStringLiteral("6"));
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("UNARMED"));
    QCOMPARE(w.text("DamageLabel"), QStringLiteral("N/A"));
    // The description is laid out when its page is seen.
    w.click("AdvFunctionButton");
    w.click("WeaponPageButton");
    QCOMPARE(w.find<QPlainTextEdit>("WeaponInfoRichEdit")->toPlainText(),
             QStringLiteral("UNARMED"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    QCOMPARE(w.button("MW2RangeButton")->text(), QStringLiteral("Unarmed"));

    // Falchion, standard 10: one more is over the standard load, and the
    // turn slows by its overload step.
    w.pick("SWSelect1", QStringLiteral("DP-MIS"));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("8"));
    w.pick("SWSelect2", QStringLiteral("DP-MIS"));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("10"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    w.pick("SWSelect3", QStringLiteral("67-CG"));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("12"));
    QCOMPARE(w.text("Label9"), QStringLiteral("STD OVER"));
    QCOMPARE(w.text("VTTurnSpeedLabel"), QStringLiteral("21.7"));
    QCOMPARE(w.text("TurnRankLabel"), QStringLiteral("~12th"));

    // The name shown differs from the item for one main weapon.
    w.chooseVt(QStringLiteral("Behemoth"));
    w.pick("MWSelect1", QStringLiteral("HMV-LA"));
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("HVM-LA"));
    QCOMPARE(w.button("MW1RangeButton")->text(), QStringLiteral("HMV-LA"));
    QCOMPARE(w.window->currentLoadout().MW1ReportText, QStringLiteral("HVM-LA"));
}

void TestWindow::garpikeMountOver() {
    Window w;
    w.chooseVt(QStringLiteral("Garpike"));
    QCOMPARE(w.combo("SWSelect2")->currentText(), QStringLiteral("BANG-N"));
    QVERIFY(!w.combo("SWSelect2")->isEnabled());
    QCOMPARE(w.combo("SWSelect2")->count(), 7);
    QCOMPARE(w.combo("SWSelect1")->count(), 6);
    QCOMPARE(w.button("SW2RangeButton")->text(), QStringLiteral("BANG-N"));
    w.pick("SWSelect1", QStringLiteral("AVTM"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    w.pick("SWSelect3", QStringLiteral("AVTM"));
    QCOMPARE(w.text("Label9"), QStringLiteral("MOUNT OVER"));
    QCOMPARE(fontColour(w.find<QLabel>("Label9")), QColor(Qt::red));
    w.pick("SWSelect3", QStringLiteral("NPM"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));

    // The Prominence M3 is exempt, though both its fixed slots count as taken.
    w.chooseVt(QStringLiteral("Prominence M3"));
    w.pick("SWSelect3", QStringLiteral("SL-GM"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
}

void TestWindow::typedWeaponText() {
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.pick("MWSelect1", QStringLiteral("77-REC"));
    QCOMPARE(w.text("MainWeaponLoadLabel"), QStringLiteral("2"));
    w.type("MWSelect1", QStringLiteral("no such gun"));
    QCOMPARE(w.text("MainWeaponLoadLabel"), QStringLiteral("2"));
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("77-REC"));
    w.leave("MWSelect1");
    QCOMPARE(w.combo("MWSelect1")->currentText(), QStringLiteral("77-REC"));

    // Typing an item's exact text picks it.
    w.type("MWSelect1", QStringLiteral("140-MG"));
    QCOMPARE(w.text("MainWeaponLoadLabel"), QStringLiteral("3"));
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("140-MG"));
    QVERIFY(w.platform->errors.isEmpty());
}

void TestWindow::mmLaunch() {
    Window w;
    w.chooseVt(QStringLiteral("Prominence M2"));
    QCOMPARE(w.combo("SWSelect1")->currentText(), QStringLiteral("RAIL-A"));
    QCOMPARE(w.combo("SWSelect2")->currentText(), QStringLiteral("MM"));
    QCOMPARE(w.items("SWSelect3"), (QStringList{QStringLiteral("Unarmed"), QStringLiteral("67-CG"),
                                                QStringLiteral("80-CG")}));
    w.click("F1Button");
    QVERIFY(w.button("F1Button")->isHidden());
    QCOMPARE(w.combo("SWSelect2")->currentText(), QStringLiteral("MM Launched"));
    QCOMPARE(w.text("VTTurnSpeedLabel"), QStringLiteral("33"));
    QCOMPARE(w.text("TurnRankLabel"), QStringLiteral("~23rd"));
    QCOMPARE(w.text("VTDurabilityLabel"), QStringLiteral("3000"));
    QCOMPARE(w.text("DurabilityRankLabel"), QStringLiteral("~16th"));

    // Overload no longer slows it; the slot still holds the MM.
    w.pick("MWSelect1", QStringLiteral("355-SB"));
    w.pick("MWSelect2", QStringLiteral("315-SB"));
    QCOMPARE(w.text("Label9"), QStringLiteral("MAX OVER"));
    QCOMPARE(w.text("VTTurnSpeedLabel"), QStringLiteral("33"));
    w.click("FixedSW2Button");
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("MM"));
    w.click("FixedSW1Button");
    QCOMPARE(w.text("WeaponNameLabel"), QStringLiteral("RAIL-Ga"));
    QCOMPARE(w.window->currentLoadout().SW1ReportText, QStringLiteral("RAIL-Ga"));
}

void TestWindow::optionalParts() {
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.pick("OPSelect1", QStringLiteral("Advanced Balancer"));
    QCOMPARE(w.combo("OPLSelect1")->currentText(), QStringLiteral("Set Level"));
    QVERIFY(w.combo("OPLSelect1")->isEnabled());
    QCOMPARE(w.text("BonusLabel"), QStringLiteral("Balancer Rating"));
    QCOMPARE(w.text("VTBalancerRatingLabel"), QStringLiteral("16"));
    w.pick("OPLSelect1", 2);
    QCOMPARE(w.text("AmountLabel"), QStringLiteral("+ 30%"));
    QCOMPARE(w.text("VTBalancerRatingLabel"), QStringLiteral("20.8"));
    QVERIFY(w.find<QLabel>("VTBalancerRatingLabel")->font().bold());
    QCOMPARE(w.find<TCGauge>("BalancerGauge")->progress(), 20);
    QCOMPARE(w.window->currentLoadout().Part1ReportText,
             QStringLiteral("Advanced Balancer Level 3"));

    // Two mount parts: the larger of each bonus counts, and only the
    // effective part shows its icon.
    w.pick("OPSelect1", QStringLiteral("Advanced Mount"));
    w.pick("OPLSelect1", 0);
    w.pick("OPSelect2", QStringLiteral("Additional Mount"));
    w.pick("OPLSelect2", 2);
    QCOMPARE(w.text("OptionalPartsStandardBonusLabel"), QStringLiteral("2"));
    QCOMPARE(w.text("OptionalPartsMaximumBonusLabel"), QStringLiteral("6"));
    QCOMPARE(w.text("VTStandardLoadLabel"), QStringLiteral("14"));
    QVERIFY(w.find<QLabel>("VTStandardLoadLabel")->font().bold());
    QCOMPARE(w.text("VTMaximumLoadLabel"), QStringLiteral("21"));
    const QImage op1 = w.find<QLabel>("Op1Image")->pixmap().toImage();
    const QImage op2 = w.find<QLabel>("Op2Image")->pixmap().toImage();
    QCOMPARE(op1, QPixmap(QStringLiteral(":/art/op15.png")).toImage());
    QCOMPARE(op2, QPixmap(QStringLiteral(":/art/op01.png")).toImage());

    // An unlevelled part shows its icon at once, with no level to choose.
    w.pick("OPSelect2", QStringLiteral("Goddess Of War"));
    QCOMPARE(w.combo("OPLSelect2")->currentText(), QStringLiteral("N/A"));
    QVERIFY(!w.combo("OPLSelect2")->isEnabled());
    QCOMPARE(w.text("UnitLabel"), QStringLiteral("Turn 02"));
    QCOMPARE(w.text("OptionalPartsMaximumBonusLabel"), QStringLiteral("2"));

    // Typed text in a part selector clears the slot's bonuses.
    w.type("OPSelect1", QStringLiteral("Mount"));
    QCOMPARE(w.combo("OPLSelect1")->currentText(), QStringLiteral("Set Level"));
    QCOMPARE(w.text("PartNameLabel"), QStringLiteral("N/A"));
    QCOMPARE(w.text("OptionalPartsStandardBonusLabel"), QStringLiteral("0"));
    QVERIFY(w.platform->errors.isEmpty());

    // The next VT starts both slots on "Unarmed" again, typed text or not.
    w.chooseVt(QStringLiteral("Blade"));
    QCOMPARE(w.combo("OPSelect1")->currentText(), QStringLiteral("Unarmed"));
    QCOMPARE(w.combo("OPSelect2")->currentText(), QStringLiteral("Unarmed"));
}

void TestWindow::everyPartShownWhole() {
    Window w;
    w.chooseVt(QStringLiteral("Prominence M1"));
    for (int part = 0; part < w.combo("OPSelect1")->count(); ++part) {
        w.pick("OPSelect1", part);
        if (w.combo("OPLSelect1")->isEnabled())
            w.pick("OPLSelect1", 2);
        verifyNothingClipped(*w.window);
    }
}

void TestWindow::fuelTanks() {
    Window w;
    w.chooseVt(QStringLiteral("Falchion"));
    QCOMPARE(w.items("FTSelect"),
             (QStringList{QStringLiteral("No Fuel Tanks"), QStringLiteral("1 Fuel Tank")}));
    w.pick("FTSelect", 1);
    QCOMPARE(w.text("FuelTankLoadLabel"), QStringLiteral("2"));
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("2"));
    QCOMPARE(w.find<QLabel>("FuelTankImage")->pixmap().toImage(),
             QPixmap(QStringLiteral(":/art/op16.png")).toImage());

    w.chooseVt(QStringLiteral("Colt"));
    QCOMPARE(w.combo("FTSelect")->count(), 3);
    w.pick("MWSelect1", QStringLiteral("140-MG"));
    w.pick("MWSelect2", QStringLiteral("140-MG"));
    w.pick("MWSelect3", QStringLiteral("140-MG"));
    QCOMPARE(w.text("Label9"), QStringLiteral("VT OK"));
    w.pick("FTSelect", 2);
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("13"));
    QCOMPARE(w.text("Label9"), QStringLiteral("STD OVER"));
    w.pick("FTSelect", 0);
    QCOMPARE(w.text("FuelTankLoadLabel"), QStringLiteral("0"));
    QCOMPARE(w.window->currentLoadout().FuelReportText, QStringLiteral("None Fitted"));
}

void TestWindow::reports() {
    Window w;
    // The loadout of the documented example.
    w.chooseVt(QStringLiteral("Decider"));
    w.pick("FTSelect", 1);
    w.pick("OPSelect1", QStringLiteral("Advanced Mount"));
    w.pick("OPLSelect1", 1);
    w.pick("MWSelect1", QStringLiteral("315-SB"));
    w.click("AdvFunctionButton");
    w.click("HtmlPageButton");
    w.click("HtmlGenerateButton");
    const QStringList page =
        w.find<QPlainTextEdit>("HtmlRichEdit")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(page.size(), 50);
    QCOMPARE(page[0], QStringLiteral("<html>"));
    QVERIFY(page[11].contains(QStringLiteral(">Decider</td>")));
    QVERIFY(page[12].contains(QStringLiteral("src=\"Images/2.jpg\"")));
    QVERIFY(page[18].contains(QStringLiteral(">Advanced Mount Level 2</td>")));
    QVERIFY(page[24].contains(QStringLiteral(">315-SB</td>")));
    QVERIFY(page[45].contains(QStringLiteral("<strong>VT OK</strong>")));

    w.click("HtmlToClipboardButton");
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied.count(QStringLiteral("\r\n")), 49);
    QCOMPARE(copied.split(QStringLiteral("\r\n")), page);

    // The picture source follows the radio group.
    w.find<QAbstractButton>("VTImageInternetRadio")->click();
    w.click("HtmlGenerateButton");
    QVERIFY(w.find<QPlainTextEdit>("HtmlRichEdit")
                ->toPlainText()
                .contains(QStringLiteral("http://www.corvane.net/Vantor/Images/2.jpg")));

    w.click("ForumPageButton");
    w.click("ForumGenerateButton");
    const QStringList forum =
        w.find<QPlainTextEdit>("ForumRichEdit")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(forum.size(), 11);
    QCOMPARE(forum[0], QStringLiteral("[size=18][B]VT:[/B] Decider[/size]"));
    QCOMPARE(forum[2], QStringLiteral(
                           "[color=brown][B]Optional Part 1:[/B][/color]  Advanced Mount Level 2"));
    QCOMPARE(forum[10], QStringLiteral("[color=black][B]VT OK[/B][/color]"));
    w.click("ForumRichEditClearButton");
    w.click("ForumToClipBoardButton");
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());

    // Choosing a VT puts the picture source back to local.
    w.chooseVt(QStringLiteral("Colt"));
    QVERIFY(w.find<QAbstractButton>("VTImageLocalRadio")->isChecked());
}

void TestWindow::saveAndLaunchPage() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Html")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    {
        Window w;
        w.chooseVt(QStringLiteral("Colt Executive"));
        w.click("AdvFunctionButton");
        w.click("HtmlPageButton");
        w.click("HtmlGenerateButton");
        auto* box = w.find<QPlainTextEdit>("HtmlRichEdit");
        box->appendPlainText(QStringLiteral("<!-- mine -->"));
        w.click("SpeedButton6");
        QFile saved(dir.filePath(QStringLiteral("Html/VantorVTConfig.html")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes,
                 box->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8());
        QVERIFY(bytes.contains("Colt Exective"));
        QCOMPARE(w.platform->opened.size(), 1);
        QCOMPARE(w.platform->opened[0], QUrl::fromLocalFile(saved.fileName()));
    }
    QDir::setCurrent(previous);
}

void TestWindow::rangeChart() {
    Window w;
    w.chooseVt(QStringLiteral("Behemoth"));
    w.click("AdvFunctionButton");
    w.click("WeaponRangeButton");
    auto* image = w.find<QLabel>("RangeImage");
    const QImage clean = image->pixmap().toImage();

    // All On with nothing mounted: six zero-width bars at the VT.
    w.click("RangeAllOnButton");
    for (const char* bar : {"RangeMW1Label", "RangeMW2Label", "RangeMW3Label", "RangeSW1Label",
                            "RangeSW2Label", "RangeSW3Label"}) {
        auto* l = w.find<QLabel>(bar);
        QVERIFY2(l->isVisible(), bar);
        QCOMPARE(l->x(), 10 + 68);
        QCOMPARE(l->width(), 0);
    }
    QVERIFY(w.button("RangeDistanceModifierButton")->isFlat());
    // The outline's front edge at x = 68 + 300 / 7 = 110, between rows 45 and 90.
    const QImage drawn = image->pixmap().toImage();
    QCOMPARE(QColor(drawn.pixel(110, 70)), QColor(255, 0, 0));
    QCOMPARE(w.text("FDMLabel"), QStringLiteral("300"));
    QCOMPARE(w.find<QLabel>("FDMLabel")->x(), 10 + 115);
    QCOMPARE(w.text("SDMLabel"), QStringLiteral("200"));
    QCOMPARE(w.text("RDMLabel"), QStringLiteral("100"));

    // A weapon pick switches its bar off and names the weapon on its button.
    w.pick("MWSelect1", QStringLiteral("MK21-R"));
    QVERIFY(w.find("RangeMW1Label")->isHidden());
    QVERIFY(!w.button("MW1RangeButton")->isFlat());
    QCOMPARE(w.button("MW1RangeButton")->text(), QStringLiteral("MK21-R"));
    w.click("MW1RangeButton");
    QCOMPARE(w.find<QLabel>("RangeMW1Label")->geometry(), QRect(10 + 96, 16 + 17, 29, 4));

    // Advanced Armour redraws the outline while it is shown: the front moves
    // to 68 + 500 / 7 = 139 in magenta.
    w.pick("OPSelect2", QStringLiteral("Advanced Armour"));
    QVERIFY(w.button("RangeDistanceModifierButton")->isFlat());
    QCOMPARE(QColor(image->pixmap().toImage().pixel(139, 70)), QColor(255, 0, 255));
    QCOMPARE(w.text("FDMLabel"), QStringLiteral("500"));

    // The comparison bar.
    w.pick("RangeWeaponSelect", QStringLiteral("370-SR"));
    QCOMPARE(w.find<QLabel>("RangeCompareLabel")->geometry(), QRect(10 + 182, 16 + 66, 243, 4));

    // Off restores the picture exactly.
    w.click("RangeAllOffButton");
    QCOMPARE(image->pixmap().toImage(), clean);
    QVERIFY(w.find("FDMLabel")->isHidden());
    QVERIFY(w.find("RangeCompareLabel")->isHidden());
    QCOMPARE(w.combo("RangeWeaponSelect")->currentText(), QStringLiteral("Unarmed"));
    QVERIFY(w.platform->errors.isEmpty());
}

void TestWindow::factionIntel() {
    Window w;
    const auto intel = [&] {
        // The intel is read where the user reads it, on the Miscellaneous page.
        w.click("AdvFunctionButton");
        w.click("MiscPageButton");
        w.click("FactionButton");
        const QString text = w.find<QPlainTextEdit>("FactionRichEdit")->toPlainText();
        w.click("AdvFunctionButton");
        return text;
    };
    w.chooseVt(QStringLiteral("Colt"));
    QCOMPARE(w.text("FactionLabel"), QStringLiteral("Right Brothers"));
    QCOMPARE(fontColour(w.find<QLabel>("FactionLabel")), QColor(0, 128, 0));
    QVERIFY(!w.find<QLabel>("FactionImage")->pixmap().isNull());
    const QString rbIntel = intel();
    QVERIFY(!rbIntel.isEmpty());
    w.chooseVt(QStringLiteral("Macabre"));
    QCOMPARE(w.text("FactionLabel"), QStringLiteral("Jaralaccs"));
    QCOMPARE(fontColour(w.find<QLabel>("FactionLabel")), QColor(255, 255, 0));
    QVERIFY(intel() != rbIntel);
    w.chooseVt(QStringLiteral("Vitzh"));
    QVERIFY(
        intel().startsWith(QStringLiteral("The original antagonists from the first game return")));
    // With the intel in sight, choosing a VT replaces it at once.
    w.click("AdvFunctionButton");
    w.click("MiscPageButton");
    w.click("FactionButton");
    QVERIFY(w.find("MiscGroup")->isVisible());
    w.chooseVt(QStringLiteral("Colt"));
    QCOMPARE(w.find<QPlainTextEdit>("FactionRichEdit")->toPlainText(), rbIntel);
    w.click("AdvFunctionButton");

    w.click("AdvFunctionButton");
    w.click("MiscPageButton");
    QVERIFY(w.find("IconKeyGroup")->isVisible());
    w.click("FactionButton");
    QVERIFY(w.find("MiscGroup")->isVisible());
    QVERIFY(w.find("IconKeyGroup")->isHidden());
    QCOMPARE(w.button("FactionButton")->text(), QStringLiteral("Show Icon Key"));
    w.click("FactionButton");
    QVERIFY(w.find("IconKeyGroup")->isVisible());
    QCOMPARE(w.button("FactionButton")->text(), QStringLiteral("Show Faction Info"));
    w.click("FactionButton");
    w.click("MiscPageButton");
    QVERIFY(w.find("IconKeyGroup")->isVisible());
    QCOMPARE(w.button("FactionButton")->text(), QStringLiteral("Show Faction Info"));
}

void TestWindow::aboutAndLinks() {
    Window w;
    w.click("AboutButton");
    QCOMPARE(w.platform->aboutCaption, QStringLiteral("About \"I like the Garpike and\" Vantor"));
    const QStringList paragraphs = w.platform->aboutText.split(QStringLiteral("\n\n"));
    QCOMPARE(paragraphs.size(), 8);
    QCOMPARE(paragraphs[0], QStringLiteral("www.corvane.net "));
    QCOMPARE(paragraphs[1], QStringLiteral(" Release V3.2 "));
    QVERIFY(paragraphs[7].endsWith(QLatin1Char('!')));

    w.click("CorvaneButton");
    w.chooseVt(QStringLiteral("Colt"));
    w.click("AdvFunctionButton");
    w.click("WeaponPageButton");
    w.click("KerrowButton");
    w.click("ForumPageButton");
    w.click("PellumButton");
    w.click("PellumFButton");
    w.click("PellumFButton");
    QCOMPARE(w.platform->opened,
             (QList<QUrl>{QUrl(QStringLiteral("http://www.corvane.net")),
                          QUrl(QStringLiteral("http://www.kerrow.net")),
                          QUrl(QStringLiteral("http://www.pellum.net")),
                          QUrl(QStringLiteral("http://www.pellum.net/forum")),
                          QUrl(QStringLiteral("http://www.pellum.net/forum"))}));
}

void TestWindow::screenReader_data() {
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("tip"); // also the description a screen reader gives
    const auto row = [](const char* component, const char* name, const char* value,
                        QAccessible::Role role, const QString& tip = {}) {
        QTest::newRow(component) << QString::fromLatin1(component) << QString::fromLatin1(name)
                                 << QString::fromLatin1(value) << role << tip;
    };
    // A Colt with a 140-MG and a fuel tank: selectors, gauges (128 of 200
    // km/h...), labels, icons and buttons.
    row("VTSelect", "Vertical Tank Selection", "Colt", QAccessible::ComboBox);
    row("MWSelect1", "Main Weapon 1", "140-MG", QAccessible::ComboBox);
    row("MWSelect2", "Main Weapon 2", "Unarmed", QAccessible::ComboBox);
    row("SWSelect3", "Sub Weapon 3", "Unarmed", QAccessible::ComboBox);
    row("SpeedGauge", "Speed", "64%", QAccessible::ProgressBar,
        "Speed: 64%; 128 mph on a scale of 0 to 200; a faster VT scores higher.");
    row("FuelGauge", "Fuel Efficiency", "36%", QAccessible::ProgressBar,
        "Fuel Efficiency: 36%; fuel efficiency 7 on a scale of 0 to 19; a higher efficiency "
        "scores higher.");
    row("TotalLoadLabel", "Total Load: 5", "", QAccessible::StaticText);
    row("Label9", "Load status: VT OK", "", QAccessible::StaticText,
        "Total load 5 is within the standard load of 12; 7 more can be carried.\n"
        "7 left before STD OVER, 10 before MAX OVER.");
    row("StandardRankLabel", "Standard Capacity: 22nd", "", QAccessible::StaticText,
        "22nd of 31 VTs, shared with Decider Volcanic, Scareface A1, Blade and Prominence M3.");
    row("FuelTankImage", "Fuel tank icon", "", QAccessible::StaticText,
        iconCaption(IconOneFuelTank));
    row("FixedSW2Button", "Describe the fixed sub-weapon 2", "", QAccessible::Button,
        "Shows the fixed sub-weapon 2 on the weapon page.");
    row("CorvaneButton", "Open the Corvane web site", "", QAccessible::Button,
        "Opens www.corvane.net in your web browser.");
}

// What the accessibility interface reports is what a screen reader says; the
// description is the component's tip.
void TestWindow::screenReader() {
    QFETCH(QString, component);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, tip);
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.pick("MWSelect1", QStringLiteral("140-MG"));
    w.pick("FTSelect", QStringLiteral("1 Fuel Tank"));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w.find(component.toLatin1()));
    QCOMPARE(a->text(QAccessible::Name), name);
    QCOMPARE(a->text(QAccessible::Value), value);
    QCOMPARE(a->role(), role);
    QCOMPARE(a->text(QAccessible::Description), tip);
    if (QAccessibleValueInterface* gauge = a->valueInterface())
        QCOMPARE(gauge->currentValue().toString() + u'%', value);
    // Every object a screen reader meets in the window has a name, read
    // without a mnemonic's ampersand, and every selector one of its own.
    QVERIFY2(unnamedObjects(w.window.get()).isEmpty(),
             qPrintable(unnamedObjects(w.window.get()).join(u'\n')));
    // Only a window is a window to a reader; its panels are panels.
    for (QWidget* widget : w.window->findChildren<QWidget*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(!iface || widget->isWindow() || iface->role() != QAccessible::Window,
                 qPrintable(widget->objectName()));
        QVERIFY2(!iface || widget->isWindow() || iface->role() != QAccessible::Border,
                 qPrintable(widget->objectName()));
    }
    QStringList names;
    for (QComboBox* selector : w.window->findChildren<QComboBox*>())
        names << QAccessible::queryAccessibleInterface(selector)->text(QAccessible::Name);
    QCOMPARE(names.removeDuplicates(), 0);
}

namespace {

// What the window announces to a screen reader, as it announces it.
QList<std::pair<QObject*, QString>> heard;

bool wasHeard(QObject* object, const QString& message) {
    return heard.contains(std::make_pair(object, message));
}

bool isChecked(QWidget* w) {
    const QAccessible::State state = QAccessible::queryAccessibleInterface(w)->state();
    return state.checkable && state.checked;
}

} // namespace

void TestWindow::oneStepTellsEachChangeOnce_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("status"); // said once, after the step
    QTest::newRow("a VT from the list") << "choose"
                                        << "VT OK";
    QTest::newRow("a VT typed") << "type"
                                << "VT OK";
    QTest::newRow("a paste") << "paste"
                             << "STD OVER";
    QTest::newRow("an undo") << "undo"
                             << "STD OVER";
}

// One action changes many widgets; the load status is said once, after the
// action, in its final form: no "N/A" while the VT changes. (What each widget
// tells a screen reader is counted on the accessibility bus itself, by
// tst_announcements: Qt passes events on only to a platform's bridge.)
void TestWindow::oneStepTellsEachChangeOnce() {
    QFETCH(QString, step);
    QFETCH(QString, status);
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    for (const char* slot : {"MWSelect1", "MWSelect2", "MWSelect3"})
        w.pick(slot, QStringLiteral("270-RI"));
    w.pick("SWSelect1", QStringLiteral("67-CG"));
    w.pick("SWSelect2", QStringLiteral("DP-MIS"));
    w.press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    if (step == "paste" || step == "undo")
        w.chooseVt(QStringLiteral("Garpike"));
    // A name put into the field whole picks nothing until Enter.
    if (step == "type")
        w.combo("VTSelect")->lineEdit()->setText(QStringLiteral("Garpike"));

    QStringList said;
    listenToAnnouncements([&said](QObject*, const QString& message) { said << message; });
    const auto deaf = qScopeGuard([] { listenToAnnouncements({}); });
    if (step == "choose")
        w.chooseVt(QStringLiteral("Garpike"));
    if (step == "type")
        QTest::keyClick(w.combo("VTSelect")->lineEdit(), Qt::Key_Return);
    if (step == "paste")
        w.press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    if (step == "undo")
        w.press(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(said, QStringList{"Load status: " + status});
}

void TestWindow::dropDownsTellTheirItem_data() {
    QTest::addColumn<QKeySequence>("opens");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("dropDowns"); // that cannot be typed in
    QTest::newRow("catalogue") << QKeySequence(Qt::CTRL | Qt::Key_B) << "CatalogueWindow" << 2;
    QTest::newRow("finder") << QKeySequence(Qt::CTRL | Qt::Key_F) << "FinderWindow" << 4;
}

// A drop-down that cannot be typed in tells its item without being opened,
// as text a reader reads, and again as the item changes.
void TestWindow::dropDownsTellTheirItem() {
    QFETCH(QKeySequence, opens);
    QFETCH(QString, window);
    QFETCH(int, dropDowns);
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.press(opens);
    auto* tool = w.window->findChild<QWidget*>(window);
    QVERIFY(tool);
    QList<QComboBox*> fixed;
    for (QComboBox* combo : tool->findChildren<QComboBox*>())
        if (!combo->isEditable() && combo->count() > 1)
            fixed << combo;
    QCOMPARE(fixed.size(), dropDowns);
    for (QComboBox* combo : fixed) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(combo);
        QVERIFY(iface->textInterface());
        for (int item : {combo->count() - 1, 0}) {
            combo->setCurrentIndex(item);
            QCOMPARE(iface->textInterface()->text(0, iface->textInterface()->characterCount()),
                     combo->itemText(item));
            QCOMPARE(iface->text(QAccessible::Name), combo->accessibleName());
        }
    }
}

// A screen reader is told which view, page and range bars are on and hears
// them change; it hears the gauges' values change and the load status
// change; it reads the range chart as text, the windows as windows and the
// icon key without line breaks. The two-state buttons look as before.
void TestWindow::screenReaderHearsChanges() {
    listenToAnnouncements(
        [](QObject* object, const QString& message) { heard << std::make_pair(object, message); });
    const auto restore = qScopeGuard([] { listenToAnnouncements({}); });
    Window w;
    QCOMPARE(QAccessible::queryAccessibleInterface(w.window.get())->role(), QAccessible::Window);
    w.chooseVt(QStringLiteral("Colt"));
    QVERIFY(wasHeard(w.find("Label9"), QStringLiteral("Load status: VT OK"))); // N/A to VT OK

    // Views and pages.
    QVERIFY(isChecked(w.find("LoadoutButton")));
    w.click("GraphButton");
    QVERIFY(isChecked(w.find("GraphButton")) && !isChecked(w.find("LoadoutButton")));
    w.click("AdvFunctionButton");
    w.click("WeaponRangeButton");
    QVERIFY(isChecked(w.find("WeaponRangeButton")));
    w.click("PartsPageButton");
    QVERIFY(!isChecked(w.find("WeaponRangeButton")) && isChecked(w.find("PartsPageButton")));
    w.click("WeaponRangeButton");

    // Gauges: another VT, another speed.
    auto* speed = w.find<TCGauge>("SpeedGauge");
    const int before = speed->GetPercentDone();
    QSignalSpy speedTold(speed, &TCGauge::percentDoneChanged);
    w.chooseVt(QStringLiteral("Garpike"));
    QVERIFY(speed->GetPercentDone() != before);
    QCOMPARE(speedTold.size(), 1);
    QCOMPARE(speedTold.last().at(0).toInt(), speed->GetPercentDone());
    w.chooseVt(QStringLiteral("Colt"));
    QCOMPARE(speedTold.size(), 2);
    for (const TCGauge* gauge : w.window->findChildren<TCGauge*>()) {
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(const_cast<TCGauge*>(gauge));
        QVERIFY(!a->actionInterface() || a->actionInterface()->actionNames().isEmpty());
    }

    // The load status, announced when it changes.
    heard.clear();
    w.pick("MWSelect1", QStringLiteral("270-RI"));
    w.pick("MWSelect2", QStringLiteral("270-RI"));
    w.pick("MWSelect3", QStringLiteral("270-RI"));
    w.pick("SWSelect1", QStringLiteral("67-CG"));
    QVERIFY(heard.isEmpty()); // still VT OK
    w.pick("SWSelect2", QStringLiteral("DP-MIS"));
    QCOMPARE(w.text("Label9"), QStringLiteral("STD OVER"));
    QCOMPARE(heard, (QList{std::make_pair<QObject*>(w.find("Label9"),
                                                    QStringLiteral("Load status: STD OVER"))}));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Shown by the window's notification, which a reader speaks as it appears.
    QWidget* announcer = w.window->findChild<QWidget*>(QStringLiteral("VantorAnnouncer"));
    QVERIFY(announcer && announcer->isVisible() && announcer->size().isEmpty());
    QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(notification->role(), QAccessible::Notification);
    QCOMPARE(notification->text(QAccessible::Name), QStringLiteral("Load status: STD OVER"));
#endif
    QCOMPARE(QAccessible::queryAccessibleInterface(w.find("Label9"))->text(QAccessible::Name),
             QStringLiteral("Load status: STD OVER"));

    // The range chart as text: bars with weapon and range, modifiers named.
    w.click("MW1RangeButton");
    QVERIFY(isChecked(w.find("MW1RangeButton")));
    w.click("RangeDistanceModifierButton");
    QVERIFY(isChecked(w.find("RangeDistanceModifierButton")));
    const RangeChartPage::Range mw1{w.window->currentLoadout().MW1RangeMin,
                                    w.window->currentLoadout().MW1RangeMax};
    const QString bar =
        QStringLiteral("Main weapon 1, 270-RI: range %1 to %2 m").arg(mw1.min).arg(mw1.max);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(w.find("RangeMW1Label"))->text(QAccessible::Name),
        bar);
    const QString chart =
        QAccessible::queryAccessibleInterface(w.find("RangeImage"))->text(QAccessible::Description);
    QVERIFY2(chart.startsWith(bar + QStringLiteral("; Front distance modifier: ")),
             qPrintable(chart));
    QVERIFY2(chart.contains(QStringLiteral("; Rear distance modifier: ")), qPrintable(chart));
    for (QLabel* label : w.find("RangeGroup")->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        const QString name = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
        bool number = false;
        name.toInt(&number);
        QVERIFY2(!name.trimmed().isEmpty() && !number, qPrintable(label->objectName()));
    }
    w.click("RangeAllOffButton");
    QVERIFY(!isChecked(w.find("MW1RangeButton")));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(w.find("RangeImage"))->text(QAccessible::Description),
        QStringLiteral("No range bars shown."));

    // Every two-state button, on or off, looks exactly as a plain button.
    w.click("SW1RangeButton");
    int compared = 0;
    for (QPushButton* button : w.window->findChildren<QPushButton*>()) {
        if (!button->isCheckable() || !button->isVisible())
            continue;
        QPushButton twin(button->text(), button->parentWidget());
        twin.setGeometry(button->geometry());
        twin.setFont(button->font());
        twin.setPalette(button->palette());
        twin.setFlat(button->isFlat());
        twin.setEnabled(button->isEnabled());
        QCOMPARE(button->grab().toImage(), twin.grab().toImage());
        ++compared;
    }
    QVERIFY(compared >= 15);

    // The icon key's entries are read without their leading line break.
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(w.find("IconKeyListView"));
    QCOMPARE(key->childCount(), 17);
    for (int i = 0; i < key->childCount(); ++i) {
        const QString name = key->child(i)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !name.front().isSpace(), qPrintable(name));
    }
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.window->findChild<CompareWindow*>())->role(),
             QAccessible::Window);
}

void TestWindow::keyboardOrder() {
    Window w;
    w.chooseVt(QStringLiteral("Sheepdog"));
    w.combo("VTSelect")->setFocus();
    QStringList reached;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        reached << (focus ? focus->objectName() : QString());
    }
    // The fixed second main-weapon selector is disabled; its "?" button is not.
    QCOMPARE(reached,
             (QStringList{QStringLiteral("FTSelect"), QStringLiteral("OPSelect1"),
                          QStringLiteral("OPSelect2"), QStringLiteral("MWSelect1"),
                          QStringLiteral("FixedMW2Button"), QStringLiteral("MWSelect3"),
                          QStringLiteral("SWSelect1"), QStringLiteral("SWSelect2"),
                          QStringLiteral("SWSelect3"), QStringLiteral("LoadoutButton"),
                          QStringLiteral("StatsButton"), QStringLiteral("RankButton"),
                          QStringLiteral("GraphButton"), QStringLiteral("ImageButton"),
                          QStringLiteral("AboutButton"), QStringLiteral("CorvaneButton")}));

    // With the advanced area open the page buttons follow the views.
    w.click("AdvFunctionButton");
    w.button("ImageButton")->setFocus();
    QTest::keyClick(w.button("ImageButton"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.find("WeaponPageButton"));

    // Tab leaves a report box for its page's buttons and types nothing.
    for (const auto& [page, box, next] :
         {std::tuple{"HtmlPageButton", "HtmlRichEdit", "HtmlGenerateButton"},
          std::tuple{"ForumPageButton", "ForumRichEdit", "ForumGenerateButton"}}) {
        w.click(page);
        auto* text = w.find<QPlainTextEdit>(box);
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.find(next));
        QCOMPARE(text->toPlainText(), QString());
    }
}

void TestWindow::keptPicturesFollowTheirState_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("change");
    for (const char* change : {"disabled", "retitled", "bold", "dark"})
        QTest::newRow(qPrintable(QStringLiteral("group frame %1").arg(QLatin1String(change))))
            << "GroupBox3" << change;
    for (const char* change : {"disabled", "narrower", "bold", "dark"})
        QTest::newRow(qPrintable(QStringLiteral("icon key entry %1").arg(QLatin1String(change))))
            << "IconKeyListView" << change;
}

// What a group frame and an icon key entry keep once drawn follows a change
// of their state: drawn before and after it, each looks as drawn afresh.
void TestWindow::keptPicturesFollowTheirState() {
    QFETCH(QString, widget);
    QFETCH(QString, change);
    Window w;
    w.chooseVt(QStringLiteral("Colt"));
    w.click("AdvFunctionButton");
    w.click("MiscPageButton");
    QWidget* shown = w.find(widget.toLatin1().constData());
    auto* list = qobject_cast<QListWidget*>(shown);
    const QImage before = shown->grab().toImage(); // now kept
    if (change == "disabled")
        shown->setEnabled(false);
    if (change == "retitled")
        static_cast<QGroupBox*>(shown)->setTitle(QStringLiteral("Another Title"));
    if (change == "narrower")
        list->resize(list->width() - 60, list->height());
    if (change == "bold") {
        QFont bold = shown->font();
        bold.setBold(true);
        shown->setFont(bold);
    }
    if (change == "dark") {
        QPalette dark = shown->palette();
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
            dark.setColor(role, QColor(40, 40, 48));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
            dark.setColor(role, Qt::white);
        shown->setPalette(dark);
    }
    const QImage kept = shown->grab().toImage();
    QVERIFY(kept != before);
    // Drawn afresh: by a style that has drawn nothing yet, or a plain delegate.
    QStyledItemDelegate plain;
    QStyle* const afresh = vantorStyle();
    const auto styled = qScopeGuard([afresh] { delete afresh; });
    if (list)
        list->setItemDelegate(&plain);
    else
        shown->setStyle(afresh);
    QCOMPARE(shown->grab().toImage(), kept);
    if (!list)
        shown->setStyle(nullptr);
}

// Every label, caption and group frame of every view and page looks exactly
// as drawn afresh: the group frames the window keeps are the style's own.
void TestWindow::labelsLookAsQLabelDraws() {
    Window w;
    w.chooseVt(QStringLiteral("Prominence M2"));
    w.pick("OPSelect1", QStringLiteral("Advanced Balancer"));
    w.pick("OPLSelect1", 2);
    w.pick("MWSelect1", 1);
    w.click("AdvFunctionButton");
    int compared = 0;
    // A style of its own, which has drawn nothing yet.
    static QStyle* const afresh = vantorStyle();
    const auto compareAll = [&] {
        for (QLabel* label : w.window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            QLabel twin(label->text(), label->parentWidget());
            twin.setStyle(afresh);
            twin.setGeometry(label->geometry());
            twin.setFont(label->font());
            twin.setPalette(label->palette());
            twin.setAlignment(label->alignment());
            twin.setAutoFillBackground(label->autoFillBackground());
            QCOMPARE(label->grab().toImage(), twin.grab().toImage());
            ++compared;
        }
        // Buttons' captions and group boxes' frames as well.
        QList<QWidget*> drawnByStyle;
        for (QAbstractButton* button : w.window->findChildren<QAbstractButton*>())
            if (!button->text().isEmpty())
                drawnByStyle << button;
        for (QGroupBox* group : w.window->findChildren<QGroupBox*>())
            drawnByStyle << group;
        for (QWidget* widget : drawnByStyle) {
            if (!widget->isVisible())
                continue;
            const QImage kept = widget->grab().toImage();
            QStyle* own = widget->style();
            widget->setStyle(afresh);
            QCOMPARE(widget->grab().toImage(), kept);
            widget->setStyle(own);
            ++compared;
        }
    };
    for (const char* view : {"LoadoutButton", "StatsButton", "RankButton", "GraphButton"}) {
        w.click(view);
        for (const char* page :
             {"WeaponPageButton", "WeaponRangeButton", "PartsPageButton", "MiscPageButton"}) {
            w.click(page);
            compareAll();
        }
    }
    QVERIFY(compared > 200);
}

void TestWindow::pagesBuiltLate_data() {
    // Typed picks, selector=text, in order; then the page opened.
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("page");
    QTest::newRow("nothing picked") << QStringList{} << "WeaponRangeButton";
    QTest::newRow("a VT") << QStringList{"VTSelect=Garpike"} << "WeaponRangeButton";
    QTest::newRow("weapons and armour")
        << QStringList{"VTSelect=Quasar", "OPSelect1=Advanced Armour", "MWSelect1=355-SB",
                       "SWSelect2=DL-GM"}
        << "WeaponPageButton";
    QTest::newRow("parts with levels") << QStringList{"VTSelect=Colt", "OPSelect2=Power Cell",
                                                      "OPLSelect2=3", "FTSelect=1 Fuel Tank"}
                                       << "PartsPageButton";
    QTest::newRow("two VTs, a faction")
        << QStringList{"VTSelect=Macabre", "VTSelect=Vitzh"} << "MiscPageButton";
    QTest::newRow("typed text that names nothing")
        << QStringList{"VTSelect=Blade", "OPSelect1=Radar"} << "HtmlPageButton";
    QTest::newRow("no VT after all") << QStringList{"VTSelect=Blade", "VTSelect=Bl"} << QString();
}

// The pages are built once the window has first been painted. Picks made
// before that show on the pages exactly as if the pages had been there.
void TestWindow::pagesBuiltLate() {
    QFETCH(QStringList, picks);
    QFETCH(QString, page);
    Window early;
    Window late(false);
    for (const Window* w : {&early, &late})
        for (const QString& pick : picks) {
            const QByteArray selector = pick.section(u'=', 0, 0).toLatin1();
            w->type(selector, pick.section(u'=', 1));
            w->leave(selector);
        }
    QVERIFY(!late.window->findChild<QWidget*>(QStringLiteral("RangeGroup")));
    late.show();
    // Without a VT the advanced area stays shut; the pages are built all the same.
    for (const Window* w : {&early, &late})
        if (w->button("AdvFunctionButton")->isEnabled()) {
            w->click("AdvFunctionButton");
            w->click(qPrintable(page));
        }
    QCOMPARE(late.dump(), early.dump());
    // The descriptions, laid out when seen, show on the page that is open.
    for (const char* box : {"WeaponInfoRichEdit", "PartInfoRichEdit"})
        if (early.find(box)->isVisible()) {
            QVERIFY(late.find(box)->isVisible());
            QCOMPARE(late.find<QPlainTextEdit>(box)->toPlainText(),
                     early.find<QPlainTextEdit>(box)->toPlainText());
            QVERIFY(!early.find<QPlainTextEdit>(box)->toPlainText().isEmpty());
        }
    QVERIFY(late.platform->errors.isEmpty());
}

void TestWindow::desktopTheme_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("font"); // the desktop's family, at 15 pixels
    QTest::addColumn<bool>("later");   // set after the program applied its look
    QTest::newRow("dark palette") << true << QString() << QString() << false;
    QTest::newRow("Windows style") << false << QStringLiteral("Windows") << QString() << false;
    QTest::newRow("dark palette later") << true << QString() << QString() << true;
    QTest::newRow("desktop font later") << false << QString() << "DejaVu Serif" << true;
    QTest::newRow("both later") << true << QString() << "Liberation Serif" << true;
}

// Whatever style, palette and font the desktop sets, before the program
// applies its look or later, the window shows the same pixels.
void TestWindow::desktopTheme() {
    QFETCH(bool, dark);
    QFETCH(QString, style);
    QFETCH(QString, font);
    QFETCH(bool, later);
    const auto render = [] {
        Window w;
        w.chooseVt(QStringLiteral("Garpike"));
        w.click("AdvFunctionButton");
        w.click("WeaponRangeButton");
        return w.window->grab().toImage();
    };
    const QImage expected = render();
    const auto desktopSets = [&] {
        if (!style.isEmpty())
            QApplication::setStyle(style);
        if (dark)
            QApplication::setPalette(QPalette(QColor(53, 53, 53), QColor(40, 40, 40)));
        if (!font.isEmpty()) {
            QFont desktop(font);
            desktop.setPixelSize(15);
            QApplication::setFont(desktop);
        }
    };
    if (!later)
        desktopSets();
    applyVantorAppearance(*qApp);
    if (later)
        desktopSets();
    QCOMPARE(render(), expected);
    QCOMPARE(QApplication::palette(), vantorPalette());
}

// The program's palette is the light one Fusion gives where the desktop sets
// no colours, so that the window looks as it always did; whatever the
// desktop, it is the application's.
void TestWindow::ownPalette() {
    QCOMPARE(QApplication::palette(), vantorPalette());
    if (!desktopSetup.isEmpty())
        return;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = fusion->standardPalette();
    const QPalette own = vantorPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (r == QPalette::NoRole)
                continue;
            // The same pixels: the same 8-bit colour (Fusion works some of its
            // colours out more finely) and the same fill.
            QVERIFY2(own.color(g, r).rgba() == standard.color(g, r).rgba() &&
                         own.brush(g, r).style() == standard.brush(g, r).style(),
                     qPrintable(QStringLiteral("group %1 role %2: %3, not %4")
                                    .arg(group)
                                    .arg(role)
                                    .arg(own.color(g, r).name(QColor::HexArgb),
                                         standard.color(g, r).name(QColor::HexArgb))));
        }
}

void TestWindow::fontFamily_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Liberation Sans first")
        << QStringList{"DejaVu Sans", "Arimo", "Nimbus Sans", "Liberation Sans"}
        << "Liberation Sans";
    QTest::newRow("then Nimbus Sans") << QStringList{"Arimo", "Nimbus Sans"} << "Nimbus Sans";
    QTest::newRow("Arial") << QStringList{"Verdana", "Arial"} << "Arial";
    QTest::newRow("with a foundry") << QStringList{"Nimbus Sans [UKWN]"} << "Nimbus Sans [UKWN]";
    QTest::newRow("then a narrower family")
        << QStringList{"Liberation Sans Narrow", "DejaVu Sans"} << "Liberation Sans Narrow";
    QTest::newRow("DejaVu Sans Condensed first of them")
        << QStringList{"Liberation Sans Narrow", "DejaVu Sans", "DejaVu Sans Condensed"}
        << "DejaVu Sans Condensed";
    QTest::newRow("Arial widths before narrower")
        << QStringList{"DejaVu Sans Condensed", "Arimo"} << "Arimo";
    QTest::newRow("only the wide DejaVu Sans") << QStringList{"DejaVu Sans"} << "sans-serif";
    QTest::newRow("nothing") << QStringList{} << "sans-serif";
}

void TestWindow::fontFamily() {
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QCOMPARE(uiFontFamily(installed), expected);
}

void TestWindow::fontFolder_data() {
    QTest::addColumn<QStringList>("fonts"); // the only font files there are
    QTest::addColumn<QString>("expected");
    QTest::newRow("Nimbus Sans") << QStringList{"DejaVuSans.ttf", "NimbusSans-Regular.otf"}
                                 << "Nimbus Sans";
    QTest::newRow("Arimo") << QStringList{"DejaVuSans.ttf", "Arimo-Regular.ttf"} << "Arimo";
    QTest::newRow("no Arial widths") << QStringList{"DejaVuSans.ttf"} << "DejaVu Sans";
    // (Qt's offscreen platform on Windows reads the condensed face as a style
    // of "DejaVu Sans", which Windows' own platform does not.)
#ifndef Q_OS_WIN
    QTest::newRow("DejaVu Sans Condensed")
        << QStringList{"DejaVuSans.ttf", "DejaVuSansCondensed.ttf"} << "DejaVu Sans Condensed";
#endif
}

// The font the program gets on a machine with the system's font rules but
// only `fonts` installed; run in a process of its own, see main().
void TestWindow::fontFolder() {
    QFETCH(QStringList, fonts);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString& font : fonts) {
        QDirIterator found(QStringLiteral("/usr/share/fonts"), {font}, QDir::Files,
                           QDirIterator::Subdirectories);
        if (!found.hasNext())
            QSKIP(qPrintable(font + QStringLiteral(" is not installed")));
        QVERIFY(QFile::copy(found.next(), dir.filePath(font)));
    }
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("<fontconfig><dir>%1</dir><cachedir>%1/cache</cachedir>"
                                "<include>/etc/fonts/conf.d</include></fontconfig>")
                     .arg(dir.path())
                     .toUtf8());
    config.close();
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Linux finds fonts through fontconfig; on Windows, Qt's offscreen
    // platform reads the font files of one folder.
#ifdef Q_OS_WIN
    env.insert(QStringLiteral("QT_QPA_FONTDIR"), dir.path());
#else
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
#endif
    program.setProcessEnvironment(env);
    program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--font")});
    QVERIFY(program.waitForFinished());
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()).trimmed(), expected);
}

// Two loadouts the user built, compared; swapped, copied and closed from the keyboard.
void TestWindow::compareWindow_data() {
    QTest::addColumn<QString>("currentVt"); // none: the MM is launched instead
    QTest::addColumn<QStringList>("marks"); // a figure shown green, one red, then the bold rows
    QTest::newRow("other VT") << QString("Colt Executive")
                              << QStringList{"Max Speed", "Balancer Rating", "VT"};
    QTest::newRow("MM launched") << QString() << QStringList{"Turn Speed", "Durability"};
}

// Pinned with Ctrl+D, the comparison follows the current loadout live; all
// of it works from the keyboard: Swap (undone by Ctrl+Z), Copy, Escape.
void TestWindow::compareWindow() {
    QFETCH(QString, currentVt);
    QFETCH(QStringList, marks);
    Window w;
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D)); // nothing to pin yet
    QVERIFY(!w.window->findChild<CompareWindow*>());
    w.chooseVt(currentVt.isEmpty() ? "Prominence M2" : "Colt");
    const SessionState pinned = w.window->captureState();
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D));
    auto* compare = w.window->findChild<CompareWindow*>(QStringLiteral("CompareWindow"));
    QVERIFY(compare && compare->isVisible());
    QVERIFY(compare->windowFlags().testFlag(Qt::Tool) && !compare->isModal());
    QCOMPARE(compare->windowTitle(), QStringLiteral("Vantor - Comparison"));
    currentVt.isEmpty() ? w.click("F1Button") : w.chooseVt(currentVt);
    const SessionState current = w.window->captureState();

    auto* table = compare->findChild<QTableView*>("CompareTable");
    const QAbstractItemModel* model = table->model();
    const auto cell = [model](int r, int c, int role = Qt::DisplayRole) {
        return model->index(r, c).data(role);
    };
    const auto verifyTable = [&](const vantor::Loadout& left, const vantor::Loadout& right) {
        const std::vector<ComparisonRow> rows = compareLoadouts(left, right);
        QCOMPARE(model->rowCount(), int(rows.size()));
        for (int r = 0; r < model->rowCount(); ++r)
            QCOMPARE((QStringList{cell(r, 0).toString(), cell(r, 1).toString(),
                                  cell(r, 2).toString(), cell(r, 3).toString()}),
                     (QStringList{rows[r].figure, rows[r].pinned, rows[r].current,
                                  shownChange(rows[r])}));
    };
    verifyTable(pinned.loadout, current.loadout);
    QStringList lines{"Figure\tPinned\tCurrent\tChange"}, bold;
    QMap<QString, QColor> colours; // of the change; of the current text for the status
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << cell(r, c).toString();
        lines << cells.join(u'\t');
        if (cell(r, 0, Qt::FontRole).value<QFont>().bold() &&
            cell(r, 2, Qt::FontRole).value<QFont>().bold())
            bold << cells[0];
        colours[cells[0]] =
            cell(r, cells[0] == "Load Status" ? 2 : 3, Qt::ForegroundRole).value<QColor>();
    }
    QCOMPARE(colours[marks[0]], ComparisonModel::BetterColour);
    QCOMPARE(colours[marks[1]], ComparisonModel::WorseColour);
    QCOMPARE(bold, marks.mid(2));
    QCOMPARE(colours["Load Status"],
             readableOnWhite(w.find("Label9")->palette().color(QPalette::WindowText)));

    // From the keyboard, in the comparison window.
    QWidget* const mainFocus = QApplication::focusWidget();
    compare->activateWindow();
    QVERIFY(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == compare->windowHandle(); }));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), compare->findChild<QWidget*>("CompareRangeChart"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.button("CompareSwapButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(w.window->captureState() == pinned);
    verifyTable(current.loadout, pinned.loadout);
    w.press(QKeySequence(Qt::CTRL | Qt::Key_Z)); // swaps back
    QVERIFY(w.window->captureState() == current);
    verifyTable(pinned.loadout, current.loadout);
    QTest::keyClick(w.button("CompareSwapButton"), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(QGuiApplication::clipboard()->text(), lines.join(u'\n') + u'\n');
    // F6 goes back to the main window, leaving this one open; Ctrl+Shift+P returns.
    w.press(QKeySequence(Qt::Key_F6));
    QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == mainFocus; }));
    QVERIFY(compare->isVisible());
    w.press(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QVERIFY(QTest::qWaitFor([&] { return compare->isAncestorOf(QApplication::focusWidget()); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(compare->isHidden());
    // Closed, it keeps the pinned loadout and, opened again, shows the picks
    // made meanwhile.
    w.pick("MWSelect1", 1);
    w.window->findChild<QAction*>(QStringLiteral("ShowComparisonAction"))->trigger();
    QVERIFY(compare->isVisible());
    verifyTable(pinned.loadout, w.window->currentLoadout());
}

// The range chart under the comparison follows both loadouts, a pick and a
// new pin alike; from the keyboard, its marker moves from 0 m by the keys
// given, and a screen reader hears what reaches it, as the tooltip says.
void TestWindow::compareRangeChart_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("metres");
    QTest::newRow("Right") << QKeySequence(Qt::Key_Right) << 10;
    QTest::newRow("Shift+Right") << QKeySequence(Qt::SHIFT | Qt::Key_Right) << 100;
    QTest::newRow("Left at 0 m") << QKeySequence(Qt::Key_Left) << 0;
    QTest::newRow("End") << QKeySequence(Qt::Key_End) << 3000;
    QTest::newRow("End, Right, Shift+Left, Left")
        << QKeySequence(QStringLiteral("End, Right, Shift+Left, Left")) << 2890;
    QTest::newRow("Shift+Right thrice, Home")
        << QKeySequence(QStringLiteral("Shift+Right, Shift+Right, Shift+Right, Home")) << 0;
    QTest::newRow("PgUp twice") << QKeySequence(QStringLiteral("PgUp, PgUp")) << 1000;
    QTest::newRow("End, PgDown") << QKeySequence(QStringLiteral("End, PgDown")) << 2500;
    QTest::newRow("PgUp, PgDown twice")
        << QKeySequence(QStringLiteral("PgUp, PgDown, PgDown")) << 0;
}

void TestWindow::compareRangeChart() {
    QFETCH(QKeySequence, keys);
    QFETCH(int, metres);
    Window w;
    w.chooseVt("Prominence M2"); // its sub-weapons RAIL-A and MM are fixed
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D));
    auto* compare = w.window->findChild<CompareWindow*>(QStringLiteral("CompareWindow"));
    QVERIFY(compare);
    auto* chart = compare->findChild<CompareRangeChart*>(QStringLiteral("CompareRangeChart"));
    QVERIFY(chart && chart->isVisible());
    const auto lines = [chart] {
        QStringList shown;
        for (const ComparedLine& line : chart->geometry().lines)
            shown << QStringLiteral("%1 %2 %3")
                         .arg(line.pinned ? "pinned" : "current", line.label)
                         .arg(line.bar ? line.bar->width() : 0);
        return shown;
    };
    const QStringList fixed{"pinned RAIL-A 214", "current RAIL-A 214", "pinned MM 72",
                            "current MM 72"};
    QCOMPARE(lines(), fixed);

    const QString weapon = w.items("MWSelect1").value(1);
    const auto entry = std::find_if(MainWeapons.begin(), MainWeapons.end(),
                                    [&](const auto& e) { return toQString(e.ListText) == weapon; });
    QVERIFY(entry != MainWeapons.end());
    w.pick("MWSelect1", 1);
    const QString width = QString::number(chartX(entry->MaxRange) - chartX(entry->MinRange));
    QCOMPARE(lines(), (QStringList{"pinned Unarmed 0", "current " + weapon + " " + width} + fixed));

    compare->activateWindow();
    QVERIFY(
        QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == compare->windowHandle(); }));
    compare->findChild<QWidget*>(QStringLiteral("CompareTable"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), chart);
    for (int i = 0; i < keys.count(); ++i)
        QTest::keyClick(chart, keys[i].key(), keys[i].keyboardModifiers());
    QCOMPARE(chart->marker(), metres);
    LoadoutRanges pinned;
    pinned.vt = vantor::ProminenceM2;
    pinned.weapons[3] = {"RAIL-A", 0, 1500};
    pinned.weapons[4] = {"MM", 300, 800};
    LoadoutRanges current = pinned;
    current.weapons[0] = {weapon, entry->MinRange, entry->MaxRange};
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(chart);
    QVERIFY(heard && heard->valueInterface());
    QCOMPARE(heard->role(), QAccessible::Slider);
    QCOMPARE(heard->valueInterface()->currentValue().toInt(), metres);
    QCOMPARE(heard->text(QAccessible::Value), markerText(pinned, current, metres));
    // As text too, for a reader that takes a value as a number only.
    QVERIFY(heard->textInterface());
    QCOMPARE(heard->textInterface()->text(0, -1), markerText(pinned, current, metres));
    QVERIFY(heard->textInterface()->text(0, -1).startsWith(QStringLiteral("At %1 m").arg(metres)));
    QCOMPARE(heard->text(QAccessible::Description), describeRanges(pinned, current));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), chart->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(chart, &help);
    QCOMPARE(QToolTip::text(), markerText(pinned, current, metres));

    // A click puts the marker where it is; pinning again redraws the pinned side.
    QTest::mouseClick(chart, Qt::LeftButton, {},
                      QPoint(chart->geometry().xOf(700), chart->geometry().top));
    QCOMPARE(chart->marker(), 700);
    QCOMPARE(heard->text(QAccessible::Value), markerText(pinned, current, 700));
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D));
    QCOMPARE(lines().mid(0, 2),
             QStringList({"pinned " + weapon + " " + width, "current " + weapon + " " + width}));
}

// Each change of the comparison shows, and a screen reader hears, what its
// colour says: "better" for green, "worse" for red, nothing more otherwise.
void TestWindow::compareCellsSayTheirColour() {
    Window w;
    w.chooseVt("Colt");
    w.press(QKeySequence(Qt::CTRL | Qt::Key_D));
    w.chooseVt("Colt Executive");
    auto* view = w.window->findChild<QAbstractItemView*>(QStringLiteral("CompareTable"));
    QVERIFY(view);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    QVERIFY(table && table->tableInterface());
    const QAbstractItemModel* model = view->model();
    const int changeColumn = model->columnCount() - 1;
    QCOMPARE(model->headerData(changeColumn, Qt::Horizontal).toString(), QStringLiteral("Change"));
    int better = 0, worse = 0;
    for (int r = 0; r < model->rowCount(); ++r) {
        const QModelIndex change = model->index(r, changeColumn);
        const QVariant foreground = change.data(Qt::ForegroundRole);
        const QColor colour = foreground.typeId() == QMetaType::QColor
                                  ? foreground.value<QColor>()
                                  : foreground.value<QBrush>().color();
        // The colour's word is on screen, and read as shown.
        const QString shown = change.data().toString();
        QString word;
        if (foreground.isValid() && colour == ComparisonModel::BetterColour)
            word = QStringLiteral("better"), ++better;
        if (foreground.isValid() && colour == ComparisonModel::WorseColour)
            word = QStringLiteral("worse"), ++worse;
        QCOMPARE(shown.section(u' ', 1), word);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(r, changeColumn);
        QVERIFY(cell);
        // A blank change is heard as what it means.
        const bool same = model->index(r, ComparisonModel::PinnedColumn).data() ==
                          model->index(r, ComparisonModel::CurrentColumn).data();
        QCOMPARE(cell->text(QAccessible::Name), !shown.isEmpty() ? shown
                                                : same           ? QStringLiteral("No change")
                                                                 : QStringLiteral("Changed"));
    }
    QVERIFY(better > 0 && worse > 0);
    QVERIFY2(unnamedObjects(view->window()).isEmpty(),
             qPrintable(unnamedObjects(view->window()).join(u'\n')));
}

// With --font, prints the family the program's font resolves to.
int main(int argc, char* argv[]) {
    QTemporaryDir config;
    prepareDesktop(config);
    // Under qt6ct the desktop's settings stay on, so that qt6ct sends its font
    // and colours after start-up as to any program that takes them: the
    // program's look must hold all the same.
    if (desktopSetup != QLatin1String("qt6ct"))
        prepareVantorDesktopSettings();
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--font") == 0) {
        applyVantorAppearance(app);
        return std::printf("%s\n", qPrintable(QFontInfo(QApplication::font()).family())) < 0;
    }
    app.setAttribute(Qt::AA_Use96Dpi, true); // as QTEST_MAIN does
    TestWindow tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_window.moc"

// While a list is open each item says what picking it would do: beside its
// text, in its tooltip and in what a screen reader reads; closed, the items
// hold their own tips only, and the session keeps no preview.
void TestWindow::listPreviews() {
    Window w;
    w.chooseVt("Colt");
    // A list is still built only when first opened, where Qt leaves that to
    // the program: Qt 6.8 builds it as soon as the selector gets its model.
    if (QLibraryInfo::version() < QVersionNumber(6, 8))
        QVERIFY(!w.combo("SWSelect3")->findChild<QAbstractItemView*>());
    w.pick("MWSelect1", "270-RI");
    w.pick("FTSelect", "2 Fuel Tanks");
    QComboBox* c = w.combo("MWSelect2");
    const QString ownTip = c->itemData(2, Qt::ToolTipRole).toString();
    QCOMPARE(ownTip, weaponItemTip(*findWeapon(WeaponKind::Main, "4A-REC")));
    const SessionState before = w.window->captureState();

    c->showPopup();
    // 270-RI (3) and two tanks (4) make 7 of 12 / 15; a 77-REC (2) 9.
    const QString preview = "If picked: total load 9 of 12 / 15, VT OK (as now)";
    QCOMPARE(c->itemData(3, Qt::ToolTipRole).toString(),
             weaponItemTip(*findWeapon(WeaponKind::Main, "77-REC")) + "\n" + preview);
    QCOMPARE(c->itemData(3, PreviewChangeRole).toString(), QStringLiteral("+2"));
    QCOMPARE(c->itemData(3, PreviewStatusRole).toString(), QString());
    QCOMPARE(c->itemText(3), QStringLiteral("77-REC"));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(c->view());
    QVERIFY(list);
    QAccessibleInterface* cell = nullptr;
    for (int i = 0; i < list->childCount() && !cell; ++i)
        if (list->child(i)->text(QAccessible::Name) == "77-REC")
            cell = list->child(i);
    QVERIFY(cell);
    QCOMPARE(cell->text(QAccessible::Description), c->itemData(3, Qt::ToolTipRole).toString());
    c->hidePopup();
    QCOMPARE(c->itemData(3, Qt::ToolTipRole).toString(),
             weaponItemTip(*findWeapon(WeaponKind::Main, "77-REC")));
    QVERIFY(w.window->captureState() == before);

    // After a pick the list tells from the new loadout: MKR-LA (2) in slot 2
    // makes 9, so a 140-MG (3) in slot 3 gives 12.
    w.pick("MWSelect2", "MKR-LA");
    QComboBox* third = w.combo("MWSelect3");
    third->showPopup();
    const int mg = third->findText("140-MG");
    QCOMPARE(third->itemData(mg, PreviewTextRole).toString(),
             QStringLiteral("If picked: total load 12 of 12 / 15, VT OK (as now)"));
    const int unarmed = 0;
    QCOMPARE(third->itemData(unarmed, PreviewChangeRole).toString(), QStringLiteral("\u00b10"));
    third->hidePopup();
    w.pick("MWSelect3", "140-MG");
    QComboBox* fuel = w.combo("FTSelect");
    fuel->showPopup();
    // 12 with two tanks: no tanks makes 8.
    QCOMPARE(fuel->itemData(0, PreviewChangeRole).toString(), QStringLiteral("\u22124"));
    QCOMPARE(fuel->itemData(0, PreviewStatusRole).toString(), QString());
    fuel->hidePopup();
    // A DP-MIS (2) makes 14, STD OVER: no tanks gives VT OK again, drawn in
    // the status's colour.
    w.pick("SWSelect1", "DP-MIS");
    fuel->showPopup();
    QCOMPARE(fuel->itemData(0, PreviewStatusRole).toString(), QStringLiteral("\u2192 VT OK"));
    QCOMPARE(fuel->itemData(0, PreviewStatusColourRole).value<QColor>(),
             loadStatusColour(StatusVtOk));
    QCOMPARE(fuel->itemData(0, PreviewTextRole).toString(),
             QStringLiteral("If picked: total load 10 of 12 / 15, VT OK (now STD OVER)\n"
                            "Turn Speed 37.4 (now 46.9)\nTurn Rank 28th (now ~31st)"));
    // The list is wide enough for every item's text and preview.
    QAbstractItemView* view = fuel->view();
    QVERIFY(view->viewport()->width() >= view->sizeHintForColumn(0));
    fuel->hidePopup();

    // The VT list tells each VT's own figures.
    QCOMPARE(w.combo("VTSelect")->itemData(12, Qt::ToolTipRole).toString(),
             QStringLiteral("Standard load 15, maximum load 18, speed 168 mph, durability 4200, "
                            "turn speed 24.2 s."));
}

// A selector's list asks for its previews each time it opens and forgets
// them when it closes, whether Qt builds the list when it first opens or
// (as Qt 6.8 does) as soon as the selector gets its model.
void TestWindow::selectorListPreviews_data() {
    QTest::addColumn<bool>("builtWithModel");
    QTest::newRow("built when first opened") << false;
    QTest::newRow("built before its model") << true;
}

void TestWindow::selectorListPreviews() {
    QFETCH(bool, builtWithModel);
    QWidget parent;
    SelectorBox* box = makeSelectorBox(&parent, "TestSelect", {}, 121, {"A", "B"}, "A");
    if (builtWithModel)
        box->view();
    box->keepPreviews();
    int asked = 0;
    connect(box, &SelectorBox::listOpened, box, [box, &asked] {
        box->setItemPreview(1, {QStringLiteral("+%1").arg(++asked), {}, {}, "If picked"});
    });
    parent.show();
    for (int opened = 1; opened <= 2; ++opened) {
        QVERIFY(!box->listOpen());
        box->showPopup();
        QVERIFY(box->listOpen());
        QCOMPARE(box->itemData(1, PreviewChangeRole).toString(), QStringLiteral("+%1").arg(opened));
        QCOMPARE(box->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("If picked"));
        box->hidePopup();
        QVERIFY(box->itemData(1, PreviewChangeRole).isNull());
        QVERIFY(box->itemData(1, Qt::ToolTipRole).isNull());
    }
    QCOMPARE(box->currentText(), QStringLiteral("A"));
}

void TestWindow::previewsMatchPicks_data() {
    QTest::addColumn<QString>("vt");
    QTest::addColumn<QStringList>("setup"); // selector=item picks before
    QTest::newRow("Colt, advanced mount set") << "Colt" << QStringList{"OPSelect1=Advanced Mount"};
    QTest::newRow("Garpike, mounts") << "Garpike"
                                     << QStringList{"SWSelect1=AVTM", "OPSelect2=Additional Mount",
                                                    "OPLSelect2=2", "MWSelect1=270-AR"};
    QTest::newRow("Prominence M2, MM launched")
        << "Prominence M2"
        << QStringList{"F1", "MWSelect1=355-SB", "OPSelect1=Mechanical Unit", "OPLSelect1=1"};
    QTest::newRow("Prominence M3") << "Prominence M3" << QStringList{"FTSelect=2 Fuel Tanks"};
    QTest::newRow("Jaralaccs NSR, balancer")
        << "Jaralaccs NSR"
        << QStringList{"OPSelect2=Advanced Balancer", "OPLSelect2=3", "MWSelect1=430-SB",
                       "MWSelect2=430-SB", "OPSelect1=Advanced Mount"};
}

// Every item of every list that can be opened: what its preview says equals
// what really picking it makes of the loadout.
void TestWindow::previewsMatchPicks() {
    QFETCH(QString, vt);
    QFETCH(QStringList, setup);
    Window w;
    w.chooseVt(vt);
    for (const QString& step : setup) {
        if (step == "F1") {
            w.click("F1Button");
            continue;
        }
        w.pick(qPrintable(step.section('=', 0, 0)), step.section('=', 1));
    }
    const SessionState start = w.window->captureState();
    static const char* const names[] = {"FTSelect",   "OPSelect1", "OPLSelect1", "OPSelect2",
                                        "OPLSelect2", "MWSelect1", "MWSelect2",  "MWSelect3",
                                        "SWSelect1",  "SWSelect2", "SWSelect3"};
    int compared = 0;
    for (const char* name : names) {
        QComboBox* c = w.combo(name);
        if (!c->isEnabled())
            continue;
        c->showPopup();
        QStringList texts, changes;
        for (int item = 0; item < c->count(); ++item) {
            texts << c->itemData(item, PreviewTextRole).toString();
            changes << c->itemData(item, PreviewChangeRole).toString();
        }
        c->hidePopup();
        for (int item = 0; item < c->count(); ++item) {
            const Loadout before = w.window->currentLoadout();
            w.pick(name, item);
            const PickPreview real = comparePick(before, w.window->currentLoadout());
            QCOMPARE(texts[item], previewText(real));
            QCOMPARE(changes[item], loadChangeText(real.loadChange()));
            ++compared;
            w.window->restoreState(start);
            QVERIFY(w.window->currentLoadout() == start.loadout);
        }
    }
    QVERIFY(compared > 20);
}

// The catalogue window as a user meets it: opened by its keys, sorted by a
// header click and from the keyboard, filtered, a VT and a weapon picked into
// the main window and taken back, a refused pick explained, the rows copied.
void TestWindow::catalogueWindow() {
    Window w;
    w.chooseVt("Colt");
    QVERIFY(!w.window->findChild<CatalogueWindow*>()); // nothing while never opened
    QWidget* const mainFocus = QApplication::focusWidget();
    QVERIFY(w.window->findChild<QAction*>("BrowseAction"));
    QCOMPARE(w.window->findChild<QAction*>("BrowseAction")->text(),
             QStringLiteral("Browse VTs and Weapons"));
    w.press(QKeySequence(Qt::CTRL | Qt::Key_B));
    auto* catalogue = w.window->findChild<CatalogueWindow*>("CatalogueWindow");
    QVERIFY(catalogue && catalogue->isVisible());
    QVERIFY(catalogue->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(catalogue->windowTitle(), QStringLiteral("Vantor - Catalogue"));
    catalogue->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(catalogue));
    QVERIFY2(unnamedObjects(catalogue).isEmpty(),
             qPrintable(unnamedObjects(catalogue).join(u'\n')));

    // Tab goes as the window reads: on the weapons page, the slot above the table.
    QVERIFY(QTest::qWaitFor(
        [&] { return QGuiApplication::focusWindow() == catalogue->windowHandle(); }));
    auto* tabs = catalogue->findChild<QTabWidget*>("CatalogueTabs");
    tabs->setCurrentIndex(1);
    catalogue->findChild<QLineEdit*>("CatalogueFilter")->setFocus();
    QStringList reached;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    // and from Copy back to the filters.
    QCOMPARE(reached, (QStringList{"FactionFilter", tabs->tabBar()->objectName(),
                                   "WeaponSlotSelect", "WeaponTable", "CatalogueCopyButton",
                                   "CatalogueFilter", "FactionFilter"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CatalogueCopyButton"));
    tabs->setCurrentIndex(0);

    auto* vts = catalogue->findChild<QTableView*>("VtTable");
    QAbstractItemModel* shown = vts->model();
    QCOMPARE(shown->rowCount(), VtCount);
    QCOMPARE(shown->index(0, 0).data().toString(), QStringLiteral("Colt"));
    QVERIFY(shown->index(0, 0).data(Qt::FontRole).value<QFont>().bold()); // the VT in the window
    QVERIFY(!shown->index(1, 0).data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(shown->index(0, VtTableModel::StandardLoadColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral("22nd of 31 VTs, shared with Decider Volcanic, Scareface A1, Blade "
                            "and Prominence M3."));
    QCOMPARE(shown->index(0, VtTableModel::TurnSpeedColumn).data().toString(),
             QStringLiteral("37.4"));

    // A header click sorts up by the figure, equal figures in catalogue order;
    // a second click reverses.
    QHeaderView* header = vts->horizontalHeader();
    const auto clickHeader = [header](int column) {
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
    };
    const auto column = [shown](int c) {
        QStringList cells;
        for (int r = 0; r < shown->rowCount(); ++r)
            cells << shown->index(r, c).data().toString();
        return cells;
    };
    vts->scrollTo(shown->index(0, VtTableModel::StandardLoadColumn));
    clickHeader(VtTableModel::StandardLoadColumn);
    QCOMPARE(column(0).mid(0, 2), (QStringList{"Prominence M2", "Sheepdog"}));
    QCOMPARE(column(VtTableModel::StandardLoadColumn).last(), QStringLiteral("38"));
    clickHeader(VtTableModel::StandardLoadColumn);
    QCOMPARE(column(0).first(), QStringLiteral("Juggernaut"));
    QCOMPARE(column(0).mid(VtCount - 2), (QStringList{"Prominence M2", "Sheepdog"}));
    QCOMPARE(QAccessible::queryAccessibleInterface(vts)->text(QAccessible::Description),
             QStringLiteral("Sorted by Standard Load, descending."));
    QCOMPARE(shown
                 ->headerData(VtTableModel::StandardLoadColumn, Qt::Horizontal,
                              Qt::AccessibleDescriptionRole)
                 .toString(),
             QStringLiteral("Sorted descending"));
    // What a screen reader reads for the column header.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(vts);
    QString headerHeard;
    for (int i = 0; i < table->childCount(); ++i)
        if (QAccessibleInterface* cell = table->child(i);
            cell && cell->role() == QAccessible::ColumnHeader &&
            cell->text(QAccessible::Name) == "Standard Load")
            headerHeard = cell->text(QAccessible::Description);
    QCOMPARE(headerHeard, QStringLiteral("Sorted descending"));

    // From the keyboard: Ctrl+S on a cell sorts by its column, again reverses.
    vts->setFocus();
    vts->setCurrentIndex(shown->index(0, VtTableModel::MaxSpeedColumn));
    QTest::keyClick(vts, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(column(VtTableModel::MaxSpeedColumn).first(), QStringLiteral("117"));
    QTest::keyClick(vts, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(column(VtTableModel::MaxSpeedColumn).first(), QStringLiteral("200"));
    // A screen reader is told of the cell the keyboard reaches, counted as
    // the table counts its children.
    vts->setCurrentIndex(shown->index(0, VtTableModel::MaxSpeedColumn));
    QTest::keyClick(vts, Qt::Key_Down);
    QAccessibleInterface* focused = table->focusChild();
    QVERIFY(focused && focused->tableCellInterface());
    QCOMPARE(focused->tableCellInterface()->rowIndex(), 1);
    QCOMPARE(focused->tableCellInterface()->columnIndex(), int(VtTableModel::MaxSpeedColumn));
    QCOMPARE(focused->text(QAccessible::Name), column(VtTableModel::MaxSpeedColumn).at(1));
    QCOMPARE(table->indexOfChild(focused),
             PlainTableView::accessibleChildIndex(vts, vts->currentIndex()));
    QCOMPARE(table->child(table->indexOfChild(focused)), focused);
    QCOMPARE(table->childCount(), (shown->rowCount() + 1) * shown->columnCount());
    const QList<QAccessibleInterface*> captions =
        focused->tableCellInterface()->columnHeaderCells();
    QCOMPARE(captions.size(), 1);
    QCOMPARE(captions[0]->text(QAccessible::Name), QStringLiteral("Max Speed"));
    // A reader's select action on a cell selects its row, as a click does.
    QAccessibleInterface* third = table->tableInterface()->cellAt(2, 0);
    third->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(table->tableInterface()->selectedRows(), QList<int>{2});
    QCOMPARE(table->tableInterface()->selectedCellCount(), shown->columnCount());

    // Filters: any part of the name, and the faction.
    auto* filter = catalogue->findChild<QLineEdit*>("CatalogueFilter");
    QTest::keyClicks(filter, "jar");
    QCOMPARE(shown->rowCount(), 3);
    filter->clear();
    auto* faction = catalogue->findChild<QComboBox*>("FactionFilter");
    faction->setCurrentIndex(faction->findText("Right Brothers"));
    int rightBrothers = 0;
    for (const VtEntry& vt : VtCatalogue)
        rightBrothers += vt.faction == Faction::RightBrothers;
    QCOMPARE(shown->rowCount(), rightBrothers);
    QCOMPARE(rightBrothers, 6);
    faction->setCurrentIndex(0);
    QCOMPARE(shown->rowCount(), VtCount);

    // Copy: the rows as shown, with the captions.
    filter->setText("colt");
    QTest::mouseClick(catalogue->findChild<QPushButton*>("CatalogueCopyButton"), Qt::LeftButton);
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(copied.size(), 3);
    QVERIFY(copied[0].startsWith("VT\tFaction\tGeneration\tAvailability\tStandard Load\t"));
    QVERIFY(copied[0].endsWith("\tFuel Tanks\tFixed Weapons"));
    QVERIFY(copied[1].startsWith("Colt Executive\tRight Brothers\t1st Gen\tTurn 3\t13\t16\t134"));
    QVERIFY(copied[2].startsWith("Colt\tRight Brothers\t1st Gen\tTurn 3\t12\t15\t128"));
    filter->clear();

    // Enter picks a VT as the VT selector would, as one step.
    const int garpike = column(0).indexOf("Garpike");
    vts->setCurrentIndex(shown->index(garpike, 0));
    QTest::keyClick(vts, Qt::Key_Return);
    QCOMPARE(w.combo("VTSelect")->currentText(), QStringLiteral("Garpike"));
    QCOMPARE(w.window->currentLoadout().VTIndex, 12);
    QVERIFY(shown->index(garpike, 0).data(Qt::FontRole).value<QFont>().bold());
    QTest::keyClick(vts, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.combo("VTSelect")->currentText(), QStringLiteral("Colt"));
    QVERIFY(!shown->index(garpike, 0).data(Qt::FontRole).value<QFont>().bold());

    // The weapons of the Colt: what each would make of the loadout in the slot.
    tabs->setCurrentIndex(1);
    auto* weapons = catalogue->findChild<QTableView*>("WeaponTable");
    auto* slot = catalogue->findChild<QComboBox*>("WeaponSlotSelect");
    QAbstractItemModel* list = weapons->model();
    QCOMPARE(list->rowCount(), 7 + 4);
    const auto rowOf = [list](const QString& name) {
        for (int r = 0; r < list->rowCount(); ++r)
            if (list->index(r, 0).data().toString() == name)
                return r;
        return -1;
    };
    const int mg = rowOf("140-MG");
    QCOMPARE(list->index(mg, WeaponTableModel::SlotsColumn).data().toString(),
             QStringLiteral("1, 2, 3"));
    QCOMPARE(list->index(mg, WeaponTableModel::TotalIfPickedColumn).data().toString(),
             QStringLiteral("3"));
    w.pick("FTSelect", "2 Fuel Tanks"); // followed at once
    w.pick("SWSelect1", "DP-MIS");
    QCOMPARE(list->index(mg, WeaponTableModel::TotalIfPickedColumn).data().toString(),
             QStringLiteral("9"));
    QCOMPARE(list->index(mg, WeaponTableModel::StatusIfPickedColumn).data().toString(),
             QStringLiteral("VT OK"));
    const int rifle = rowOf("270-RI");
    slot->setCurrentIndex(3); // Sub-Weapon # 1: no main weapon goes there
    QCOMPARE(list->index(mg, WeaponTableModel::TotalIfPickedColumn).data().toString(),
             NotAvailable);
    QTest::mouseDClick(weapons->viewport(), Qt::LeftButton, {},
                       weapons->visualRect(list->index(mg, 0)).center());
    QCOMPARE(w.combo("MWSelect1")->currentText(), QStringLiteral("Unarmed"));
    QCOMPARE(catalogue->findChild<QLabel*>("CatalogueReasonLabel")->text(),
             QStringLiteral("140-MG is a main weapon; Sub-Weapon # 1 takes sub-weapons."));

    // A double-click picks the weapon into the chosen slot, as one step.
    slot->setCurrentIndex(2);
    QCOMPARE(list->index(rifle, WeaponTableModel::TotalIfPickedColumn).data().toString(),
             QStringLiteral("9"));
    QTest::mouseDClick(weapons->viewport(), Qt::LeftButton, {},
                       weapons->visualRect(list->index(rifle, 0)).center());
    QCOMPARE(w.combo("MWSelect3")->currentText(), QStringLiteral("270-RI"));
    QCOMPARE(w.window->currentLoadout().TotalLoad, 9u);
    QCOMPARE(w.text("TotalLoadLabel"), QStringLiteral("9"));
    QCOMPARE(catalogue->findChild<QLabel*>("CatalogueReasonLabel")->text(), QString());
    QTest::keyClick(weapons, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w.combo("MWSelect3")->currentText(), QStringLiteral("Unarmed"));
    QCOMPARE(w.window->currentLoadout().TotalLoad, 6u);

    // A fixed slot keeps its weapon.
    w.chooseVt("Garpike");
    slot->setCurrentIndex(4);
    const int avtm = rowOf("AVTM");
    weapons->setFocus();
    weapons->setCurrentIndex(list->index(avtm, 0));
    QTest::keyClick(weapons, Qt::Key_Return);
    QCOMPARE(w.combo("SWSelect2")->currentText(), QStringLiteral("BANG-N"));
    QCOMPARE(catalogue->findChild<QLabel*>("CatalogueReasonLabel")->text(),
             QStringLiteral("Sub-Weapon # 2 holds a fixed weapon, which cannot be changed."));
    QCOMPARE(list->index(rowOf("BANG-N"), WeaponTableModel::SlotsColumn).data().toString(),
             QStringLiteral("2 (fixed)"));

    // F6 goes back to the main window, where the keyboard was, and leaves this one open.
    QTest::keyClick(weapons, Qt::Key_F6);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::focusWidget() == mainFocus; }));
    QVERIFY(catalogue->isVisible());
    catalogue->activateWindow();
    QVERIFY(QTest::qWaitFor([&] { return catalogue->isAncestorOf(QApplication::focusWidget()); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!catalogue->isVisible());
}

void TestWindow::quitWhileSearchingEveryVt_data() {
    QTest::addColumn<int>("wait");         // milliseconds after the last search began
    QTest::addColumn<bool>("closeFinder"); // Escape on the finder first
    for (const int wait : {0, 1, 2, 4, 8, 16, 32, 64})
        for (const bool close : {false, true})
            QTest::addRow("%d ms%s", wait, close ? ", finder closed" : "") << wait << close;
}

// Searches of every VT run on worker threads and answer on the window's
// thread. Quitting, or closing the finder and quitting, while they run or
// just as they end, in many rounds: every search ends before the window is
// gone, and none answers into a window no longer there.
void TestWindow::quitWhileSearchingEveryVt() {
    QFETCH(int, wait);
    QFETCH(bool, closeFinder);
    for (int round = 0; round < 3; ++round) {
        auto w = std::make_unique<Window>();
        w->chooseVt(QStringLiteral("Garpike"));
        w->press(QKeySequence(Qt::CTRL | Qt::Key_F));
        auto* finder = w->window->findChild<FinderWindow*>(QStringLiteral("FinderWindow"));
        QVERIFY(finder && finder->isVisible());
        auto* scope = finder->findChild<QComboBox*>(QStringLiteral("FinderScopeSelect"));
        auto* rank = finder->findChild<QComboBox*>(QStringLiteral("FinderRankSelect"));
        scope->setCurrentIndex(1); // Every VT
        // A newer search cancels the one before; the last one runs on.
        for (int r = 1; r <= 3; ++r)
            rank->setCurrentIndex((round + r) % rank->count());
        const QDeadlineTimer deadline(wait);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents();
        if (closeFinder) {
            QTest::keyClick(finder, Qt::Key_Escape);
            QVERIFY(!finder->isVisible());
        }
        w.reset();
        // What the workers posted for the window, had they outlived it.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
