// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "racing/RaceResults.h"
#include "ui/Banner.h"

#include <vector>

class AppData;
class ElidedLabel;
class PictureBox;
class QLabel;
class QTableView;
class RowIdTableModel;

// The best pigeons of the loft: those with more than ten entries by average union position,
// and every race of the chosen one with three figures, its first photo and description.
class CNajlepszeGolebie : public BannerDialog {
    Q_OBJECT

public:
    CNajlepszeGolebie(const AppData& appData, QWidget* parent = nullptr);

    const std::vector<int>& Ranked() const { return m_ranked; }
    QTableView* RankedList() const { return m_rankedView; }
    QTableView* ResultsList() const { return m_resultsView; }
    RowIdTableModel* RankedModel() const { return m_rankedModel; }
    RowIdTableModel* ResultsModel() const { return m_resultsModel; }

private:
    void ShowPigeon(int row);

    const AppData& m_data;
    std::vector<int> m_ranked;
    PigeonRaceResults m_results;
    int m_shownPigeon = 0;
    RowIdTableModel* m_rankedModel;
    RowIdTableModel* m_resultsModel;
    QTableView* m_rankedView;
    QTableView* m_resultsView;
    QLabel* m_average;
    QLabel* m_qualifications;
    QLabel* m_best;
    PictureBox* m_photo;
    ElidedLabel* m_band;
    QLabel* m_description;
};
