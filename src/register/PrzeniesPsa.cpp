// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/PrzeniesPsa.h"

#include "storage/AppData.h"
#include "ui/LongText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

CPrzeniesPsa::CPrzeniesPsa(const AppData& appData, QWidget* parent)
    : QDialog(parent)
    , m_category(new QComboBox(this))
    , m_copy(new QCheckBox(u"Leave in this category(copy bird)"_s, this)) {
    setObjectName(u"moveDialog"_s);
    setWindowTitle(u"Copy/Move to category..."_s);
    m_category->setObjectName(u"category"_s);
    KeepComboNarrow(m_category);
    m_copy->setObjectName(u"copy"_s);
    if (appData.currentLoft >= 0)
        for (const CategoryRecord& category : appData.lofts[size_t(appData.currentLoft)].categories)
            m_category->addItem(category.name);
    m_category->setCurrentIndex(-1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"ok"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(u"Select category"_s, m_category);
    form->addRow(m_copy);
    form->addRow(buttons);
    resize(483, 130);
}

int CPrzeniesPsa::ChosenIndex() const {
    return m_category->currentIndex();
}

bool CPrzeniesPsa::Copy() const {
    return m_copy->isChecked();
}
