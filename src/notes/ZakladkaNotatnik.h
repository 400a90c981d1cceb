#pragma once

#include "ui/TabPage.h"

// The notepad tab: the current loft's notes.
class CZakladkaNotatnik : public CTabPage {
    Q_OBJECT

public:
    CZakladkaNotatnik(AppData& appData, QWidget* parent);
};
