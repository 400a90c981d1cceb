// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"

#include <QDialog>

class AppData;
class DateFields;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The treatment editor: adds a treatment of a pigeon or changes one, and stores it on OK.
class CLeczenieSuplementacjaDodajZmien : public QDialog {
    Q_OBJECT

public:
    /// A new treatment of the pigeon when record.id is below 1, else an edit of record.
    CLeczenieSuplementacjaDodajZmien(AppData& data, const TreatmentRecord& record,
                                     QWidget* parent = nullptr);

    /// The stored record, after OK.
    const TreatmentRecord& Record() const { return m_record; }
    void accept() override;

    /// The kind word shown for a category index: "Szczepionka", "Lek", "Suplement" or nothing.
    static QString CategoryText(int category);

private:
    AppData& m_data;
    TreatmentRecord m_record;
    bool m_editing;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    QComboBox* m_category;
    DateFields* m_date;
    QLineEdit* m_name;
    QLineEdit* m_dose;
    QLineEdit* m_effect;
    QPlainTextEdit* m_remarks;
};
