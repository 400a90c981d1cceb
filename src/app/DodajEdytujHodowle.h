// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/NameDescriptionDialog.h"

// The loft dialog: a name of at least four characters and a description.
class CDodajEdytujHodowle : public NameDescriptionDialog {
    Q_OBJECT

public:
    explicit CDodajEdytujHodowle(const QString& title, QWidget* parent = nullptr);
};

// The category dialog, with the same fields and checks.
class CDodajEdytujKategorie : public NameDescriptionDialog {
    Q_OBJECT

public:
    explicit CDodajEdytujKategorie(const QString& title, QWidget* parent = nullptr);
};
