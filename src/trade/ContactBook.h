// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"

#include <QString>

#include <map>
#include <vector>

class AppData;
struct ContactRecord;

// The two address books: clients (the other party of a transaction, the pigeon's owner) and
// breeders (where a pigeon comes from). They share one record and one layout.
enum class ContactBook { Clients, Breeders };

/// The first name, a blank and the last name, as the lists show a contact.
QString ContactName(const ContactRecord& contact);
/// The place, ", " and the street, as the transaction editor shows a chosen client.
QString ContactAddress(const ContactRecord& contact);

/// The loaded contacts of a book, keyed by id.
const std::map<int, ContactRecord>& ContactsOf(const AppData& data, ContactBook book);
/// Stores a contact with the writer of its book (mode -1, the id or -2); the book's map follows.
DbResult SaveContact(AppData& data, ContactBook book, int mode, ContactRecord& contact);
/// A contact as a new one starts: the current loft, country 48, every class 0.
ContactRecord NewContact(int loftId);

/// The ids of the clients whose first name contains text (case-sensitive), in ascending id
/// order; an empty text keeps all.
std::vector<int> ClientsMatching(const std::map<int, ContactRecord>& clients, const QString& text);
