// The component tree of the window: every component with its name, place,
// caption, items and start state, as designed in pixels for an 11-pixel font.

#include "app/Accessibility.h"
#include "app/TVantor.h"
#include "controls/Cgauges.h"
#include "equipment/OptionalParts.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QFont boldFont(QWidget* w, int pixelSize = 0) {
    QFont f = w->font();
    f.setBold(true);
    if (pixelSize > 0)
        f.setPixelSize(pixelSize);
    return f;
}

QFrame* makePanel(QWidget* parent, const char* name, QRect rect) {
    auto* p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameShape(QFrame::NoFrame);
    p->setGeometry(rect);
    return p;
}

QGroupBox* makeGroup(QWidget* parent, const char* name, const QString& title, QRect rect) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(rect);
    // Groups that share one spot must hide what lies beneath them.
    g->setAutoFillBackground(true);
    return g;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint at, int width = 0,
                  int height = 14) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    l->move(at);
    if (width > 0)
        l->resize(width, height);
    else
        l->adjustSize();
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}

// A drop-down list that also accepts typed text. Typed text is resolved by the
// handlers, so nothing is inserted and no completion rewrites what was typed.
QComboBox* makeSelector(QWidget* parent, const char* name, QPoint at, int width,
                        const QStringList& items, const QString& text) {
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->setGeometry(at.x(), at.y(), width, 21);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setEditText(text);
    return c;
}

QLabel* makeImage(QWidget* parent, const char* name, QRect rect) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(rect);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QPlainTextEdit* makeTextBox(QWidget* parent, const char* name, bool readOnly) {
    auto* t = new QPlainTextEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setGeometry(10, 16, 498, 136);
    t->setReadOnly(readOnly);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return t;
}

const QString NA = QStringLiteral("N/A");

} // namespace

void TVantor::buildComponents() {
    MainPanel = makePanel(this, "MainPanel", QRect(0, 0, 704, 511));
    TopPanel = makePanel(MainPanel, "TopPanel", QRect(0, 0, 704, 290));
    LeftPanel = makePanel(TopPanel, "LeftPanel", QRect(0, 0, 437, 290));
    RightPanel = makePanel(TopPanel, "RightPanel", QRect(437, 0, 267, 290));
    MiddlePanel = makePanel(MainPanel, "MiddlePanel", QRect(0, 290, 704, 44));
    BottomPanel = makePanel(MainPanel, "BottomPanel", QRect(0, 334, 704, 177));
    BottomLeftPanel = makePanel(BottomPanel, "BottomLeftPanel", QRect(0, 0, 545, 177));

    buildLeftPanel();
    buildSelectionGroups();
    buildViews();
    buildMiddlePanel();
    buildPages();
    nameComponentsForScreenReaders();
    setKeyboardOrder();
}

