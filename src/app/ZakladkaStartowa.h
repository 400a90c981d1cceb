// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/BandSearchRunner.h"
#include "ui/TabPage.h"

#include <QRect>

#include <functional>
#include <memory>
#include <vector>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Welcome!" tab: shortcut links to the common actions, the help, and a calendar on wide
// screens.
class CZakladkaStartowa : public CTabPage {
    Q_OBJECT

public:
    CZakladkaStartowa(AppData& appData, QWidget* parent);

    /// The pages the links act on, and the way to run the main window's own commands.
    void SetTargets(CTabPage* pigeons, CTabPage* pairing, CTabPage* transactions, CTabPage* notepad,
                    std::function<void(int)> runCommand, std::function<bool(int)> hasAction);
    /// Where a pigeon found by the band search is shown.
    void SetPigeonFinder(BandSearchRunner::Show show);
    void LayoutPage() override;

    /// The link rectangles in the page's pixels, in the order of their actions.
    std::vector<QRect> LinkRects() const;
    /// False for a link whose action is not available in this program.
    bool LinkEnabled(int index) const;
    QCalendarWidget* Calendar() const { return m_calendar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    int PanelLinkCount() const override;
    PanelLink PanelLinkAt(int link) const override;
    void RunPanelLink(int link) override { RunLink(link); }

private:
    void RunLink(int index);

    CTabPage* m_pigeons = nullptr;
    CTabPage* m_pairing = nullptr;
    CTabPage* m_transactions = nullptr;
    CTabPage* m_notepad = nullptr;
    std::function<void(int)> m_runCommand;
    std::function<bool(int)> m_hasAction;
    QCalendarWidget* m_calendar;
    QLabel* m_sidePicture;
    QLineEdit* m_search;
    std::unique_ptr<BandSearchRunner> m_finder;
};
