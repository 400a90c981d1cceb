// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/KalkulatorOdleglosci.h"

#include "racing/Calculators.h"
#include "racing/NumberFields.h"
#include "storage/Formatting.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using namespace Qt::StringLiterals;

CKalkulatorOdleglosci::CKalkulatorOdleglosci(QWidget* parent)
    : QDialog(parent)
    , m_distance(new QLineEdit(this)) {
    setObjectName(u"distanceCalculator"_s);
    setWindowTitle(u"Distance calclulator"_s);
    auto* layout = new QVBoxLayout(this);
    const QString titles[] = {u"First point coordinates"_s, u"Second point coordinates"_s};
    const char16_t* const units[] = {u"Degrees", u"Minutes", u"Seconds"};
    for (int point = 0; point < 2; ++point) {
        auto* group = new QGroupBox(titles[point], this);
        auto* grid = new QGridLayout(group);
        for (int unit = 0; unit < 3; ++unit)
            grid->addWidget(new QLabel(QString::fromUtf16(units[unit]), group), 0, unit + 1);
        const QString rows[] = {u"Latitude"_s, u"Longitude"_s};
        for (int row = 0; row < 2; ++row) {
            grid->addWidget(new QLabel(rows[row], group), row + 1, 0);
            for (int unit = 0; unit < 3; ++unit) {
                auto* edit = new QLineEdit(u"0"_s, group);
                edit->setObjectName(rows[row].toLower() + QString::number(point + 1) +
                                    QString::fromUtf16(units[unit]));
                grid->addWidget(edit, row + 1, unit + 1);
                m_fields[size_t(point)][size_t(row * 3 + unit)] = edit;
            }
        }
        layout->addWidget(group);
    }
    m_distance->setObjectName(u"distance"_s);
    m_distance->setReadOnly(true);
    auto* result = new QHBoxLayout;
    auto* resultLabel = new QLabel(u"Distanse between points"_s, this);
    resultLabel->setBuddy(m_distance);
    result->addWidget(resultLabel);
    result->addWidget(m_distance, 1);
    result->addWidget(new QLabel(u"km"_s, this));
    layout->addLayout(result);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* calculate = buttons->addButton(u"Calculate"_s, QDialogButtonBox::ActionRole);
    calculate->setObjectName(u"calculate"_s);
    calculate->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(u"close"_s);
    connect(calculate, &QPushButton::clicked, this, &CKalkulatorOdleglosci::Calculate);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_fields[0][0]->setFocus();
    m_fields[0][0]->selectAll();
}

void CKalkulatorOdleglosci::Calculate() {
    NumberFields numbers(this);
    double radians[2][2] = {}; // per point: latitude, longitude
    const QString names[] = {u"Latitude"_s, u"Longitude"_s};
    for (int point = 0; point < 2; ++point) {
        for (int row = 0; row < 2; ++row) {
            const auto& f = m_fields[size_t(point)];
            const QString label = names[row] + u" (point %1)"_s.arg(point + 1);
            const double degrees = numbers.Real(f[size_t(row * 3)], label);
            const double minutes = numbers.Real(f[size_t(row * 3 + 1)], label);
            const double seconds = numbers.Real(f[size_t(row * 3 + 2)], label);
            radians[point][row] = AngleInRadians(degrees, minutes, seconds);
            // The degrees carry the sign of the whole angle: -86 40 12 is west of -86.
            for (int part = 1; part < 3; ++part)
                if (std::signbit(part == 1 ? minutes : seconds))
                    numbers.Refuse(f[size_t(row * 3 + part)],
                                   u"%1: minutes and seconds take no sign; put it before the "
                                   u"degrees."_s.arg(label));
            // Beyond the poles or the date line the formula still answers, with a wrong distance.
            const double limit = row == 0 ? 90.0 : 180.0;
            if (std::abs(AngleInDegrees(degrees, minutes, seconds)) > limit + 1e-9)
                numbers.Refuse(
                    f[size_t(row * 3)],
                    u"%1: please enter an angle from -%2 to %2 degrees."_s.arg(label).arg(limit));
        }
    }
    if (numbers.Refused()) {
        m_distance->clear(); // the last answer is not this input's
        return;
    }
    m_distance->setText(FormatNumber(
        GreatCircleDistance(radians[0][0], radians[0][1], radians[1][0], radians[1][1], u'K')));
}
