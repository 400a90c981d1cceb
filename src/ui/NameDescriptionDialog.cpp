// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NameDescriptionDialog.h"

#include "ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

NameDescriptionDialog::NameDescriptionDialog(const QString& title, const QString& nameLabel,
                                             const QString& descriptionLabel,
                                             const QString& tooShortMessage, QWidget* parent)
    : BannerDialog(parent)
    , m_name(new QLineEdit(this))
    , m_description(new QPlainTextEdit(this))
    , m_tooShortMessage(tooShortMessage) {
    setWindowTitle(title);
    setBannerTitle(title);
    m_name->setObjectName(u"name"_s);
    m_description->setObjectName(u"description"_s);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_description->setTabChangesFocus(true);

    auto* nameCaption = new QLabel(nameLabel, this);
    nameCaption->setObjectName(u"nameLabel"_s);
    auto* descriptionCaption = new QLabel(descriptionLabel, this);
    descriptionCaption->setObjectName(u"descriptionLabel"_s);
    nameCaption->setBuddy(m_name);
    descriptionCaption->setBuddy(m_description);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(u"Anuluj"_s, QDialogButtonBox::RejectRole);
    cancel->setObjectName(u"cancel"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &NameDescriptionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NameDescriptionDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    layout->addWidget(nameCaption, 0, 0);
    layout->addWidget(m_name, 0, 1);
    layout->addWidget(descriptionCaption, 1, 0, Qt::AlignTop);
    layout->addWidget(m_description, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    resize(480, 250);
}

void NameDescriptionDialog::setName(const QString& name) {
    m_name->setText(name);
}

QString NameDescriptionDialog::name() const {
    return m_name->text();
}

void NameDescriptionDialog::setDescription(const QString& description) {
    m_description->setPlainText(description);
}

QString NameDescriptionDialog::description() const {
    return m_description->toPlainText();
}

void NameDescriptionDialog::SetStore(Store store, const QString& takenMessage) {
    m_store = std::move(store);
    m_takenMessage = takenMessage;
}

void NameDescriptionDialog::accept() {
    if (m_name->text().size() <= 3) {
        MessageBox::ShowMessage(this, m_tooShortMessage, u"Błąd"_s, QMessageBox::Warning);
        return;
    }
    if (m_store) {
        const DbResult result = m_store(name(), description());
        if (result.refused()) {
            MessageBox::ShowMessage(this, m_takenMessage.arg(name()), u"Błąd"_s,
                                    QMessageBox::Warning);
            m_name->setFocus();
            m_name->selectAll();
            return;
        }
        if (!result.ok()) {
            MessageBox::ShowFailure(this, result);
            return;
        }
    }
    QDialog::accept();
}
