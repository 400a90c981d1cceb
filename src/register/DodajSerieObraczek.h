#pragma once

#include "ui/Banner.h"

class QLineEdit;

// Asks for the country, union and year of a series of rings and its first and last number.
class CDodajSerieObraczek : public BannerDialog {
    Q_OBJECT

public:
    explicit CDodajSerieObraczek(QWidget* parent = nullptr);

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
};
