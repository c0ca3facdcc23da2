// The catalogue's and the finder's models without a window: Qt's rules for
// item models, the values they sort by, which columns are figures, the marked
// row, the fixed slots of a weapon, the finder's cells, and the text Copy
// writes of a table as shown.

#include "app/desktop/TableText.h"
#include "app/tools/FinderModel.h"
#include "app/tools/SortedTableProxy.h"
#include "app/tools/VtTableModel.h"
#include "app/tools/WeaponTableModel.h"
#include "core/Comparison.h"
#include "core/VtChoice.h"
#include "equipment/OptionalParts.h"
#include "factions/Factions.h"
#include "model/LoadoutDisplay.h"
#include "model/Text.h"
#include "model/VtCatalogue.h"

#include <QAbstractItemModelTester>
#include <QFont>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTest>

using namespace vantor;

namespace {

using V = VtTableModel;
using W = WeaponTableModel;

// The weapon table of VT `vt` as the window shows it, picking into `slot`.
void showWeapons(WeaponTableModel& weapons, int vt, int slot = 0) {
    Loadout l;
    const VtChoice choice = chooseVt(l, vt);
    WeaponTableModel::Selectors offer;
    for (std::size_t i = 0; i < 3; ++i) {
        offer.items[i] = int(choice.main[i].items.size());
        offer.items[i + 3] = int(choice.sub[i].items.size());
        offer.fixed[i] = choice.main[i].fixed;
        offer.fixed[i + 3] = choice.sub[i].fixed;
    }
    weapons.show(l, {vt, 0, -1, 0, -1}, offer, slot);
}

// The row whose first column reads `name`, and of kind `kind` where given.
int rowNamed(const QAbstractItemModel& model, const QString& name, const QString& kind = {}) {
    for (int r = 0; r < model.rowCount(); ++r)
        if (model.index(r, 0).data().toString() == name &&
            (kind.isEmpty() || model.index(r, W::KindColumn).data().toString() == kind))
            return r;
    return -1;
}

// The number a figure's text shows: a range's far end, else its first digits.
double shownNumber(const QString& text, int column, bool weapons) {
    const QString number = weapons && column == W::RangeColumn ? text.section(u'-', 1) : text;
    static const QRegularExpression digits(QStringLiteral("[0-9]+(\\.[0-9]+)?"));
    return digits.match(number).captured().toDouble();
}

constexpr int Prominence = 19; // RAIL-A fixed in SW1, the MM in SW2

// A loadout as the finder reports it, built by the pick steps: "MW1=270-AR",
// "F=1", "P2=Advanced Mount", "L2=2" after choosing VT `vt`.
FoundLoadout found(int vt, const QStringList& picks, double figure = 0) {
    FoundLoadout f;
    Loadout before;
    chooseVt(before, vt);
    f.after = before;
    f.picks.vt = vt;
    SelectorFacts facts{vt, 0, -1, 0, -1};
    for (const QString& pick : picks) {
        const QString key = pick.section(u'=', 0, 0);
        const QString item = pick.section(u'=', 1);
        Pick p;
        if (key == "F") {
            p = {Selector::Fuel, item.toInt()};
            f.picks.fuel = p.item;
        } else if (key.startsWith(u'P') || key.startsWith(u'L')) {
            const int slot = key.right(1).toInt();
            PartPick& part = f.picks.parts[std::size_t(slot - 1)];
            if (key.startsWith(u'P')) {
                for (const OptionalPart& o : OptionalParts)
                    if (toQString(o.selectorText) == item)
                        part.part = o.index;
                p = {partSelector(slot), part.part};
            } else {
                part.level = item.toInt() - 1;
                p = {levelSelector(slot), part.level};
            }
        } else {
            const WeaponKind kind = key.startsWith("MW") ? WeaponKind::Main : WeaponKind::Sub;
            const int slot = key.right(1).toInt();
            const WeaponColumn& ids =
                kind == WeaponKind::Main ? f.after.MainWeaponListId : f.after.SubWeaponListId;
            int row = 0;
            while (weaponById(kind, ids[std::size_t(row)])->ListText != item.toStdString())
                ++row;
            (kind == WeaponKind::Main ? f.picks.main : f.picks.sub)[std::size_t(slot - 1)].item =
                row;
            p = {weaponSelector(kind, slot), row};
        }
        if (!applyPick(f.after, facts, p))
            qFatal("cannot pick %s", qPrintable(pick));
    }
    f.figure = figure;
    f.figureText = QString::number(figure);
    f.changes = int(picks.size()); // each pick changes a selector of the VT just chosen
    f.preview = comparePick(before, f.after);
    f.why = QStringLiteral("why");
    return f;
}

} // namespace

