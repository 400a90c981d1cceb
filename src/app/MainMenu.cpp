// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainMenu.h"

#include "ui/Artwork.h"
#include "ui/Contrast.h"

#include <QAction>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
#include <QSettings>
#include <QStyleOptionMenuItem>

#include <map>

using namespace Qt::StringLiterals;

namespace {

constexpr const char16_t* kDatabase = u"Database";
constexpr const char16_t* kLofts = u"Lofts and Categories";
constexpr const char16_t* kPigeons = u"Pigeons List";
constexpr const char16_t* kPairing = u"Pairing";
constexpr const char16_t* kRaces = u"Races";
constexpr const char16_t* kTransactions = u"Transactions";
constexpr const char16_t* kClients = u"Clients";
constexpr const char16_t* kPrinting = u"Printing";
constexpr const char16_t* kTools = u"Tools";
constexpr const char16_t* kConfiguration = u"Configuration";
constexpr const char16_t* kHelp = u"Help";
constexpr const char16_t* kPrintList = u"Individual Print List";
constexpr const char16_t* kCurrentSeason = u"Current Season";
constexpr const char16_t* kCsv = u"CSV files";

const MenuEntry kEntries[] = {
    {CmdCreateBackup, u"Create Backup", kDatabase, nullptr, false, 1},
    {CmdImportBackup, u"Import Backup", kDatabase, nullptr, false, 16},
    {CmdCsvImportPigeons, u"Import pigeons from CSV...", kDatabase, kCsv, true, -1},
    {CmdCsvImportEntries, u"Import race entries from CSV...", kDatabase, kCsv, false, -1},
    {CmdCsvExportRace, u"Export current race to CSV...", kDatabase, kCsv, true, -1},
    {CmdCsvExportResults, u"Export racing results of current pigeon to CSV...", kDatabase, kCsv,
     false, -1},
    {CmdCsvExportTransactions, u"Export transactions to CSV...", kDatabase, kCsv, false, -1},
    {CmdExitProgram, u"Exit Program", kDatabase, nullptr, true, -1},
    {CmdManageLofts, u"Manage Lofts and Categories", kLofts, nullptr, false, -1},
    {CmdManageBreeders, u"Manage Breeders", kLofts, nullptr, false, -1},
    {CmdAddNewLoft, u"Add New Loft", kLofts, nullptr, true, 7},
    {CmdEditLoft, u"Edit current loft", kLofts, nullptr, false, -1},
    {CmdDeleteLoft, u"Delete current loft", kLofts, nullptr, false, -1},
    {CmdAddCategory, u"Add new category to loft", kLofts, nullptr, true, -1},
    {CmdEditCategory, u"Edit current category", kLofts, nullptr, false, -1},
    {CmdDeleteCategory, u"Delete current category", kLofts, nullptr, false, -1},
    {CmdAddNewPigeon, u"Add New Pigeon", kPigeons, nullptr, false, 7},
    {CmdEditPigeon, u"Edit Current Pigeon", kPigeons, nullptr, false, -1},
    {CmdDeletePigeon, u"Delete Current Pigeon", kPigeons, nullptr, false, 2},
    {CmdMovePigeon, u"Move Pigeon to another category", kPigeons, nullptr, true, -1},
    {CmdRingSeries, u"Add new serie of rings", kPigeons, nullptr, false, -1},
    {CmdAddToList, u"Add Bird to List", kPigeons, kPrintList, true, -1},
    {CmdPrintList, u"Print List", kPigeons, kPrintList, false, -1},
    {CmdRemoveFromList, u"Remove current pigeon from list", kPigeons, kPrintList, false, -1},
    {CmdFamilyTree, u"Show family tree of current pigeon", kPigeons, nullptr, true, 14},
    {CmdPrintCategory, u"Print current category", kPigeons, nullptr, false, -1},
    {CmdAddPair, u"Add New Pair", kPairing, nullptr, false, 7},
    {CmdEditPair, u"Edit current pair", kPairing, nullptr, false, -1},
    {CmdDeletePair, u"Delete current pair", kPairing, nullptr, false, -1},
    {CmdAddSeason, u"Add new seazon", kPairing, nullptr, true, -1},
    {CmdDeleteSeason, u"Delete current season", kPairing, kCurrentSeason, false, -1},
    {CmdAddChildren, u"Add children to pair", kPairing, nullptr, true, -1},
    {CmdEditChild, u"Edit current children", kPairing, nullptr, false, -1},
    {CmdDeleteChild, u"Delete current children", kPairing, nullptr, false, 2},
    {CmdPrintPairingCard, u"Print pairing card", kPairing, nullptr, true, -1},
    {CmdTestMating, u"Test mating", kPairing, nullptr, false, -1},
    {CmdAddRace, u"Add new race", kRaces, nullptr, false, -1},
    {CmdEditRace, u"Edit current race", kRaces, nullptr, false, -1},
    {CmdDeleteRace, u"Delete current race", kRaces, nullptr, false, -1},
    {CmdAddFlyer, u"Add new flyer", kRaces, nullptr, true, -1},
    {CmdEditFlyer, u"Edit current flyer", kRaces, nullptr, false, -1},
    {CmdDeleteFlyer, u"Delete current flyer", kRaces, nullptr, false, -1},
    {CmdAddTransaction, u"Add New Transaction", kTransactions, nullptr, false, 7},
    {CmdEditTransaction, u"Edit Current Transaction", kTransactions, nullptr, false, -1},
    {CmdDeleteTransaction, u"Delete Current Transaction", kTransactions, nullptr, false, 2},
    {CmdPrintReport, u"Print  Report", kTransactions, nullptr, true, -1},
    {CmdAddNewClient, u"Add New Client", kClients, nullptr, false, 7},
    {CmdManageClients, u"Manage Client List", kClients, nullptr, false, 9},
    {CmdPrintCategory2, u"Print current category", kPrinting, nullptr, false, 15},
    {CmdPrintIndividualList, u"Print individual list", kPrinting, nullptr, false, -1},
    {CmdPrintPairingCard2, u"Print pairing card", kPrinting, nullptr, false, -1},
    {CmdPrintPedigree, u"Print Pedigree", kPrinting, nullptr, true, -1},
    {CmdPrintProgeny, u"Print progeny of current pigeon", kPrinting, nullptr, false, -1},
    {CmdPrintSiblings, u"Drukuj rodzeństwo wybranego ptaka", kPrinting, nullptr, false, -1},
    {CmdPrintRacingResults, u"Print racing results", kPrinting, nullptr, false, -1},
    {CmdCalculator, u"Calculator", kTools, nullptr, false, -1},
    {CmdVelocityCalculator, u"Velocity calculator", kTools, nullptr, false, -1},
    {CmdDistanceCalculator, u"Distance calculator", kTools, nullptr, false, -1},
    {CmdBranchList, u"Spis oddziałów PZHGP", kTools, nullptr, false, -1},
    {CmdBestPigeons, u"Show Best Racing Pigeons in loft", kTools, nullptr, true, -1},
    {CmdBestPairs, u"Show Best Pairs in loft", kTools, nullptr, false, -1},
    {CmdManageColours, u"Manage colors", kConfiguration, nullptr, false, -1},
    {CmdManageVarieties, u"Manage Variety", kConfiguration, nullptr, false, -1},
    {CmdManageStatus, u"Manage status", kConfiguration, nullptr, false, -1},
    {CmdVisitSite, u"Visit our site", kHelp, nullptr, false, -1},
    {CmdRacingSite, u"Your professional lot site in three minutes!", kHelp, nullptr, false, 13},
    {CmdIntroduction, u"Program introduction", kHelp, nullptr, true, -1},
    {CmdAllHelpTopics, u"All help topics", kHelp, nullptr, false, -1},
    {CmdAbout, u"About...", kHelp, nullptr, true, 0},
};

QColor FromColorRef(uint value) {
    // Stored as 0x00BBGGRR.
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

// The text with '&' before the first letter no other entry of the same menu uses yet, a word's
// first letter preferred, so that Alt+letter never has two targets.
QString WithMnemonic(const QString& text, QSet<QChar>& used) {
    for (const bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar letter = text[i].toLower();
            if (letter < u'a' || letter > u'z' || used.contains(letter))
                continue;
            if (wordStart && i > 0 && text[i - 1] != u' ')
                continue;
            used.insert(letter);
            return text.left(i) + u'&' + text.mid(i);
        }
    }
    return text;
}

} // namespace

