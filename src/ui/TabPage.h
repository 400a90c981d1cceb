// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>
#include <vector>

class AppData;
class QAbstractItemView;

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

/// Draws the style's focus frame round rect on a widget that has focus; nothing otherwise.
void PaintFocusFrame(QWidget* widget, const QRect& rect, QPalette::ColorRole background);

// A link a page paints on its side panel.
struct PanelLink {
    QRect area;
    QString text;
    bool enabled = true;
};

// A page of the main window's tab strip. The main window moves it into the page rectangle,
// tells it when the loft changes and passes the menu's commands on to it.
class CTabPage : public QWidget {
    Q_OBJECT

public:
    CTabPage(AppData& appData, QWidget* parent);

    /// Carries out a menu command, then tells whoever listens that it was given.
    void Perform(PageCommand command);
    /// Runs a painted link as its click does; a disabled one does nothing.
    void ActivatePanelLink(int link);
    /// The keyboard stand-in of each painted link, in Tab order.
    const std::vector<QWidget*>& PanelLinkWidgets() const { return m_linkWidgets; }
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
    // The painted links: the base class gives each a focusable, named stand-in that Tab reaches
    // before the page's other controls and that Enter or Space runs.
    virtual int PanelLinkCount() const { return 0; }
    virtual PanelLink PanelLinkAt(int link) const {
        Q_UNUSED(link);
        return {};
    }
    virtual void RunPanelLink(int link) { Q_UNUSED(link); }
    /// Delete runs remove on the view's current row; Enter and double-click run edit, if given.
    void BindRowKeys(QAbstractItemView* view, std::optional<PageCommand> edit, PageCommand remove);
    bool event(QEvent* event) override;
    AppData& m_data;

private:
    void SyncPanelLinks();
    QWidget* m_linkAnchor;
    std::vector<QWidget*> m_linkWidgets;
};
