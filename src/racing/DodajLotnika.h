// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

#include <array>

class AppData;
class DateTimeFields;
class ElidedLabel;
class PictureBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The entry editor: which pigeon flew, when it arrived, its positions, coefficients and points
// in the union and the club. OK stores the entry; the caller mirrors it in the loaded data.
class CDodajLotnika : public BannerDialog {
    Q_OBJECT

public:
    /// editFlag 0 for a new entry of the race, 1 to edit a copy of a stored entry. The race's
    /// prize counts are kept for the record; nothing is computed from them.
    CDodajLotnika(AppData& appData, int editFlag, int raceId, int loftId, int unionPrizes,
                  int clubPrizes, const FlyerRecord& flyer, QWidget* parent = nullptr);

    /// The stored entry, with its id, once OK succeeded.
    const FlyerRecord& Flyer() const { return m_flyer; }

    void accept() override;

private:
    void SelectPigeon();
    void ShowPigeon(int pigeonId);
    QLineEdit* NumberEdit(const QString& name, const QString& text);

    AppData& m_data;
    bool m_editing;
    FlyerRecord m_flyer;
    int m_unionPrizes;
    int m_clubPrizes;
    QPushButton* m_select;
    ElidedLabel* m_band;
    QLabel* m_details;
    std::array<PictureBox*, 3> m_photos{};
    DateTimeFields* m_arrival;
    QLineEdit* m_positionUnion;
    QLineEdit* m_positionClub;
    QLineEdit* m_pointsUnion;
    QLineEdit* m_pointsClub;
    QLineEdit* m_coefficientUnion;
    QLineEdit* m_coefficientClub;
    QPlainTextEdit* m_comments;
};
