// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/ContactBook.h"

#include "storage/AppData.h"

using namespace Qt::StringLiterals;

QString ContactName(const ContactRecord& contact) {
    return contact.firstName + u' ' + contact.lastName;
}

QString ContactAddress(const ContactRecord& contact) {
    return contact.town + u", "_s + contact.street;
}

const std::map<int, ContactRecord>& ContactsOf(const AppData& data, ContactBook book) {
    return book == ContactBook::Clients ? data.clients : data.breeders;
}

DbResult SaveContact(AppData& data, ContactBook book, int mode, ContactRecord& contact) {
    return book == ContactBook::Clients ? data.SaveClient(mode, contact)
                                        : data.SaveBreeder(mode, contact);
}

ContactRecord NewContact(int loftId) {
    ContactRecord contact;
    contact.id = -1;
    contact.loft = loftId;
    contact.category = 0;
    contact.subcategory = 0;
    contact.type = 0;
    contact.province = 0;
    contact.country = 48;
    return contact;
}

std::vector<int> ClientsMatching(const std::map<int, ContactRecord>& clients, const QString& text) {
    std::vector<int> ids;
    ids.reserve(clients.size());
    for (const auto& [id, client] : clients)
        if (client.firstName.contains(text, Qt::CaseSensitive))
            ids.push_back(id);
    return ids;
}