class TestCatalogueModels : public QObject {
    Q_OBJECT

private slots:
    void qtRules();
    void sortValue_data();
    void sortValue();
    void figuresSortAsShown();
    void figureColumns_data();
    void figureColumns();
    void sortOrder_data();
    void sortOrder();
    void nameFilter_data();
    void nameFilter();
    void markedRow_data();
    void markedRow();
    void fixedSlots_data();
    void fixedSlots();
    void copyText_data();
    void copyText();
    void finderRules();
    void finderCells_data();
    void finderCells();
};

// The models and their sorting proxies keep Qt's rules for item models
// through every change the window makes of them.
void TestCatalogueModels::qtRules() {
    using Tester = QAbstractItemModelTester;
    VtTableModel vts;
    WeaponTableModel weapons;
    VtTableProxy vtProxy;
    SortedTableProxy weaponProxy;
    vtProxy.setSourceModel(&vts);
    weaponProxy.setSourceModel(&weapons);
    Tester t1(&vts, Tester::FailureReportingMode::QtTest);
    Tester t2(&weapons, Tester::FailureReportingMode::QtTest);
    Tester t3(&vtProxy, Tester::FailureReportingMode::QtTest);
    Tester t4(&weaponProxy, Tester::FailureReportingMode::QtTest);
    QCOMPARE(vts.rowCount(), VtCount);
    QCOMPARE(vts.columnCount(), int(V::ColumnCount));
    vts.setCurrentVt(12);
    vts.setCurrentVt(-1);
    vtProxy.sort(V::MaxSpeedColumn, Qt::DescendingOrder);
    QCOMPARE(vtProxy.index(0, 0).data().toString(), QStringLiteral("Rapier")); // 200 mph
    vtProxy.setNameFilter("PROM");
    QCOMPARE(vtProxy.rowCount(), 3);
    vtProxy.setFaction("Hai Shi Dao");
    QCOMPARE(vtProxy.rowCount(), 0);
    vtProxy.setNameFilter(QString());
    int haiShiDao = 0;
    for (const VtEntry& vt : VtCatalogue)
        haiShiDao += vt.faction == Faction::HaiShiDao;
    QCOMPARE(vtProxy.rowCount(), haiShiDao);

    // The weapons of three VTs, each into every slot.
    weaponProxy.sort(W::RangeColumn, Qt::AscendingOrder);
    for (int vt : {0, 12, Prominence})
        for (int slot = 0; slot < 6; ++slot)
            showWeapons(weapons, vt, slot);
    QCOMPARE(weapons.rowCount(), 5 + 5);
}

