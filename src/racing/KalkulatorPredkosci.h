// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

// The velocity calculator: a fly time and a distance give metres per second and kilometres per
// hour.
class CKalkulatorPredkosci : public QDialog {
    Q_OBJECT

public:
    explicit CKalkulatorPredkosci(QWidget* parent = nullptr);

    void Calculate();

private:
    QLineEdit* m_hours;
    QLineEdit* m_minutes;
    QLineEdit* m_seconds;
    QLineEdit* m_distance;
    QLineEdit* m_metresPerSecond;
    QLineEdit* m_kilometresPerHour;
};
