// The two files as the program creates them: every table column for column, UTF-16le text,
// and loads that leave an existing file untouched.

#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/Schema.h"
#include "support/DbProbe.h"
#include "support/TestDataDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum File { P, D };

struct ExpectedTable {
    const char16_t* name;
    File file;
    const char16_t* constraint;
    const char16_t* columns; // "name:declared type;..."
};

// The file format, written out independently of the CREATE TABLE texts under test.
const ExpectedTable kExpected[] = {
    {u"pigeons", P, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;nazwa:TEXT;kraj:TEXT;oddzial:TEXT;"
     u"rocznik:TEXT;nr_obraczki:TEXT;genotyp:TEXT;fenotyp:TEXT;id_matki:INTEGER;"
     u"id_ojca:INTEGER DEFAULT 0;id_wlasciciela:INTEGER DEFAULT 0;"
     u"id_hodowcy:INTEGER DEFAULT 0;id_rasy:INTEGER DEFAULT 0;"
     u"id_linia:INTEGER DEFAULT 0;id_koloroka:INTEGER DEFAULT 0;"
     u"id_koloru:INTEGER DEFAULT 0;plec:INTEGER DEFAULT 0;"
     u"id_statusu:INTEGER DEFAULT 0;ocena_ogolna:INTEGER DEFAULT 0;"
     u"ocena_zdrowia:INTEGER DEFAULT 0;ocena_upierzenia:INTEGER DEFAULT 0;"
     u"ocena_lotowa:INTEGER DEFAULT 0;id_kraju:INTEGER DEFAULT 0;"
     u"ikona:INTEGER DEFAULT 0;id_statusu2:INTEGER DEFAULT 0;DataDodania:INTEGER(64);"
     u"DataUrodzenia:INTEGER(64);DataKupna:INTEGER(64);DataSprzedazy:INTEGER(64);"
     u"DataOdejscia:INTEGER(64);DataOstatniejAktualizacji:INTEGER(64);"
     u"NotatkaRodowodowa0:TEXT;NotatkaRodowodowa1:TEXT;NotatkaRodowodowa2:TEXT;"
     u"NotatkaRodowodowa3:TEXT;NotatkaRodowodowa4:TEXT;NotatkaRodowodowa5:TEXT;"
     u"znakiszczegolne:TEXT;nr_chipu:TEXT;notatkiogolne:TEXT;notatkicechywygladu:TEXT;"
     u"notatkichoroby:TEXT;notatkiproblemy:TEXT;notatkiwystawowe:TEXT;notatkif:TEXT;"
     u"nrceli:TEXT;krotkiopis:TEXT;NieDrukuj:INTEGER DEFAULT 0;"
     u"ZaznaczonyNaLiscie:INTEGER DEFAULT 0;niedostepny:INTEGER DEFAULT 0;"
     u"rozplodowy:INTEGER DEFAULT 0;lotowy:INTEGER DEFAULT 0;"
     u"ignorowany:INTEGER DEFAULT 0;chory:INTEGER DEFAULT 0;"
     u"sprzedany:INTEGER DEFAULT 0;ukryty:INTEGER DEFAULT 0;vet:INTEGER DEFAULT 0;"
     u"last_pair:INTEGER DEFAULT 0;last_fly:INTEGER DEFAULT 0;"
     u"last_konk:INTEGER DEFAULT 0;CF1:INTEGER DEFAULT 0;CF2:INTEGER DEFAULT 0;"
     u"DataF1:INTEGER(64);DataF2:INTEGER(64);DataF3:INTEGER(64);F1:INTEGER;F2:INTEGER;"
     u"F3:INTEGER;F4:INTEGER;F5:INTEGER;F6:INTEGER;SF1:TEXT;SF2:TEXT;SF3:TEXT;"
     u"SF4:TEXT;SF5:TEXT;SF6:TEXT"},
    {u"hodowla", P, u"UNIQUE(nazwahodowli)",
     u"id:INTEGER PRIMARY KEY;nazwahodowli:TEXT;opishodowli:TEXT;notatka1:TEXT;"
     u"notatka2:TEXT;notatka3:TEXT;id_hodowcy:INTEGER"},
    {u"kategoria", P, u"",
     u"id:INTEGER PRIMARY KEY;nazwakategorii:TEXT;id_hodowli:INTEGER NOT NULL;"
     u"opiskategorii:TEXT;kat1:INTEGER;kat2:INTEGER;kat3:INTEGER;fs1:TEXT;fs2:TEXT;"
     u"fs3:TEXT"},
    {u"kategoria_id", P, u"",
     u"id:INTEGER PRIMARY KEY;id_kategorii:INTEGER;id_golebia:INTEGER;f1:INTEGER;"
     u"f2:INTEGER;f3:INTEGER;f4:INTEGER;s1:TEXT;s2:TEXT;s3:TEXT"},
    {u"pary", P, u"",
     u"id:INTEGER PRIMARY KEY;id_samca:INTEGER;id_samicy:INTEGER;id_hodowli:INTEGER;"
     u"id_sezonu:INTEGER;ocena_pary:INTEGER DEFAULT 0;ocena_2:INTEGER DEFAULT 0;"
     u"ocena_3:INTEGER DEFAULT 0;ocena_4:INTEGER DEFAULT 0;DataParowania:INTEGER(64);"
     u"DataZlozeniaJaj:INTEGER(64);DataWylegu:INTEGER(64);DataDodania:INTEGER(64);"
     u"DataF1:INTEGER(64);DataF2:INTEGER(64);not_ojciec:TEXT;not_matka:TEXT;"
     u"uwagi:TEXT;zlozonych:INTEGER DEFAULT 0;wyklute:INTEGER DEFAULT 0;"
     u"stracone:INTEGER DEFAULT 0;metodaparowania:INTEGER;status:INTEGER;F1:INTEGER;"
     u"F2:INTEGER;F3:INTEGER;F4:INTEGER;F5:INTEGER;SF1:TEXT;SF2:TEXT;SF3:TEXT;"
     u"SF4:TEXT;SF5:TEXT;SF6:TEXT"},
    {u"dzieci", P, u"",
     u"id:INTEGER PRIMARY KEY;id_golebia:INTEGER;id_pary:INTEGER;id_hodowli:INTEGER;"
     u"uwagi:TEXT;DataDodania:INTEGER(64);FD1:INTEGER(64);FD2:INTEGER(64);"
     u"Ocena_1:INTEGER DEFAULT 0;Ocena_2:INTEGER DEFAULT 0;Ocena_3:INTEGER DEFAULT 0;"
     u"F1:INTEGER;F2:INTEGER;F3:INTEGER;F4:INTEGER;F5:INTEGER;SF1:TEXT;SF2:TEXT;"
     u"SF3:TEXT;SF4:TEXT;SF5:TEXT"},
    {u"loty", P, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;typ:INTEGER DEFAULT 0;"
     u"subtyp:INTEGER DEFAULT 0;kategoria:INTEGER DEFAULT 0;"
     u"kategoria2:INTEGER DEFAULT 0;kategoria3:INTEGER;odleglosckm:INTEGER;"
     u"odlegloscm:INTEGER;liczba_hodowcow:INTEGER;liczba_hodowcow_sekcja:INTEGER;"
     u"golebi_oddzial:INTEGER;golebi_sekcja:INTEGER;konkursow_oddzial:INTEGER;"
     u"konkursow_sekcja:INTEGER;wlozonychgolebi:INTEGER;iloscwkonkursie:INTEGER;"
     u"ocena:INTEGER;ocena2:INTEGER;ocena3:INTEGER;DL_stopnie:INTEGER;"
     u"DL_minuty:INTEGER;DL_sekundy:INTEGER;SZ_stopnie:INTEGER;SZ_minuty:INTEGER;"
     u"SZ_sekundy:INTEGER;czas_trwania_konkursu_g:INTEGER;"
     u"czas_trwania_konkursu_m:INTEGER;czas_trwania_konkursu_s:INTEGER;"
     u"czasodlotu:INTEGER(64);czas_pierwszego_w_konk:INTEGER(64);"
     u"czas_ostatniego_w_konk:INTEGER(64);FD1:INTEGER(64);FD2:INTEGER(64);"
     u"miejscowosc:TEXT;kraj:TEXT;region:TEXT;kodpocztowy:TEXT;pogodalokalna:TEXT;"
     u"pogodawmiejscuwypuszczenia:TEXT;notatki:TEXT;notatki2:TEXT;notatki3:TEXT;"
     u"wind:TEXT;wind2:TEXT;punktow_stalych:NUMERIC(6,6) DEFAULT 0;"
     u"zagraniczny:INTEGER;important:INTEGER DEFAULT 0;CF1:INTEGER DEFAULT 0;"
     u"CF2:INTEGER DEFAULT 0;CF3:INTEGER DEFAULT 0;FS1:TEXT;FS2:TEXT;FS3:TEXT;"
     u"FS4:TEXT;FS5:TEXT;FF1:NUMERIC(10,6);FF2:NUMERIC(10,6);FI1:INTEGER;FI2:INTEGER;"
     u"FI3:INTEGER;FI4:INTEGER;FI5:INTEGER;FI6:INTEGER;FI7:INTEGER"},
    {u"lotniki", P, u"",
     u"id:INTEGER PRIMARY KEY;id_lotu:INTEGER;id_hodowli:INTEGER;id_golebia:INTEGER;"
     u"DataCzasPrzylotu:INTEGER(64);nr_konkursu:INTEGER;nr_konkursu_sekcja:INTEGER;"
     u"CoefficientOddzialowy:NUMERIC(6,6);CoefficientSekcyjny:NUMERIC(6,6);"
     u"PunktyOddzial:NUMERIC(6,6);PunktySekcja:NUMERIC(6,6);rate:INTEGER DEFAULT 0;"
     u"rate2:INTEGER DEFAULT 0;notprint:INTEGER DEFAULT 0;notatki:TEXT;notatki2:TEXT;"
     u"notatki3:TEXT;PunktyFed:NUMERIC(6,6);PunktyLoft:NUMERIC(6,6);"
     u"MiejsceFed:INTEGER DEFAULT 0;MiejsceLoft:INTEGER DEFAULT 0;"
     u"CF1:INTEGER DEFAULT 0;CF2:INTEGER DEFAULT 0;CF3:INTEGER DEFAULT 0;"
     u"CF4:INTEGER DEFAULT 0;FF1:NUMERIC(6,6);FF2:NUMERIC(6,6);FF3:NUMERIC(6,6);"
     u"FF4:NUMERIC(6,6);FF5:NUMERIC(6,6);FF6:NUMERIC(6,6);FF7:NUMERIC(6,6);FS1:TEXT;"
     u"FS2:TEXT;FS3:TEXT;FS4:TEXT;FS5:TEXT;FI1:INTEGER;FI2:INTEGER;FI3:INTEGER;"
     u"FI4:INTEGER;FI5:INTEGER;FI6:INTEGER;FI7:INTEGER"},
    {u"zdjecia", P, u"",
     u"id:INTEGER PRIMARY KEY;id_golebia:INTEGER;id_hodowli:INTEGER;rodzaj:INTEGER;"
     u"kategoria:INTEGER;subkategoria:INTEGER;rozszerzenie:TEXT;"
     u"classify1:INTEGER DEFAULT 0;classify2:INTEGER DEFAULT 0;"
     u"classify3:INTEGER DEFAULT 0;classify4:INTEGER DEFAULT 0;"
     u"classify5:INTEGER DEFAULT 0;opis1:TEXT;opis2:TEXT;opis3:TEXT;nazwa:TEXT;"
     u"ocena:INTEGER DEFAULT 0;FI1:INTEGER;FI2:INTEGER;SF1:TEXT;SF2:TEXT"},
    {u"dokumenty", P, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;rodzaj:INTEGER;"
     u"id_wlasciciela:INTEGER;kategoria:INTEGER;subkategoria:INTEGER;"
     u"rozszerzenie:TEXT;nazwa:TEXT;opis1:TEXT;opis2:TEXT;opis3:TEXT;SF1:TEXT;"
     u"F1:INTEGER;F2:INTEGER"},
    {u"lekisuplementy", P, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;rodzaj:INTEGER;id_golebia:INTEGER;"
     u"kategoria:INTEGER;data_podania:INTEGER(64);data_expire:INTEGER(64);nazwa:TEXT;"
     u"dawka:TEXT;dzialanie:TEXT;f1:INTEGER;f2:INTEGER;uwagi:TEXT;opis1:TEXT;"
     u"opis2:TEXT;opis3:TEXT"},
    {u"transakcje", P, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;id_golebia:INTEGER;"
     u"id_klienta:INTEGER;cena:NUMERIC(10,2);waluta:INTEGER;rodzajtransakcji:INTEGER;"
     u"przedmiottransakcji:INTEGER;data:INTEGER(64);innyprzedmiottransakcji:TEXT;"
     u"not1:TEXT;not2:TEXT;not3:TEXT;not4:TEXT;not5:TEXT;zaznaczonanaliscie:INTEGER;"
     u"niedrukuj:INTEGER;tax1:NUMERIC(10,6);tax2:NUMERIC(10,6);flaga_wlasna1:INTEGER;"
     u"flaga_wlasna2:INTEGER"},
    {u"kolory", D, u"UNIQUE(nazwa)",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;nazwa:TEXT;nazwaf:TEXT;f1:INTEGER;"
     u"f2:INTEGER"},
    {u"gatunekrasa", D, u"UNIQUE(nazwa)",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;nazwa:TEXT;nazwaf:TEXT;"
     u"nazwalatin:TEXT;id_2:INTEGER;f1:INTEGER;f2:INTEGER;f3:INTEGER;sf1:TEXT;"
     u"sf2:TEXT;sf3:TEXT"},
    {u"linia", D, u"UNIQUE(nazwa)",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;id_gatunku:INTEGER;nazwa:TEXT;"
     u"nazwaf:TEXT;nazwalatin:TEXT;f1:INTEGER;f2:INTEGER"},
    {u"koloroka", D, u"UNIQUE(nazwa)",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;id_podgatunku:INTEGER;nazwa:TEXT;"
     u"nazwaf:TEXT;nazwalatin:TEXT;f1:INTEGER;f2:INTEGER"},
    {u"statusy", D, u"UNIQUE(nazwa)",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;nazwa:TEXT;opis:TEXT"},
    {u"notatki", D, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;nazwa:TEXT;opis:TEXT;tresc:TEXT;"
     u"pas:TEXT;kategoria:INTEGER;ikona:INTEGER;f1:INTEGER;f2:INTEGER;f3:INTEGER"},
    {u"sezonylegowe", D, u"",
     u"id:INTEGER PRIMARY KEY;id_hodowli:INTEGER;Nazwa:TEXT;Opis:TEXT;"
     u"DATA_B:INTEGER(64);DATA_E:INTEGER(64);DATA_3:INTEGER(64);DATA_4:INTEGER(64);"
     u"s1:TEXT;s2:TEXT;f1:INTEGER;f2:INTEGER;f3:INTEGER;f4:INTEGER"},
    {u"ild", D, u"", u"id:INTEGER PRIMARY KEY;id_golebia:INTEGER;s1:TEXT;f1:INTEGER;f2:INTEGER"},
    {u"klienci", D, u"",
     u"id:INTEGER PRIMARY KEY;hodowla:INTEGER;kategoria:INTEGER;subkategoria:INTEGER;"
     u"typ:INTEGER;imie:TEXT;nazwisko:TEXT;miejscowosc:TEXT;ulica:TEXT;nrdomu:TEXT;"
     u"teldom:TEXT;teldom2:TEXT;telkom:TEXT;telkom2:TEXT;email:TEXT;adreswww:TEXT;"
     u"uwagi:TEXT;not1:TEXT;not2:TEXT;not3:TEXT;wojewodztwo:INTEGER;kraj:INTEGER;"
     u"kodpocztowy:TEXT;nip:TEXT;regon:TEXT;pesel:TEXT;nazwafirmy:TEXT;"
     u"adresfirmy:TEXT;region:TEXT;nazwa_wyswietlana:TEXT;vip:INTEGER DEFAULT 0;"
     u"ocena:INTEGER DEFAULT 0;referer:INTEGER DEFAULT 0;"
     u"preferowany_kontakt:INTEGER DEFAULT 0;oddzial:INTEGER;id_klubu:INTEGER;"
     u"klient_od:INTEGER(64);dataurodzin:INTEGER(64);fs1:TEXT;fs2:TEXT;fs3:TEXT;"
     u"fs4:TEXT;fs5:TEXT;df1:INTEGER(64);df2:INTEGER(64);f1:INTEGER;f2:INTEGER;"
     u"f3:INTEGER"},
    {u"hodowcy", D, u"",
     u"id:INTEGER PRIMARY KEY;hodowla:INTEGER;kategoria:INTEGER;subkategoria:INTEGER;"
     u"typ:INTEGER;imie:TEXT;nazwisko:TEXT;miejscowosc:TEXT;ulica:TEXT;nrdomu:TEXT;"
     u"teldom:TEXT;teldom2:TEXT;telkom:TEXT;telkom2:TEXT;email:TEXT;adreswww:TEXT;"
     u"uwagi:TEXT;not1:TEXT;not2:TEXT;not3:TEXT;wojewodztwo:INTEGER;kraj:INTEGER;"
     u"kodpocztowy:TEXT;kod2:TEXT;nip:TEXT;regon:TEXT;pesel:TEXT;nazwafirmy:TEXT;"
     u"adresfirmy:TEXT;region:TEXT;nazwa_wyswietlana:TEXT;vip:INTEGER DEFAULT 0;"
     u"ocena:INTEGER DEFAULT 0;referer:INTEGER DEFAULT 0;"
     u"preferowany_kontakt:INTEGER DEFAULT 0;oddzial:INTEGER;id_klubu:INTEGER;"
     u"klient_od:INTEGER(64);dataurodzin:INTEGER(64);fs1:TEXT;fs2:TEXT;fs3:TEXT;"
     u"fs4:TEXT;fs5:TEXT;df1:INTEGER(64);df2:INTEGER(64);f1:INTEGER;f2:INTEGER;"
     u"f3:INTEGER"},
};

QByteArray Digest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The declared type as written in CREATE TABLE, rebuilt from what the file reports.
QString DeclaredType(const QStringList& info) {
    // table_info: cid, name, type, notnull, dflt_value, pk
    QString type = info[2];
    if (info[5] != u"0"_s)
        type += u" PRIMARY KEY"_s;
    if (info[3] != u"0"_s)
        type += u" NOT NULL"_s;
    if (info[4] != u"<null>"_s)
        type += u" DEFAULT "_s + info[4];
    return type;
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every function works on files of its own, made as at the first start.
    void init() {
        m_owned = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        QVERIFY(PrepareDatabases().ok());
    }

    void firstStartMakesBothFilesWithEveryTable() {
        QStringList present;
        for (const QString& db : {m_data().pigeonsDb(), m_data().extraDb()})
            for (const QStringList& row :
                 DbProbe::Rows(db, u"SELECT name FROM sqlite_master WHERE type = 'table';"_s))
                present.append(row[0]);
        QStringList expected;
        for (const ExpectedTable& t : kExpected)
            expected.append(QString::fromUtf16(t.name));
        present.sort();
        expected.sort();
        QCOMPARE(present, expected);
        QCOMPARE(AllTables().size(), std::size(kExpected));
        AppData data;
        QVERIFY(data.LoadLofts().ok());
        QVERIFY(data.SelectLoft(0).ok());
        QVERIFY(data.lofts.empty());
        QVERIFY(data.pigeons.empty());
    }

    void unwritableFolderIsNamed() {
        TestDataDir other;
        QVERIFY(QDir().mkpath(other.path() + u"/db"_s));
        ReadOnlyFiles readOnly({other.path() + u"/db"_s});
        QVERIFY(readOnly.isReadOnly());
        const DbResult result = PrepareDatabases();
        QVERIFY(result.failed());
        QVERIFY2(result.message().contains(other.pigeonsDb()), qPrintable(result.message()));
    }

    void tablesMatchTheFileFormat_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("file");
        QTest::addColumn<QString>("constraint");
        QTest::addColumn<QStringList>("columns");
        for (const ExpectedTable& t : kExpected)
            QTest::newRow(QString::fromUtf16(t.name).toUtf8().constData())
                << QString::fromUtf16(t.name) << int(t.file) << QString::fromUtf16(t.constraint)
                << QString::fromUtf16(t.columns).split(u';');
    }

    void tablesMatchTheFileFormat() {
        QFETCH(QString, table);
        QFETCH(int, file);
        QFETCH(QString, constraint);
        QFETCH(QStringList, columns);
        const QString db = file == P ? m_data().pigeonsDb() : m_data().extraDb();

        const auto info = DbProbe::Rows(db, u"PRAGMA table_info("_s + table + u");"_s);
        QStringList actual;
        for (const QStringList& column : info)
            actual.append(column[1] + u':' + DeclaredType(column));
        QCOMPARE(actual, columns);

        // The UNIQUE constraints over names are part of the format; others have none.
        const QString sql =
            DbProbe::Text(db, u"SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '"_s +
                                  table + u"';"_s);
        if (constraint.isEmpty())
            QVERIFY2(!sql.contains(u"UNIQUE"_s), qPrintable(sql));
        else
            QVERIFY2(sql.endsWith(constraint + u')'), qPrintable(sql));
    }

    void textIsUtf16LittleEndian() {
        for (const QString& db : {m_data().pigeonsDb(), m_data().extraDb()})
            QCOMPARE(DbProbe::Text(db, u"PRAGMA encoding;"_s), u"UTF-16le"_s);
    }

    void loadingAgainLeavesTheFilesUnchanged() {
        AppData data;
        LoftRecord loft;
        loft.name = u"Północ"_s;
        QVERIFY(data.SaveLoft(-1, loft).ok());
        const QByteArray pigeons = Digest(m_data().pigeonsDb());
        const QByteArray extra = Digest(m_data().extraDb());
        for (int i = 0; i < 2; ++i) {
            QVERIFY(data.LoadLofts().ok());
            QVERIFY(data.SelectLoft(loft.id).ok());
        }
        QCOMPARE(Digest(m_data().pigeonsDb()), pigeons);
        QCOMPARE(Digest(m_data().extraDb()), extra);
    }

    void existingTableKeepsItsColumns() {
        // A table made by an older definition is left alone; loaders read by position.
        TestDataDir other;
        QDir().mkpath(other.path() + u"/db"_s);
        QVERIFY(DbProbe::Exec(other.extraDb(), u"CREATE TABLE statusy(id INTEGER PRIMARY KEY, "
                                               u"id_hodowli INTEGER, nazwa TEXT)"_s));
        AppData data;
        QVERIFY(data.LoadExtra(1).ok());
        QCOMPARE(DbProbe::Rows(other.extraDb(), u"PRAGMA table_info(statusy);"_s).size(), 3u);
        QCOMPARE(DbProbe::Rows(other.extraDb(), u"PRAGMA table_info(klienci);"_s).size(), 48u);
    }

private:
    const TestDataDir& m_data() const { return *m_owned; }

    std::unique_ptr<TestDataDir> m_owned;
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
