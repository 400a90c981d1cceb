// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

// The distance calculator: the great-circle distance in kilometres between two points given in
// degrees, minutes and seconds.
class CKalkulatorOdleglosci : public QDialog {
    Q_OBJECT

public:
    explicit CKalkulatorOdleglosci(QWidget* parent = nullptr);

    void Calculate();

private:
    // Per point: latitude degrees, minutes, seconds, then longitude degrees, minutes, seconds.
    std::array<std::array<QLineEdit*, 6>, 2> m_fields{};
    QLineEdit* m_distance;
};
