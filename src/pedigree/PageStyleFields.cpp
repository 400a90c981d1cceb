// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PageStyleFields.h"

#include "ui/FileDialog.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>

using namespace Qt::StringLiterals;

PageStyleFields::PageStyleFields(const QString& marginLabel, QWidget* parent)
    : QGroupBox(u"Page"_s, parent)
    , m_font(new QLineEdit(u"Tahoma"_s, this))
    , m_size(new QLineEdit(u"12"_s, this))
    , m_margin(new QLineEdit(u"950"_s, this)) {
    m_font->setObjectName(u"font"_s);
    m_size->setObjectName(u"fontSize"_s);
    m_margin->setObjectName(u"bottomMargin"_s);
    // The size and margin go into the page's style and script as numbers.
    m_size->setValidator(new QIntValidator(1, 999, m_size));
    m_margin->setValidator(new QIntValidator(1, 99999, m_margin));
    m_font->setMaxLength(60);
    auto* form = new QFormLayout(this);
    form->addRow(u"Font"_s, m_font);
    form->addRow(u"Font size"_s, m_size);
    form->addRow(marginLabel, m_margin);
}

PageStyle PageStyleFields::Style() const {
    PageStyle style;
    style.font = m_font->text();
    style.fontSize = m_size->text();
    style.bottomMargin = m_margin->text();
    return style;
}

QString ChooseListFile(QWidget* parent, const QString& title) {
    QString path = FileDialog::ChooseSaveFile(parent, title, u"*.html"_s, u"Plik HTML (*.html)"_s);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u".html"_s;
    return path;
}
