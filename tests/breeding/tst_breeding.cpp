// SPDX-License-Identifier: GPL-3.0-or-later
// The season filter, the list texts and the best-pairs ranking, without a window, in a zone
// with daylight saving.

#include "breeding/BestPairs.h"
#include "breeding/Pairing.h"
#include "breeding/Relationship.h"
#include "breeding/TestMatingPage.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"

#include <QTest>

#include <array>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

PigeonRecord Bird(int id, int sex, int raced = 0, int averagePosition = 0) {
    PigeonRecord p;
    p.id = id;
    p.country = u"PL"_s;
    p.ringNumber = QString::number(100 + id);
    p.sex = sex;
    p.raceEntries = raced;
    p.averagePosition = averagePosition;
    return p;
}

PairRecord Pair(int id, int cock, int hen, const std::vector<int>& young) {
    PairRecord pair;
    pair.id = id;
    pair.idCock = cock;
    pair.idHen = hen;
    for (int pigeon : young)
        pair.children.push_back({1000 + pigeon + 100 * id, pigeon, id, 1, 0, QString()});
    return pair;
}

// A pedigree as (bird, sire, dam) triples; 0 is an unknown parent.
using Family = std::vector<std::array<int, 3>>;

// "ancestor sire-generations/dam-generations xpaths share [own F]" per common ancestor.
QString AncestorsText(const MatingReport& report) {
    QStringList texts;
    for (const CommonAncestor& a : report.ancestors)
        texts << u"%1 %2/%3 x%4 %5%6"_s.arg(a.id)
                     .arg(GenerationsText(a.sireGenerations), GenerationsText(a.damGenerations))
                     .arg(a.paths)
                     .arg(PercentText(a.share),
                          a.inbreeding > 0 ? u" F"_s + PercentText(a.inbreeding) : QString());
    return texts.join(u"; "_s);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<PairRecord>)
Q_DECLARE_METATYPE(Family)

