// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/TransactionReport.h"

#include "pedigree/PageWriting.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "trade/TradeTexts.h"

#include <map>

using namespace Qt::StringLiterals;

namespace {

const int kColumns[] = {TransactionDate, TransactionClient, TransactionKind,
                        TransactionItem, TransactionPrice,  TransactionRemarks};
// Shares of the page's width: the rich-text engine ignores millimetres, and columns sized by
// their contents left the remarks a few letters wide.
const char16_t* const kWidths[] = {u"13%", u"18%", u"10%", u"23%", u"12%", u"24%"};
const QString kUnbroken = u"<td style=\"white-space:nowrap\">"_s;

} // namespace

QString TransactionReportHtml(const AppData& data) {
    const int loftId = data.CurrentLoftId();
    QString loftName;
    for (const LoftRecord& loft : data.lofts)
        if (loft.id == loftId)
            loftName = loft.name;
    QString page;
    page += QChar(0xFEFF);
    page += PrintPageHead(PageStyle{});
    page += u"<h2>Transactions of "_s + HtmlText(loftName) + u"</h2>"_s;
    page += u"<br><table width=\"100%\" border=1 cellspacing=0 cellpadding=2>"_s;
    page += u"<thead><tr>"_s;
    const QStringList headers = TransactionHeaders();
    for (size_t i = 0; i < std::size(kColumns); ++i)
        page += u"<th width=\""_s + QString::fromUtf16(kWidths[i]) + u"\">"_s +
                HtmlText(headers[kColumns[i]]) + u"</th>"_s;
    page += u"</tr></thead><tbody>"_s;
    // Totals by currency code: sales, then purchases.
    std::map<int, std::pair<double, double>> totals;
    for (const auto& [id, transaction] : data.transactions) {
        page += u"<tr valign=top>\r\n"_s;
        for (int column : kColumns) {
            // The report has room for the whole remark, which the list cuts short.
            const QString cell = column == TransactionRemarks
                                     ? transaction.note
                                     : TransactionCell(data, transaction, column);
            // A price broken over two lines reads as two numbers on paper.
            page += (column == TransactionPrice ? kUnbroken : u"<td>"_s) +
                    (cell.isEmpty() ? u"&nbsp;"_s : HtmlText(cell)) + u"</td>"_s;
        }
        page += u"</tr>\r\n"_s;
        if (transaction.kind == 0)
            totals[transaction.currency].first += transaction.price;
        else if (transaction.kind == 1)
            totals[transaction.currency].second += transaction.price;
    }
    page += u"</table>"_s;
    page += u"<h3>Totals</h3><table border=1 cellspacing=0 cellpadding=4><tr><th>Currency</th>"
            u"<th>Sales</th><th>Purchases</th></tr>"_s;
    for (const auto& [currency, sums] : totals) {
        page += u"<tr><td>"_s + CurrencyCode(currency) + u"</td>"_s + kUnbroken +
                PriceNumber(sums.first) + u"</td>"_s + kUnbroken + PriceNumber(sums.second) +
                u"</td></tr>"_s;
    }
    page += u"</table>"_s;
    return page;
}
