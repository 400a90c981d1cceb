// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TabPage.h"

#include <QDialog>
#include <QRect>

#include <array>

class AppData;
struct BandMatch;
class LoftSelector;
class CaptionStrip;
class QComboBox;
class QLabel;
class QMenuBar;
class CZakladkaStartowa;
class CZakladkaListaPsow;
class CZakladkaEdycjaPtaka;
class CZakladkaTransakcje;
class CZakladkaLotyGolebi;
class CZakladkaNotatnik;

// The frame of the program: the menu, the loft and category lists with their counts, the
// painted tab strip and the six pages. It wires them together and passes every command on.
class CMainDialog : public QDialog {
    Q_OBJECT

public:
    enum Tab { TabStart, TabPigeons, TabPairing, TabTransactions, TabRaces, TabNotepad, TabCount };

    explicit CMainDialog(AppData& appData, QWidget* parent = nullptr);
    ~CMainDialog() override;

    /// Loads the lofts and fills the window, as at start-up.
    void Initialise();
    /// Shown where and as large as the user last left it; maximized the first time.
    void ShowAsLastLeft();
    /// Reloads one loft's data from both files and refills the pages that show it.
    void loadLoftData(int loftId);
    /// Shows a pigeon found by the band search: its category current, its row chosen.
    void ShowFoundPigeon(const BandMatch& match);
    /// Runs a menu command by its id.
    void RunCommand(int id);
    /// False for the menu entries that have no action in this program.
    bool HasAction(int id) const;

    int ActiveTab() const { return m_activeTab; }
    void SetActiveTab(int tab);
    /// The caption rectangle of a tab and the page rectangle, in the client area's pixels.
    QRect CaptionRect(int tab) const;
    QRect PageRect() const;
    QWidget* ClientArea() const { return m_client; }
    CTabPage* Page(int tab) const { return m_pages[size_t(tab)]; }
    LoftSelector* Lofts() const { return m_lofts; }
    QMenuBar* MenuBar() const { return m_menuBar; }

    /// Ends the program as closing the window does; the pages store what is typed first.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class MainClientArea;
    void PaintClient(QPainter& painter);
    void ClickClient(const QPoint& point);
    void LayoutClient();
    void RunPageCommand(int id);
    void AddShortcuts();
    void FocusBandSearch();
    /// Ctrl+N and Ctrl+P: the active page's "new" or print command.
    void RunTabShortcut(bool print);
    void OpenHelp(const QString& page);
    void PrintTransactionReport();
    void CreateBackup();
    void RunCsvCommand(int id);
    void ImportBackup();
    bool SavePendingEdits();

    AppData& m_data;
    QMenuBar* m_menuBar;
    QWidget* m_client;
    CaptionStrip* m_tabStrip = nullptr;
    QComboBox* m_loftList;
    QComboBox* m_categoryList;
    QLabel* m_loftCount;
    QLabel* m_categoryCount;
    CZakladkaStartowa* m_startPage;
    CZakladkaListaPsow* m_pigeonList;
    CZakladkaEdycjaPtaka* m_pairing;
    CZakladkaTransakcje* m_transactions;
    CZakladkaLotyGolebi* m_races;
    CZakladkaNotatnik* m_notepad;
    std::array<CTabPage*, TabCount> m_pages{};
    LoftSelector* m_lofts;
    int m_activeTab = TabStart;
};
