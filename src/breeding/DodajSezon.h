// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

class AppData;
class DateFields;
class QLineEdit;
class QPlainTextEdit;

// The season dialog: a named breeding season from its first to its last day, stored on "Add
// season". While the store fails, the dialog stays open with what was typed.
class CDodajSezon : public BannerDialog {
    Q_OBJECT

public:
    explicit CDodajSezon(AppData& appData, QWidget* parent = nullptr);

    /// The season as stored after OK.
    const SeasonRecord& Season() const { return m_season; }
    DateFields* Start() const { return m_start; }
    DateFields* End() const { return m_end; }

    void accept() override;

private:
    AppData& m_data;
    SeasonRecord m_season;
    QLineEdit* m_name;
    QPlainTextEdit* m_description;
    DateFields* m_start;
    DateFields* m_end;
};
