// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/UstawOpis.h"

#include "ui/MessageBox.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CUstawOpis::CUstawOpis(const QString& summary, Store store, QWidget* parent)
    : BannerDialog(parent)
    , m_text(new QPlainTextEdit(summary, this))
    , m_store(std::move(store)) {
    setObjectName(u"summaryDialog"_s);
    setWindowTitle(u"Set summary...."_s);
    setBannerTitle(u"Set summary...."_s);
    m_text->setObjectName(u"summary"_s);
    m_text->setTabChangesFocus(true);
    auto* box = new QGroupBox(u"Pigeon summary..."_s, this);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"ok"_s);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cancel"_s);
    QPushButton* help = buttons->addButton(u"?"_s, QDialogButtonBox::HelpRole);
    help->setObjectName(u"help"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        MessageBox::ShowMessage(
            this, u"Set short summary of pigeon. \nIt will be used during select pigeon to pair\n, "
                  u"to race and in another places like in familz tree. \n Short description "
                  u"improve recognition of bird."_s);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    layout->addWidget(box);
    layout->addWidget(buttons);
    resize(460, 300);
    m_text->setFocus();
}

QString CUstawOpis::Summary() const {
    return m_text->toPlainText();
}

void CUstawOpis::accept() {
    if (m_store) {
        if (const DbResult result = m_store(Summary()); !result.ok()) {
            MessageBox::ShowFailure(this, result);
            return;
        }
    }
    BannerDialog::accept();
}
