#include "app/areas/InfoPages.h"

#include "app/areas/PartIcons.h"
#include "app/areas/Widgets.h"
#include "app/desktop/Accessibility.h"
#include "app/desktop/HandlerGuard.h"
#include "equipment/IconKey.h"
#include "equipment/OptionalParts.h"
#include "factions/Factions.h"
#include "model/Text.h"
#include "weapons/WeaponSelection.h"

#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

const QString ShowIntelCaption = QStringLiteral("Show Faction Info");
const QString ShowKeyCaption = QStringLiteral("Show Icon Key");

void setBoxText(QPlainTextEdit* box, const QString& text) {
    if (box->toPlainText() == text)
        return;
    box->clear();
    box->appendPlainText(text);
}

// The icon key's entries never change, and their captions wrap over several
// lines, which costs more to lay out than all the rest of the page: each
// entry is drawn once for each look it takes (its size, its state) and kept.
// The picture carries the list's background, on which the entries stand.
class KeptItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const Look look{index.row(),        option.rect.size(),
                        int(option.state),  option.palette.cacheKey(),
                        qHash(option.font), ratio};
        QPixmap& picture = kept[look];
        if (picture.isNull()) {
            picture = QPixmap(option.rect.size() * ratio);
            picture.setDevicePixelRatio(ratio);
            picture.fill(option.palette.color(QPalette::Base));
            QPainter drawing(&picture);
            drawing.setFont(painter->font());
            drawing.setPen(painter->pen());
            QStyleOptionViewItem atOrigin = option;
            atOrigin.rect.moveTopLeft(QPoint(0, 0));
            QStyledItemDelegate::paint(&drawing, atOrigin, index);
        }
        painter->drawPixmap(option.rect.topLeft(), picture);
    }

private:
    struct Look {
        int row;
        QSize size;
        int state;
        qint64 palette;
        size_t font;
        qreal ratio;
        bool operator==(const Look&) const = default;
    };
    friend size_t qHash(const Look& look, size_t seed = 0) {
        return qHashMulti(seed, look.row, look.size.width(), look.size.height(), look.state,
                          look.palette, look.font, look.ratio);
    }
    mutable QHash<Look, QPixmap> kept;
};

} // namespace

InfoPages::InfoPages(QWidget* groups_, QWidget* panels_, HandlerGuard& guard_, QObject* owner)
    : QObject(owner), groups(groups_), panels(panels_), guard(guard_) {
    current.weapon = {NotAvailable,
                      {NotAvailable, NotAvailable, NotAvailable, NotAvailable, NotAvailable},
                      NotAvailable,
                      QString()};
    current.part = {NotAvailable, NotAvailable,
                    NotAvailable, {NotAvailable, NotAvailable, NotAvailable},
                    NotAvailable, QString()};
}

void InfoPages::build() {
    if (built())
        return;
    buildWeaponPage(groups, panels);
    buildPartsPage(groups, panels);
    buildMiscPage(groups, panels);
    guard.connect(factionButton, &QPushButton::clicked, this, [this] { toggleFactionIntel(); });
    renderWeapon();
    renderPart();
    renderFlag();
}

void InfoPages::buildWeaponPage(QWidget* groups, QWidget* panels) {
    weaponGroup = makeGroup(groups, "WeaponInfoGroup",
                            QStringLiteral("Last Selected Weapon Description"), PageGroupRect);
    weaponText = makeTextBox(weaponGroup, "WeaponInfoRichEdit", true);
    weaponText->setAccessibleName(QStringLiteral("Last Selected Weapon Description"));

    weaponPanel = makePanel(panels, "WeaponStatsPanel", "Weapon Info", PagePanelRect);
    weaponName = makeLabel(weaponPanel, "WeaponNameLabel", NotAvailable, QPoint(8, 8), 148, 28);
    weaponName->setFont(boldFont(weaponName, 24));
    announceWithCaption(weaponName, QStringLiteral("Weapon:"));
    const std::pair<const char*, const char*> rows[] = {
        {"DamageLabel", "Damage:"},  {"RangeLabel", "Range:"},   {"AmmoLabel", "Ammunition:"},
        {"ClipLabel", "Magazines:"}, {"GuidedLabel", "Guided:"}, {"WeaponWeightLabel", "Weight:"},
    };
    int y = 44;
    for (int i = 0; i < 6; ++i) {
        auto* c =
            makeLabel(weaponPanel, nullptr, QString::fromLatin1(rows[i].second), QPoint(8, y));
        QLabel* value = makeLabel(weaponPanel, rows[i].first, NotAvailable, QPoint(80, y), 75);
        announceWithCaption(value, c->text());
        (i < 5 ? weaponFigures[i] : weaponWeight) = value;
        y += 20;
    }
    weaponGroup->hide();
    weaponPanel->hide();
}

