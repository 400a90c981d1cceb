#pragma once

#include "ui/TabPage.h"

// The pairing tab: the loft's pairs by season with their children.
class CZakladkaEdycjaPtaka : public CTabPage {
    Q_OBJECT

public:
    CZakladkaEdycjaPtaka(AppData& appData, QWidget* parent);
};
