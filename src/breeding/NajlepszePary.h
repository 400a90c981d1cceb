// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "breeding/BestPairs.h"
#include "ui/Banner.h"

#include <vector>

class AppData;
class ElidedLabel;
class PictureBox;
class QLabel;
class QTableView;
class RowIdTableModel;

// The best pairs of the loft, ranked by the race results of their young, with the chosen
// couple's photos and young, and the chosen young bird's photo and description. It reads the
// loaded loft only and writes nothing.
class CNajlepszePary : public BannerDialog {
    Q_OBJECT

public:
    explicit CNajlepszePary(const AppData& appData, QWidget* parent = nullptr);

    const std::vector<RankedCouple>& Couples() const { return m_couples; }
    QTableView* PairsView() const { return m_pairsView; }
    QTableView* ChildrenView() const { return m_childrenView; }
    RowIdTableModel* PairsModel() const { return m_pairs; }
    RowIdTableModel* ChildrenModel() const { return m_children; }
    /// The pair whose young are listed, 0 for none.
    int ShownPair() const { return m_shownPair; }

private:
    void ShowCouple(int row);
    void ShowChild(int row);
    void ShowNoChild();

    const AppData& m_data;
    std::vector<RankedCouple> m_couples;
    int m_shownPair = 0;
    RowIdTableModel* m_pairs;
    RowIdTableModel* m_children;
    QTableView* m_pairsView;
    QTableView* m_childrenView;
    PictureBox* m_sirePhoto;
    PictureBox* m_damPhoto;
    PictureBox* m_childPhoto;
    ElidedLabel* m_sireBand;
    ElidedLabel* m_damBand;
    ElidedLabel* m_childBand;
    QLabel* m_childDescription;
};