std::span<const MenuEntry> MenuEntries() {
    return kEntries;
}

void BuildMainMenu(QMenuBar* bar, const std::function<void(int)>& run,
                   const std::function<bool(int)>& hasAction) {
    std::map<QString, QMenu*> menus;
    std::map<QString, QMenu*> submenus;
    std::map<const QWidget*, QSet<QChar>> mnemonics;
    for (const MenuEntry& entry : kEntries) {
        const QString menuName = QString::fromUtf16(entry.menu);
        QMenu*& menu = menus[menuName];
        if (!menu) {
            menu = bar->addMenu(WithMnemonic(menuName, mnemonics[bar]));
            menu->setObjectName(u"menu "_s + menuName);
        }
        QMenu* target = menu;
        if (entry.submenu) {
            const QString name = QString::fromUtf16(entry.submenu);
            QMenu*& sub = submenus[name];
            if (!sub) {
                if (entry.separatorBefore)
                    menu->addSeparator();
                sub = menu->addMenu(WithMnemonic(name, mnemonics[menu]));
                sub->setObjectName(u"menu "_s + name);
            }
            target = sub;
        } else if (entry.separatorBefore) {
            menu->addSeparator();
        }
        QAction* action =
            target->addAction(WithMnemonic(QString::fromUtf16(entry.text), mnemonics[target]));
        action->setObjectName(u"action%1"_s.arg(entry.id));
        if (entry.icon >= 0)
            action->setIcon(Artwork::MenuIcon(entry.icon));
        action->setEnabled(hasAction(entry.id));
        if (entry.id == CmdExitProgram)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
        else if (entry.id == CmdAllHelpTopics)
            action->setShortcut(QKeySequence(Qt::Key_F1));
        const int id = entry.id;
        action->setData(id);
        QObject::connect(action, &QAction::triggered, bar, [run, id] { run(id); });
    }
    // What is available can change while the program runs; each menu asks again as it opens.
    for (auto* list : {&menus, &submenus}) {
        for (const auto& [name, menu] : *list) {
            QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, hasAction] {
                for (QAction* action : menu->actions())
                    if (action->data().isValid())
                        action->setEnabled(hasAction(action->data().toInt()));
            });
        }
    }
}

