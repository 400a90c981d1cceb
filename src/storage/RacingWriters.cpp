// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of races and their entries.

#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/WriterRows.h"

using namespace Qt::StringLiterals;
using namespace WriterRows;

DbResult AppData::SaveRace(int mode, RaceRecord& race) {
    const RaceRecord& r = race;
    const Fields fields{
        {u"miejscowosc", r.miejscowosc},
        {u"pogodawmiejscuwypuszczenia", r.pogodawmiejscuwypuszczenia},
        {u"pogodalokalna", r.pogodalokalna},
        {u"notatki", r.notatki},
        {u"id_hodowli", r.id_hodowli},
        {u"czasodlotu", r.czasodlotu},
        {u"czas_pierwszego_w_konk", r.czas_pierwszego_w_konk},
        {u"czas_ostatniego_w_konk", r.czas_ostatniego_w_konk},
        {u"typ", r.typ},
        {u"kategoria", r.kategoria},
        {u"kategoria2", r.kategoria2},
        {u"odleglosckm", r.odleglosckm},
        {u"odlegloscm", r.odlegloscm},
        {u"liczba_hodowcow", r.liczba_hodowcow},
        {u"golebi_oddzial", r.golebi_oddzial},
        {u"golebi_sekcja", r.golebi_sekcja},
        {u"konkursow_oddzial", r.konkursow_oddzial},
        {u"konkursow_sekcja", r.konkursow_sekcja},
        {u"wlozonychgolebi", r.wlozonychgolebi},
        {u"iloscwkonkursie", r.iloscwkonkursie},
        {u"DL_stopnie", r.DL_stopnie},
        {u"DL_minuty", r.DL_minuty},
        {u"DL_sekundy", r.DL_sekundy},
        {u"SZ_stopnie", r.SZ_stopnie},
        {u"SZ_minuty", r.SZ_minuty},
        {u"SZ_sekundy", r.SZ_sekundy},
        {u"czas_trwania_konkursu_g", r.czas_trwania_konkursu_g},
        {u"czas_trwania_konkursu_m", r.czas_trwania_konkursu_m},
        {u"czas_trwania_konkursu_s", r.czas_trwania_konkursu_s},
    };
    // Insert and update write the same columns in the same order.
    const Columns columns{u"miejscowosc",
                          u"pogodawmiejscuwypuszczenia",
                          u"pogodalokalna",
                          u"notatki",
                          u"id_hodowli",
                          u"czasodlotu",
                          u"czas_pierwszego_w_konk",
                          u"czas_ostatniego_w_konk",
                          u"typ",
                          u"kategoria",
                          u"kategoria2",
                          u"odleglosckm",
                          u"odlegloscm",
                          u"liczba_hodowcow",
                          u"golebi_oddzial",
                          u"golebi_sekcja",
                          u"konkursow_oddzial",
                          u"konkursow_sekcja",
                          u"wlozonychgolebi",
                          u"iloscwkonkursie",
                          u"DL_stopnie",
                          u"DL_minuty",
                          u"DL_sekundy",
                          u"SZ_stopnie",
                          u"SZ_minuty",
                          u"SZ_sekundy",
                          u"czas_trwania_konkursu_g",
                          u"czas_trwania_konkursu_m",
                          u"czas_trwania_konkursu_s"};
    const int id = race.id;
    const DbResult result =
        SaveRow(runner, PigeonsDbPath(), u"loty", mode, race.id, fields, columns, columns);
    if (mode == -1 && race.id < 1)
        race.id = -1;
    if (result.ok() && mode == -2)
        std::erase_if(races, [id](const RaceRecord& x) { return x.id == id; });
    return result;
}

DbResult AppData::SaveFlyer(int mode, FlyerRecord& flyer) {
    const Fields fields{{u"notatki", flyer.notatki},
                        {u"id_lotu", flyer.id_lotu},
                        {u"id_hodowli", flyer.id_hodowli},
                        {u"id_golebia", flyer.id_golebia},
                        {u"DataCzasPrzylotu", flyer.DataCzasPrzylotu},
                        {u"nr_konkursu", flyer.nr_konkursu},
                        {u"nr_konkursu_sekcja", flyer.nr_konkursu_sekcja},
                        {u"CoefficientOddzialowy", flyer.CoefficientOddzialowy},
                        {u"CoefficientSekcyjny", flyer.CoefficientSekcyjny},
                        {u"PunktyOddzial", flyer.PunktyOddzial},
                        {u"PunktySekcja", flyer.PunktySekcja}};
    return SaveRow(runner, PigeonsDbPath(), u"lotniki", mode, flyer.id, fields,
                   {u"notatki", u"id_lotu", u"id_hodowli", u"id_golebia", u"DataCzasPrzylotu",
                    u"nr_konkursu", u"nr_konkursu_sekcja", u"CoefficientOddzialowy",
                    u"CoefficientSekcyjny", u"PunktyOddzial", u"PunktySekcja"},
                   {u"notatki", u"nr_konkursu", u"nr_konkursu_sekcja", u"CoefficientOddzialowy",
                    u"CoefficientSekcyjny", u"PunktyOddzial", u"PunktySekcja",
                    u"DataCzasPrzylotu"});
}
