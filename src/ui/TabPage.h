#pragma once

#include <QWidget>

class AppData;

// What the main window's menu asks of a page. Each page carries out its own commands.
enum class PageCommand {
    // pigeon list
    AddPigeon,
    EditPigeon,
    DeletePigeon,
    MovePigeon,
    AddRingSeries,
    AddToPrintList,
    PrintList,
    RemoveFromPrintList,
    PrintCategory,
    ShowFamilyTree,
    PrintPedigree,
    PrintProgeny,
    PrintSiblings,
    PrintRacingResults,
    // pairing
    AddPair,
    EditPair,
    DeletePair,
    AddSeason,
    DeleteSeason,
    AddChildren,
    EditChild,
    DeleteChild,
    PrintPairingCard,
    // transactions
    AddTransaction,
    EditTransaction,
    DeleteTransaction,
    PrintReport,
    // races
    AddRace,
    EditRace,
    DeleteRace,
    AddFlyer,
    EditFlyer,
    DeleteFlyer,
    BestPigeons,
    BestPairs,
    // notepad
    NewNote,
};

// A page of the main window's tab strip. The main window moves it into the page rectangle,
// tells it when the loft changes and passes the menu's commands on to it.
class CTabPage : public QWidget {
    Q_OBJECT

public:
    CTabPage(AppData& appData, QWidget* parent);

    /// Carries out a menu command, then tells whoever listens that it was given.
    void Perform(PageCommand command);
    /// True for the commands this page carries out; the others stay disabled wherever they are
    /// offered, so that no command is enabled and silent.
    virtual bool Handles(PageCommand command) const {
        Q_UNUSED(command);
        return false;
    }
    /// Lays out the page's controls after the main window changed size.
    virtual void LayoutPage() {}
    /// Called after the page was shown by a click on its caption.
    virtual void PageShown() {}
    /// Empties the lists that show the current loft's records (the loft is being reloaded).
    virtual void ClearLoftLists() {}
    /// Fills those lists again from the loaded loft.
    virtual void FillLoftLists() {}
    /// Stores whatever the user typed that is not stored yet: the page is being left for another
    /// one, or the program ends. False when something could not be stored (the user was told).
    virtual bool SavePendingEdits() { return true; }

Q_SIGNALS:
    void commandPerformed(PageCommand command);

protected:
    virtual void HandleCommand(PageCommand command) { Q_UNUSED(command); }
    AppData& m_data;
};