// Tab moves through the window as it reads: the title row, the selection
// column, the weapon column, the views, the page buttons, then the page.
void TVantor::setKeyboardOrder() {
    const QList<QWidget*> order = {
        AboutButton,
        CorvaneButton,
        KerrowButton,
        PellumButton,
        AdvFunctionButton,
        VTSelect,
        FTSelect,
        OPSelect1,
        OPLSelect1,
        OPSelect2,
        OPLSelect2,
        MWSelect[0],
        MWSelect[1],
        FixedMW2Button,
        MWSelect[2],
        SWSelect[0],
        FixedSWButton[0],
        F1Button,
        SWSelect[1],
        FixedSWButton[1],
        SWSelect[2],
        FixedSWButton[2],
        LoadoutButton,
        StatsButton,
        RankButton,
        GraphButton,
        ImageButton,
        WeaponPageButton,
        WeaponRangeButton,
        PartsPageButton,
        ForumPageButton,
        HtmlPageButton,
        MiscPageButton,
        WeaponInfoRichEdit,
        PartInfoRichEdit,
        RangeAllOnButton,
        RangeAllOffButton,
        rangeButtons[0],
        rangeButtons[1],
        rangeButtons[2],
        RangeWeaponSelect,
        rangeButtons[3],
        rangeButtons[4],
        rangeButtons[5],
        RangeDistanceModifierButton,
        ForumRichEdit,
        ForumGenerateButton,
        ForumRichEditClearButton,
        ForumToClipBoardButton,
        PellumFButton,
        HtmlRichEdit,
        HtmlGenerateButton,
        HtmlClearButton,
        HtmlToClipboardButton,
        SpeedButton6,
        vtImageChoice->button(0),
        vtImageChoice->button(1),
        IconKeyListView,
        FactionRichEdit,
        FactionButton,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Components whose caption does not say what they are get a name a screen
// reader can announce; captioned buttons are announced by their caption.
void TVantor::nameComponentsForScreenReaders() {
    const std::pair<const char*, const char*> names[] = {
        {"AboutButton", "About Vantor"},
        {"CorvaneButton", "Open the Corvane web site"},
        {"KerrowButton", "Open the Kerrow research site"},
        {"PellumButton", "Open the Pellum fan site"},
        {"VTSelect", "Vertical Tank Selection"},
        {"FTSelect", "Fuel Tank Selection"},
        {"FuelTankImage", "Fuel tank icon"},
        {"OPSelect1", "Optional Part 1"},
        {"OPLSelect1", "Optional Part 1 Level"},
        {"OPSelect2", "Optional Part 2"},
        {"OPLSelect2", "Optional Part 2 Level"},
        {"Op1Image", "Optional part 1 icon"},
        {"Op2Image", "Optional part 2 icon"},
        {"MWSelect1", "Main Weapon 1"},
        {"MWSelect2", "Main Weapon 2"},
        {"MWSelect3", "Main Weapon 3"},
        {"SWSelect1", "Sub Weapon 1"},
        {"SWSelect2", "Sub Weapon 2"},
        {"SWSelect3", "Sub Weapon 3"},
        {"FixedMW2Button", "Describe the fixed main weapon 2"},
        {"FixedSW1Button", "Describe the fixed sub-weapon 1"},
        {"FixedSW2Button", "Describe the fixed sub-weapon 2"},
        {"FixedSW3Button", "Describe the fixed sub-weapon 3"},
        {"F1Button", "Launch the MM"},
        {"VTImage", "VT picture"},
        {"WeaponInfoRichEdit", "Last Selected Weapon Description"},
        {"PartInfoRichEdit", "Last Selected Optional Part Description"},
        {"RangeImage", "Weapons Range chart"},
        {"RangeWeaponSelect", "Comparison weapon"},
        {"HtmlRichEdit", "Html Code"},
        {"ForumRichEdit", "Forum Code"},
        {"IconKeyListView", "Icon Key"},
        {"FactionRichEdit", "Faction Intel"},
        {"FactionImage", "Faction flag"},
    };
    for (auto [objectName, name] : names)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(objectName)))
            w->setAccessibleName(QString::fromLatin1(name));
}

void TVantor::buildLeftPanel() {
    AboutButton = makeButton(LeftPanel, "AboutButton", QStringLiteral("?"), QRect(16, 16, 22, 17));
    AboutButton->setFont(boldFont(AboutButton));

    TitleLabel = makeLabel(LeftPanel, "TitleLabel", QString(), QPoint(78, 16));
    QFont title = boldFont(TitleLabel, 13);
    title.setUnderline(true);
    TitleLabel->setFont(title);

    CorvaneButton = makeButton(LeftPanel, "CorvaneButton", QString(), QRect(212, 10, 30, 30));
    KerrowButton = makeButton(LeftPanel, "KerrowButton", QString(), QRect(213, 8, 30, 30));
    PellumButton = makeButton(LeftPanel, "PellumButton", QString(), QRect(213, 8, 30, 30));
    const std::pair<QPushButton*, const char*> logos[] = {
        {CorvaneButton, ":/art/corvane.png"},
        {KerrowButton, ":/art/kerrow.png"},
        {PellumButton, ":/art/pellum.png"},
    };
    for (auto [button, picture] : logos) {
        button->setIcon(QIcon(QString::fromLatin1(picture)));
        button->setIconSize(QSize(25, 25));
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
    }
    KerrowButton->hide();
    PellumButton->hide();

    AdvFunctionButton =
        makeButton(LeftPanel, "AdvFunctionButton", QStringLiteral("Open Advanced Functions"),
                   QRect(256, 12, 177, 17));
    AdvFunctionButton->setEnabled(false);
}

