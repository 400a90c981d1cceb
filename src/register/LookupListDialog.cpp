// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/LookupListDialog.h"

#include "ui/ListSelection.h"
#include "ui/MessageBox.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

LookupListDialog::LookupListDialog(AppData& appData, Lookup lookup, const QString& heading,
                                   QWidget* parent)
    : BannerDialog(parent, 75)
    , m_data(appData)
    , m_lookup(lookup)
    , m_list(new QListWidget(this))
    , m_name(new QLineEdit(this)) {
    setBannerTitle(heading);
    m_list->setObjectName(u"names"_s);
    PickRowsByKeys(m_list);
    m_name->setObjectName(u"newName"_s);
    m_list->setAccessibleName(heading);
    m_name->setAccessibleName(u"New name"_s);
    auto* add = new QPushButton(u"Add"_s, this);
    add->setObjectName(u"add"_s);
    add->setAutoDefault(false);
    auto* remove = new QPushButton(u"Delete from list"_s, this);
    remove->setObjectName(u"delete"_s);
    remove->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &LookupListDialog::AddName);
    connect(m_name, &QLineEdit::returnPressed, this, &LookupListDialog::AddName);
    connect(remove, &QPushButton::clicked, this, &LookupListDialog::DeleteSelected);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 70, 12, 12);
    layout->addWidget(m_list, 0, 0, 1, 2);
    layout->addWidget(m_name, 1, 0, 1, 2);
    layout->addWidget(add, 2, 0);
    layout->addWidget(remove, 2, 1);
    resize(384, 408);
    Fill();
}

void LookupListDialog::Fill() {
    m_list->clear();
    for (const auto& [id, name] : m_data.LookupMapOf(m_lookup)) {
        auto* item = new QListWidgetItem(name, m_list);
        item->setData(Qt::UserRole, id);
    }
}

void LookupListDialog::AddName() {
    const QString name = m_name->text();
    if (name.isEmpty())
        return;
    int id = 0;
    const DbResult result = m_data.AddLookup(m_lookup, m_data.CurrentLoftId(), name, &id);
    // A name the list has already is refused by the database without a word.
    if (result.failed())
        MessageBox::ShowFailure(this, result);
    if (!result.ok() || id < 1)
        return;
    auto* item = new QListWidgetItem(name, m_list);
    item->setData(Qt::UserRole, id);
}

void LookupListDialog::DeleteSelected() {
    const int row = SelectedRow(m_list);
    if (row <= 0)
        return;
    QListWidgetItem* item = m_list->item(row);
    if (!MessageBox::AskYesNo(this,
                              u"Do you want to delete \"%1\" from the list?"_s.arg(item->text()),
                              u"Are you sure?"_s))
        return;
    const DbResult result = m_data.DeleteLookup(m_lookup, item->data(Qt::UserRole).toInt());
    if (!result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    delete m_list->takeItem(row);
}

CWyborKoloru::CWyborKoloru(AppData& appData, int mode, QWidget* parent)
    : LookupListDialog(appData, LookupOfMode(mode), u"Manage colors"_s, parent) {
    setObjectName(u"lookupManager"_s);
    // The window has no caption of its own; the heading names it.
    setWindowTitle(u" "_s);
}

Lookup CWyborKoloru::LookupOfMode(int mode) {
    switch (mode) {
    case 2:
        return Lookup::Varieties;
    case 3:
        return Lookup::Lines;
    case 4:
        return Lookup::EyeColours;
    default:
        return Lookup::Colours;
    }
}

CZarzadzajStatusami::CZarzadzajStatusami(AppData& appData, QWidget* parent)
    : LookupListDialog(appData, Lookup::Statuses, u"STATUS"_s, parent) {
    setObjectName(u"statusManager"_s);
    setWindowTitle(u"Manage status"_s);
}
