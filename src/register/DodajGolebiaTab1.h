// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/EditorPage.h"
#include "storage/DbSession.h"

#include <array>

class DateFields;
class PictureBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Pigeon information": ring, name, sex, lookups, breeder and owner, ratings, dates, parents.
class CDodajGolebiaTab1 : public CEditorPage {
    Q_OBJECT

public:
    enum DateGroup { Purchase, Sale, Hatching, Gone, DateGroupCount };

    CDodajGolebiaTab1(AppData& appData, PigeonRecord& working, QWidget* parent);

    void Load() override;
    void Store() override;
    std::optional<QString> Problem() const override;

    /// Refills the lookup boxes from the loaded lookup maps, keeping the chosen ids.
    void RefillLookups();
    /// A colour typed into the colour box that is no entry joins the colour list and becomes
    /// the pigeon's colour, so that every list shows it.
    DbResult AddTypedColour();
    DateFields* Date(int group) const { return m_dates[size_t(group)]; }

private:
    void FillMapBox(QComboBox* box, const std::vector<std::pair<int, QString>>& entries, int id);
    int IdOfBox(const QComboBox* box, int fallback) const;
    void ShowParents();
    void ManageLookup(int mode); // 1 to 4 the lookup manager's modes, 0 the statuses
    void ChooseParent(bool sire);

    QLineEdit* m_country;
    QLineEdit* m_union;
    QLineEdit* m_year;
    QLineEdit* m_band;
    QLineEdit* m_name;
    QComboBox* m_sex;
    QComboBox* m_colour;
    QComboBox* m_variety;
    QComboBox* m_line;
    QComboBox* m_eyeColour;
    QComboBox* m_status;
    QComboBox* m_breeder;
    QComboBox* m_owner;
    std::array<QComboBox*, 4> m_rates{};
    std::array<DateFields*, DateGroupCount> m_dates{};
    QLabel* m_sire;
    QLabel* m_dam;
    PictureBox* m_photo;
    QCheckBox* m_hideInSearch;
    QCheckBox* m_ignoreInPrint;
};
