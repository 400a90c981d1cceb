// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct PigeonRecord;

/// Country, union, year and ring number joined by blanks, then " [name]" when named.
QString BandLabel(const PigeonRecord& pigeon);

/// "Cock" for 1, "Hen" for 2, nothing otherwise.
QString SexWord(int sex);
/// What the editor shows for a sex that is not set.
inline constexpr char16_t kSexNotSet[] = u"N/A";

/// General notation with up to six significant digits and no trailing zeros (1192.86, 0.75,
/// 1.23457e+06), as lists and pages show numbers.
QString FormatNumber(double value);

/// "PLN", "USD", "EUR", "FRA" or "JEN"; nothing for another code.
QString CurrencyCode(int currency);
/// A price to its cents, without trailing zeros and never with an exponent (12.5, 1234567.89,
/// 10000000000), as the editor, the list and the report show it.
QString PriceNumber(double price);
/// The price's number followed by its currency code (" PLN", " USD", " EUR", " FRA", " JEN").
QString PriceText(double price, int currency);

/// A remark as lists show it: its first 15 characters on one line, with an ellipsis when there is
/// more (the whole remark goes to the tooltip).
QString ShortRemark(const QString& remark);
/// A tooltip that shows the text as typed: Qt reads a text that looks like markup as rich text,
/// so a name such as "<b>Orzeł</b>" is escaped.
QString PlainToolTip(const QString& text);
