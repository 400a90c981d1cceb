// SPDX-License-Identifier: GPL-3.0-or-later
// The writers of transactions, clients and breeders.

#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "storage/WriterRows.h"

using namespace Qt::StringLiterals;
using namespace WriterRows;

namespace {

Fields ContactFields(const ContactRecord& c) {
    return {
        {u"imie", c.firstName},
        {u"nazwisko", c.lastName},
        {u"miejscowosc", c.town},
        {u"ulica", c.street},
        {u"nrdomu", c.houseNumber},
        {u"teldom", c.phoneHome},
        {u"teldom2", c.phoneHome2},
        {u"telkom", c.phoneMobile},
        {u"telkom2", c.phoneMobile2},
        {u"email", c.email},
        {u"adreswww", c.www},
        {u"kodpocztowy", c.postCode},
        {u"kod2", c.postCode2},
        {u"uwagi", c.remarks},
        {u"hodowla", c.loft},
        {u"kategoria", c.category},
        {u"subkategoria", c.subcategory},
        {u"typ", c.type},
        {u"wojewodztwo", c.province},
        {u"kraj", c.country},
    };
}

// Clients and breeders share their columns; a breeder has a second post code after the first.
// An update leaves the classification columns as they were inserted.
Columns ContactColumns(bool breeder, bool forInsert) {
    Columns columns{u"imie",    u"nazwisko", u"miejscowosc", u"ulica", u"nrdomu",   u"teldom",
                    u"teldom2", u"telkom",   u"telkom2",     u"email", u"adreswww", u"kodpocztowy"};
    if (breeder)
        columns.push_back(u"kod2");
    columns.push_back(u"uwagi");
    if (forInsert)
        columns.insert(columns.end(), {u"hodowla", u"kategoria", u"subkategoria", u"typ",
                                       u"wojewodztwo", u"kraj"});
    return columns;
}

// Every list of contacts (the managers, the transaction editor, the pigeon editor's breeder and
// owner) reads the maps, so a stored change is seen everywhere at once.
void MirrorContact(std::map<int, ContactRecord>& book, int mode, const ContactRecord& contact,
                   const DbResult& result) {
    if (!result.ok())
        return;
    if (mode == -2)
        book.erase(contact.id);
    else if (contact.id >= 1)
        book.insert_or_assign(contact.id, contact);
}

} // namespace

DbResult AppData::SaveTransaction(int mode, TransactionRecord& transaction) {
    const TransactionRecord& t = transaction;
    const Fields fields{{u"id_golebia", t.idPigeon},
                        {u"id_hodowli", t.idLoft},
                        {u"id_klienta", t.idClient},
                        {u"not1", t.note},
                        {u"waluta", t.currency},
                        {u"cena", t.price},
                        {u"rodzajtransakcji", t.kind},
                        {u"przedmiottransakcji", t.subject},
                        {u"data", t.date},
                        {u"innyprzedmiottransakcji", t.otherSubject}};
    const DbResult result =
        SaveRow(runner, PigeonsDbPath(), u"transakcje", mode, transaction.id, fields,
                {u"id_golebia", u"id_hodowli", u"id_klienta", u"not1", u"waluta", u"cena",
                 u"rodzajtransakcji", u"przedmiottransakcji", u"data", u"innyprzedmiottransakcji"},
                {u"not1", u"innyprzedmiottransakcji", u"id_golebia", u"id_klienta", u"waluta",
                 u"cena", u"rodzajtransakcji", u"przedmiottransakcji", u"data"});
    if (!result.ok())
        return result;
    if (mode == -2)
        transactions.erase(transaction.id);
    else if (transaction.id >= 1)
        transactions.insert_or_assign(transaction.id, transaction);
    return result;
}

DbResult AppData::SaveClient(int mode, ContactRecord& client) {
    const DbResult result =
        SaveRow(runner, ExtraDbPath(), u"klienci", mode, client.id, ContactFields(client),
                ContactColumns(false, true), ContactColumns(false, false));
    MirrorContact(clients, mode, client, result);
    return result;
}

DbResult AppData::SaveBreeder(int mode, ContactRecord& breeder) {
    const DbResult result =
        SaveRow(runner, ExtraDbPath(), u"hodowcy", mode, breeder.id, ContactFields(breeder),
                ContactColumns(true, true), ContactColumns(true, false));
    MirrorContact(breeders, mode, breeder, result);
    return result;
}
