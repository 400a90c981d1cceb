// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/DodajZmienTransakcje.h"

#include "register/ChooserCandidates.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "storage/RowIdTableModel.h"
#include "trade/ContactBook.h"
#include "trade/TradeTexts.h"
#include "ui/Contrast.h"
#include "ui/DateFields.h"
#include "ui/ListSelection.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kNoClient = u"Select client from list"_s;
const QString kNoPigeon = u"Select pigeon from list "_s;
const QColor kHeadingColour(63, 172, 255);

void StyleHeading(QLabel* label) {
    label->setFont(CaptionFont(14));
    Contrast::SetTextColour(label, QPalette::WindowText, kHeadingColour);
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    StyleHeading(label);
    return label;
}

ElidedLabel* Shown(const QString& name, bool heading, QWidget* parent) {
    auto* label = new ElidedLabel(parent);
    label->setObjectName(name);
    if (heading)
        StyleHeading(label);
    else
        label->setFont(CaptionFont(14));
    // An empty label keeps its line, so that nothing moves when a choice is shown.
    label->setMinimumHeight(label->fontMetrics().height());
    return label;
}

QListView* ChoiceList(const QString& name, RowIdTableModel* model, QWidget* parent) {
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTextElideMode(Qt::ElideRight);
    return view;
}

QComboBox* Choices(const QString& name, const QStringList& items, int chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(chosen >= 0 && chosen < items.size() ? chosen : 0);
    return box;
}

} // namespace