void TVantor::buildSelectionGroups() {
    GroupBox3 = makeGroup(LeftPanel, "GroupBox3", QStringLiteral("Vertical Tank Selection"),
                          QRect(16, 40, 233, 62));
    QStringList vtNames;
    for (const auto& vt : vantor::VtCatalogue)
        vtNames << QString::fromUtf8(vt.selectorName.data(), qsizetype(vt.selectorName.size()));
    VTSelect =
        makeSelector(GroupBox3, "VTSelect", QPoint(16, 24), 201, vtNames, QStringLiteral("VT"));
    VTSelect->setMaxVisibleItems(16);

    GroupBox5 = makeGroup(LeftPanel, "GroupBox5", QStringLiteral("Fuel Tank Selection"),
                          QRect(16, 104, 233, 57));
    FTSelect = makeSelector(GroupBox5, "FTSelect", QPoint(16, 20), 121, {}, QStringLiteral("Fuel"));
    FTSelect->setEnabled(false);
    FuelTankImage = makeImage(GroupBox5, "FuelTankImage", QRect(147, 10, 73, 41));

    GroupBox4 = makeGroup(LeftPanel, "GroupBox4", QStringLiteral("Optional Part Selection"),
                          QRect(16, 167, 233, 121));
    const QStringList levels{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    QStringList parts;
    for (const auto& part : vantor::OptionalParts)
        parts << QString::fromUtf8(part.selectorText.data(), qsizetype(part.selectorText.size()));
    OPSelect1 = makeSelector(GroupBox4, "OPSelect1", QPoint(16, 20), 121, parts,
                             QStringLiteral("Optional Part # 1"));
    OPLSelect1 = makeSelector(GroupBox4, "OPLSelect1", QPoint(64, 44), 73, levels, NA);
    OPSelect2 = makeSelector(GroupBox4, "OPSelect2", QPoint(16, 68), 121, parts,
                             QStringLiteral("Optional Part # 2"));
    OPLSelect2 = makeSelector(GroupBox4, "OPLSelect2", QPoint(64, 92), 73, levels, NA);
    for (auto* c : {OPSelect1, OPLSelect1, OPSelect2, OPLSelect2})
        c->setEnabled(false);
    Op1Image = makeImage(GroupBox4, "Op1Image", QRect(147, 22, 73, 41));
    Op2Image = makeImage(GroupBox4, "Op2Image", QRect(147, 70, 73, 41));

    GroupBox1 = makeGroup(LeftPanel, "GroupBox1", QStringLiteral("Main Weapon Selection"),
                          QRect(256, 40, 177, 121));
    GroupBox2 = makeGroup(LeftPanel, "GroupBox2", QStringLiteral("Sub-Weapon Selection"),
                          QRect(256, 167, 177, 121));
    static const char* const mwNames[] = {"MWSelect1", "MWSelect2", "MWSelect3"};
    static const char* const swNames[] = {"SWSelect1", "SWSelect2", "SWSelect3"};
    static const char* const fixedNames[] = {"FixedSW1Button", "FixedSW2Button", "FixedSW3Button"};
    const int rowY[] = {24, 52, 80};
    const int fixedY[] = {24, 53, 80};
    for (int i = 0; i < 3; ++i) {
        MWSelect[i] = makeSelector(GroupBox1, mwNames[i], QPoint(24, rowY[i]), 121, {},
                                   QStringLiteral("Main Weapon # %1").arg(i + 1));
        MWSelect[i]->setEnabled(false);
        SWSelect[i] = makeSelector(GroupBox2, swNames[i], QPoint(24, rowY[i]), 121, {},
                                   QStringLiteral("Sub-Weapon # %1").arg(i + 1));
        SWSelect[i]->setEnabled(false);
        FixedSWButton[i] = makeButton(GroupBox2, fixedNames[i], QStringLiteral("?"),
                                      QRect(149, fixedY[i], 22, 20));
    }
    FixedMW2Button =
        makeButton(GroupBox1, "FixedMW2Button", QStringLiteral("?"), QRect(149, 52, 22, 20));
    F1Button = makeButton(GroupBox2, "F1Button", QStringLiteral("F1"), QRect(3, 53, 20, 19));
    for (auto* b :
         {FixedMW2Button, FixedSWButton[0], FixedSWButton[1], FixedSWButton[2], F1Button}) {
        b->setFlat(true);
        b->hide();
    }
}

void TVantor::buildViews() {
    struct ViewButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
    };
    const ViewButton buttons[] = {
        {&LoadoutButton, "LoadoutButton", "LoadOut", 5},
        {&StatsButton, "StatsButton", "Stats", 55},
        {&RankButton, "RankButton", "Ranks", 105},
        {&GraphButton, "GraphButton", "Graphs", 155},
        {&ImageButton, "ImageButton", "Image", 205},
    };
    for (const auto& b : buttons) {
        *b.button = makeButton(RightPanel, b.name, QString::fromLatin1(b.caption),
                               QRect(b.left, 12, 50, 17));
        (*b.button)->setEnabled(false);
    }

    // The picture lies under the four groups; the load data group covers it at start.
    VTImage = makeImage(RightPanel, "VTImage", QRect(5, 45, 248, 242));
    buildLoadoutGroup();
    buildStatsGroup();
    buildRankGroup();
    buildGraphGroup();
    StatsGroup->hide();
    RankGroup->hide();
    GraphGroup->hide();
}