void TestCatalogueModels::sortValue_data() {
    QTest::addColumn<int>("vt"); // -1: the VT table; else the weapons of this VT
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value"); // invalid: "N/A", last either way
    QTest::newRow("a name") << -1 << 0 << "Colt" << int(V::VtColumn) << QVariant("Colt");
    QTest::newRow("a speed") << -1 << 0 << "Rapier" << int(V::MaxSpeedColumn) << QVariant(200.0);
    QTest::newRow("a turn with a decimal")
        << -1 << 0 << "Colt" << int(V::TurnSpeedColumn) << QVariant(double(37.4f));
    QTest::newRow("a generation") << -1 << 0 << "Rapier" << int(V::GenerationColumn)
                                  << QVariant(2.0);
    QTest::newRow("an availability")
        << -1 << 0 << "Colt" << int(V::AvailabilityColumn) << QVariant(3.0);
    QTest::newRow("a cost") << -1 << 0 << "Rapier" << int(V::SupplyCostColumn) << QVariant(40000.0);
    QTest::newRow("a range from 0") << 0 << 0 << "270-RI" << int(W::RangeColumn) << QVariant(550.0);
    QTest::newRow("a range from 800")
        << 22 << 0 << "370-SR" << int(W::RangeColumn) << QVariant(2500.0);
    QTest::newRow("damage") << 22 << 0 << "370-SR" << int(W::DamageColumn) << QVariant(1000.0);
    QTest::newRow("a weapon's load")
        << Prominence << 0 << "355-SB" << int(W::LoadColumn) << QVariant(8.0);
    QTest::newRow("Unarmed's range") << 0 << 0 << "Unarmed" << int(W::RangeColumn) << QVariant();
    QTest::newRow("Unarmed's guidance")
        << 0 << 0 << "Unarmed" << int(W::GuidedColumn) << QVariant();
    QTest::newRow("guided") << 11 << 3 << "DL-GM" << int(W::GuidedColumn) << QVariant("Yes");
    QTest::newRow("the total picked")
        << Prominence << 0 << "355-SB" << int(W::TotalIfPickedColumn) << QVariant(8.0);
    QTest::newRow("a status picked") << Prominence << 0 << "355-SB" << int(W::StatusIfPickedColumn)
                                     << QVariant(double(StatusVtOk));
    QTest::newRow("a total not pickable")
        << Prominence << 3 << "355-SB" << int(W::TotalIfPickedColumn) << QVariant();
    QTest::newRow("a status not pickable")
        << Prominence << 3 << "RAIL-A" << int(W::StatusIfPickedColumn) << QVariant();
}

void TestCatalogueModels::sortValue() {
    QFETCH(int, vt);
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    VtTableModel vts;
    WeaponTableModel weapons;
    if (vt >= 0)
        showWeapons(weapons, vt, slot);
    const QAbstractItemModel& model = vt >= 0 ? static_cast<QAbstractItemModel&>(weapons) : vts;
    const int row = rowNamed(model, name);
    QVERIFY(row >= 0);
    QCOMPARE(model.index(row, column).data(SortRole), value);
}

// Every number a cell sorts by is the number it shows.
void TestCatalogueModels::figuresSortAsShown() {
    VtTableModel vts;
    WeaponTableModel weapons;
    int compared = 0;
    for (int vt : {-1, 0, 12, Prominence, 23}) {
        if (vt >= 0)
            showWeapons(weapons, vt);
        const QAbstractItemModel& model = vt >= 0 ? static_cast<QAbstractItemModel&>(weapons) : vts;
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c) {
                const QModelIndex cell = model.index(r, c);
                if (cell.data(SortRole).typeId() != QMetaType::Double ||
                    (vt >= 0 && c == W::StatusIfPickedColumn))
                    continue;
                QCOMPARE(float(cell.data(SortRole).toDouble()),
                         float(shownNumber(cell.data().toString(), c, vt >= 0)));
                ++compared;
            }
    }
    QVERIFY(compared > 500);
}

void TestCatalogueModels::figureColumns_data() {
    QTest::addColumn<bool>("weaponTable");
    QTest::addColumn<QList<int>>("figures"); // set to the right
    QTest::addColumn<QList<int>>("numbers"); // sorted as numbers
    QList<int> vtFigures{V::GenerationColumn, V::AvailabilityColumn};
    for (int c = V::StandardLoadColumn; c <= V::FuelTanksColumn; ++c)
        vtFigures << c;
    QTest::newRow("VTs") << false << vtFigures << vtFigures;
    const QList<int> weaponFigures{W::LoadColumn,       W::DamageColumn,    W::RangeColumn,
                                   W::AmmunitionColumn, W::MagazinesColumn, W::TotalIfPickedColumn};
    QTest::newRow("weapons") << true << weaponFigures
                             << weaponFigures + QList<int>{W::StatusIfPickedColumn};
}