CDodajZmienTransakcje::CDodajZmienTransakcje(AppData& appData, int editFlag,
                                             const TransactionRecord& transaction, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_editFlag(editFlag)
    , m_transaction(transaction)
    , m_kind(Choices(u"kind"_s, TransactionKindChoices(), editFlag ? transaction.kind : 0, this))
    , m_clientSearch(new QLineEdit(this))
    , m_clientRows(new RowIdTableModel(
          {QString()},
          [&appData](int, int id, int) {
              const auto client = appData.clients.find(id);
              return client == appData.clients.end() ? QString() : ContactName(client->second);
          },
          this))
    , m_clients(ChoiceList(u"clients"_s, m_clientRows, this))
    , m_pigeonSearch(new QLineEdit(this))
    , m_pigeonRows(new RowIdTableModel(
          {QString()}, [&appData](int, int id, int) { return appData.FindPigeon(id).BandLabel; },
          this))
    , m_pigeons(ChoiceList(u"pigeons"_s, m_pigeonRows, this))
    , m_clientName(Shown(u"clientName"_s, true, this))
    , m_clientAddress(Shown(u"clientAddress"_s, false, this))
    , m_pigeonBand(Shown(u"pigeonBand"_s, true, this))
    , m_pigeonColour(Shown(u"pigeonColour"_s, false, this))
    , m_price(new QLineEdit(this))
    , m_currency(
          Choices(u"currency"_s, CurrencyChoices(), editFlag ? transaction.currency : 0, this))
    , m_item(Choices(u"item"_s, TransactionItemChoices(), editFlag ? transaction.subject : 0, this))
    , m_otherItem(new QLineEdit(this))
    , m_date(new DateFields(u"Transaction Date"_s, false, this))
    , m_remarks(new QPlainTextEdit(this)) {
    setObjectName(u"transactionEditor"_s);
    setWindowTitle(u"TRANSACTION"_s);
    setBannerTitle(editFlag ? u"Edit transaction"_s : u"New transaction"_s);

    m_clientSearch->setObjectName(u"clientSearch"_s);
    m_pigeonSearch->setObjectName(u"pigeonSearch"_s);
    m_price->setObjectName(u"price"_s);
    m_otherItem->setObjectName(u"otherItem"_s);
    m_date->setObjectName(u"date"_s);
    m_remarks->setObjectName(u"remarks"_s);
    m_remarks->setTabChangesFocus(true);
    for (QComboBox* box : {m_kind, m_currency, m_item})
        KeepComboNarrow(box);
    if (auto* dateLabel = m_date->findChild<QLabel*>())
        StyleHeading(dateLabel);

    // A new transaction is dated now; an edited one keeps its time of day.
    LocalFields when;
    if (!editFlag || !SplitLocalTime(transaction.date, when))
        SplitLocalTime(QDateTime::currentSecsSinceEpoch(), when);
    m_date->SetDate(when.day, when.month, when.year);
    m_hour = when.hour;
    m_minute = when.minute;
    m_second = when.second;
    if (editFlag) {
        m_clientId = transaction.idClient;
        m_pigeonId = transaction.idPigeon;
        m_price->setText(PriceNumber(transaction.price));
        m_otherItem->setText(transaction.otherSubject);
        m_remarks->setPlainText(transaction.note);
    } else {
        m_price->setText(u"0"_s);
    }
    ShowClient();
    ShowPigeon();
    OnItemChosen(m_item->currentIndex());

    SearchClients({});
    m_allPigeons = ChooserCandidates(m_data, ChooseAll);
    m_pigeonRows->Fill(m_allPigeons);
    connect(m_clientSearch, &QLineEdit::textChanged, this, &CDodajZmienTransakcje::SearchClients);
    connect(m_pigeonSearch, &QLineEdit::textChanged, this, &CDodajZmienTransakcje::SearchPigeons);
    FollowSelectedRow(m_clients, this, [this](int row) { ChooseClient(row); });
    FollowSelectedRow(m_pigeons, this, [this](int row) { ChoosePigeon(row); });
    connect(m_item, &QComboBox::currentIndexChanged, this, &CDodajZmienTransakcje::OnItemChosen);

    auto* add = new QPushButton(u"Add"_s, this);
    add->setObjectName(u"add"_s);
    add->setDefault(true);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &CDodajZmienTransakcje::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Each heading names the field under it for a screen reader.
    const auto headingOf = [this](const QString& text, QWidget* field) {
        QLabel* heading = Heading(text, this);
        heading->setBuddy(field);
        return heading;
    };
    m_clients->setAccessibleName(u"Clients"_s);
    m_pigeons->setAccessibleName(u"Pigeons"_s);
    auto* left = new QVBoxLayout;
    left->addWidget(headingOf(u"TRANSACTION TYPE"_s, m_kind));
    left->addWidget(m_kind);
    left->addWidget(headingOf(u"Search Client"_s, m_clientSearch));
    left->addWidget(m_clientSearch);
    left->addWidget(m_clients, 1);
    left->addWidget(headingOf(u"Search Pigeon"_s, m_pigeonSearch));
    left->addWidget(m_pigeonSearch);
    left->addWidget(m_pigeons, 2);

    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(m_price, 1);
    priceRow->addWidget(m_currency);
    auto* right = new QVBoxLayout;
    right->addWidget(m_clientName);
    right->addWidget(m_clientAddress);
    right->addSpacing(8);
    right->addWidget(m_pigeonBand);
    right->addWidget(m_pigeonColour);
    right->addSpacing(8);
    right->addWidget(headingOf(u"Price"_s, m_price));
    right->addLayout(priceRow);
    right->addWidget(headingOf(u"sale item"_s, m_item));
    right->addWidget(m_item);
    right->addWidget(m_otherItem);
    right->addSpacing(8);
    right->addWidget(m_date);
    right->addWidget(headingOf(u"Transaction Remarks"_s, m_remarks));
    right->addWidget(m_remarks, 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(16);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 70, 12, 12);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(760, 600);
}

void CDodajZmienTransakcje::SearchClients(const QString& text) {
    m_clientRows->Fill(ClientsMatching(m_data.clients, text));
}

void CDodajZmienTransakcje::SearchPigeons(const QString& text) {
    m_pigeonRows->Fill(text.isEmpty() ? m_allPigeons : MatchingBand(m_data, m_allPigeons, text));
}

void CDodajZmienTransakcje::ChooseClient(int row) {
    m_clientId = row < 0 ? -1 : m_clientRows->IdAt(row);
    ShowClient();
}

void CDodajZmienTransakcje::ChoosePigeon(int row) {
    m_pigeonId = row < 0 ? -1 : m_pigeonRows->IdAt(row);
    ShowPigeon();
}

void CDodajZmienTransakcje::ShowClient() {
    const auto client = m_data.clients.find(m_clientId);
    const bool chosen = client != m_data.clients.end();
    m_clientName->setText(chosen ? ContactName(client->second) : kNoClient);
    m_clientAddress->setText(chosen ? ContactAddress(client->second) : QString());
}

void CDodajZmienTransakcje::ShowPigeon() {
    const auto pigeon = m_data.pigeons.find(m_pigeonId);
    const bool chosen = pigeon != m_data.pigeons.end();
    m_pigeonBand->setText(chosen ? pigeon->second.BandLabel : kNoPigeon);
    QString colour;
    if (chosen)
        if (const auto found = m_data.colours.find(pigeon->second.idColour);
            found != m_data.colours.end())
            colour = found->second;
    m_pigeonColour->setText(colour);
}

void CDodajZmienTransakcje::OnItemChosen(int item) {
    const bool other = item == 1;
    m_otherItem->setVisible(other);
    m_otherItem->setEnabled(other);
}

void CDodajZmienTransakcje::accept() {
    if (const std::optional<QString> problem = m_date->Problem()) {
        MessageBox::ShowMessage(this, *problem);
        return;
    }
    // A box left as shown keeps the stored price, even one with more than cents.
    const std::optional<double> price =
        m_editFlag && m_price->text() == PriceNumber(m_transaction.price)
            ? m_transaction.price
            : ParsePrice(m_price->text());
    if (!price) {
        MessageBox::ShowMessage(
            this, u"Price: please enter a number below 10000000000000, for example 12.50."_s);
        m_price->setFocus();
        m_price->selectAll();
        return;
    }
    const qint64 date = m_date->Compose(m_hour, m_minute, m_second);
    if (date == -1) {
        MessageBox::ShowMessage(this, u"Transaction Date: this date cannot be stored."_s);
        return;
    }
    TransactionRecord t = m_transaction;
    t.idClient = m_clientId;
    t.idLoft = m_data.CurrentLoftId();
    t.kind = m_kind->currentIndex();
    t.currency = m_currency->currentIndex();
    t.subject = m_item->currentIndex();
    t.price = *price;
    t.note = m_remarks->toPlainText();
    // A bird saved without a pigeon keeps -1, so that it is never read as another item.
    t.idPigeon = t.subject == 1 ? 0 : (m_pigeonId >= 1 ? m_pigeonId : -1);
    t.otherSubject = m_otherItem->text();
    t.date = date;
    const int mode = m_editFlag ? t.id : -1;
    if (const DbResult result = m_data.SaveTransaction(mode, t); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_transaction = t;
    BannerDialog::accept();
}
