// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class AppData;
struct ContactRecord;
struct TransactionRecord;

// What the trade windows show of their records: the list columns and the choice texts.

enum TransactionColumn {
    TransactionCheck,
    TransactionClient,
    TransactionKind,
    TransactionItem,
    TransactionPrice,
    TransactionDate,
    TransactionRemarks,
    TransactionColumnCount
};
QStringList TransactionHeaders();
std::vector<int> TransactionWidths();
/// One cell of a transaction's row in the transactions list.
QString TransactionCell(const AppData& data, const TransactionRecord& transaction, int column);

/// "Sale", "Purchase" or "Another"; nothing for another value.
QString TransactionKindText(int kind);
/// The pigeon's band label for a pigeon item (empty when no such pigeon is loaded), else the
/// item's description.
QString TransactionItemText(const AppData& data, const TransactionRecord& transaction);

/// The choices of the transaction editor, in the order of their codes.
QStringList TransactionKindChoices(); // "Sale", "Purchase", " Another"
QStringList CurrencyChoices();        // "PLN", "USD", "EUR", "FRA", "JEN"
QStringList TransactionItemChoices(); // "Bird", "Another transaction"

/// A typed price kept to its cents: a number with a point or a comma; nothing for any other
/// text, or for 10000000000000 or more, where a double no longer holds every cent.
std::optional<double> ParsePrice(const QString& text);

enum ContactColumn {
    ContactCheck,
    ContactFirstName,
    ContactLastName,
    ContactPostCode,
    ContactTown,
    ContactStreet,
    ContactColumnCount
};
/// The manager's headers: the clients' in English, the breeders' in Polish.
QStringList ContactHeaders(bool breeders);
std::vector<int> ContactWidths();
QString ContactCell(const ContactRecord& contact, int column);