// Which columns are figures: set to the right, and sorted as numbers.
void TestCatalogueModels::figureColumns() {
    QFETCH(bool, weaponTable);
    QFETCH(QList<int>, figures);
    QFETCH(QList<int>, numbers);
    VtTableModel vts;
    WeaponTableModel weapons;
    showWeapons(weapons, 0);
    const QAbstractItemModel& model = weaponTable ? static_cast<QAbstractItemModel&>(weapons) : vts;
    const int row = rowNamed(model, weaponTable ? "270-RI" : "Colt");
    QList<int> right, numeric;
    for (int c = 0; c < model.columnCount(); ++c) {
        const QModelIndex cell = model.index(row, c);
        if (cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight)
            right << c;
        if (cell.data(SortRole).typeId() == QMetaType::Double)
            numeric << c;
    }
    QCOMPARE(right, figures);
    QCOMPARE(numeric, numbers);
}

void TestCatalogueModels::sortOrder_data() {
    QTest::addColumn<int>("vt");            // -1: the VT table; else the weapons of this VT
    QTest::addColumn<int>("earlierColumn"); // sorted by first, descending
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<int>("missing"); // "N/A" rows, all last
    const auto up = Qt::AscendingOrder;
    const auto down = Qt::DescendingOrder;
    QTest::newRow("Faction after Max Speed")
        << -1 << int(V::MaxSpeedColumn) << int(V::FactionColumn) << up << 0;
    QTest::newRow("Faction down after Max Speed")
        << -1 << int(V::MaxSpeedColumn) << int(V::FactionColumn) << down << 0;
    QTest::newRow("Standard Load after Turn Speed")
        << -1 << int(V::TurnSpeedColumn) << int(V::StandardLoadColumn) << up << 0;
    QTest::newRow("Generation down")
        << -1 << int(V::VtColumn) << int(V::GenerationColumn) << down << 0;
    QTest::newRow("Availability") << -1 << int(V::MaxSpeedColumn) << int(V::AvailabilityColumn)
                                  << up << 0;
    QTest::newRow("ranges up") << Prominence << int(W::LoadColumn) << int(W::RangeColumn) << up
                               << 2;
    QTest::newRow("ranges down") << Prominence << int(W::LoadColumn) << int(W::RangeColumn) << down
                                 << 2;
    QTest::newRow("totals up") << Prominence << int(W::RangeColumn) << int(W::TotalIfPickedColumn)
                               << up << 5;
    QTest::newRow("totals down") << Prominence << int(W::RangeColumn) << int(W::TotalIfPickedColumn)
                                 << down << 5;
    QTest::newRow("guided down") << Prominence << int(W::LoadColumn) << int(W::GuidedColumn) << down
                                 << 2;
}

// "N/A" last either way, the others in order, equal ones in catalogue order
// whatever the sort before.
void TestCatalogueModels::sortOrder() {
    QFETCH(int, vt);
    QFETCH(int, earlierColumn);
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(int, missing);
    VtTableModel vts;
    WeaponTableModel weapons;
    if (vt >= 0)
        showWeapons(weapons, vt);
    SortedTableProxy proxy;
    proxy.setSourceModel(vt >= 0 ? static_cast<QAbstractItemModel*>(&weapons) : &vts);
    proxy.sort(earlierColumn, Qt::DescendingOrder);
    proxy.sort(column, order);
    const int shown = proxy.rowCount() - missing;
    int ties = 0;
    for (int r = 0; r < proxy.rowCount(); ++r)
        QCOMPARE(proxy.index(r, column).data().toString() == NotAvailable, r >= shown);
    for (int r = 1; r < proxy.rowCount(); ++r) {
        if (r == shown)
            continue; // from the values to "N/A"
        const QModelIndex above = proxy.index(r - 1, column);
        const QModelIndex below = proxy.index(r, column);
        const QVariant a = above.data(SortRole);
        const QVariant b = below.data(SortRole);
        const int compared = a.typeId() == QMetaType::Double
                                 ? (a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble())
                                 : a.toString().compare(b.toString(), Qt::CaseInsensitive);
        if (compared != 0) {
            QVERIFY2(order == Qt::AscendingOrder ? compared < 0 : compared > 0,
                     qPrintable(below.data().toString()));
            continue;
        }
        ++ties;
        QVERIFY2(proxy.mapToSource(above).row() < proxy.mapToSource(below).row(),
                 qPrintable(proxy.index(r, 0).data().toString()));
    }
    QVERIFY(ties > 0);
}

