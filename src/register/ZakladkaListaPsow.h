// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/BandSearchRunner.h"
#include "register/PreviewPages.h"
#include "storage/DbSession.h"
#include "ui/TabPage.h"

#include <QRect>

#include <array>
#include <memory>
#include <vector>

// The columns of the pigeon list.
namespace PigeonColumn {
enum : int { Check, Country, Union, Year, Band, Sex, Remarks, Colour, Sire, Dam, Count };
}

class CPreviewPage;
class PictureBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class RowIdTableModel;
struct PigeonRecord;

// The pigeon list tab: the pigeons of the current category, the links that act on the selected
// one, its first photo and the preview panel under the list.
class CaptionStrip;

class CZakladkaListaPsow : public CTabPage {
    Q_OBJECT

public:
    enum Link {
        AddLink,
        EditLink,
        DeleteLink,
        MoveLink,
        TreeLink,
        PrintCategoryLink,
        PedigreeLink,
        LinkCount
    };

    CZakladkaListaPsow(AppData& appData, QWidget* parent);
    ~CZakladkaListaPsow() override;

    /// Where a pigeon found by the band search box is shown (its category made current).
    void SetPigeonFinder(BandSearchRunner::Show show);
    /// How the race results page opens a pigeon's race history.
    void SetRaceHistoryOpener(const RaceHistoryOpener& open);
    /// The main window's count labels; the category count is this page's to write.
    void SetCountLabels(QLabel* loftCount, QLabel* categoryCount);
    /// Shows the pigeons of a category of a loft (indexes into the loaded lofts).
    void ShowCategory(int loftIndex, int categoryIndex);
    /// Rebuilds the list from a category's links; with -1, -1 only the row map is cleared.
    void Fill(int loftIndex, int categoryId);
    /// Empties the list.
    void ClearList();
    /// Writes one row from a pigeon; -1 appends. Returns the row.
    int SetRow(int row, const PigeonRecord& pigeon);
    /// Stores a new pigeon in the current category (pigeon and link together) and appends its
    /// row; the record takes the new id.
    DbResult StoreNewPigeon(PigeonRecord& pigeon);
    /// Selects a row as a click would (-1 for a click below the last row).
    void SelectRow(int row);
    void ShowPreviewPage(int page);

    int ShownLoft() const { return m_shownLoft; }
    int ShownCategory() const { return m_shownCategory; }
    int ListMode() const { return m_listMode; }
    RowIdTableModel* Model() const { return m_model; }
    QTableView* View() const { return m_view; }
    PictureBox* Photo() const { return m_photo; }
    CPreviewPage* PreviewPage(int page) const { return m_previews[size_t(page)]; }
    QRect LinkRect(int link) const;
    /// False for a link whose window this program does not provide.
    bool LinkEnabled(int link) const;
    QRect PreviewCaptionRect(int page) const;
    QRect PhotoRect() const { return QRect(QPoint(5, 410), QPoint(209, 619)); }
    void LayoutPage() override;
    bool Handles(PageCommand command) const override;

Q_SIGNALS:
    /// Asks for windows that other parts of the program provide.
    void familyTreeRequested(int pigeonId);
    void pedigreeRequested(int pigeonId);
    void printListRequested(const std::vector<int>& pigeonIds, const QString& title);

protected:
    void HandleCommand(PageCommand command) override;
    int PanelLinkCount() const override { return LinkCount; }
    PanelLink PanelLinkAt(int link) const override;
    void RunPanelLink(int link) override { RunLink(link); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void RunLink(int link);
    void UpdateCategoryCount();
    void DeleteCurrent();
    void AddPigeon();
    void MoveCurrent();
    void EditCurrent();
    void AddRingSeries();
    void AddToPrintList();
    void RemoveFromPrintList();
    void PrintList();
    void PrintCategory();
    void OpenPhotoViewer();
    /// Prints the current pigeon's progeny, siblings or racing results, or says what to select.
    void PrintRelatives(PageCommand command);
    void ShowPhotoOf(int pigeonId);
    /// Makes a row the current pigeon and shows its photo and preview.
    void ShowSelected(int row);
    int CurrentPigeonId() const;
    int CurrentCategoryId() const;

    QLabel* m_loftCount = nullptr;
    QLabel* m_categoryCount = nullptr;
    int m_listMode = 0;
    int m_shownLoft = -1;
    int m_shownCategory = -1;
    RowIdTableModel* m_model;
    QTableView* m_view;
    PictureBox* m_photo;
    CaptionStrip* m_previewStrip = nullptr;
    std::array<CPreviewPage*, 5> m_previews{};
    QLineEdit* m_bandSearch;
    QPushButton* m_bandSearchOk;
    std::unique_ptr<BandSearchRunner> m_finder;
    int m_previewPage = 0;
};

/// Opens the family tree, the pedigree print and the list export when the pigeon list asks for
/// them.
void ConnectPrintWindows(CZakladkaListaPsow* list, AppData& appData);
