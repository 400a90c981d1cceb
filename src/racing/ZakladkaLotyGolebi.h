// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TabPage.h"

#include <QRect>

class QTableView;
class RowIdTableModel;

// The races tab: every loaded race, the current loft's entries in the selected one, and the
// painted captions that act on them.
class CZakladkaLotyGolebi : public CTabPage {
    Q_OBJECT

public:
    enum Caption {
        NewRaceCaption,
        EditRaceCaption,
        DeleteRaceCaption,
        PrintRaceCaption,
        AddFlyerCaption,
        EditFlyerCaption,
        DeleteFlyerCaption,
        BestPigeonsCaption,
        BestPairsCaption,
        CaptionCount
    };

    CZakladkaLotyGolebi(AppData& appData, QWidget* parent);

    /// Empties both lists and lists every loaded race again; nothing stays selected.
    void RebuildRaces();
    /// Selects a race (its entries fill the lower list) or an entry, as a click would; -1 for
    /// a click below the rows.
    void SelectRace(int row);
    void SelectFlyer(int row);
    int SelectedRace() const { return m_race; }
    int SelectedFlyer() const { return m_flyer; }

    QRect CaptionRect(int caption) const;
    /// False for a caption whose window is not there to open.
    bool CaptionEnabled(int caption) const;
    QTableView* RacesView() const { return m_racesView; }
    QTableView* FlyersView() const { return m_flyersView; }
    RowIdTableModel* RacesModel() const { return m_races; }
    RowIdTableModel* FlyersModel() const { return m_flyers; }

    bool Handles(PageCommand command) const override;
    void LayoutPage() override;
    void ClearLoftLists() override;
    void FillLoftLists() override;
    void PageShown() override;

Q_SIGNALS:
    /// A page was written for the preview window to show and print.
    /// The page of a race, written to path, to be shown for printing.
    void racePageRequested(const QString& path, int raceId);
    /// The best pairs window belongs to breeding, which opens it.
    void bestPairsRequested();

protected:
    void HandleCommand(PageCommand command) override;
    int PanelLinkCount() const override { return CaptionCount; }
    PanelLink PanelLinkAt(int link) const override;
    void RunPanelLink(int link) override { RunCaption(link); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RunCaption(int caption);
    void OnRaceSelected(int row);
    void AddRace();
    void EditRace();
    void DeleteRace();
    void PrintRace();
    void AddFlyer();
    void EditFlyer();
    void DeleteFlyer();
    void ShowBestPigeons();
    bool HasRace() const;
    bool HasFlyer() const;
    int FlyerCount() const;
    void ShowFlyers();

    RowIdTableModel* m_races;
    RowIdTableModel* m_flyers;
    QTableView* m_racesView;
    QTableView* m_flyersView;
    int m_race = -1;
    int m_flyer = -1;
};
