// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/ZakladkaTransakcje.h"

#include "storage/AppData.h"
#include "storage/RowIdTableModel.h"
#include "trade/ContactEditor.h"
#include "trade/ContactManager.h"
#include "trade/DodajZmienTransakcje.h"
#include "trade/TradeTexts.h"
#include "ui/Banner.h"
#include "ui/Contrast.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"
#include "ui/RecordList.h"

#include <QHeaderView>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kLinkTexts[] = {u"New Transaction", u"Edit transaction", u"Delete current",
                                      u"Add Client",      u"Manage Clients",   u"Print Report"};
const QString kSelectFirst = u"You must select transaction from list."_s;

} // namespace

CZakladkaTransakcje::CZakladkaTransakcje(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent)
    , m_model(new RowIdTableModel(
          TransactionHeaders(),
          [&appData](int, int id, int column) {
              const auto found = appData.transactions.find(id);
              return found == appData.transactions.end()
                         ? QString()
                         : TransactionCell(appData, found->second, column);
          },
          this))
    , m_view(new QTableView(this)) {
    setObjectName(u"transactionsPage"_s);

    m_view->setObjectName(u"transactions"_s);
    SetUpRecordList(m_view, m_model, u"Transactions"_s, TransactionWidths(), {TransactionItem});
    m_model->SetToolTipReader([&appData](int, int id, int column) {
        const auto found = appData.transactions.find(id);
        return column == TransactionRemarks && found != appData.transactions.end()
                   ? found->second.note
                   : QString();
    });
    ClearSelectionOnEmptyClick(m_view);
    FollowSelectedRow(m_view, this, [this](int row) { m_selectedRow = row; });
    // Return and a double click edit the selected transaction.
    connect(m_view, &QTableView::activated, this,
            [this] { Perform(PageCommand::EditTransaction); });
    m_view->setAccessibleName(u"Transactions"_s);
    BindRowKeys(m_view, std::nullopt, PageCommand::DeleteTransaction);
}

bool CZakladkaTransakcje::Handles(PageCommand command) const {
    switch (command) {
    case PageCommand::AddTransaction:
    case PageCommand::EditTransaction:
    case PageCommand::DeleteTransaction:
        return true;
    case PageCommand::PrintReport:
        return LinkEnabled(PrintReportLink);
    default:
        return false;
    }
}

void CZakladkaTransakcje::HandleCommand(PageCommand command) {
    switch (command) {
    case PageCommand::AddTransaction:
        AddTransaction();
        break;
    case PageCommand::EditTransaction:
        EditTransaction();
        break;
    case PageCommand::DeleteTransaction:
        DeleteTransaction();
        break;
    case PageCommand::PrintReport:
        Q_EMIT printReportRequested();
        break;
    default:
        break;
    }
}

void CZakladkaTransakcje::LayoutPage() {
    const QRect r = rect();
    m_view->setGeometry(QRect(QPoint(240, r.top()), QPoint(r.right() - 15, r.bottom() - 5)));
}

void CZakladkaTransakcje::ClearLoftLists() {
    m_model->Clear();
    SelectRow(-1);
}

void CZakladkaTransakcje::FillLoftLists() {
    std::vector<int> ids;
    ids.reserve(m_data.transactions.size());
    for (const auto& [id, transaction] : m_data.transactions)
        ids.push_back(id);
    m_model->Fill(std::move(ids));
    SelectRow(-1);
}

void CZakladkaTransakcje::ContactsChanged() {
    m_model->RefreshCells();
}

void CZakladkaTransakcje::SelectRow(int row) {
    if (row < 0 || row >= m_model->rowCount()) {
        m_view->clearSelection();
        m_selectedRow = -1;
        return;
    }
    m_view->selectRow(row);
    m_selectedRow = row;
}

QRect CZakladkaTransakcje::LinkRect(int link) const {
    const int top = 50 + link * 30;
    return QRect(QPoint(5, top), QPoint(209, top + 29));
}