void InfoPages::buildPartsPage(QWidget* groups, QWidget* panels) {
    partGroup = makeGroup(groups, "PartsGroup",
                          QStringLiteral("Last Selected Optional Part Description"), PageGroupRect);
    partText = makeTextBox(partGroup, "PartInfoRichEdit", true);
    partText->setAccessibleName(QStringLiteral("Last Selected Optional Part Description"));

    partPanel = makePanel(panels, "PartStatsPanel", "Optional Parts Info", PagePanelRect);
    partName = makeLabel(partPanel, "PartNameLabel", NotAvailable, QPoint(8, 8), 150, 18);
    partName->setFont(boldFont(partName, 13));
    announceWithCaption(partName, QStringLiteral("Optional part:"));
    const auto row = [this](const char* caption, const char* name, int x, int y) {
        auto* c = makeLabel(partPanel, nullptr, QString::fromLatin1(caption), QPoint(8, y));
        QLabel* value = makeLabel(partPanel, name, NotAvailable, QPoint(x, y), 155 - x);
        announceWithCaption(value, c->text());
        return value;
    };
    partBonus = row("Bonus To:", "BonusLabel", 64, 28);
    partAmount = row("Amount:", "AmountLabel", 64, 48);
    auto* available =
        makeLabel(partPanel, nullptr, QStringLiteral("Available From:"), QPoint(8, 68));
    available->setFont(boldFont(available));
    available->adjustSize();
    partLevels[0] = row("Level 1", "Level1Label", 88, 88);
    partLevels[1] = row("Level 2", "Level2Label", 88, 108);
    partLevels[2] = row("Level 3", "Level3Label", 88, 128);
    partUnit = row("Unit", "UnitLabel", 88, 148);
    partGroup->hide();
    partPanel->hide();
}

void InfoPages::buildMiscPage(QWidget* groups, QWidget* panels) {
    iconKeyGroup = makeGroup(groups, "IconKeyGroup", QStringLiteral("Icon Key"), PageGroupRect);
    iconKey = new QListWidget(iconKeyGroup);
    iconKey->setObjectName(QStringLiteral("IconKeyListView"));
    iconKey->setAccessibleName(QStringLiteral("Icon Key"));
    iconKey->setGeometry(10, 16, 498, 136);
    iconKey->setIconSize(QSize(73, 41));
    iconKey->setSelectionMode(QAbstractItemView::NoSelection);
    iconKey->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Long captions wrap within the one column instead of scrolling sideways.
    iconKey->setWordWrap(true);
    iconKey->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    iconKey->setItemDelegate(new KeptItemDelegate(iconKey));
    // Each caption starts on a new line so it sits beside the middle of its picture.
    // A screen reader reads the caption without the line break.
    for (const auto& [picture, caption] : vantor::IconKey) {
        auto* item = new QListWidgetItem(
            QIcon(partIcon(picture)), QStringLiteral("\n ") + vantor::toQString(caption), iconKey);
        item->setData(Qt::AccessibleTextRole, vantor::toQString(caption));
    }

    intelGroup = makeGroup(groups, "MiscGroup", QStringLiteral("Faction Intel"), PageGroupRect);
    intelText = makeTextBox(intelGroup, "FactionRichEdit", true);
    intelText->setAccessibleName(QStringLiteral("Faction Intel"));

    // The panel stays shown, out of sight below the window, until a page is chosen.
    factionPanel = makePanel(panels, "FactionPanel", "Miscellaneous", PagePanelRect);
    factionButton =
        makeButton(factionPanel, "FactionButton", ShowIntelCaption, QRect(17, 24, 111, 17));
    flagImage = makeImage(factionPanel, "FactionImage", QRect(QPoint(17, 63), FlagSize));
    flagImage->setAccessibleName(QStringLiteral("Faction flag"));
    iconKeyGroup->hide();
    intelGroup->hide();
}

