// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "trade/ContactBook.h"
#include "ui/Banner.h"

#include <map>

class AppData;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// The editor of a client or a breeder. The caller gives the edit flag (0 new, 1 edit) and, when
// editing, a copy of the contact; the save button stores it and takes the book's map along.
class ContactEditor : public BannerDialog {
    Q_OBJECT

public:
    ContactEditor(AppData& appData, ContactBook book, int editFlag, const ContactRecord& contact,
                  QWidget* parent);

    /// The contact as stored (with its new id after adding).
    const ContactRecord& Contact() const { return m_contact; }
    QLineEdit* Field(const QString& objectName) const;

    void accept() override;

private:
    QLineEdit* AddField(const QString& objectName, QString ContactRecord::*field);

    AppData& m_data;
    ContactBook m_book;
    int m_editFlag;
    ContactRecord m_contact;
    std::map<QLineEdit*, QString ContactRecord::*> m_fields;
    QPlainTextEdit* m_remarks = nullptr;
    QComboBox* m_country;
    QComboBox* m_province;
};

// "Add/Edit client".
class CDodajEdytujKlienta : public ContactEditor {
    Q_OBJECT

public:
    CDodajEdytujKlienta(AppData& appData, int editFlag, const ContactRecord& contact = {},
                        QWidget* parent = nullptr)
        : ContactEditor(appData, ContactBook::Clients, editFlag, contact, parent) {}
};

// "Add/Edit Breeder".
class CDodajEdytujHodowce : public ContactEditor {
    Q_OBJECT

public:
    CDodajEdytujHodowce(AppData& appData, int editFlag, const ContactRecord& contact = {},
                        QWidget* parent = nullptr)
        : ContactEditor(appData, ContactBook::Breeders, editFlag, contact, parent) {}
};

/// Runs the book's editor (0 new, 1 edit); true when the contact was stored, which then goes to
/// *stored.
bool RunContactEditor(AppData& appData, ContactBook book, int editFlag,
                      const ContactRecord& contact, QWidget* parent,
                      ContactRecord* stored = nullptr);
/// Opens the editor for a new contact of a book; true when one was stored.
bool AddNewContact(AppData& appData, ContactBook book, QWidget* parent);
