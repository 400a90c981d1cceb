// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "racing/RaceHistory.h"
#include "storage/Records.h"
#include "ui/Banner.h"

class ElidedLabel;
class QLabel;
class QPrinter;
class RaceHistoryChart;

// A pigeon's race history: its velocity and position race by race over the seasons, with the
// race chosen by keys or a click told under the chart. It prints and saves as PDF.
class CHistoriaLotow : public BannerDialog {
    Q_OBJECT

public:
    CHistoriaLotow(const PigeonRecord& pigeon, const std::vector<RaceResultRow>& rows,
                   QWidget* parent = nullptr);

    RaceHistoryChart* Chart() const { return m_chart; }
    /// Prints through the system's print dialog.
    void Print();
    /// Saves the chart as a PDF file where the user chooses.
    void SavePdf();
    /// Paints the printed sheet; false when the printer could not be painted on.
    bool PaintSheet(QPrinter& printer) const;

private:
    void ShowDetails(int index);

    PigeonRecord m_pigeon;
    RaceHistoryChart* m_chart;
    ElidedLabel* m_band;
    QLabel* m_details;
};

/// Opens the race history of a pigeon of the loaded loft.
void ShowRaceHistory(const PigeonRecord& pigeon, const std::vector<RaceResultRow>& rows,
                     QWidget* parent);
