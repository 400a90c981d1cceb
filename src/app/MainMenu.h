// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>
#include <QString>

#include <functional>
#include <span>

class QMenuBar;

// The main menu's commands, by their fixed ids.
enum MenuCommand : int {
    CmdCreateBackup = 32771,
    CmdImportBackup = 32772,
    CmdExitProgram = 32773,
    CmdAddNewPigeon = 32774,
    CmdAddNewLoft = 32776,
    CmdEditLoft = 32777,
    CmdDeleteLoft = 32778,
    CmdAddCategory = 32779,
    CmdEditCategory = 32780,
    CmdDeleteCategory = 32781,
    CmdAddNewClient = 32784,
    CmdManageClients = 32785,
    CmdAddTransaction = 32786,
    CmdManageBreeders = 32787,
    CmdManageColours = 32790,
    CmdManageVarieties = 32791,
    CmdManageLofts = 32795,
    CmdEditPigeon = 32796,
    CmdDeletePigeon = 32797,
    CmdFamilyTree = 32799,
    CmdPrintCategory = 32801,
    CmdAddSeason = 32803,
    CmdAddPair = 32805,
    CmdEditPair = 32806,
    CmdDeletePair = 32807,
    CmdAddChildren = 32808,
    CmdEditChild = 32809,
    CmdDeleteChild = 32810,
    CmdEditTransaction = 32812,
    CmdDeleteTransaction = 32814,
    CmdPrintReport = 32815,
    CmdVisitSite = 32816,
    CmdRacingSite = 32817,
    CmdAddToList = 32818,
    CmdPrintList = 32819,
    CmdPrintCategory2 = 32821,
    CmdPrintIndividualList = 32822,
    CmdPrintPairingCard2 = 32823,
    CmdDeleteSeason = 32826,
    CmdManageStatus = 32828,
    CmdIntroduction = 32829,
    CmdAllHelpTopics = 32830,
    CmdPrintPairingCard = 32831,
    CmdAbout = 32832,
    CmdMovePigeon = 32834,
    CmdRemoveFromList = 32835,
    CmdCalculator = 32836,
    CmdVelocityCalculator = 32838,
    CmdDistanceCalculator = 32839,
    CmdAddRace = 32840,
    CmdEditRace = 32841,
    CmdDeleteRace = 32842,
    CmdAddFlyer = 32843,
    CmdEditFlyer = 32844,
    CmdDeleteFlyer = 32845,
    CmdPrintPedigree = 32846,
    CmdPrintProgeny = 32847,
    CmdPrintSiblings = 32848,
    CmdPrintRacingResults = 32849,
    CmdBranchList = 32850,
    CmdBestPigeons = 32851,
    CmdBestPairs = 32852,
    CmdRingSeries = 32853,
    CmdTestMating = 32854,
    CmdCsvImportPigeons = 32901,
    CmdCsvImportEntries = 32902,
    CmdCsvExportRace = 32903,
    CmdCsvExportResults = 32904,
    CmdCsvExportTransactions = 32905,
};

// One entry of the menu: where it stands and what it shows.
struct MenuEntry {
    int id;
    const char16_t* text;
    const char16_t* menu;
    const char16_t* submenu; // nullptr when the entry is in the menu itself
    bool separatorBefore;
    int icon; // index into the menu icons, -1 for none
};

/// Every entry in menu order.
std::span<const MenuEntry> MenuEntries();

/// Fills the menu bar; each action is named "action<id>" and calls run(id) when triggered.
/// Entries without an action in this program stay disabled.
void BuildMainMenu(QMenuBar* bar, const std::function<void(int)>& run,
                   const std::function<bool(int)>& hasAction);

// Paints menus with the gradient band beside the icons and, when chosen, a gradient behind the
// selected item; the colours and width come from the settings profile.
class MenuGradientStyle : public QProxyStyle {
    Q_OBJECT

public:
    MenuGradientStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

    struct Settings {
        bool showGradient = true;
        QColor gradientStart{180, 196, 228};
        QColor gradientEnd{255, 255, 255};
        int gradientWidth = 30;
        bool showGradientSel = true;
    };
    /// The five values of the profile "Gryndal Tarvessa", each with its default when missing.
    static Settings ReadSettings();

private:
    Settings m_settings;
};
