// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/TradeTexts.h"

#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "trade/ContactBook.h"

#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

QStringList TransactionHeaders() {
    return {u"..."_s,   u"Client"_s,           u"Transaction type"_s, u"Sale item"_s,
            u"Price"_s, u"Transaction date"_s, u"Remarks"_s};
}

std::vector<int> TransactionWidths() {
    return {30, 140, 140, 150, 150, 150, 110};
}

QString TransactionKindText(int kind) {
    switch (kind) {
    case 0:
        return u"Sale"_s;
    case 1:
        return u"Purchase"_s;
    case 2:
        return u"Another"_s;
    default:
        return {};
    }
}

QString TransactionItemText(const AppData& data, const TransactionRecord& transaction) {
    if (transaction.idPigeon == 0)
        return transaction.otherSubject;
    const auto pigeon = data.pigeons.find(transaction.idPigeon);
    return pigeon == data.pigeons.end() ? QString() : pigeon->second.BandLabel;
}

QString TransactionCell(const AppData& data, const TransactionRecord& transaction, int column) {
    switch (column) {
    case TransactionCheck:
        return u" "_s;
    case TransactionClient: {
        const auto client = data.clients.find(transaction.idClient);
        return client == data.clients.end() ? QString() : ContactName(client->second);
    }
    case TransactionKind:
        return TransactionKindText(transaction.kind);
    case TransactionItem:
        return TransactionItemText(data, transaction);
    case TransactionPrice:
        return PriceText(transaction.price, transaction.currency);
    case TransactionDate:
        return FormatDateTime(transaction.date);
    case TransactionRemarks:
        return ShortRemark(transaction.note);
    default:
        return {};
    }
}

QStringList TransactionKindChoices() {
    return {u"Sale"_s, u"Purchase"_s, u" Another"_s};
}

QStringList CurrencyChoices() {
    return {u"PLN"_s, u"USD"_s, u"EUR"_s, u"FRA"_s, u"JEN"_s};
}

QStringList TransactionItemChoices() {
    return {u"Bird"_s, u"Another transaction"_s};
}

std::optional<double> ParsePrice(const QString& text) {
    QString typed = text.trimmed();
    typed.replace(u',', u'.');
    bool ok = false;
    const double value = QLocale::c().toDouble(typed, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) >= 1e13)
        return std::nullopt;
    return std::round(value * 100.0) / 100.0;
}

QStringList ContactHeaders(bool breeders) {
    if (breeders)
        return {u"..."_s,          u"Imię"_s,        u"Nazwisko"_s,
                u"Kod pocztowy"_s, u"Miejscowość"_s, u"Ulica"_s};
    return {u"..."_s, u"Name"_s, u"Last Name"_s, u"Zip Code"_s, u"Place"_s, u"Street"_s};
}

std::vector<int> ContactWidths() {
    return {30, 110, 110, 80, 100, 210};
}

QString ContactCell(const ContactRecord& contact, int column) {
    switch (column) {
    case ContactCheck:
        return u" "_s;
    case ContactFirstName:
        return contact.firstName;
    case ContactLastName:
        return contact.lastName;
    case ContactPostCode:
        return contact.postCode;
    case ContactTown:
        return contact.town;
    case ContactStreet:
        return contact.street;
    default:
        return {};
    }
}
