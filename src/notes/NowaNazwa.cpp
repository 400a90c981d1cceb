// SPDX-License-Identifier: GPL-3.0-or-later
#include "notes/NowaNazwa.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

CNowaNazwa::CNowaNazwa(QWidget* parent)
    : QDialog(parent)
    , m_edit(new QLineEdit(this)) {
    setObjectName(u"noteNamePrompt"_s);
    setWindowTitle(u"New Note"_s);
    m_edit->setObjectName(u"name"_s);
    auto* ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CNowaNazwa::accept);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel(u"Name"_s, this));
    layout->addWidget(m_edit, 1);
    layout->addWidget(ok);
    resize(380, sizeHint().height());
}

void CNowaNazwa::accept() {
    m_name = m_edit->text();
    QDialog::accept();
}