void TVantor::buildLoadoutGroup() {
    LoadoutGroup = makeGroup(RightPanel, "LoadoutGroup", QStringLiteral("Loadout Data"),
                             QRect(5, 40, 249, 248));
    const std::tuple<QLabel**, const char*, const char*> rows[] = {
        {&VTStandardLoadLabel, "VTStandardLoadLabel", "VT Standard Load:"},
        {&VTMaximumLoadLabel, "VTMaximumLoadLabel", "VT Maximum Load:"},
        {&FuelTankLoadLabel, "FuelTankLoadLabel", "Fuel Tank Load:"},
        {&MainWeaponLoadLabel, "MainWeaponLoadLabel", "Main Weapon Load:"},
        {&SubWeaponLoadLabel, "SubWeaponLoadLabel", "Sub Weapon Load:"},
        {&OptionalPartsStandardBonusLabel, "OptionalPartsStandardBonusLabel",
         "Optional Part Standard Bonus:"},
        {&OptionalPartsMaximumBonusLabel, "OptionalPartsMaximumBonusLabel",
         "Optional Part Maximum Bonus:"},
        {&TotalLoadLabel, "TotalLoadLabel", "Total Load:"},
    };
    int y = 20;
    for (const auto& [label, name, caption] : rows) {
        auto* c = makeLabel(LoadoutGroup, nullptr, QString::fromLatin1(caption), QPoint(8, y));
        *label = makeLabel(LoadoutGroup, name, NA, QPoint(200, y), 45);
        announceWithCaption(*label, c->text());
        y += 24;
    }
    Label9 = makeLabel(LoadoutGroup, "Label9", NA, QPoint(2, y - 2), 245, 20);
    Label9->setFont(boldFont(Label9, 16));
    Label9->setAlignment(Qt::AlignCenter);
    announceWithCaption(Label9, QStringLiteral("Load status:"));
}

void TVantor::buildStatsGroup() {
    StatsGroup =
        makeGroup(RightPanel, "StatsGroup", QStringLiteral("Statistics"), QRect(5, 40, 249, 248));
    const std::tuple<QLabel**, const char*, const char*> rows[] = {
        {&VTMaximumSpeedLabel, "VTMaximumSpeedLabel", "Maximum Speed (mph - no overide):"},
        {&VTDurabilityLabel, "VTDurabilityLabel", "Durability (hit points):"},
        {&VTBalancerRatingLabel, "VTBalancerRatingLabel", "Balancer Rating (20 = max):"},
        {&VTTurnSpeedLabel, "VTTurnSpeedLabel", "Turn Speed (seconds):"},
        {&VTVeeringEfficiencyLabel, "VTVeeringEfficiencyLabel", "Veering Efficiency (20 = max):"},
        {&VTTorqueRatingLabel, "VTTorqueRatingLabel", "Torque Rating (20 = max):"},
        {&VTFuelEfficiencyLabel, "VTFuelEfficiencyLabel", "Fuel Efficiency (20 = max):"},
        {&VTAvailabilityLabel, "VTAvailabilityLabel", "Availability (campaign):"},
        {&VTSupplyPointCostLabel, "VTSupplyPointCostLabel", "Supply Point Cost:"},
        {&VTSortiePointCostLabel, "VTSortiePointCostLabel", "Sortie Point Cost:"},
    };
    int y = 20;
    for (const auto& [label, name, caption] : rows) {
        auto* c = makeLabel(StatsGroup, nullptr, QString::fromLatin1(caption), QPoint(8, y));
        *label = makeLabel(StatsGroup, name, NA, QPoint(195, y), 50);
        announceWithCaption(*label, c->text());
        y += 20;
    }
    GenerationLabel = makeLabel(StatsGroup, "GenerationLabel", NA, QPoint(8, y), 60, 16);
    GenerationLabel->setFont(boldFont(GenerationLabel));
    FactionLabel = makeLabel(StatsGroup, "FactionLabel", NA, QPoint(91, y), 150, 18);
    FactionLabel->setFont(boldFont(FactionLabel, 16));
    FactionLabel->setAlignment(Qt::AlignCenter);
    announceWithCaption(GenerationLabel, QStringLiteral("Generation:"));
    announceWithCaption(FactionLabel, QStringLiteral("Faction:"));
}

