// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/ContactManager.h"

#include "storage/AppData.h"
#include "storage/RowIdTableModel.h"
#include "trade/ContactEditor.h"
#include "trade/TradeTexts.h"
#include "ui/ListSelection.h"
#include "ui/RecordList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ContactManager::ContactManager(AppData& appData, ContactBook book, QWidget* parent)
    : BannerDialog(parent, 70)
    , m_data(appData)
    , m_book(book)
    , m_model(new RowIdTableModel(
          ContactHeaders(book == ContactBook::Breeders),
          [&appData, book](int, int id, int column) {
              const auto& contacts = ContactsOf(appData, book);
              const auto found = contacts.find(id);
              return found == contacts.end() ? QString() : ContactCell(found->second, column);
          },
          this))
    , m_view(new QTableView(this))
    , m_edit(new QPushButton(u"Edit"_s, this)) {
    const bool breeders = book == ContactBook::Breeders;
    setObjectName(breeders ? u"breedersManager"_s : u"clientsManager"_s);
    setWindowTitle(breeders ? u"Manage Breeders"_s : u"Manage Clients"_s);
    setBannerTitle(breeders ? u"Zarządzaj Hodowcami"_s : u"Clients Manager"_s);

    m_view->setObjectName(u"contacts"_s);
    m_view->setAccessibleName(breeders ? u"Breeders"_s : u"Clients"_s);
    SetUpRecordList(m_view, m_model, breeders ? u"Breeders"_s : u"Clients"_s, ContactWidths());
    std::vector<int> ids;
    for (const auto& [id, contact] : ContactsOf(m_data, m_book))
        ids.push_back(id);
    m_model->Fill(std::move(ids));
    FollowSelectedRow(m_view, this, [this](int row) { OnRowSelected(row); });
    // Return and a double click edit the selected contact.
    connect(m_view, &QTableView::activated, this, &ContactManager::EditSelected);

    auto* add = new QPushButton(breeders ? u"New Breeder"_s : u"New Client"_s, this);
    add->setObjectName(u"add"_s);
    m_edit->setObjectName(u"edit"_s);
    m_edit->setEnabled(false);
    // Contacts are not deleted: transactions and pigeons keep referring to them.
    auto* remove = new QPushButton(u"Delete"_s, this);
    remove->setObjectName(u"delete"_s);
    remove->setEnabled(false);
    auto* close = new QPushButton(breeders ? u"Zamknij"_s : u"Close Window"_s, this);
    close->setObjectName(u"close"_s);
    for (QPushButton* button : {add, m_edit, remove, close})
        button->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &ContactManager::AddContact);
    connect(m_edit, &QPushButton::clicked, this, &ContactManager::EditSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(m_edit);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 70, 12, 12);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(700, 460);
}

void ContactManager::OnRowSelected(int row) {
    m_selectedRow = row;
    m_edit->setEnabled(row >= 0);
}

void ContactManager::AddContact() {
    ContactRecord stored;
    if (RunContactEditor(m_data, m_book, 0, {}, this, &stored) && stored.id >= 1)
        m_model->SetRow(-1, stored.id);
}

void ContactManager::EditSelected() {
    const int row = m_selectedRow;
    const auto& contacts = ContactsOf(m_data, m_book);
    const auto found = contacts.find(m_model->IdAt(row));
    if (row < 0 || found == contacts.end())
        return;
    ContactRecord stored;
    if (RunContactEditor(m_data, m_book, 1, found->second, this, &stored))
        m_model->SetRow(row, stored.id);
}

void ManageContacts(AppData& appData, ContactBook book, QWidget* parent) {
    if (book == ContactBook::Clients) {
        CZarzadzajKlientami manager(appData, parent);
        manager.exec();
    } else {
        CZarzadzajHodowcami manager(appData, parent);
        manager.exec();
    }
}
