// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/TabPage.h"

#include <QRect>

class RowIdTableModel;
class QTableView;

// The transactions tab: the current loft's purchases and sales, one row per transaction in
// ascending id order, and the captions that add, edit and delete them and reach the clients.
class CZakladkaTransakcje : public CTabPage {
    Q_OBJECT

public:
    enum Link {
        NewLink,
        EditLink,
        DeleteLink,
        AddClientLink,
        ManageClientsLink,
        PrintReportLink,
        LinkCount
    };

    CZakladkaTransakcje(AppData& appData, QWidget* parent);

    bool Handles(PageCommand command) const override;
    void LayoutPage() override;
    void ClearLoftLists() override;
    void FillLoftLists() override;

    /// Redraws the rows after clients or pigeons they name have changed.
    void ContactsChanged();
    /// Selects a row as a click would (-1 for none).
    void SelectRow(int row);
    int SelectedRow() const { return m_selectedRow; }
    QRect LinkRect(int link) const;
    bool LinkEnabled(int link) const;
    RowIdTableModel* Model() const { return m_model; }
    QTableView* View() const { return m_view; }

Q_SIGNALS:
    /// Asks for the report of the loft's transactions; the printing windows answer it.
    void printReportRequested();

protected:
    void HandleCommand(PageCommand command) override;
    int PanelLinkCount() const override { return LinkCount; }
    PanelLink PanelLinkAt(int link) const override;
    void RunPanelLink(int link) override { RunLink(link); }
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void RunLink(int link);
    void AddTransaction();
    void EditTransaction();
    void DeleteTransaction();

    RowIdTableModel* m_model;
    QTableView* m_view;
    int m_selectedRow = -1;
};