void TVantor::buildRankGroup() {
    RankGroup = makeGroup(RightPanel, "RankGroup", QStringLiteral("Rankings (out of 31)"),
                          QRect(5, 40, 249, 248));
    static const char* const names[vantor::RankCount] = {
        "StandardRankLabel", "MaximumRankLabel", "SpeedRankLabel",   "DurabilityRankLabel",
        "BalancerRankLabel", "TurnRankLabel",    "VeeringRankLabel", "TorqueRankLabel",
        "FuelRankLabel",     "SupplyRankLabel",  "SortieRankLabel",
    };
    static const char* const captions[vantor::RankCount] = {
        "Standard Capacity:", "Maximum Capacity:", "Speed:",
        "Durability:",        "Balancer:",         "Turn:",
        "Veering:",           "Torque:",           "Fuel Efficiency:",
        "Supply Cost:",       "Sortie Cost:",
    };
    for (int i = 0; i < vantor::RankCount; ++i) {
        const int y = 20 + 20 * i;
        auto* c = makeLabel(RankGroup, nullptr, QString::fromLatin1(captions[i]), QPoint(8, y));
        rankLabels[i] = makeLabel(RankGroup, names[i], NA, QPoint(195, y), 34);
        announceWithCaption(rankLabels[i], c->text());
    }
}

void TVantor::buildGraphGroup() {
    GraphGroup =
        makeGroup(RightPanel, "GraphGroup", QStringLiteral("Graphs"), QRect(5, 40, 249, 248));
    struct GaugeRow {
        const char* name;
        const char* caption;
        int min;
        int max;
        QColor fore;
    };
    const QColor silver(0xC0, 0xC0, 0xC0);
    const QColor navy(0, 0, 0x80);
    const GaugeRow rows[] = {
        {"StandardCapacityGauge", "Standard Capacity:", 0, 44, silver},
        {"MaximumCapacityGauge", "Maximum Capacity:", 0, 46, silver},
        {"SpeedGauge", "Speed:", 0, 200, Qt::black},
        {"DurabilityGauge", "Durability:", 0, 19500, Qt::black},
        {"BalancerGauge", "Balancer:", 0, 26, Qt::black},
        {"TurnGauge", "Turn:", 15, 40, Qt::black},
        {"VeeringGauge", "Veering:", 0, 26, Qt::black},
        {"TorqueGauge", "Torque:", 0, 20, Qt::black},
        {"FuelGauge", "Fuel Efficiency:", 0, 19, Qt::black},
        {"SupplyPointGauge", "Supply Cost:", 1, 400, navy},
        {"SortieCostGauge", "Sortie Cost:", 10, 100, navy},
    };
    for (int i = 0; i < 11; ++i) {
        const auto& r = rows[i];
        const int y = 20 + 20 * i;
        makeLabel(GraphGroup, nullptr, QString::fromLatin1(r.caption), QPoint(8, y));
        auto* g = new TCGauge(GraphGroup);
        g->setObjectName(QString::fromLatin1(r.name));
        g->setAccessibleName(QString::fromLatin1(r.caption).remove(QLatin1Char(':')));
        g->setGeometry(110, y, 129, 14);
        // Stored order: minimum before maximum, progress last.
        g->SetForeColor(r.fore);
        g->SetMinValue(r.min);
        g->SetMaxValue(r.max);
        g->SetProgress(r.min);
        gauges[i] = g;
    }
}

void TVantor::buildMiddlePanel() {
    struct PageButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        int left;
        int width;
    };
    const PageButton buttons[] = {
        {&WeaponPageButton, "WeaponPageButton", "Weapon Info", 16, 118},
        {&WeaponRangeButton, "WeaponRangeButton", "Weapon Range Info", 133, 118},
        {&PartsPageButton, "PartsPageButton", "Optional Parts Info", 250, 118},
        {&ForumPageButton, "ForumPageButton", "Forum Code Generator", 367, 118},
        {&HtmlPageButton, "HtmlPageButton", "Html Generator", 484, 118},
        {&MiscPageButton, "MiscPageButton", "Miscellaneous", 601, 86},
    };
    for (const auto& b : buttons)
        *b.button = makeButton(MiddlePanel, b.name, QString::fromLatin1(b.caption),
                               QRect(b.left, 15, b.width, 17));
}

