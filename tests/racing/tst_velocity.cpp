// Velocities in metres per minute, and the cases that must give none.

#include "racing/Velocity.h"
#include "storage/Records.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestVelocity : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void velocity_data() {
        QTest::addColumn<double>("km");
        QTest::addColumn<int>("m");
        QTest::addColumn<qint64>("release");
        QTest::addColumn<qint64>("arrival");
        QTest::addColumn<QString>("text");
        QTest::newRow("250.5 km in 3.5 h")
            << 250.0 << 500 << qint64(25200) << qint64(37800) << u"1192.86"_s;
        QTest::newRow("metres only") << 0.0 << 1200 << qint64(1000) << qint64(1060) << u"1200"_s;
        QTest::newRow("beyond 32 bits")
            << 100.0 << 0 << qint64(5'000'000'000) << qint64(5'000'006'000) << u"1000"_s;
        QTest::newRow("zero flight time")
            << 250.0 << 0 << qint64(1000) << qint64(1000) << QString();
        QTest::newRow("arrival before release")
            << 250.0 << 0 << qint64(2000) << qint64(1000) << QString();
        QTest::newRow("no arrival") << 250.0 << 0 << qint64(1000) << qint64(-1) << QString();
        QTest::newRow("no release") << 250.0 << 0 << qint64(-1) << qint64(1000) << QString();
    }

    void velocity() {
        QFETCH(double, km);
        QFETCH(int, m);
        QFETCH(qint64, release);
        QFETCH(qint64, arrival);
        QFETCH(QString, text);
        QCOMPARE(VelocityText(RaceVelocity(km, m, release, arrival)), text);
    }

    void fromRecords() {
        RaceRecord race;
        race.odleglosckm = 250;
        race.odlegloscm = 500;
        race.czasodlotu = 25200;
        FlyerRecord flyer;
        flyer.DataCzasPrzylotu = 37800;
        const std::optional<float> v = RaceVelocity(race, flyer);
        QVERIFY(v.has_value());
        QCOMPARE(*v, float(250500.0 / 12600.0 * 60.0));
    }
};

QTEST_GUILESS_MAIN(TestVelocity)
#include "tst_velocity.moc"