void TestCatalogueModels::nameFilter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::newRow("in another case") << "PROM" << 3;
    QTest::newRow("a lone surrogate") << QString(QChar(0xd800)) << 0;
    QTest::newRow("a surrogate after a name") << "Colt" + QString(QChar(0xdc00)) << 0;
    QTest::newRow("an opening bracket") << "(" << 0;
    QTest::newRow("a star") << "*" << 0;
    QTest::newRow("what matches any name as a pattern") << ".*" << 0;
    QTest::newRow("a long text") << QString(100000, u'a') << 0;
}

// The name filter looks for the text itself, in any case, and prints nothing.
void TestCatalogueModels::nameFilter() {
    QFETCH(QString, text);
    QFETCH(int, rows);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    VtTableModel vts;
    SortedTableProxy proxy;
    proxy.setSourceModel(&vts);
    proxy.setNameFilter(text);
    QCOMPARE(proxy.rowCount(), rows);
}

void TestCatalogueModels::markedRow_data() {
    QTest::addColumn<QList<int>>("picks"); // the VTs the window shows, in turn
    QTest::addColumn<int>("marked");       // -1: none
    QTest::newRow("the first VT") << QList<int>{0} << 0;
    QTest::newRow("a VT inside") << QList<int>{12} << 12;
    QTest::newRow("the last VT") << QList<int>{VtCount - 1} << VtCount - 1;
    QTest::newRow("another VT after") << QList<int>{12, 13} << 13;
    QTest::newRow("none after a VT") << QList<int>{12, -1} << -1;
    QTest::newRow("past the catalogue") << QList<int>{3, VtCount} << -1;
}

// The VT in the window, and only it, is bold, marked beside its name and
// described as such; each change is told for the rows it changes.
void TestCatalogueModels::markedRow() {
    QFETCH(QList<int>, picks);
    QFETCH(int, marked);
    VtTableModel vts;
    QList<int> told;
    connect(&vts, &QAbstractItemModel::dataChanged, this,
            [&told](const QModelIndex& from, const QModelIndex& to) {
                QCOMPARE(from.row(), to.row());
                told << from.row();
            });
    for (int vt : picks)
        vts.setCurrentVt(vt);
    QCOMPARE(vts.currentVt(), marked);
    for (int r = 0; r < vts.rowCount(); ++r) {
        const QModelIndex name = vts.index(r, V::VtColumn);
        QCOMPARE(vts.index(r, V::TurnSpeedColumn).data(Qt::FontRole).value<QFont>().bold(),
                 r == marked);
        QCOMPARE(name.data(Qt::DecorationRole).isValid(), r == marked);
        QCOMPARE(name.data(Qt::AccessibleDescriptionRole)
                     .toString()
                     .startsWith(QStringLiteral("The VT in the window.")),
                 r == marked);
    }
    if (marked >= 0)
        QCOMPARE(told.last(), marked);
    for (int row : told)
        QVERIFY(picks.contains(row));
}

void TestCatalogueModels::fixedSlots_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<QString>("weapon");
    QTest::addColumn<int>("slot"); // 0-5: MW1..SW3
    for (const FixedMount& mount : FixedMounts) {
        const int slot = mount.slot == FixedSlot::MW2 ? 1 : 3 + int(mount.slot) - 1;
        QTest::addRow("%s %s", vtEntry(mount.vt).selectorName.data(), mount.weapon.data())
            << mount.vt << toQString(mount.weapon) << slot;
    }
}

