// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

class AppData;
class DateTimeFields;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The race editor: where and when a race started, its distance, weather, the association's
// figures and the loft's own. OK stores the race; the caller mirrors it in the loaded data.
class CNowyLot : public BannerDialog {
    Q_OBJECT

public:
    /// editFlag 0 for a new race of the loft, 1 to edit a copy of a stored race.
    CNowyLot(AppData& appData, int editFlag, int loftId, const RaceRecord& race,
             QWidget* parent = nullptr);

    /// The stored race, with its id, once OK succeeded.
    const RaceRecord& Race() const { return m_race; }

    void accept() override;

private:
    QLineEdit* NumberEdit(const QString& name, int value);

    AppData& m_data;
    bool m_editing;
    RaceRecord m_race;
    QString m_shownKm; // the km as shown, so that an untouched field keeps its stored value
    DateTimeFields* m_release;
    DateTimeFields* m_first;
    DateTimeFields* m_last;
    QLineEdit* m_km;
    QLineEdit* m_m;
    QLineEdit* m_place;
    QLineEdit* m_weather;
    QLineEdit* m_localWeather;
    QLineEdit* m_clubPigeons;
    QLineEdit* m_unionPigeons;
    QLineEdit* m_clubWinning;
    QLineEdit* m_unionWinning;
    QLineEdit* m_breeders;
    QLineEdit* m_basketed;
    QLineEdit* m_scored;
    QLineEdit* m_longitude[3];
    QLineEdit* m_latitude[3];
    QLineEdit* m_duration[3];
    QComboBox* m_type;
    QComboBox* m_category1;
    QComboBox* m_category2;
    QPlainTextEdit* m_remarks;
};
