#pragma once

// The one window of the program: the selectors, the result views, the
// advanced pages and their handlers. Every handler reads the widgets, calls a
// step of a subsystem on the loadout record, and shows the result.

#include "app/PictureCache.h"
#include "app/Platform.h"
#include "model/Loadout.h"
#include "model/VtCatalogue.h"
#include "reports/Reports.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TCGauge;

namespace vantor {
struct LoadoutDisplay;
struct WeaponInfo;
} // namespace vantor

class TVantor : public QWidget {
    Q_OBJECT

public:
    // The frame and caption that the designed whole-window heights include.
    static constexpr int FrameWidth = 8;
    static constexpr int FrameHeight = 34;
    static constexpr int ClientWidth = 704;

    // The window takes ownership of `platform`; null means the real desktop.
    explicit TVantor(QWidget* parent = nullptr, std::unique_ptr<Platform> platform = {});
    ~TVantor() override;

    const vantor::Loadout& loadout() const { return state; }
    // The designed whole-window height the window is locked at.
    int windowHeight() const { return height() + FrameHeight; }

private:
    // Component tree, built once by the constructor.
    void buildComponents();
    void buildLeftPanel();
    void buildSelectionGroups();
    void buildViews();
    void buildLoadoutGroup();
    void buildStatsGroup();
    void buildRankGroup();
    void buildGraphGroup();
    void buildMiddlePanel();
    void buildPages();
    void buildWeaponPage();
    void buildPartsPage();
    void buildRangePage();
    void buildReportPages();
    void buildMiscPage();
    void fillIconKey();
    void nameComponentsForScreenReaders();
    void setKeyboardOrder();
    void fillRangeWeaponSelect();
    void connectHandlers();

    // Runs one handler; the errors it meets are shown together in one message
    // once it ends, and the program goes on.
    void guarded(const std::function<void()>& handler);
    void showError(const QString& message);
    void setWindowHeight(int wholeWindowHeight);

    // Views and pages.
    void showView(QPushButton* button, QWidget* view);
    void showPage(QPushButton* button, QWidget* group, QWidget* panel, int height);
    std::array<QPushButton*, 6> pageButtons() const;
    void openAdvancedArea();
    void setTitle(int left, const QString& text, QPushButton* logo);
    static QString makerAddressText();
    static QString fanAddressText();
    void LoadoutButtonClick();
    void StatsButtonClick();
    void RankButtonClick();
    void GraphButtonClick();
    void ImageButtonClick();
    void AdvFunctionButtonClick();
    void WeaponPageButtonClick();
    void WeaponRangeButtonClick();
    void PartsPageButtonClick();
    void ForumPageButtonClick();
    void HtmlPageButtonClick();
    void MiscPageButtonClick();
    void ShowWeaponInfoPage();

    // About box and links.
    void AboutButtonClick();
    void CorvaneButtonClick();
    void KerrowButtonClick();
    void PellumButtonClick();
    void PellumFButtonClick();

    // VT selection and recomputation.
    void VTSelectChange();
    void PrepareSelectors(bool enabled);
    void RecomputeLoadout();
    void LoadVTPicture();
    void showLoadout(const vantor::LoadoutDisplay& display);
    void installWeapons(int vt);

    // Weapons.
    void MWSelectChange(int slot);
    void SWSelectChange(int slot);
    void restoreHeldItem(QComboBox* selector);
    void showWeaponInfo(const vantor::WeaponInfo& info);
    void ShowMainWeaponInfo(QComboBox* selector, int row);
    void ShowSubWeaponInfo(QComboBox* selector, int row);
    void FixedMW2ButtonClick();
    void FixedSWButtonClick(int slot);
    void F1ButtonClick();

    // Optional parts and fuel tanks.
    void OPSelectChange(int slot);
    void OPLSelectChange(int slot);
    void ShowOptionalPart(int slot);
    void applyIconRules();
    void FTSelectChange();
    void drawIcon(QLabel* image, int picture);

    // Range chart.
    void RangeButtonClick(int button);
    void RangeWeaponSelectChange();
    void RangeDistanceModifierButtonClick();
    void RangeAllOnButtonClick();
    void RangeAllOffButtonClick();
    bool distanceModifiersShown() const;
    void restoreRangePicture();
    void setRangeButtonCaption(int button, const QString& caption);
    void resetRangeBar(int button, const QString& weapon);
    // The bar of range button `button` (MW1..MW3, SW1..SW3); the comparison
    // bar sits between the main- and sub-weapon bars.
    static constexpr int barOfButton(int button) { return button < 3 ? button : button + 1; }

