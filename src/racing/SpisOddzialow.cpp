// SPDX-License-Identifier: GPL-3.0-or-later
#include "racing/SpisOddzialow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

CSpisOddzialow::CSpisOddzialow(QWidget* parent)
    : BannerDialog(parent)
    , m_table(LoadBranchTable())
    , m_search(new QLineEdit(this))
    , m_results(new QPlainTextEdit(this)) {
    setObjectName(u"branchList"_s);
    setWindowTitle(u"Spis oddziałów PZHGP"_s);
    setBannerTitle(u"Spis oddziałów PZHGP"_s);
    m_search->setObjectName(u"search"_s);
    m_results->setObjectName(u"results"_s);
    m_search->setAccessibleName(u"Nazwa lub numer oddziału"_s);
    m_results->setAccessibleName(u"Informacje o oddziale"_s);
    m_results->setReadOnly(true);
    m_results->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_results->setFont(QFont(u"DejaVu Sans Mono"_s));
    m_results->setPlainText(u"Wpisz nazwę szukanego oddziału lub jego numer i kliknij w "
                            u"przycisk 'Pokaż informacje'"_s);
    auto* show = new QPushButton(u"Pokaż informacje"_s, this);
    show->setObjectName(u"show"_s);
    show->setDefault(true);
    connect(show, &QPushButton::clicked, this, &CSpisOddzialow::Search);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(u"close"_s);
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 70, 12, 12);
    grid->addWidget(m_search, 0, 0);
    grid->addWidget(show, 0, 1);
    grid->addWidget(m_results, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    setTabOrder(m_search, show);
    setTabOrder(show, m_results);
    m_search->setFocus();
    resize(560, 460);
}

void CSpisOddzialow::Search() {
    // The lines end in CR LF as found; the box shows them one per line.
    QString found = SearchBranches(m_table, m_search->text());
    m_results->setPlainText(found.replace(u"\r\n"_s, u"\n"_s));
}

QString CSpisOddzialow::ResultText() const {
    return m_results->toPlainText();
}
