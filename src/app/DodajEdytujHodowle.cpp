// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DodajEdytujHodowle.h"

using namespace Qt::StringLiterals;

CDodajEdytujHodowle::CDodajEdytujHodowle(const QString& title, QWidget* parent)
    : NameDescriptionDialog(title, u"Nazwa hodowli"_s, u"Loft description"_s,
                            u"Wprowadź nazwę hodowli"_s, parent) {
    setObjectName(u"loftDialog"_s);
}

CDodajEdytujKategorie::CDodajEdytujKategorie(const QString& title, QWidget* parent)
    : NameDescriptionDialog(title, u"Nazwa kategorii"_s, u"Category description"_s,
                            u"Wprowadź nazwę kategorii"_s, parent) {
    setObjectName(u"categoryDialog"_s);
}
