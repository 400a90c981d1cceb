// SPDX-License-Identifier: GPL-3.0-or-later
#include "trade/ContactEditor.h"

#include "storage/AppData.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

ContactEditor::ContactEditor(AppData& appData, ContactBook book, int editFlag,
                             const ContactRecord& contact, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_book(book)
    , m_editFlag(editFlag)
    , m_contact(editFlag == 0 ? NewContact(appData.CurrentLoftId()) : contact)
    , m_country(new QComboBox(this))
    , m_province(new QComboBox(this)) {
    const bool breeder = book == ContactBook::Breeders;
    setObjectName(breeder ? u"breederEditor"_s : u"clientEditor"_s);
    setWindowTitle(breeder ? u"Add/Edit Breeder"_s : u"Add/Edit client"_s);
    if (breeder)
        setBannerTitle(editFlag == 0 ? u"New breeder"_s : u"Edit breeder"_s);
    else
        setBannerTitle(editFlag == 0 ? u"New client"_s : u"Edit client"_s);

    auto* address = new QFormLayout;
    address->addRow(u"Name"_s, AddField(u"firstName"_s, &ContactRecord::firstName));
    address->addRow(breeder ? u"Last Name"_s : u"Last name"_s,
                    AddField(u"lastName"_s, &ContactRecord::lastName));
    address->addRow(u"Place"_s, AddField(u"town"_s, &ContactRecord::town));
    address->addRow(u"Street"_s, AddField(u"street"_s, &ContactRecord::street));
    address->addRow(breeder ? u"Apartment/House Nr"_s : u"Apartment/house number"_s,
                    AddField(u"houseNumber"_s, &ContactRecord::houseNumber));
    address->addRow(u"Kod pocztowy:"_s, AddField(u"postCode"_s, &ContactRecord::postCode));
    // The second part of the post code has no place on screen; a breeder's is kept as it is.
    AddField(u"postCode2"_s, &ContactRecord::postCode2)->hide();
    // Neither list has entries: a new contact is stored with country 48 and province 0.
    m_country->setObjectName(u"country"_s);
    m_province->setObjectName(u"province"_s);
    m_country->setEnabled(false);
    m_province->setEnabled(false);
    address->addRow(u"Country"_s, m_country);
    address->addRow(u"State/Province"_s, m_province);

    auto* phones = new QFormLayout;
    phones->addRow(u"Contact phone"_s, AddField(u"phoneHome"_s, &ContactRecord::phoneHome));
    phones->addRow(u"Contact phone 2"_s, AddField(u"phoneHome2"_s, &ContactRecord::phoneHome2));
    phones->addRow(u"Mobile phone"_s, AddField(u"phoneMobile"_s, &ContactRecord::phoneMobile));
    phones->addRow(u"Mobile phone 2"_s, AddField(u"phoneMobile2"_s, &ContactRecord::phoneMobile2));
    phones->addRow(u"E-mail"_s, AddField(u"email"_s, &ContactRecord::email));
    phones->addRow(u"Website"_s, AddField(u"www"_s, &ContactRecord::www));

    // Made after the fields, so that Tab walks the form from the name down to the notes.
    m_remarks = new QPlainTextEdit(this);
    m_remarks->setObjectName(u"remarks"_s);
    m_remarks->setTabChangesFocus(true);
    m_remarks->setPlainText(m_contact.remarks);
    phones->addRow(u"Notes"_s, m_remarks);

    auto* save = new QPushButton(breeder ? u"Add Breeder"_s : u"Add Client"_s, this);
    save->setObjectName(u"save"_s);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &ContactEditor::accept);

    auto* columns = new QHBoxLayout;
    columns->addLayout(address, 1);
    columns->addSpacing(16);
    columns->addLayout(phones, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 70, 12, 12);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    resize(720, 330);
    Field(u"firstName"_s)->setFocus();
}

QLineEdit* ContactEditor::AddField(const QString& objectName, QString ContactRecord::*field) {
    auto* edit = new QLineEdit(m_contact.*field, this);
    edit->setObjectName(objectName);
    edit->setCursorPosition(0);
    m_fields.emplace(edit, field);
    return edit;
}

QLineEdit* ContactEditor::Field(const QString& objectName) const {
    return findChild<QLineEdit*>(objectName);
}

void ContactEditor::accept() {
    ContactRecord contact = m_contact;
    for (const auto& [edit, field] : m_fields)
        contact.*field = edit->text();
    contact.remarks = m_remarks->toPlainText();
    const int mode = m_editFlag == 0 ? -1 : contact.id;
    if (const DbResult result = SaveContact(m_data, m_book, mode, contact); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_contact = contact;
    BannerDialog::accept();
}

bool RunContactEditor(AppData& appData, ContactBook book, int editFlag,
                      const ContactRecord& contact, QWidget* parent, ContactRecord* stored) {
    std::unique_ptr<ContactEditor> editor;
    if (book == ContactBook::Clients)
        editor = std::make_unique<CDodajEdytujKlienta>(appData, editFlag, contact, parent);
    else
        editor = std::make_unique<CDodajEdytujHodowce>(appData, editFlag, contact, parent);
    if (editor->exec() != QDialog::Accepted)
        return false;
    if (stored)
        *stored = editor->Contact();
    return true;
}

bool AddNewContact(AppData& appData, ContactBook book, QWidget* parent) {
    return RunContactEditor(appData, book, 0, {}, parent);
}
