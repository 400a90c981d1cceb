// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "trade/ContactBook.h"
#include "ui/Banner.h"

class AppData;
class RowIdTableModel;
class QPushButton;
class QTableView;

// The list of a book's contacts with New, Edit, Delete and Close. Each row keeps the id of the
// contact it shows; a new contact is appended, an edited one rewritten in place.
class ContactManager : public BannerDialog {
    Q_OBJECT

public:
    ContactManager(AppData& appData, ContactBook book, QWidget* parent);

    QTableView* View() const { return m_view; }
    RowIdTableModel* Model() const { return m_model; }
    /// The selected row, -1 for none.
    int SelectedRow() const { return m_selectedRow; }

    void AddContact();
    void EditSelected();

private:
    void OnRowSelected(int row);

    AppData& m_data;
    ContactBook m_book;
    RowIdTableModel* m_model;
    QTableView* m_view;
    QPushButton* m_edit;
    int m_selectedRow = -1;
};

// "Manage Clients".
class CZarzadzajKlientami : public ContactManager {
    Q_OBJECT

public:
    explicit CZarzadzajKlientami(AppData& appData, QWidget* parent = nullptr)
        : ContactManager(appData, ContactBook::Clients, parent) {}
};

// "Manage Breeders".
class CZarzadzajHodowcami : public ContactManager {
    Q_OBJECT

public:
    explicit CZarzadzajHodowcami(AppData& appData, QWidget* parent = nullptr)
        : ContactManager(appData, ContactBook::Breeders, parent) {}
};

/// Runs the manager of a book.
void ManageContacts(AppData& appData, ContactBook book, QWidget* parent);