void TVantor::buildPages() {
    buildWeaponPage();
    buildPartsPage();
    buildRangePage();
    buildReportPages();
    buildMiscPage();
    for (QWidget* w :
         {static_cast<QWidget*>(WeaponInfoGroup), static_cast<QWidget*>(WeaponStatsPanel),
          static_cast<QWidget*>(PartsGroup), static_cast<QWidget*>(PartStatsPanel),
          static_cast<QWidget*>(RangeGroup), static_cast<QWidget*>(RangePanel),
          static_cast<QWidget*>(HtmlGroup), static_cast<QWidget*>(HtmlPanel),
          static_cast<QWidget*>(ForumGroup), static_cast<QWidget*>(ForumPanel),
          static_cast<QWidget*>(IconKeyGroup), static_cast<QWidget*>(MiscGroup)})
        w->hide();
}

void TVantor::buildWeaponPage() {
    WeaponInfoGroup =
        makeGroup(BottomLeftPanel, "WeaponInfoGroup",
                  QStringLiteral("Last Selected Weapon Description"), QRect(16, 4, 520, 164));
    WeaponInfoRichEdit = makeTextBox(WeaponInfoGroup, "WeaponInfoRichEdit", true);

    WeaponStatsPanel = makePanel(BottomPanel, "WeaponStatsPanel", QRect(545, 0, 159, 177));
    WeaponNameLabel = makeLabel(WeaponStatsPanel, "WeaponNameLabel", NA, QPoint(8, 8), 148, 28);
    WeaponNameLabel->setFont(boldFont(WeaponNameLabel, 24));
    announceWithCaption(WeaponNameLabel, QStringLiteral("Weapon:"));
    const std::tuple<QLabel**, const char*, const char*> rows[] = {
        {&DamageLabel, "DamageLabel", "Damage:"},
        {&RangeLabel, "RangeLabel", "Range:"},
        {&AmmoLabel, "AmmoLabel", "Ammunition:"},
        {&ClipLabel, "ClipLabel", "Magazines:"},
        {&GuidedLabel, "GuidedLabel", "Guided:"},
        {&WeaponWeightLabel, "WeaponWeightLabel", "Weight:"},
    };
    int y = 44;
    for (const auto& [label, name, caption] : rows) {
        auto* c = makeLabel(WeaponStatsPanel, nullptr, QString::fromLatin1(caption), QPoint(8, y));
        *label = makeLabel(WeaponStatsPanel, name, NA, QPoint(80, y), 75);
        announceWithCaption(*label, c->text());
        y += 20;
    }
}

void TVantor::buildPartsPage() {
    PartsGroup = makeGroup(BottomLeftPanel, "PartsGroup",
                           QStringLiteral("Last Selected Optional Part Description"),
                           QRect(16, 4, 520, 164));
    PartInfoRichEdit = makeTextBox(PartsGroup, "PartInfoRichEdit", true);

    PartStatsPanel = makePanel(BottomPanel, "PartStatsPanel", QRect(545, 0, 159, 177));
    PartNameLabel = makeLabel(PartStatsPanel, "PartNameLabel", NA, QPoint(8, 8), 150, 18);
    PartNameLabel->setFont(boldFont(PartNameLabel, 13));
    announceWithCaption(PartNameLabel, QStringLiteral("Optional part:"));
    const auto row = [this](const char* caption, QLabel** value, const char* name, int x, int y) {
        auto* c = makeLabel(PartStatsPanel, nullptr, QString::fromLatin1(caption), QPoint(8, y));
        *value = makeLabel(PartStatsPanel, name, NA, QPoint(x, y), 155 - x);
        announceWithCaption(*value, c->text());
    };
    row("Bonus To:", &BonusLabel, "BonusLabel", 64, 28);
    row("Amount:", &AmountLabel, "AmountLabel", 64, 48);
    auto* available =
        makeLabel(PartStatsPanel, nullptr, QStringLiteral("Available From:"), QPoint(8, 68));
    available->setFont(boldFont(available));
    available->adjustSize();
    row("Level 1", &Level1Label, "Level1Label", 88, 88);
    row("Level 2", &Level2Label, "Level2Label", 88, 108);
    row("Level 3", &Level3Label, "Level3Label", 88, 128);
    row("Unit", &UnitLabel, "UnitLabel", 88, 148);
}