bool CZakladkaTransakcje::LinkEnabled(int link) const {
    if (link == PrintReportLink)
        return isSignalConnected(
            QMetaMethod::fromSignal(&CZakladkaTransakcje::printReportRequested));
    return link >= 0 && link < LinkCount;
}

void CZakladkaTransakcje::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor white = Contrast::Fill(palette(), Qt::white, QPalette::Base);
    painter.fillRect(rect(), Contrast::Fill(palette(), QColor(236, 242, 251), QPalette::Window));
    painter.fillRect(QRect(QPoint(5, 15), QPoint(209, LinkRect(LinkCount - 1).bottom() + 10)),
                     white);
    painter.setFont(CaptionFont(18));
    painter.setPen(Contrast::Ink(palette(), QColor(63, 172, 255), white));
    painter.drawText(QRect(15, 15, 190, 34), Qt::AlignVCenter, u"Transactions"_s);
    painter.setFont(CaptionFont(14));
    for (int link = 0; link < LinkCount; ++link)
        PaintPageLink(painter, LinkRect(link), QString::fromUtf16(kLinkTexts[link]),
                      LinkEnabled(link));
}

void CZakladkaTransakcje::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    for (int link = 0; link < LinkCount; ++link) {
        if (LinkRect(link).contains(point)) {
            if (LinkEnabled(link))
                RunLink(link);
            return;
        }
    }
}

void CZakladkaTransakcje::RunLink(int link) {
    switch (link) {
    case NewLink:
        Perform(PageCommand::AddTransaction);
        break;
    case EditLink:
        Perform(PageCommand::EditTransaction);
        break;
    case DeleteLink:
        Perform(PageCommand::DeleteTransaction);
        break;
    case AddClientLink:
        AddNewContact(m_data, ContactBook::Clients, this);
        break;
    case ManageClientsLink:
        ManageContacts(m_data, ContactBook::Clients, this);
        ContactsChanged();
        break;
    case PrintReportLink:
        Perform(PageCommand::PrintReport);
        break;
    default:
        break;
    }
}

void CZakladkaTransakcje::AddTransaction() {
    // A transaction belongs to a loft; without one it would never be listed again.
    if (m_data.currentLoft < 0) {
        MessageBox::ShowMessage(this, u"Select a loft before adding a transaction."_s);
        return;
    }
    CDodajZmienTransakcje editor(m_data, 0, {}, this);
    if (editor.exec() == QDialog::Accepted && editor.Transaction().id >= 1)
        m_model->SetRow(-1, editor.Transaction().id);
}

void CZakladkaTransakcje::EditTransaction() {
    const int row = m_selectedRow;
    const auto found = m_data.transactions.find(m_model->IdAt(row));
    if (row < 0 || found == m_data.transactions.end()) {
        MessageBox::ShowMessage(this, kSelectFirst);
        return;
    }
    CDodajZmienTransakcje editor(m_data, 1, found->second, this);
    if (editor.exec() == QDialog::Accepted)
        m_model->SetRow(row, editor.Transaction().id);
}

void CZakladkaTransakcje::DeleteTransaction() {
    const int row = m_selectedRow;
    const auto found = m_data.transactions.find(m_model->IdAt(row));
    if (row < 0 || found == m_data.transactions.end()) {
        MessageBox::ShowMessage(this, kSelectFirst);
        return;
    }
    if (!MessageBox::AskYesNo(this, u"Do you want delete selected transaction?"_s,
                              u"Are you sure?"_s))
        return;
    TransactionRecord transaction = found->second;
    if (const DbResult result = m_data.SaveTransaction(-2, transaction); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_model->RemoveRow(row);
    SelectRow(-1);
}

PanelLink CZakladkaTransakcje::PanelLinkAt(int link) const {
    return {LinkRect(link), QString::fromUtf16(kLinkTexts[link]), LinkEnabled(link)};
}
