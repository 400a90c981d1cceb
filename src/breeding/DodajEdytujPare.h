// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

#include <array>

class AppData;
class DateFields;
class PigeonPanel;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The pair editor: a sire and a dam chosen from the loft, the pairing day and three remark
// slots (general, sire, dam). On "Add Pair" / "Save" it stores the pair; while the store
// fails, the dialog stays open with what was typed.
class CDodajEdytujPare : public BannerDialog {
    Q_OBJECT

public:
    enum class Mode { New, Edit };
    enum Side { Sire, Dam };
    enum Slot { GeneralRemarks, SireRemarks, DamRemarks };

    /// In edit mode pair is the pair to change; in new mode only its loft is read.
    CDodajEdytujPare(AppData& appData, Mode mode, const PairRecord& pair,
                     QWidget* parent = nullptr);

    /// The pair as stored after OK (with its new id in new mode).
    const PairRecord& Pair() const { return m_pair; }
    int ChosenId(Side side) const { return m_chosen[side]; }
    Slot ShownSlot() const { return m_slot; }
    /// Shows a side for a pigeon of the loft, as choosing it does.
    void ShowSide(Side side, int pigeonId);

    void accept() override;

private:
    void Choose(Side side);
    void ShowTree(Side side);
    void StepSlot(int step);
    void ShowMatingInbreeding();
    void OpenTestMating();

    AppData& m_data;
    Mode m_mode;
    PairRecord m_pair;
    std::array<int, 2> m_chosen{};
    Slot m_slot = GeneralRemarks;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    std::array<PigeonPanel*, 2> m_panels{};
    DateFields* m_date;
    QLabel* m_remarksHeading;
    QPlainTextEdit* m_remarks;
    QLabel* m_matingInbreeding;
};