MenuGradientStyle::MenuGradientStyle()
    : m_settings(ReadSettings()) {}

MenuGradientStyle::Settings MenuGradientStyle::ReadSettings() {
    const QSettings profile(u"Gryndal Tarvessa"_s, u"Vornel"_s);
    Settings s;
    s.showGradient = profile.value(u"MenuXP/ShowGradient"_s, 1).toInt() != 0;
    s.gradientStart = FromColorRef(profile.value(u"MenuXP/GradientStart"_s, 0xE4C4B4).toUInt());
    s.gradientEnd = FromColorRef(profile.value(u"MenuXP/GradientEnd"_s, 0xFFFFFF).toUInt());
    s.gradientWidth = profile.value(u"MenuXP/GradientWidth"_s, 30).toInt();
    s.showGradientSel = profile.value(u"MenuEx/ShowGradientSel"_s, 1).toInt() != 0;
    return s;
}

void MenuGradientStyle::drawControl(ControlElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem copy = *item;
    const bool selected = (item->state & State_Selected) && (item->state & State_Enabled);
    painter->save();
    painter->fillRect(item->rect, item->palette.window());
    if (m_settings.showGradient) {
        const QRect band(item->rect.left(), item->rect.top(), m_settings.gradientWidth,
                         item->rect.height());
        QLinearGradient gradient(band.topLeft(), band.topRight());
        gradient.setColorAt(0, m_settings.gradientStart);
        gradient.setColorAt(1, m_settings.gradientEnd);
        painter->fillRect(band, gradient);
    }
    if (selected && m_settings.showGradientSel) {
        const QRect area = item->rect.adjusted(2, 1, -2, -1);
        // Under a dark palette both ends deepen until the white text reads on them.
        const QColor end = Contrast::Deepen(item->palette, QColor(120, 180, 235), Qt::white);
        QLinearGradient gradient(area.topLeft(), area.topRight());
        gradient.setColorAt(0, Contrast::Deepen(item->palette, QColor(19, 126, 209), Qt::white));
        gradient.setColorAt(1, end);
        painter->setPen(QColor(15, 107, 177));
        painter->setBrush(gradient);
        painter->drawRoundedRect(area, 3, 3);
        copy.state &= ~State_Selected;
        const QColor ink = Contrast::Ink(item->palette, Qt::white, end);
        copy.palette.setColor(QPalette::Text, ink);
        copy.palette.setColor(QPalette::ButtonText, ink);
        copy.palette.setColor(QPalette::WindowText, ink);
    }
    painter->restore();
    // The base style draws icon, text and shortcut over the band; its own background is left
    // out by drawing on a transparent window brush.
    copy.palette.setBrush(QPalette::Window, Qt::transparent);
    copy.palette.setBrush(QPalette::Button, Qt::transparent);
    copy.palette.setBrush(QPalette::Base, Qt::transparent);
    QProxyStyle::drawControl(element, &copy, painter, widget);
}
