// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QFormLayout>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// Marks a name that tells a part from its neighbours but needs the row's label before it.
constexpr const char* kPartName = "vornelPartName";

} // namespace

void NameRowParts(QFormLayout* form) {
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem* labelItem = form->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem* fieldItem = form->itemAt(row, QFormLayout::FieldRole);
        auto* label = labelItem ? qobject_cast<QLabel*>(labelItem->widget()) : nullptr;
        QWidget* field = fieldItem ? fieldItem->widget() : nullptr;
        if (!label || !field || (field->focusPolicy() & Qt::TabFocus))
            continue;
        QString text = label->text();
        text.remove(u'&');
        text = text.trimmed();
        if (text.endsWith(u':'))
            text.chop(1);
        bool first = true;
        for (QWidget* part : field->findChildren<QWidget*>()) {
            if (!(part->focusPolicy() & Qt::TabFocus) || part->focusProxy() ||
                qobject_cast<QLabel*>(part))
                continue;
            // Some readers name a combo box only by the label that is its buddy.
            if (first && !qobject_cast<QAbstractButton*>(part)) {
                label->setBuddy(part);
                first = false;
            }
            const QString own = part->accessibleName();
            if (own.isEmpty())
                part->setAccessibleName(text);
            else if (part->property(kPartName).toBool())
                part->setAccessibleName(text + u", "_s + own);
            part->setProperty(kPartName, false);
        }
    }
}

void NameParts(std::initializer_list<std::pair<QWidget*, QString>> parts) {
    for (const auto& [part, name] : parts) {
        part->setAccessibleName(name);
        part->setProperty(kPartName, true);
    }
}
