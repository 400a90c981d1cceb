// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class AppData;
class QCheckBox;
class QComboBox;

// Asks for the category of the current loft to move or copy a pigeon to.
class CPrzeniesPsa : public QDialog {
    Q_OBJECT

public:
    explicit CPrzeniesPsa(const AppData& appData, QWidget* parent = nullptr);

    /// The chosen category's index in the current loft, -1 for none.
    int ChosenIndex() const;
    /// True for a copy: the pigeon stays in its category too.
    bool Copy() const;

private:
    QComboBox* m_category;
    QCheckBox* m_copy;
};