class TestBreeding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        qputenv("TZ", "Europe/Warsaw");
        tzset();
    }

    void seasonFilter_data() {
        QTest::addColumn<qint64>("paired");
        QTest::addColumn<bool>("inside");
        // A season from 1 March to 30 March 2025 (daylight saving begins on 30 March), stored
        // at 01:01:01 of both days.
        const auto at = [](int month, int day, int hour, int minute, int second = 0) {
            return ComposeLocalTime(2025, month, day, hour, minute, second);
        };
        QTest::newRow("00:30 of the first day") << at(3, 1, 0, 30) << false;
        QTest::newRow("the first moment itself") << at(3, 1, 1, 1, 1) << false;
        QTest::newRow("01:30 of the first day") << at(3, 1, 1, 30) << true;
        QTest::newRow("the last moment stored") << at(3, 30, 1, 1, 1) << true;
        QTest::newRow("evening of the last day") << at(3, 30, 23, 30) << true;
        QTest::newRow("midnight after the last day") << at(3, 31, 0, 0) << false;
        QTest::newRow("no date") << qint64(-1) << false;
        QTest::newRow("before 1970") << qint64(-86400) << false;
    }

    void seasonFilter() {
        QFETCH(qint64, paired);
        QFETCH(bool, inside);
        const SeasonRecord season{1,
                                  2,
                                  u"Wiosna"_s,
                                  QString(),
                                  ComposeLocalTime(2025, 3, 1, 1, 1, 1),
                                  ComposeLocalTime(2025, 3, 30, 1, 1, 1)};
        PairRecord pair;
        pair.datePaired = paired;
        QCOMPARE(PairInSeason(pair, season), inside);
        // Without a season every pair is listed, in order.
        const std::vector<PairRecord> pairs{pair, pair};
        QCOMPARE(PairsInFilter(pairs, nullptr), (std::vector<int>{0, 1}));
        QCOMPARE(PairsInFilter(pairs, &season).size(), inside ? 2u : 0u);
    }

    void listTexts() {
        AppData data;
        data.pigeons[1] = Bird(1, 1);
        data.pigeons[1].name = u"Żbik <1>"_s;
        data.pigeons[2] = Bird(2, 2);
        data.pigeons[3] = Bird(3, 0);
        PairRecord pair = Pair(7, 1, 2, {3});
        pair.datePaired = ComposeLocalTime(2025, 3, 4, 9, 5, 0);
        pair.remarks = u"Dobra para z linii Janssena, bardzo spokojna"_s;
        QCOMPARE(PairRow(data, pair).cells,
                 (QStringList{u" "_s, u"PL   101 [Żbik <1>]"_s, u"PL   102"_s, u"04/03/25, 09:05"_s,
                              u"Dobra para z linii Janssena, b"_s, u"0.00"_s}));
        // A child of unset sex has no sex word; its remarks stay on one line.
        ChildRecord child = pair.children[0];
        child.remarks = u"pierwszy\nlęg"_s;
        QCOMPARE(ChildRow(data, child).cells,
                 (QStringList{u" "_s, u"PL   103"_s, QString(), u"pierwszy lęg"_s}));
        data.colours[4] = u"Płowy"_s;
        data.pigeons[3].idColour = 4;
        data.pigeons[3].shortDescription = u"Szybki"_s;
        QCOMPARE(PigeonInformation(data, data.pigeons[3]), u"Płowy\n\nSzybki"_s);
        PigeonRecord young = Bird(31, 1, 3, 12);
        young.velocitySum = 3500.0f;
        QCOMPARE(RacedChildRow(young).cells,
                 (QStringList{u"PL   131"_s, u"3"_s, u"12"_s, u"1166.67"_s}));
    }

    void inbreeding_data() {
        QTest::addColumn<Family>("family");
        QTest::addColumn<int>("depth");
        QTest::addColumn<double>("inbreeding"); // of the young of 100 x 101
        QTest::addColumn<double>("relationship");
        QTest::addColumn<QString>("ancestors");
        QTest::addColumn<int>("loop");
        // 100 is always the sire, 101 the dam; other birds without a line are founders.
        QTest::newRow("half sibs")
            << Family{{100, 1, 2}, {101, 1, 3}} << 10 << 0.125 << 0.25 << u"1 2/2 x1 12.50"_s << 0;
        QTest::newRow("full sibs") << Family{{100, 1, 2}, {101, 1, 2}} << 10 << 0.25 << 0.5
                                   << u"1 2/2 x1 12.50; 2 2/2 x1 12.50"_s << 0;
        QTest::newRow("father x daughter")
            << Family{{101, 100, 2}} << 10 << 0.25 << 0.5 << u"100 1/2 x1 25.00"_s << 0;
        QTest::newRow("first cousins")
            << Family{{3, 1, 2}, {4, 1, 2}, {100, 3, 5}, {101, 6, 4}} << 10 << 0.0625 << 0.125
            << u"1 3/3 x1 3.13; 2 3/3 x1 3.13"_s << 0;
        QTest::newRow("double first cousins")
            << Family{{3, 1, 2}, {4, 1, 2}, {7, 5, 6}, {8, 5, 6}, {100, 3, 7}, {101, 8, 4}} << 10
            << 0.125 << 0.25 << u"1 3/3 x1 3.13; 2 3/3 x1 3.13; 5 3/3 x1 3.13; 6 3/3 x1 3.13"_s
            << 0;
        // Three generations of brother x sister give 9 an F of 0.5: its share is 1/8 x 1.5, and
        // the lines through its own ancestors pass through it twice, so they add nothing.
        QTest::newRow("inbred common ancestor")
            << Family{{3, 1, 2}, {4, 1, 2}, {5, 3, 4},    {6, 3, 4},   {7, 5, 6},
                      {8, 5, 6}, {9, 7, 8}, {100, 9, 10}, {101, 9, 11}}
            << 10 << 0.1875 << 0.375 << u"9 2/2 x1 18.75 F50.00"_s << 0;
        QTest::newRow("unrelated")
            << Family{{100, 1, 2}, {101, 3, 4}} << 10 << 0.0 << 0.0 << QString() << 0;
        // 1 is the dam's sire and her dam's sire: 1/8 + 1/16.
        QTest::newRow("two paths of different lengths")
            << Family{{100, 1, 20}, {3, 1, 2}, {101, 1, 3}} << 10 << 0.1875 << 0.335410
            << u"1 2/2, 3 x2 18.75"_s << 0;
        QTest::newRow("a bird recorded as its own ancestor")
            << Family{{100, 5, 1}, {5, 6, 2}, {6, 5, 3}, {101, 6, 4}} << 10 << 0.0625 << 0.125
            << u"6 3/2 x1 6.25"_s << 5;
        QTest::newRow("ancestors beyond the depth")
            << Family{{3, 1, 2}, {4, 1, 2}, {100, 3, 5}, {101, 6, 4}} << 2 << 0.0 << 0.125
            << QString() << 0;
    }

    void inbreeding() {
        QFETCH(Family, family);
        QFETCH(int, depth);
        QFETCH(double, inbreeding);
        QFETCH(double, relationship);
        QFETCH(QString, ancestors);
        QFETCH(int, loop);
        AppData data;
        for (const auto& [id, sire, dam] : family)
            for (int bird : {id, sire, dam})
                if (bird > 0 && !data.pigeons.count(bird))
                    data.pigeons[bird] = Bird(bird, 0);
        for (const auto& [id, sire, dam] : family) {
            data.pigeons[id].idSire = sire;
            data.pigeons[id].idDam = dam;
        }
        for (int parent : {100, 101})
            if (!data.pigeons.count(parent))
                data.pigeons[parent] = Bird(parent, 0);
        data.pigeons[100].name = u"Kometa <2019>"_s;
        Lineage lineage(data, depth);
        const MatingReport report = lineage.Analyse(100, 101);
        QVERIFY(qAbs(report.inbreeding - inbreeding) < 1e-9);
        QVERIFY2(qAbs(report.relationship - relationship) < 1e-6,
                 qPrintable(QString::number(report.relationship)));
        QCOMPARE(AncestorsText(report), ancestors);
        double shares = 0;
        for (const CommonAncestor& ancestor : report.ancestors)
            shares += ancestor.share;
        QVERIFY(qAbs(shares - report.inbreeding) < 1e-9);
        QCOMPARE(report.loops, loop ? std::vector<int>{loop} : std::vector<int>{});
        // The page names the loop by band, marks each ancestor and escapes the names.
        const QString page = TestMatingPage(lineage, report);
        QVERIFY(page.contains(u"PL   200 [Kometa &lt;2019&gt;]"_s));
        if (loop)
            QVERIFY(page.contains(
                u"own ancestor (the line is followed no further):</b> PL   %1"_s.arg(100 + loop)));
        for (size_t i = 0; i < report.ancestors.size(); ++i)
            QVERIFY(page.contains(u"background-color:%1"_s.arg(MarkColour(int(i)))));
        // The same figure for a young of the two, listed as a pair.
        PairRecord pair = Pair(1, 100, 101, {});
        QCOMPARE(PairRow(data, pair, lineage).cells.last(), PercentText(inbreeding));
    }

    void relationshipOfRelatives_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<double>("relationship");
        QTest::newRow("full sibs") << 3 << 4 << 0.5;
        QTest::newRow("parent and offspring") << 1 << 3 << 0.5;
        QTest::newRow("half sibs") << 3 << 5 << 0.25;
        QTest::newRow("itself") << 3 << 3 << 1.0;
    }

    void relationshipOfRelatives() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(double, relationship);
        AppData data;
        for (int id = 1; id <= 6; ++id)
            data.pigeons[id] = Bird(id, 0);
        data.pigeons[3].idSire = data.pigeons[4].idSire = data.pigeons[5].idSire = 1;
        data.pigeons[3].idDam = data.pigeons[4].idDam = 2;
        data.pigeons[5].idDam = 6;
        Lineage lineage(data);
        QVERIFY(qAbs(lineage.Relationship(a, b) - relationship) < 1e-9);
    }

    void ranking_data() {
        QTest::addColumn<std::vector<PairRecord>>("pairs");
        QTest::addColumn<QList<int>>("order");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QList<int>>("young"); // young counted for each couple, in order
        // Birds: 10.. cocks, 20.. hens; young 31 (average 3), 32 (6), 33 (5), 34 (0),
        // 35 (never raced), 36 (60000).
        QTest::newRow("one couple over two seasons")
            << std::vector<PairRecord>{Pair(1, 10, 20, {31}), Pair(2, 11, 21, {33}),
                                       Pair(3, 10, 20, {32})}
            << QList<int>{1, 2} << QList<int>{4, 5} << QList<int>{2, 1};
        QTest::newRow("young that never raced come last")
            << std::vector<PairRecord>{Pair(1, 10, 20, {35}), Pair(2, 11, 21, {33})}
            << QList<int>{2, 1} << QList<int>{5, kNoRacedChild} << QList<int>{1, 0};
        QTest::newRow("3 and 6 score 4, before 5")
            << std::vector<PairRecord>{Pair(1, 11, 21, {33}), Pair(2, 10, 20, {31, 32, 35})}
            << QList<int>{2, 1} << QList<int>{4, 5} << QList<int>{2, 1};
        // Average 0 is "never placed": averaged in no score, after every couple with one.
        QTest::newRow("young never placed count in no score")
            << std::vector<PairRecord>{Pair(1, 10, 20, {31}), Pair(2, 11, 21, {34, 31})}
            << QList<int>{1, 2} << QList<int>{3, 3} << QList<int>{1, 2};
        QTest::newRow("young never placed after placed, before never raced")
            << std::vector<PairRecord>{Pair(1, 12, 22, {35}), Pair(2, 11, 21, {34}),
                                       Pair(3, 10, 20, {36})}
            << QList<int>{3, 2, 1} << QList<int>{60000, kNoRacedChild, kNoRacedChild}
            << QList<int>{1, 1, 0};
        QTest::newRow("equal scores keep the order of the pairs")
            << std::vector<PairRecord>{Pair(1, 11, 21, {33}), Pair(2, 10, 20, {33})}
            << QList<int>{1, 2} << QList<int>{5, 5} << QList<int>{1, 1};
        QTest::newRow("a bird linked twice counts once")
            << std::vector<PairRecord>{Pair(1, 10, 20, {31, 31}), Pair(2, 10, 20, {32, 31})}
            << QList<int>{1} << QList<int>{4} << QList<int>{2};
        QTest::newRow("a poor couple still ranks above one that never raced")
            << std::vector<PairRecord>{Pair(1, 10, 20, {35}), Pair(2, 11, 21, {36})}
            << QList<int>{2, 1} << QList<int>{60000, kNoRacedChild} << QList<int>{1, 0};
    }

    void ranking() {
        QFETCH(std::vector<PairRecord>, pairs);
        QFETCH(QList<int>, order);
        QFETCH(QList<int>, scores);
        QFETCH(QList<int>, young);
        AppData data;
        const std::pair<int, int> raced[] = {{31, 3}, {32, 6}, {33, 5}, {34, 0}, {36, 60000}};
        for (const auto& [id, average] : raced)
            data.pigeons[id] = Bird(id, 1, 2, average);
        data.pigeons[35] = Bird(35, 2);
        data.pairs = pairs;
        QList<int> couples, shownScores, counted;
        for (const RankedCouple& couple : RankBestPairs(data)) {
            couples.append(couple.pair.id);
            shownScores.append(couple.score);
            counted.append(static_cast<int>(couple.pair.children.size()));
        }
        QCOMPARE(couples, order);
        QCOMPARE(shownScores, scores);
        QCOMPARE(counted, young);
    }
};

QTEST_GUILESS_MAIN(TestBreeding)
#include "tst_breeding.moc"
