// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"
#include "ui/Banner.h"

#include <functional>

class QLineEdit;

// Asks for the country, union and year of a series of rings and its first and last number. The
// dialog stays open, with what was typed, until the series is valid and stored.
class CDodajSerieObraczek : public BannerDialog {
    Q_OBJECT

public:
    /// store writes the series the dialog holds; a failure keeps the dialog open.
    CDodajSerieObraczek(std::function<DbResult(const CDodajSerieObraczek&)> store,
                        QWidget* parent = nullptr);

    QString Country() const;
    QString Union() const;
    QString Year() const;
    qint64 StartNumber() const { return m_start; }
    qint64 EndNumber() const { return m_end; }

    void accept() override;

private:
    QLineEdit* m_country;
    QLineEdit* m_union;
    QLineEdit* m_year;
    QLineEdit* m_startEdit;
    QLineEdit* m_endEdit;
    qint64 m_start = 0;
    qint64 m_end = 0;
    std::function<DbResult(const CDodajSerieObraczek&)> m_store;
};