void TVantor::buildRangePage() {
    RangeGroup = makeGroup(BottomLeftPanel, "RangeGroup", QStringLiteral("Weapons Range"),
                           QRect(16, 4, 520, 164));
    RangeImage = makeImage(RangeGroup, "RangeImage", QRect(10, 16, 498, 136));
    builtInRange = QImage(QStringLiteral(":/art/Range.bmp")).convertToFormat(QImage::Format_RGB32);
    rangePicture = builtInRange;
    RangeImage->setPixmap(QPixmap::fromImage(rangePicture));

    static const char* const barNames[] = {"RangeMW1Label",     "RangeMW2Label", "RangeMW3Label",
                                           "RangeCompareLabel", "RangeSW1Label", "RangeSW2Label",
                                           "RangeSW3Label"};
    for (int i = 0; i < 7; ++i) {
        rangeBars[i] = makeImage(RangeGroup, barNames[i], QRect(10 + 68, 16, 0, 4));
        rangeBars[i]->setAutoFillBackground(true);
        rangeBars[i]->hide();
    }
    const std::pair<QLabel**, const char*> modifierLabels[] = {{&FDMLabel, "FDMLabel"},
                                                               {&SDMLabel, "SDMLabel"},
                                                               {&RDMLabel, "RDMLabel"},
                                                               {&SHLDMLabel, "SHLDMLabel"}};
    for (auto [label, name] : modifierLabels) {
        *label = makeLabel(RangeGroup, name, QString(), QPoint(10, 16));
        (*label)->setAutoFillBackground(true);
        (*label)->hide();
    }

    RangePanel = makePanel(BottomPanel, "RangePanel", QRect(545, 0, 159, 177));
    RangeAllOnButton =
        makeButton(RangePanel, "RangeAllOnButton", QStringLiteral("All On"), QRect(20, 7, 52, 17));
    RangeAllOffButton = makeButton(RangePanel, "RangeAllOffButton", QStringLiteral("All Off"),
                                   QRect(73, 7, 52, 17));
    static const char* const buttonNames[] = {"MW1RangeButton", "MW2RangeButton", "MW3RangeButton",
                                              "SW1RangeButton", "SW2RangeButton", "SW3RangeButton"};
    const int buttonY[] = {24, 42, 60, 99, 117, 135};
    for (int i = 0; i < 6; ++i)
        rangeButtons[i] = makeButton(RangePanel, buttonNames[i], QStringLiteral("Unarmed"),
                                     QRect(20, buttonY[i], 105, 17));
    RangeWeaponSelect =
        makeSelector(RangePanel, "RangeWeaponSelect", QPoint(21, 77), 104, {}, QString());
    RangeDistanceModifierButton =
        makeButton(RangePanel, "RangeDistanceModifierButton", QStringLiteral("Distance Modifier"),
                   QRect(20, 152, 105, 17));
}

void TVantor::buildReportPages() {
    HtmlGroup = makeGroup(BottomLeftPanel, "HtmlGroup", QStringLiteral("Html Code"),
                          QRect(16, 4, 520, 164));
    HtmlRichEdit = makeTextBox(HtmlGroup, "HtmlRichEdit", false);
    HtmlRichEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    HtmlPanel = makePanel(BottomPanel, "HtmlPanel", QRect(545, 0, 159, 177));
    HtmlGenerateButton = makeButton(HtmlPanel, "HtmlGenerateButton",
                                    QStringLiteral("Generate Html"), QRect(20, 10, 119, 21));
    HtmlClearButton = makeButton(HtmlPanel, "HtmlClearButton", QStringLiteral("Clear Html"),
                                 QRect(20, 34, 119, 21));
    HtmlToClipboardButton = makeButton(HtmlPanel, "HtmlToClipboardButton",
                                       QStringLiteral("Copy to Clipboard"), QRect(20, 58, 119, 21));
    SpeedButton6 = makeButton(HtmlPanel, "SpeedButton6", QStringLiteral("Launch in IE"),
                              QRect(20, 82, 119, 21));
    VTImageRadioGroup = makeGroup(HtmlPanel, "VTImageRadioGroup", QStringLiteral("VT Images"),
                                  QRect(20, 106, 119, 66));
    vtImageChoice = new QButtonGroup(VTImageRadioGroup);
    const char* const sources[] = {"Local", "Internet"};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(sources[i]), VTImageRadioGroup);
        r->setObjectName(QStringLiteral("VTImage%1Radio").arg(QString::fromLatin1(sources[i])));
        r->setGeometry(10, 22 + 20 * i, 100, 17);
        vtImageChoice->addButton(r, i);
    }
    vtImageChoice->button(0)->setChecked(true);

    ForumGroup = makeGroup(BottomLeftPanel, "ForumGroup", QStringLiteral("Forum Code"),
                           QRect(16, 4, 520, 164));
    ForumRichEdit = makeTextBox(ForumGroup, "ForumRichEdit", false);
    ForumRichEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    ForumPanel = makePanel(BottomPanel, "ForumPanel", QRect(545, 0, 159, 177));
    ForumGenerateButton = makeButton(ForumPanel, "ForumGenerateButton",
                                     QStringLiteral("Generate Forum Code"), QRect(20, 10, 119, 21));
    ForumRichEditClearButton =
        makeButton(ForumPanel, "ForumRichEditClearButton", QStringLiteral("Clear Forum Code"),
                   QRect(20, 34, 119, 21));
    ForumToClipBoardButton =
        makeButton(ForumPanel, "ForumToClipBoardButton", QStringLiteral("Copy To Clipboard"),
                   QRect(20, 58, 119, 21));
    PellumFButton = makeButton(ForumPanel, "PellumFButton", QStringLiteral("Launch Pellum Forum"),
                               QRect(20, 82, 119, 21));
}

