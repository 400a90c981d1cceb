// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// In-memory records, one type per table. Fields keep the names the rest of the program uses;
// the comment after a field names its column where the two differ. A record not yet stored has
// id 0 (or -1 where noted); dates are seconds since 1970 UTC, -1 for none.

struct PhotoRecord {
    int id = 0;
    int idPigeon = 0;    // id_golebia
    int idLoft = 0;      // id_hodowli
    int kind = 0;        // rodzaj
    int category = 0;    // kategoria
    int subcategory = 0; // subkategoria
    QString path;        // the stored file, or the source file while being added; not stored
    QString extension;   // rozszerzenie, without the dot
    QString description; // opis1
};

struct DocumentRecord {
    int id = 0;
    int idLoft = 0;  // id_hodowli
    int idOwner = 0; // id_wlasciciela: the pigeon
    int kind = 0;    // rodzaj
    int category = 0;
    int subcategory = 0;
    QString path; // not stored
    QString extension;
    QString name;
    QString description; // opis1
};

struct TreatmentRecord {
    int id = 0;
    int idLoft = 0;   // id_hodowli
    int idPigeon = 0; // id_golebia
    int kind = 0;     // rodzaj
    int category = 0;
    qint64 dateGiven = -1; // data_podania
    QString name;
    QString dose;    // dawka
    QString effect;  // dzialanie
    QString remarks; // uwagi
};

struct PigeonRecord {
    std::vector<PhotoRecord> photos;
    std::vector<DocumentRecord> documents;
    std::vector<TreatmentRecord> treatments;

    // Racing totals over the loaded race entries of this pigeon.
    int raceEntries = 0;
    int placedEntries = 0;   // entries with a union position (nr_konkursu) of 1 or more
    int positionSum = 0;     // sum of those positions
    int averagePosition = 0; // positionSum / placedEntries, whole-number division; 0 if none
    float velocitySum = 0.0f;

    int id = 0;
    int idVariety = 0;     // id_rasy
    int idLine = 0;        // id_linia
    int idEyeColour = 0;   // id_koloroka
    int idDam = 0;         // id_matki
    int idSire = 0;        // id_ojca
    int idStatus = 0;      // id_statusu
    int idOwner = 0;       // id_wlasciciela
    int idBreeder = 0;     // id_hodowcy
    int ratingOverall = 0; // ocena_ogolna
    int ratingHealth = 0;  // ocena_zdrowia
    int ratingRacing = 0;  // ocena_lotowa
    int ratingPlumage = 0; // ocena_upierzenia

    QString BandLabel;        // display text, kept in step by the loader and SavePigeon
    QString shortDescription; // krotkiopis
    QString name;             // nazwa
    QString ringNumber;       // nr_obraczki
    QString country;          // kraj
    QString branch;           // oddzial
    QString year;             // rocznik
    QString phenotype;        // fenotyp
    QString genotype;         // genotyp
    QString notesGeneral;     // notatkiogolne
    QString notesDiseases;    // notatkichoroby
    QString notesProblems;    // notatkiproblemy
    QString notesAppearance;  // notatkicechywygladu
    QString notesF;           // notatkif
    QString pedigreeNote1;    // NotatkaRodowodowa1
    QString pedigreeNote2;
    QString pedigreeNote3;
    QString pedigreeNote4;
    QString pedigreeNote0; // NotatkaRodowodowa0

    qint64 dateAdded = -1;     // DataDodania
    qint64 dateOfBirth = -1;   // DataUrodzenia
    qint64 datePurchased = -1; // DataKupna
    qint64 dateSold = -1;      // DataSprzedazy
    qint64 dateLeft = -1;      // DataOdejscia

    int sex = 0;      // plec: 0 not set, 1 cock, 2 hen
    int idColour = 0; // id_koloru
    int idLoft = 0;   // id_hodowli
};

struct CategoryRecord {
    int id = 0;
    int idLoft = 0;      // id_hodowli
    QString name;        // nazwakategorii
    QString description; // opiskategorii
};

struct LoftRecord {
    int id = 0;
    QString name;        // nazwahodowli
    QString description; // opishodowli
    int pigeonCount = 0; // rows of pigeons with this loft's id
    std::vector<CategoryRecord> categories;
};

// Membership of a pigeon in a category; read on demand by the pigeon list.
struct CategoryLinkRecord {
    int id = 0;
    int idCategory = 0; // id_kategorii
    int idPigeon = 0;   // id_golebia
};

struct ChildRecord {
    int id = 0;
    int idPigeon = 0; // id_golebia
    int idPair = 0;   // id_pary
    int idLoft = 0;   // id_hodowli
    qint64 dateAdded = -1;
    QString remarks; // uwagi
};

