// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ZarzadzajHodowlami.h"

#include "app/LoftEditing.h"
#include "storage/AppData.h"
#include "ui/ListSelection.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// Dialog units of the manager's layout, turned into pixels.
QRect Units(int x, int y, int w, int h) {
    return QRect(x * 3 / 2, y * 13 / 8, w * 3 / 2, h * 13 / 8);
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& text, QRect rect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CZarzadzajHodowlami::CZarzadzajHodowlami(AppData& appData, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_lofts(new QListWidget(this))
    , m_categories(new QListWidget(this)) {
    setObjectName(u"loftManager"_s);
    setWindowTitle(u"LOFT and Categories Manager"_s);
    setBannerTitle(u"Lofts and categories manager"_s);
    setFixedSize(Units(0, 0, 358, 276).size());

    auto* loftsLabel = new QLabel(u"List of lofts"_s, this);
    loftsLabel->setGeometry(Units(12, 56, 126, 9));
    auto* categoriesLabel = new QLabel(u"List of categories in loft"_s, this);
    categoriesLabel->setGeometry(Units(168, 74, 174, 9));
    for (QLabel* label : {loftsLabel, categoriesLabel})
        label->setFont(CaptionFont(13));

    for (auto [label, list] : {std::pair{loftsLabel, m_lofts}, {categoriesLabel, m_categories}}) {
        label->setBuddy(list);
        list->setAccessibleName(label->text());
    }
    m_lofts->setObjectName(u"loftList"_s);
    m_lofts->setGeometry(Units(12, 66, 126, 132));
    m_categories->setObjectName(u"categoryList"_s);
    m_categories->setGeometry(Units(168, 84, 174, 162));
    for (const LoftRecord& loft : m_data.lofts)
        m_lofts->addItem(loft.name);
    // Focus alone makes a row current without choosing it; only a selection picks a loft.
    FollowSelectedRow(m_lofts, this, [this](int row) { OnLoftSelected(row); });
    FollowSelectedRow(m_categories, this, [this](int row) { OnCategorySelected(row); });

    connect(Button(this, u"addLoft"_s, u"Add New Loft"_s, Units(12, 204, 126, 18)),
            &QPushButton::clicked, this, &CZarzadzajHodowlami::AddLoft);
    connect(Button(this, u"editLoft"_s, u"Edit selected loft"_s, Units(12, 228, 126, 18)),
            &QPushButton::clicked, this, &CZarzadzajHodowlami::EditLoft);
    connect(Button(this, u"deleteLoft"_s, u"Delete selected loft"_s, Units(12, 252, 126, 18)),
            &QPushButton::clicked, this, &CZarzadzajHodowlami::DeleteLoft);
    connect(Button(this, u"addCategory"_s, u"(+) Add Category"_s, Units(168, 252, 72, 12)),
            &QPushButton::clicked, this, &CZarzadzajHodowlami::AddCategory);
    connect(Button(this, u"editCategory"_s, u"Edit Category"_s, Units(246, 252, 60, 12)),
            &QPushButton::clicked, this, &CZarzadzajHodowlami::EditCategory);
    connect(Button(this, u"deleteCategory"_s, u"Delete"_s, Units(312, 252, 30, 12)),
            &QPushButton::clicked, this, &CZarzadzajHodowlami::DeleteCategory);
}

void CZarzadzajHodowlami::OnLoftSelected(int row) {
    if (row == m_loftIndex)
        return;
    m_loftIndex = row;
    m_categoryIndex = -1;
    FillCategories();
}

void CZarzadzajHodowlami::OnCategorySelected(int row) {
    m_categoryIndex = row;
}

void CZarzadzajHodowlami::FillCategories() {
    const QSignalBlocker blocker(m_categories->selectionModel());
    m_categories->clear();
    if (m_loftIndex < 0)
        return;
    for (const CategoryRecord& category : m_data.lofts[size_t(m_loftIndex)].categories)
        m_categories->addItem(category.name);
}

void CZarzadzajHodowlami::AddLoft() {
    if (const auto index = LoftEditing::AddLoft(m_data, this, u"Add New Loft"_s)) {
        m_lofts->addItem(m_data.lofts[size_t(*index)].name);
    }
}

void CZarzadzajHodowlami::EditLoft() {
    if (m_loftIndex < 0)
        return;
    if (LoftEditing::EditLoft(m_data, this, m_loftIndex, u"Edit loft"_s)) {
        const int row = m_loftIndex;
        {
            const QSignalBlocker blocker(m_lofts->selectionModel());
            delete m_lofts->takeItem(row);
            m_lofts->insertItem(row, m_data.lofts[size_t(row)].name);
        }
        m_lofts->clearSelection();
        OnLoftSelected(-1);
    }
}

void CZarzadzajHodowlami::DeleteLoft() {
    if (m_loftIndex < 0)
        return;
    if (LoftEditing::DeleteLoft(m_data, this, m_loftIndex)) {
        {
            const QSignalBlocker blocker(m_lofts->selectionModel());
            delete m_lofts->takeItem(m_loftIndex);
        }
        m_lofts->clearSelection();
        OnLoftSelected(-1);
    }
}

void CZarzadzajHodowlami::AddCategory() {
    if (m_loftIndex < 0)
        return;
    if (const auto index =
            LoftEditing::AddCategory(m_data, this, m_loftIndex, u"Add new category"_s)) {
        m_categories->addItem(m_data.lofts[size_t(m_loftIndex)].categories[size_t(*index)].name);
    }
}

void CZarzadzajHodowlami::EditCategory() {
    if (m_loftIndex < 0 || m_categoryIndex < 0)
        return;
    if (LoftEditing::EditCategory(m_data, this, m_loftIndex, m_categoryIndex, u"Edit Category"_s)) {
        const int row = m_categoryIndex;
        {
            const QSignalBlocker blocker(m_categories->selectionModel());
            delete m_categories->takeItem(row);
            m_categories->insertItem(
                row, m_data.lofts[size_t(m_loftIndex)].categories[size_t(row)].name);
        }
        m_categories->clearSelection();
        m_categoryIndex = -1;
    }
}

void CZarzadzajHodowlami::DeleteCategory() {
    if (m_loftIndex < 0 || m_categoryIndex < 0)
        return;
    if (LoftEditing::DeleteCategory(m_data, this, m_loftIndex, m_categoryIndex)) {
        {
            const QSignalBlocker blocker(m_categories->selectionModel());
            delete m_categories->takeItem(m_categoryIndex);
        }
        m_categories->clearSelection();
        m_categoryIndex = -1;
    }
}
