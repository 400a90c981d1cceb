// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TabPage.h"

#include <QRect>

class QComboBox;
class QPushButton;
class QTableView;
class RowIdTableModel;
struct ChildRecord;
struct PairRecord;

// The pairing tab: the loft's pairs, filtered by breeding season, and the young of the selected
// pair, with the painted links that act on them.
class CZakladkaEdycjaPtaka : public CTabPage {
    Q_OBJECT

public:
    enum Link {
        AddPairLink,
        EditPairLink,
        DeletePairLink,
        PrintCardLink,
        TestMatingLink,
        AddChildLink,
        EditChildLink,
        DeleteChildLink,
        LinkCount
    };

    CZakladkaEdycjaPtaka(AppData& appData, QWidget* parent);

    bool Handles(PageCommand command) const override;
    void LayoutPage() override;
    /// Lists the pairs again (names may have changed), keeping the selected pair and child.
    void PageShown() override;
    void ClearLoftLists() override;
    /// The season filter from the loaded seasons, set to "All Pairs", and every pair listed.
    void FillLoftLists() override;

    /// Refills the season filter: "All Pairs", then every loaded season in order; the item
    /// chosen stays chosen when it is still there.
    void FillSeasons(int chosen);
    /// Lists the pairs a filter item lets through (0: all); no pair or child stays selected.
    void ShowSeason(int item);
    /// Selects a pair row as a click does (-1 as a click below the rows).
    void SelectPair(int row);
    void SelectChild(int row);
    int SelectedPair() const { return m_selectedPair; }
    int SelectedChild() const { return m_selectedChild; }
    /// The loaded pair of the selected row, nullptr for none.
    const PairRecord* CurrentPair() const;

    QRect LinkRect(int link) const;
    /// False for a link whose loft or record is missing ("Add child" always answers).
    bool LinkEnabled(int link) const;
    QComboBox* Seasons() const { return m_seasons; }
    QPushButton* AddSeasonButton() const { return m_addSeason; }
    QPushButton* DeleteSeasonButton() const { return m_deleteSeason; }
    QTableView* PairsView() const { return m_pairsView; }
    QTableView* ChildrenView() const { return m_childrenView; }
    RowIdTableModel* PairsModel() const { return m_pairs; }
    RowIdTableModel* ChildrenModel() const { return m_children; }

protected:
    void HandleCommand(PageCommand command) override;
    int PanelLinkCount() const override { return LinkCount; }
    PanelLink PanelLinkAt(int link) const override;
    void RunPanelLink(int link) override { RunLink(link); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PairChosen(int row);
    void ChildChosen(int row);
    void RunLink(int link);
    void AddPair();
    void EditPair();
    void DeletePair();
    void PrintPairingCard();
    /// The test-mating window, with the selected pair's birds when a pair is selected.
    void OpenTestMating();
    void AddChild();
    void EditChild();
    void DeleteChild();
    void AddSeason();
    void DeleteSeason();
    const ChildRecord* CurrentChild() const;
    void SeasonChosen(int item);

    int m_selectedPair = -1;
    int m_selectedChild = -1;
    int m_childrenTop = 300;
    QComboBox* m_seasons;
    QPushButton* m_addSeason;
    QPushButton* m_deleteSeason;
    RowIdTableModel* m_pairs;
    RowIdTableModel* m_children;
    QTableView* m_pairsView;
    QTableView* m_childrenView;
};