// A fixed weapon's row names the slot that holds it as fixed; no other row
// offers that slot, and picking into it is refused with the reason.
void TestCatalogueModels::fixedSlots() {
    QFETCH(int, vt);
    QFETCH(QString, weapon);
    QFETCH(int, slot);
    WeaponTableModel weapons;
    showWeapons(weapons, vt, slot);
    const QString kind = slot < 3 ? QStringLiteral("Main") : QStringLiteral("Sub");
    const int row = rowNamed(weapons, weapon, kind);
    QVERIFY(row >= 0);
    const QString fixed = QStringLiteral("%1 (fixed)").arg(slot % 3 + 1);
    for (int r = 0; r < weapons.rowCount(); ++r) {
        if (weapons.index(r, W::KindColumn).data().toString() != kind)
            continue;
        const QStringList offered = weapons.index(r, W::SlotsColumn).data().toString().split(", ");
        QCOMPARE(offered.contains(fixed), r == row);
        QVERIFY(!offered.contains(QString::number(slot % 3 + 1)));
        QVERIFY(!weapons.placement(r).pick);
    }
    QCOMPARE(weapons.placement(row).reason,
             WeaponTableModel::slotName(slot) +
                 QStringLiteral(" holds a fixed weapon, which cannot be changed."));
}

void TestCatalogueModels::copyText_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("sortColumn"); // -1: in the model's order
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("text");
    QTest::newRow("as given") << "" << -1 << Qt::AscendingOrder
                              << "Name\tLoad\nSword\t3\nAxe\t12\nBow\tN/A\n";
    QTest::newRow("sorted down") << "" << 1 << Qt::DescendingOrder
                                 << "Name\tLoad\nAxe\t12\nSword\t3\nBow\tN/A\n";
    QTest::newRow("sorted by name")
        << "" << 0 << Qt::AscendingOrder << "Name\tLoad\nAxe\t12\nBow\tN/A\nSword\t3\n";
    QTest::newRow("filtered") << "W" << 1 << Qt::AscendingOrder
                              << "Name\tLoad\nSword\t3\nBow\tN/A\n";
    QTest::newRow("no row left") << "z" << 1 << Qt::AscendingOrder << "Name\tLoad\n";
}

// Copy writes the captions and the rows as shown, cells split by tabs and
// every line ended.
void TestCatalogueModels::copyText() {
    QFETCH(QString, filter);
    QFETCH(int, sortColumn);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, text);
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({"Name", "Load"});
    for (const auto& [name, load] :
         {std::pair{"Sword", QVariant(3.0)}, {"Axe", QVariant(12.0)}, {"Bow", QVariant()}}) {
        auto* loadItem = new QStandardItem(load.isValid() ? load.toString() : NotAvailable);
        loadItem->setData(load, SortRole);
        auto* nameItem = new QStandardItem(QString::fromLatin1(name));
        nameItem->setData(nameItem->text(), SortRole);
        model.appendRow({nameItem, loadItem});
    }
    SortedTableProxy proxy;
    proxy.setSourceModel(&model);
    proxy.setNameFilter(filter);
    proxy.sort(sortColumn, order);
    QCOMPARE(tableText(proxy), text);
}

// The finder's model and its sorting proxy keep Qt's rules through new
// answers, an empty one and a new rank; ranks and figures sort as numbers.
void TestCatalogueModels::finderRules() {
    using Tester = QAbstractItemModelTester;
    FinderModel model;
    SortedTableProxy proxy;
    proxy.setSourceModel(&model);
    Tester t1(&model, Tester::FailureReportingMode::QtTest);
    Tester t2(&proxy, Tester::FailureReportingMode::QtTest);
    std::vector<FoundLoadout> answer;
    for (int i = 0; i < 12; ++i)
        answer.push_back(found(0, {}, 100 - i * 9.5));
    proxy.sort(FinderModel::RankColumn, Qt::DescendingOrder);
    model.setAnswer(answer, FinderRank::Durability);
    QCOMPARE(proxy.rowCount(), 12);
    QCOMPARE(proxy.index(0, FinderModel::RankColumn).data().toString(), QStringLiteral("12"));
    proxy.sort(FinderModel::FigureColumn, Qt::AscendingOrder);
    QCOMPARE(proxy.index(0, FinderModel::FigureColumn).data().toString(), QStringLiteral("-4.5"));
    QCOMPARE(model.headerData(FinderModel::FigureColumn, Qt::Horizontal).toString(),
             QStringLiteral("Durability"));
    model.setAnswer({}, FinderRank::SortieCost);
    QCOMPARE(proxy.rowCount(), 0);
    QCOMPARE(model.headerData(FinderModel::FigureColumn, Qt::Horizontal).toString(),
             QStringLiteral("Sortie Point Cost"));
}