void InfoPages::renderWeapon() {
    if (!built())
        return;
    const WeaponPage& w = current.weapon;
    // A description is laid out when its page is seen.
    if (weaponGroup->isVisible())
        setBoxText(weaponText, w.description);
    weaponName->setText(w.name);
    for (std::size_t i = 0; i < w.figures.size(); ++i)
        weaponFigures[i]->setText(w.figures[i]);
    weaponWeight->setText(w.weight);
}

void InfoPages::renderPart() {
    if (!built())
        return;
    const PartPage& p = current.part;
    partName->setText(p.name);
    partBonus->setText(p.bonus);
    partAmount->setText(p.amount);
    for (std::size_t i = 0; i < p.levels.size(); ++i)
        partLevels[i]->setText(p.levels[i]);
    partUnit->setText(p.unit);
    if (partGroup->isVisible())
        setBoxText(partText, p.description);
}

void InfoPages::renderFlag() {
    if (!built())
        return;
    if (flag.isNull())
        flagImage->clear();
    else
        flagImage->setPixmap(flag);
}

void InfoPages::showWeapon(const vantor::WeaponInfo& info) {
    current.weapon = {info.name, info.figures, info.weight, info.description};
    renderWeapon();
}

void InfoPages::showPartBonus(const std::optional<QString>& bonus,
                              const std::optional<QString>& amount) {
    if (bonus)
        current.part.bonus = *bonus;
    if (amount)
        current.part.amount = *amount;
    renderPart();
}

void InfoPages::showPart(const vantor::PartInfo& info) {
    PartPage& p = current.part;
    p.name = info.name;
    p.levels = info.levelAvailability;
    p.unit = info.unitAvailability;
    p.description = info.description;
    renderPart();
}

void InfoPages::showFaction(vantor::Faction faction, const QPixmap& factionFlag) {
    current.faction = faction;
    flag = factionFlag;
    renderFlag();
    if (built() && intelGroup->isVisible())
        showFactionIntel();
}

void InfoPages::setState(const State& s, const std::function<QPixmap(vantor::Faction)>& flagOf) {
    const bool flagChanged = s.faction != current.faction;
    if (flagChanged)
        flag = s.faction ? flagOf(*s.faction) : QPixmap();
    current = s;
    renderWeapon();
    renderPart();
    if (flagChanged)
        renderFlag();
    if (built() && intelGroup->isVisible())
        showFactionIntel();
}

// Laying out the intel is costly, so the box is filled when it is seen, and
// only when the faction changed.
void InfoPages::showFactionIntel() {
    if (!current.faction || shownIntel == current.faction)
        return;
    setBoxText(intelText, vantor::factionIntelText(*current.faction));
    shownIntel = current.faction;
}

void InfoPages::toggleFactionIntel() {
    if (factionButton->text() == ShowIntelCaption) {
        iconKeyGroup->hide();
        showFactionIntel();
        intelGroup->show();
        factionButton->setText(ShowKeyCaption);
    } else {
        iconKeyGroup->show();
        intelGroup->hide();
        factionButton->setText(ShowIntelCaption);
    }
}

void InfoPages::hidePages(Page except) {
    if (!built())
        return;
    const std::pair<QWidget*, Page> pages[] = {
        {weaponGroup, Page::Weapon}, {weaponPanel, Page::Weapon}, {partGroup, Page::Parts},
        {partPanel, Page::Parts},    {iconKeyGroup, Page::Misc},  {factionPanel, Page::Misc},
    };
    for (auto [widget, page] : pages)
        if (page != except)
            widget->hide();
    // Every page switch hides the faction intel; the key shows first.
    intelGroup->hide();
}

void InfoPages::showPage(Page page) {
    build();
    if (page == Page::Weapon) {
        setBoxText(weaponText, current.weapon.description);
        weaponGroup->show();
        weaponPanel->show();
    } else if (page == Page::Parts) {
        setBoxText(partText, current.part.description);
        partGroup->show();
        partPanel->show();
    } else if (page == Page::Misc) {
        iconKeyGroup->show();
        factionPanel->show();
        factionButton->setText(ShowIntelCaption);
    }
}

QList<QWidget*> InfoPages::weaponAndPartTabOrder() const {
    if (!built())
        return {};
    return {weaponText, partText};
}

QList<QWidget*> InfoPages::miscTabOrder() const {
    if (!built())
        return {};
    return {iconKey, intelText, factionButton};
}

bool operator==(const InfoPages::State& a, const InfoPages::State& b) {
    return a.weapon == b.weapon && a.part == b.part && a.faction == b.faction;
}