    // Faction intel.
    void showFaction(vantor::Faction faction);
    void FactionButtonClick();
    void showFactionIntel();

    // Reports.
    void resetReports();
    vantor::PictureSource pictureSource() const;
    void HtmlGenerateButtonClick();
    void HtmlClearButtonClick();
    void HtmlToClipboardButtonClick();
    void SpeedButton6Click();
    void VTImageRadioGroupClick();
    void ForumGenerateButtonClick();
    void ForumRichEditClearButtonClick();
    void ForumToClipBoardButtonClick();

    std::unique_ptr<Platform> platform;
    int handlersRunning = 0;   // guarded handlers on the stack
    QStringList pendingErrors; // met by the running handler, shown when it ends
    vantor::Loadout state;
    std::array<QPixmap, 18> opImageList;
    QHash<QString, QLabel*> valueLabels;         // the views' labels by name
    PictureCache pictures;                       // VT pictures and flags as read from disk
    std::optional<vantor::Faction> intelFaction; // of the VT chosen
    std::optional<vantor::Faction> shownIntel;   // whose intel FactionRichEdit holds
    static constexpr int NoPicture = -2;
    int shownPicture = NoPicture; // VT whose picture VTImage holds

    // Panels.
    QFrame* MainPanel = nullptr;
    QFrame* TopPanel = nullptr;
    QFrame* LeftPanel = nullptr;
    QFrame* RightPanel = nullptr;
    QFrame* MiddlePanel = nullptr;
    QFrame* BottomPanel = nullptr;
    QFrame* BottomLeftPanel = nullptr;

    // Left top panel.
    QPushButton* AboutButton = nullptr;
    QLabel* TitleLabel = nullptr;
    QPushButton* CorvaneButton = nullptr;
    QPushButton* KerrowButton = nullptr;
    QPushButton* PellumButton = nullptr;
    QPushButton* AdvFunctionButton = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QComboBox* VTSelect = nullptr;
    QGroupBox* GroupBox5 = nullptr;
    QComboBox* FTSelect = nullptr;
    QLabel* FuelTankImage = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QComboBox* OPSelect1 = nullptr;
    QComboBox* OPLSelect1 = nullptr;
    QComboBox* OPSelect2 = nullptr;
    QComboBox* OPLSelect2 = nullptr;
    QLabel* Op1Image = nullptr;
    QLabel* Op2Image = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    std::array<QComboBox*, 3> MWSelect{};
    QPushButton* FixedMW2Button = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    std::array<QComboBox*, 3> SWSelect{};
    std::array<QPushButton*, 3> FixedSWButton{};
    QPushButton* F1Button = nullptr;

    // Right top panel: view buttons and views.
    QPushButton* LoadoutButton = nullptr;
    QPushButton* StatsButton = nullptr;
    QPushButton* RankButton = nullptr;
    QPushButton* GraphButton = nullptr;
    QPushButton* ImageButton = nullptr;
    QGroupBox* LoadoutGroup = nullptr;
    QGroupBox* StatsGroup = nullptr;
    QGroupBox* RankGroup = nullptr;
    QGroupBox* GraphGroup = nullptr;
    QLabel* VTImage = nullptr;

    QLabel* VTStandardLoadLabel = nullptr;
    QLabel* VTMaximumLoadLabel = nullptr;
    QLabel* FuelTankLoadLabel = nullptr;
    QLabel* MainWeaponLoadLabel = nullptr;
    QLabel* SubWeaponLoadLabel = nullptr;
    QLabel* OptionalPartsStandardBonusLabel = nullptr;
    QLabel* OptionalPartsMaximumBonusLabel = nullptr;
    QLabel* TotalLoadLabel = nullptr;
    QLabel* Label9 = nullptr;