void TestCatalogueModels::finderCells_data() {
    QTest::addColumn<int>("vt");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    using F = FinderModel;
    const QStringList garpike{"F=1", "MW1=270-AR", "P1=Advanced Armour", "P2=Advanced Mount",
                              "L2=2"};
    QTest::newRow("VT") << 12 << garpike << int(F::VtColumn) << "Garpike";
    QTest::newRow("weapon") << 12 << garpike << int(F::Main1Column) << "270-AR";
    QTest::newRow("weapon not picked") << 12 << garpike << int(F::Sub3Column) << "Unarmed";
    QTest::newRow("part") << 12 << garpike << int(F::Part1Column) << "Advanced Armour";
    QTest::newRow("part and level")
        << 12 << garpike << int(F::Part2Column) << "Advanced Mount Level 2";
    QTest::newRow("part not picked") << 12 << QStringList{} << int(F::Part2Column) << "Unarmed";
    QTest::newRow("fuel") << 12 << garpike << int(F::FuelColumn) << "1";
    QTest::newRow("fuel not picked") << 12 << QStringList{} << int(F::FuelColumn) << "0";
    QTest::newRow("overloaded") << 12
                                << QStringList{"MW1=270-AR", "MW2=270-AR", "MW3=270-AR", "SW1=AVTM"}
                                << int(F::StatusColumn) << "STD OVER";
    QTest::newRow("no change") << 12 << QStringList{} << int(F::ChangesColumn)
                               << "None: the loadout in the window";
    QTest::newRow("a change, no statistic")
        << 12 << QStringList{"MW1=270-AR"} << int(F::ChangesColumn) << "1 change";
    QTest::newRow("changes") << 12 << QStringList{"P1=Advanced Balancer", "L1=3"}
                             << int(F::ChangesColumn)
                             << "2 changes: Balancer Rating 16.25 (now 12.5)";
}

// Each cell names what the window's selectors will hold once the row is
// picked, and shows load and status as the window does.
void TestCatalogueModels::finderCells() {
    QFETCH(int, vt);
    QFETCH(QStringList, picks);
    QFETCH(int, column);
    QFETCH(QString, text);
    QCOMPARE(toQString(vtEntry(12).selectorName), QStringLiteral("Garpike"));
    FinderModel model;
    const FoundLoadout f = found(vt, picks, 42);
    model.setAnswer({f}, FinderRank::VolleyDamage);
    const QModelIndex cell = model.index(0, column);
    QCOMPARE(cell.data().toString(), text);
    const LoadoutDisplay shown = displayOf(f.after);
    QCOMPARE(model.index(0, FinderModel::TotalLoadColumn).data().toString(),
             shown.values[ValueTotalLoad].text);
    QCOMPARE(model.index(0, FinderModel::StatusColumn).data().toString(), shown.statusText);
    const QColor status =
        model.index(0, FinderModel::StatusColumn).data(Qt::ForegroundRole).value<QColor>();
    QVERIFY(contrastRatio(status, Qt::white) >= MinimumContrast);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), previewText(f.preview) + u'\n' + f.why);
    QCOMPARE(cell.data(Qt::AccessibleDescriptionRole), cell.data(Qt::ToolTipRole));
}

QTEST_MAIN(TestCatalogueModels)
#include "tst_cataloguemodels.moc"
