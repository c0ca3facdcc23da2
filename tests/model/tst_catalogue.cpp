// Cross-checks of the VT catalogue and the overload table: rank text shapes,
// list sizes against the weapon list columns, fixed-mount positions.

#include "model/Format.h"
#include "model/Overload.h"
#include "model/VtCatalogue.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace vantor;

namespace {

QString suffixFor(int n) {
    if (n == 1 || n == 21 || n == 31)
        return QStringLiteral("st");
    if (n == 2 || n == 22)
        return QStringLiteral("nd");
    if (n == 3 || n == 23)
        return QStringLiteral("rd");
    return QStringLiteral("th");
}

// Checks the shape of a rank text and that its suffix fits its number; also
// that the colouring rule reads the same number back.
void checkRankText(const QString& text, const QRegularExpression& shape) {
    const auto m = shape.match(text);
    QVERIFY2(m.hasMatch(), qPrintable(QStringLiteral("bad shape: \"%1\"").arg(text)));
    const int n = m.captured(1).trimmed().toInt();
    QCOMPARE(m.captured(2), suffixFor(n));
    QCOMPARE(rankNumber(text), std::optional<int>(n));
}

template <std::size_t N>
int indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : int(it - names.begin());
}

template <std::size_t N> bool packed(const std::array<std::string_view, N>& names) {
    const int n = listLength(names);
    return std::all_of(names.begin(), names.begin() + n, [](auto s) { return !s.empty(); });
}

const FixedMount* appendedMount(int vt, bool mainWeapons) {
    for (const auto& m : FixedMounts) {
        if (m.vt != vt || (m.slot == FixedSlot::MW2) != mainWeapons)
            continue;
        const auto& e = vtEntry(vt);
        const bool listed = mainWeapons ? indexOf(e.mainWeapons, m.weapon) >= 0
                                        : indexOf(e.subWeapons, m.weapon) >= 0;
        if (!listed)
            return &m;
    }
    return nullptr;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void entries() {
        QCOMPARE(int(VtCatalogue.size()), 31);
        QSet<QString> names;
        for (const auto& e : VtCatalogue) {
            QVERIFY(!e.selectorName.empty());
            QVERIFY(!e.reportName.empty());
            names.insert(QString::fromLatin1(e.selectorName));
            QVERIFY(e.standardLoad <= e.maximumLoad);
            QVERIFY(e.fuelTanks == 1 || e.fuelTanks == 2);
        }
        QCOMPARE(names.size(), 31);
        QCOMPARE(vtEntry(ProminenceM2).selectorName, std::string_view("Prominence M2"));
        QCOMPARE(vtEntry(ProminenceM3).selectorName, std::string_view("Prominence M3"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, vtEntry(31));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, vtEntry(-1));
    }

    void rankTexts_data() {
        QTest::addColumn<int>("vt");
        for (int vt = 0; vt < VtCount; ++vt)
            QTest::addRow("%d %s", vt, vtEntry(vt).selectorName.data()) << vt;
    }
    void rankTexts() {
        QFETCH(int, vt);
        static const QRegularExpression shape(
            QStringLiteral("^( [1-9]|[12][0-9]|3[01])(st|nd|rd|th)\\*?$"));
        for (auto text : vtEntry(vt).ranks)
            checkRankText(QString::fromLatin1(text), shape);
    }

    void overloadRankTexts_data() { rankTexts_data(); }
    void overloadRankTexts() {
        QFETCH(int, vt);
        static const QRegularExpression shape(
            QStringLiteral("^~([1-9]|[12][0-9]|3[01])(st|nd|rd|th)$"));
        for (const auto& step : OverloadTable[std::size_t(vt)].steps)
            if (step.held())
                checkRankText(QString::fromLatin1(step.rankText), shape);
    }

    // The table reaches exactly the VT's catalogue maximum load.
    void overloadStepCount_data() { rankTexts_data(); }
    void overloadStepCount() {
        QFETCH(int, vt);
        const auto& e = vtEntry(vt);
        int last = 0;
        for (int s = 1; s <= MaxOverloadSteps; ++s)
            if (OverloadTable[std::size_t(vt)].steps[s - 1].held())
                last = s;
        QCOMPARE(last, int(e.maximumLoad - e.standardLoad));
    }

    // "Unarmed", the VT's list and an appended fixed weapon must fit the
    // twelve rows of the weapon list columns.
    void listsFitColumns_data() { rankTexts_data(); }
    void listsFitColumns() {
        QFETCH(int, vt);
        const auto& e = vtEntry(vt);
        QVERIFY(packed(e.mainWeapons));
        QVERIFY(packed(e.subWeapons));
        QVERIFY(listLength(e.mainWeapons) >= 1);
        QVERIFY(listLength(e.subWeapons) >= 1);
        const int mainRows = 1 + listLength(e.mainWeapons) + (appendedMount(vt, true) ? 1 : 0);
        const int subRows = 1 + listLength(e.subWeapons) + (appendedMount(vt, false) ? 1 : 0);
        QVERIFY2(mainRows <= WeaponListRows, qPrintable(QString::number(mainRows)));
        QVERIFY2(subRows <= WeaponListRows, qPrintable(QString::number(subRows)));
    }

    void fixedMountPositions_data() {
        QTest::addColumn<int>("mount");
        for (int i = 0; i < FixedMountCount; ++i)
            QTest::addRow("%s %s", vtEntry(FixedMounts[i].vt).selectorName.data(),
                          FixedMounts[i].weapon.data())
                << i;
    }
    void fixedMountPositions() {
        QFETCH(int, mount);
        const FixedMount& m = FixedMounts[std::size_t(mount)];
        const auto& e = vtEntry(m.vt);
        const bool main = m.slot == FixedSlot::MW2;
        const int listed =
            main ? indexOf(e.mainWeapons, m.weapon) : indexOf(e.subWeapons, m.weapon);
        const int length = main ? listLength(e.mainWeapons) : listLength(e.subWeapons);
        // A weapon of the ordinary list sits at its own place; any other one is
        // appended at the first row after the list.
        QCOMPARE(m.position, listed >= 0 ? listed + 1 : length + 1);
        QVERIFY(m.rangeMin <= m.rangeMax);
        // Only the two Prominence models carry fixed weapons of their own list.
        QCOMPARE(listed >= 0, m.vt == ProminenceM2 || m.vt == ProminenceM3);
    }

    // The third sub-weapon selector of the two Prominence models offers the
    // beginning of the list, without the fixed weapons.
    void shortSubLists_data() {
        QTest::addColumn<int>("vt");
        QTest::addColumn<int>("items");
        QTest::newRow("Prominence M2") << int(ProminenceM2) << 3;
        QTest::newRow("Prominence M3") << int(ProminenceM3) << 7;
        QTest::newRow("Colt offers all") << 0 << 0;
    }
    void shortSubLists() {
        QFETCH(int, vt);
        QFETCH(int, items);
        QCOMPARE(shortSubListItems(vt), items);
        if (items == 0)
            return;
        const auto& e = vtEntry(vt);
        QVERIFY(items <= 1 + listLength(e.subWeapons));
        for (const auto& m : FixedMounts)
            if (m.vt == vt)
                QVERIFY2(m.position >= items, m.weapon.data());
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
