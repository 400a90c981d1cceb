// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "racing/BranchList.h"
#include "ui/Banner.h"

class QLineEdit;
class QPlainTextEdit;

// The branch list: finds the association's branches whose number or name holds a typed text.
class CSpisOddzialow : public BannerDialog {
    Q_OBJECT

public:
    explicit CSpisOddzialow(QWidget* parent = nullptr);

    void Search();
    QString ResultText() const;

private:
    std::vector<BranchDistrict> m_table;
    QLineEdit* m_search;
    QPlainTextEdit* m_results;
};