    QLabel* VTMaximumSpeedLabel = nullptr;
    QLabel* VTDurabilityLabel = nullptr;
    QLabel* VTBalancerRatingLabel = nullptr;
    QLabel* VTTurnSpeedLabel = nullptr;
    QLabel* VTVeeringEfficiencyLabel = nullptr;
    QLabel* VTTorqueRatingLabel = nullptr;
    QLabel* VTFuelEfficiencyLabel = nullptr;
    QLabel* VTAvailabilityLabel = nullptr;
    QLabel* VTSupplyPointCostLabel = nullptr;
    QLabel* VTSortiePointCostLabel = nullptr;
    QLabel* GenerationLabel = nullptr;
    QLabel* FactionLabel = nullptr;

    std::array<QLabel*, vantor::RankCount> rankLabels{};
    std::array<TCGauge*, 11> gauges{};

    // Page buttons.
    QPushButton* WeaponPageButton = nullptr;
    QPushButton* WeaponRangeButton = nullptr;
    QPushButton* PartsPageButton = nullptr;
    QPushButton* ForumPageButton = nullptr;
    QPushButton* HtmlPageButton = nullptr;
    QPushButton* MiscPageButton = nullptr;

    // Pages: a group on the left and a panel on the right each.
    QGroupBox* WeaponInfoGroup = nullptr;
    QPlainTextEdit* WeaponInfoRichEdit = nullptr;
    QFrame* WeaponStatsPanel = nullptr;
    QLabel* WeaponNameLabel = nullptr;
    QLabel* DamageLabel = nullptr;
    QLabel* RangeLabel = nullptr;
    QLabel* AmmoLabel = nullptr;
    QLabel* ClipLabel = nullptr;
    QLabel* GuidedLabel = nullptr;
    QLabel* WeaponWeightLabel = nullptr;

    QGroupBox* PartsGroup = nullptr;
    QPlainTextEdit* PartInfoRichEdit = nullptr;
    QFrame* PartStatsPanel = nullptr;
    QLabel* PartNameLabel = nullptr;
    QLabel* BonusLabel = nullptr;
    QLabel* AmountLabel = nullptr;
    QLabel* Level1Label = nullptr;
    QLabel* Level2Label = nullptr;
    QLabel* Level3Label = nullptr;
    QLabel* UnitLabel = nullptr;

    QGroupBox* RangeGroup = nullptr;
    QLabel* RangeImage = nullptr;
    QImage rangePicture;                // what RangeImage shows, outline included
    QImage builtInRange;                // the chart compiled into the program
    QImage pristineRange;               // Images/Range.bmp as read, without outline
    QPixmap pristineRangePixmap;        // the same, ready to show
    std::array<QLabel*, 7> rangeBars{}; // MW1..MW3, compare, SW1..SW3
    QLabel* FDMLabel = nullptr;
    QLabel* SDMLabel = nullptr;
    QLabel* RDMLabel = nullptr;
    QLabel* SHLDMLabel = nullptr;
    QFrame* RangePanel = nullptr;
    QPushButton* RangeAllOnButton = nullptr;
    QPushButton* RangeAllOffButton = nullptr;
    std::array<QPushButton*, 6> rangeButtons{}; // MW1..MW3, SW1..SW3
    QComboBox* RangeWeaponSelect = nullptr;
    QPushButton* RangeDistanceModifierButton = nullptr;

    QGroupBox* HtmlGroup = nullptr;
    QPlainTextEdit* HtmlRichEdit = nullptr;
    QFrame* HtmlPanel = nullptr;
    QPushButton* HtmlGenerateButton = nullptr;
    QPushButton* HtmlClearButton = nullptr;
    QPushButton* HtmlToClipboardButton = nullptr;
    QPushButton* SpeedButton6 = nullptr;
    QGroupBox* VTImageRadioGroup = nullptr;
    QButtonGroup* vtImageChoice = nullptr;

    QGroupBox* ForumGroup = nullptr;
    QPlainTextEdit* ForumRichEdit = nullptr;
    QFrame* ForumPanel = nullptr;
    QPushButton* ForumGenerateButton = nullptr;
    QPushButton* ForumRichEditClearButton = nullptr;
    QPushButton* ForumToClipBoardButton = nullptr;
    QPushButton* PellumFButton = nullptr;

    QGroupBox* IconKeyGroup = nullptr;
    QListWidget* IconKeyListView = nullptr;
    QGroupBox* MiscGroup = nullptr;
    QPlainTextEdit* FactionRichEdit = nullptr;
    QFrame* FactionPanel = nullptr;
    QPushButton* FactionButton = nullptr;
    QLabel* FactionImage = nullptr;
};
