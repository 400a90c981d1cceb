#pragma once

#include "ui/TabPage.h"

// The races tab: every race and the current loft's entries in the chosen one.
class CZakladkaLotyGolebi : public CTabPage {
    Q_OBJECT

public:
    CZakladkaLotyGolebi(AppData& appData, QWidget* parent);
};
