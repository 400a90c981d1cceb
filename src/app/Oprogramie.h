// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Banner.h"

// The about box.
class COprogramie : public BannerDialog {
    Q_OBJECT

public:
    explicit COprogramie(QWidget* parent = nullptr);
};
