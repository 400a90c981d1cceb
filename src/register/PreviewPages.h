// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/FamilyTree.h"
#include "racing/RaceResults.h"
#include "register/PreviewData.h"

#include <QWidget>

#include <functional>
#include <vector>

class AppData;
class ElidedLabel;
class FamilyTreeView;
class PictureBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

/// A list of the panel: grid lines, full-row selection, blue text, and a first column without a
/// title, 30 pixels wide, holding a single blank; headers and widths are those of the others.
/// Band columns (counted among the headers) show their longest band whole.
QTableWidget* MakePanelList(QWidget* parent, const QString& name, const QStringList& headers,
                            const std::vector<int>& widths, std::vector<int> bandColumns = {});
/// Replaces the rows of a panel list (the blank first cell is added); no row is left selected
/// or current.
void FillPanelList(QTableWidget* list, const std::vector<QStringList>& rows);
/// Selects the row that shows the id (the given row when it does), as a click would.
void ReselectPanelRow(QTableWidget* list, const std::vector<int>& ids, int id, int row);

/// Writes a pigeon's race results page and shows it in the preview.
void PrintRacingResults(const AppData& data, int pigeonId, QWidget* parent);

// A page of the preview panel under the pigeon list; it is told the selected pigeon's id, or
// -1 when none is selected. A hidden page only keeps the id; a page fills itself again whenever
// it is shown (itself or its tab), so that it follows whatever changed out of sight and moving
// through the list stays quick.
class CPreviewPage : public QWidget {
    Q_OBJECT

public:
    CPreviewPage(AppData& appData, QWidget* parent);
    void Show(int pigeonId);
    int ShownPigeon() const { return m_pigeonId; }

Q_SIGNALS:
    /// A pigeon was changed from this page (in its editor or by its summary).
    void pigeonEdited(int pigeonId);

protected:
    /// Fills the page for m_pigeonId; when Refilling(), it keeps what the user chose on it.
    virtual void Refresh() = 0;
    /// True while the page is filled again for the pigeon it showed already.
    bool Refilling() const { return m_filledFor == m_pigeonId; }
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    /// Opens the pigeon editor on a bird of the loft; tells the list once it was stored.
    void EditPigeon(int pigeonId);
    /// Opens the family tree of a bird.
    void ShowFamilyTree(int pigeonId);
    /// A counter: a small caption over a big number.
    QLabel* Counter(const QString& name, const QString& caption);
    void PlaceCounter(QLabel* counter, const QRect& rect);
    /// A heading over a list, at a place that does not move with the page's width.
    void Title(const QString& text, int x, int width);

    AppData& m_data;
    int m_pigeonId = -1;

private:
    void Fill();

    int m_filledFor = -2;
};

// Page 1: the selected pigeon's summary, with "..." to set its short description.
class CPanelPodgladuTab1 : public CPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab1(AppData& appData, QWidget* parent);
    /// Opens the summary dialog for the shown pigeon and stores what it gives back.
    void SetSummary();

protected:
    void Refresh() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ElidedLabel* m_band;
    ElidedLabel* m_sire;
    ElidedLabel* m_dam;
    QLabel* m_summary;
    QLabel* m_velocity;
    QLabel* m_qualifications;
    QPushButton* m_setSummary;
};

// Page 2: the family tree of the selected pigeon, with the photos and texts of the bird last
// clicked beside it on pages wider than 1000 pixels.
class CPanelPodgladuTab2 : public CPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab2(AppData& appData, QWidget* parent);
    FamilyTreeView* Tree() const { return m_tree; }
    /// The bird the side panel shows and "Edit selected pigeon" opens.
    int ChosenBird() const { return m_chosen; }
    bool SidePanelShown() const { return m_panelShown; }
    void ShowBird(int slot);

protected:
    void Refresh() override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    FamilyTreeBirds m_birds;
    FamilyTreeView* m_tree;
    std::vector<QWidget*> m_panel;
    PictureBox* m_photo1;
    PictureBox* m_photo2;
    ElidedLabel* m_band;
    ElidedLabel* m_colour;
    QLabel* m_description;
    QPushButton* m_edit;
    int m_chosen = -1;
    bool m_panelShown = true;
};

// Page 3: the pigeon's partners and the progeny of the partner chosen.
class CPanelPodgladuTab3 : public CPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab3(AppData& appData, QWidget* parent);
    QListWidget* Partners() const { return m_partners; }
    QTableWidget* Progeny() const { return m_progeny; }
    void ChoosePartner(int row);
    void FamilyTree();
    void Edit();
    void SaveList();

protected:
    void Refresh() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int ChosenChild() const;

    std::vector<size_t> m_pairs;
    int m_partner = -1;
    int m_pairId = 0;            // of the chosen partner
    std::vector<int> m_children; // the progeny rows' ids
    QListWidget* m_partners;
    QTableWidget* m_progeny;
    QLabel* m_progenyCount;
    QLabel* m_partnerCount;
    std::vector<QPushButton*> m_buttons;
};

// Page 4: the pigeon's brothers and sisters, of its own clutch or of every pair of its parents.
class CPanelPodgladuTab4 : public CPreviewPage {
    Q_OBJECT

public:
    enum Mode { SameClutch, AllSiblings };

    CPanelPodgladuTab4(AppData& appData, QWidget* parent);
    QTableWidget* Siblings() const { return m_list; }
    QComboBox* ModeBox() const { return m_mode; }
    const std::vector<int>& SiblingIdList() const { return m_ids; }
    void ShowMode(int mode);
    void Edit();
    void FamilyTree();
    void SaveList();

protected:
    void Refresh() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int ChosenSibling() const;

    SiblingSources m_sources;
    std::vector<int> m_ids;
    QTableWidget* m_list;
    QComboBox* m_mode;
    std::vector<QPushButton*> m_buttons;
};

/// Opens a pigeon's race history; the racing windows provide it, so that the register includes
/// none of them.
using RaceHistoryOpener =
    std::function<void(const PigeonRecord&, const std::vector<RaceResultRow>&, QWidget*)>;

// Page 5: the pigeon's races with its position, velocity and arrival, and their figures.
class CPanelPodgladuTab5 : public CPreviewPage {
    Q_OBJECT

public:
    CPanelPodgladuTab5(AppData& appData, QWidget* parent);
    QTableWidget* Races() const { return m_list; }
    const PigeonRaceResults& Results() const { return m_results; }
    /// Writes the results page and shows it in the preview.
    void PrintAll();
    /// Writes the results page where the user chooses.
    void Save();
    void SetRaceHistoryOpener(RaceHistoryOpener open) { m_openHistory = std::move(open); }

protected:
    void Refresh() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    PigeonRaceResults m_results;
    QTableWidget* m_list;
    std::vector<QLabel*> m_counters; // average velocity, maximum, average position, count, best
    std::vector<QPushButton*> m_buttons;
    QPushButton* m_history;
    RaceHistoryOpener m_openHistory;
};