void TVantor::buildMiscPage() {
    IconKeyGroup = makeGroup(BottomLeftPanel, "IconKeyGroup", QStringLiteral("Icon Key"),
                             QRect(16, 4, 520, 164));
    IconKeyListView = new QListWidget(IconKeyGroup);
    IconKeyListView->setObjectName(QStringLiteral("IconKeyListView"));
    IconKeyListView->setGeometry(10, 16, 498, 136);
    IconKeyListView->setIconSize(QSize(73, 41));
    IconKeyListView->setSelectionMode(QAbstractItemView::NoSelection);
    IconKeyListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long captions wrap within the one column instead of scrolling sideways.
    IconKeyListView->setWordWrap(true);
    IconKeyListView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    MiscGroup = makeGroup(BottomLeftPanel, "MiscGroup", QStringLiteral("Faction Intel"),
                          QRect(16, 4, 520, 164));
    FactionRichEdit = makeTextBox(MiscGroup, "FactionRichEdit", true);

    FactionPanel = makePanel(BottomPanel, "FactionPanel", QRect(545, 0, 159, 177));
    FactionButton = makeButton(FactionPanel, "FactionButton", QStringLiteral("Show Faction Info"),
                               QRect(17, 24, 111, 17));
    FactionImage = makeImage(FactionPanel, "FactionImage", QRect(17, 63, 115, 75));
}

void TVantor::fillIconKey() {
    // Each caption starts on a new line so it sits beside the middle of its picture.
    const std::pair<int, const char*> entries[] = {
        {15, "STD Increased:  Signifies that your VT is receiving a bonus to it's load bearing "
             "cababilities"},
        {1, "MAX Increased:  Signifies that your VT is receiving a bonus to it's maximum load "
            "bearing cababilities"},
        {2, "STD & MAX Increased:  Signifies that your VT is receiving a bonus to it's standard "
            "and maximum load bearing cababilities"},
        {3, "Balancer Rating Increased:  Signifies that your VT is receiving a bonus to it's "
            "balancing cababilities"},
        {4, "Durability Rating Increased:  Signifies that your VT is receiving a bonus to it's "
            "toughness"},
        {5, "Veering Efficiency Increased:  Signifies that your VT is receiving a bonus to it's "
            "battery recovery time"},
        {6, "Combat Points Increased:  Signifies that your pilot will receive a bonus amount of "
            "combat points"},
        {7, "Supply Points Increased:  Signifies that your pilot will receive a bonus amount of "
            "supply points"},
        {8, "Sortie Points Increased:  Signifies that your team will receive a bonus amount of "
            "sortie points"},
        {9, "Distance Modifier Increased:  Signifies that your VT is receiving a bonus to it's "
            "armour characteristics"},
        {10, "Radar Feature Added:  Signifies that your VT will have enhanced radar"},
        {11, "Anti-Shock feature Added:  Signifies that your VT is invunerable to electrical "
             "weapon attacks"},
        {12, "Combat Points Boost:  Signifies that your pilot will achive the next rank at the end "
             "of the mission"},
        {13, "Anti-Death Feature Added:  Signifies that your VT will not be lost if destroyed"},
        {14, "Base Capture Boost:  Signifies that your VT will be able to capture bases in just "
             "50% of the regular time"},
        {16, "Single Fuel Tank:  Signifies that your VT is carrying a single additional fuel cell"},
        {17, "Dual Fuel Tanks:  Signifies that your VT is carrying two additional fuel cells"},
    };
    for (const auto& [picture, caption] : entries)
        new QListWidgetItem(QIcon(opImageList[picture]),
                            QStringLiteral("\n ") + QString::fromLatin1(caption), IconKeyListView);
}
