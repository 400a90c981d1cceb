// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

#include <vector>

class AppData;
class DateFields;
class ElidedLabel;
class RowIdTableModel;
class QComboBox;
class QLineEdit;
class QListView;
class QPlainTextEdit;

// "TRANSACTION": a sale, purchase or other deal with a client, for a pigeon or another item. The
// caller gives the edit flag (0 new, 1 edit) and, when editing, a copy of the transaction; "Add"
// stores it and the caller takes it back with its id.
class CDodajZmienTransakcje : public BannerDialog {
    Q_OBJECT

public:
    CDodajZmienTransakcje(AppData& appData, int editFlag, const TransactionRecord& transaction = {},
                          QWidget* parent = nullptr);

    const TransactionRecord& Transaction() const { return m_transaction; }
    /// The chosen client and pigeon, -1 for none.
    int ClientId() const { return m_clientId; }
    int PigeonId() const { return m_pigeonId; }
    QListView* ClientList() const { return m_clients; }
    QListView* PigeonList() const { return m_pigeons; }
    RowIdTableModel* ClientRows() const { return m_clientRows; }
    RowIdTableModel* PigeonRows() const { return m_pigeonRows; }

    void accept() override;

private:
    void SearchClients(const QString& text);
    void SearchPigeons(const QString& text);
    void ChooseClient(int row);
    void ChoosePigeon(int row);
    void ShowClient();
    void ShowPigeon();
    void OnItemChosen(int item);

    AppData& m_data;
    int m_editFlag;
    TransactionRecord m_transaction;
    int m_clientId = -1;
    int m_pigeonId = -1;
    int m_hour = 0;
    int m_minute = 0;
    int m_second = 0;
    std::vector<int> m_allPigeons;
    QComboBox* m_kind;
    QLineEdit* m_clientSearch;
    RowIdTableModel* m_clientRows;
    QListView* m_clients;
    QLineEdit* m_pigeonSearch;
    RowIdTableModel* m_pigeonRows;
    QListView* m_pigeons;
    ElidedLabel* m_clientName;
    ElidedLabel* m_clientAddress;
    ElidedLabel* m_pigeonBand;
    ElidedLabel* m_pigeonColour;
    QLineEdit* m_price;
    QComboBox* m_currency;
    QComboBox* m_item;
    QLineEdit* m_otherItem;
    DateFields* m_date;
    QPlainTextEdit* m_remarks;
};
