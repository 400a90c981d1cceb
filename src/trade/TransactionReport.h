// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class AppData;

/// The current loft's transactions as a printable page (beginning with the byte-order mark):
/// one row each, in the order of the list, then the sales and the purchases totalled per
/// currency.
QString TransactionReportHtml(const AppData& data);
