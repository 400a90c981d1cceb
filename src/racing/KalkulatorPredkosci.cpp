// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/KalkulatorPredkosci.h"

#include "racing/Calculators.h"
#include "racing/NumberFields.h"
#include "ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Ten times round the Earth: the calculator's answer stays a finite number.
constexpr int kMaxDistanceKm = 400000;

QLineEdit* Field(const QString& name, QWidget* parent, bool readOnly = false) {
    auto* edit = new QLineEdit(readOnly ? QString() : u"0"_s, parent);
    edit->setObjectName(name);
    edit->setReadOnly(readOnly);
    return edit;
}

} // namespace

CKalkulatorPredkosci::CKalkulatorPredkosci(QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"velocityCalculator"_s);
    setWindowTitle(u"Velocity calculator"_s);
    auto* group = new QGroupBox(u"velocity calculator"_s, this);
    m_hours = Field(u"hours"_s, group);
    m_minutes = Field(u"minutes"_s, group);
    m_seconds = Field(u"seconds"_s, group);
    m_distance = Field(u"distance"_s, group);
    m_metresPerSecond = Field(u"metresPerSecond"_s, group, true);
    m_kilometresPerHour = Field(u"kilometresPerHour"_s, group, true);
    auto* time = new QHBoxLayout;
    time->addWidget(m_hours);
    time->addWidget(new QLabel(u":"_s, group));
    time->addWidget(m_minutes);
    time->addWidget(new QLabel(u":"_s, group));
    time->addWidget(m_seconds);
    auto* form = new QFormLayout(group);
    form->addRow(u"Fly time(Hours/Minutes/Seconds)"_s, time);
    form->addRow(u"Distance(km)"_s, m_distance);
    form->addRow(u"Velocity[m/s]"_s, m_metresPerSecond);
    form->addRow(u"Velocity[km/h]"_s, m_kilometresPerHour);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* calculate = buttons->addButton(u"Calculate"_s, QDialogButtonBox::ActionRole);
    calculate->setObjectName(u"calculate"_s);
    calculate->setDefault(true);
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(u"close"_s);
    connect(calculate, &QPushButton::clicked, this, &CKalkulatorPredkosci::Calculate);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    m_hours->setFocus();
    m_hours->selectAll();
}

void CKalkulatorPredkosci::Calculate() {
    NumberFields numbers(this);
    const int hours = numbers.Whole(m_hours, u"Fly time (hours)"_s);
    const int minutes = numbers.Whole(m_minutes, u"Fly time (minutes)"_s);
    const int seconds = numbers.Whole(m_seconds, u"Fly time (seconds)"_s);
    const double distance = numbers.Real(m_distance, u"Distance(km)"_s);
    // A float holds no more than about 3e38: beyond, the answer would read "inf".
    if (distance < 0 || distance > kMaxDistanceKm)
        numbers.Refuse(m_distance, u"Distance(km): please enter a distance from 0 to %1 km."_s.arg(
                                       kMaxDistanceKm));
    m_metresPerSecond->clear(); // no earlier answer stands beside this input
    m_kilometresPerHour->clear();
    if (numbers.Refused())
        return;
    const std::optional<FlightVelocity> velocity =
        VelocityOfFlight(hours, minutes, seconds, static_cast<float>(distance));
    if (!velocity) {
        MessageBox::ShowMessage(this,
                                u"The fly time must be longer than 0 seconds to give a velocity."_s,
                                {}, QMessageBox::Warning);
        m_hours->setFocus();
        return;
    }
    m_metresPerSecond->setText(ThreeDigits(velocity->metresPerSecond));
    m_kilometresPerHour->setText(ThreeDigits(velocity->kilometresPerHour));
}