struct PairRecord {
    int idLoft = 0; // id_hodowli
    int id = 0;
    int idCock = 0;         // id_samca
    int idHen = 0;          // id_samicy
    qint64 datePaired = -1; // DataParowania
    qint64 dateAdded = -1;  // DataDodania
    QString remarks;        // uwagi
    QString sireNote;       // not_ojciec
    QString damNote;        // not_matka
    std::vector<ChildRecord> children;
};

struct SeasonRecord {
    int id = 0;
    int idLoft = 0;
    QString name;          // Nazwa
    QString description;   // Opis
    qint64 dateBegin = -1; // DATA_B
    qint64 dateEnd = -1;   // DATA_E
};

// One entry of a pigeon in a race; fields carry their column names.
struct FlyerRecord {
    int id = -1;
    int id_lotu = 0;              // the race
    int id_hodowli = 0;           // the loft current when the entry was made
    int id_golebia = 0;           // the pigeon; below 1 when none is chosen
    qint64 DataCzasPrzylotu = -1; // arrival at the loft
    int nr_konkursu = 0;          // position in the union
    int nr_konkursu_sekcja = 0;   // position in the club
    float CoefficientOddzialowy = 0.0f;
    float CoefficientSekcyjny = 0.0f;
    float PunktyOddzial = 0.0f;
    float PunktySekcja = 0.0f;
    QString notatki;
};

// One race; fields carry their column names.
struct RaceRecord {
    int id = -1;
    int id_hodowli = 0;
    int typ = 0;              // 0 race, 1 young pigeons race, 2 training race
    int kategoria = 0;        // category 1 index, -1 when none
    int kategoria2 = 0;       // category 2 index, -1 when none
    double odleglosckm = 0.0; // whole kilometres
    int odlegloscm = 0;       // metres beyond them
    int liczba_hodowcow = 0;
    int golebi_oddzial = 0;
    int golebi_sekcja = 0;
    int konkursow_oddzial = 0;
    int konkursow_sekcja = 0;
    int wlozonychgolebi = 0;
    int iloscwkonkursie = 0;
    int ocena = 0;
    int DL_stopnie = 0; // longitude of the release point
    int DL_minuty = 0;
    int DL_sekundy = 0;
    int SZ_stopnie = 0; // latitude of the release point
    int SZ_minuty = 0;
    int SZ_sekundy = 0;
    int czas_trwania_konkursu_g = 0; // duration of the competition
    int czas_trwania_konkursu_m = 0;
    int czas_trwania_konkursu_s = 0;
    qint64 czasodlotu = -1; // release
    qint64 czas_pierwszego_w_konk = -1;
    qint64 czas_ostatniego_w_konk = -1;
    QString miejscowosc;                // release point
    QString pogodalokalna;              // weather at the loft
    QString pogodawmiejscuwypuszczenia; // weather at the release point
    QString notatki;
    std::vector<FlyerRecord> flyers; // entries made in the current loft
};

enum Currency { PLN = 0, USD = 1, EUR = 2, FRA = 3, JEN = 4 };

struct TransactionRecord {
    int id = 0;
    int idLoft = 0;   // id_hodowli
    int idClient = 0; // id_klienta
    int idPigeon = 0; // id_golebia
    QString note;     // not1
    qint64 date = -1;
    int currency = PLN;   // waluta
    double price = 0.0;   // cena: a float cannot hold 1234567.89 to the cent
    int kind = 0;         // rodzajtransakcji
    int subject = 0;      // przedmiottransakcji
    QString otherSubject; // innyprzedmiottransakcji
};

// A client (klienci) or a breeder (hodowcy).
struct ContactRecord {
    int id = 0;
    int loft = 0; // hodowla
    int category = 0;
    int subcategory = 0;
    int type = 0;        // typ
    int province = 0;    // wojewodztwo
    int country = 0;     // kraj
    QString firstName;   // imie
    QString postCode;    // kodpocztowy
    QString postCode2;   // kod2, breeders only
    QString lastName;    // nazwisko
    QString town;        // miejscowosc
    QString street;      // ulica
    QString houseNumber; // nrdomu
    QString phoneHome;   // teldom
    QString phoneHome2;
    QString phoneMobile; // telkom
    QString phoneMobile2;
    QString email;
    QString www;     // adreswww
    QString remarks; // uwagi
};

struct NoteRecord {
    int id = 0;
    int idLoft = 0;
    QString name;
    QString description; // opis
};

// An entry of a lookup list (colours, varieties, lines, eye colours, statuses).
struct LookupRecord {
    int id = 0;
    QString name;
};

// A pigeon put on the bird list (ild).
struct ExtraInfoRecord {
    int id = 0;
    int idPigeon = 0; // id_golebia
};
