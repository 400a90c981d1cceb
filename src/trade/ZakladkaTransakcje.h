#pragma once

#include "ui/TabPage.h"

// The transactions tab: purchases and sales of the current loft.
class CZakladkaTransakcje : public CTabPage {
    Q_OBJECT

public:
    CZakladkaTransakcje(AppData& appData, QWidget* parent);
};
