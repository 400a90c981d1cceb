// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoftSelector.h"

#include "app/LoftEditing.h"
#include "app/ZarzadzajHodowlami.h"
#include "storage/AppData.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;

LoftSelector::LoftSelector(AppData& data, QComboBox* lofts, QComboBox* categories,
                           QLabel* loftCount, QWidget* dialogParent, Hooks hooks)
    : QObject(dialogParent)
    , m_data(data)
    , m_lofts(lofts)
    , m_categories(categories)
    , m_loftCount(loftCount)
    , m_parent(dialogParent)
    , m_hooks(std::move(hooks)) {
    // Only a user's choice runs the handlers; filling the lists does not.
    connect(m_lofts, &QComboBox::activated, this, &LoftSelector::OnLoftChosen);
    connect(m_categories, &QComboBox::activated, this, &LoftSelector::OnCategoryChosen);
}

void LoftSelector::SetLoftCount() {
    if (m_data.currentLoft >= 0)
        m_loftCount->setText(u"(%1)"_s.arg(m_data.lofts[size_t(m_data.currentLoft)].pigeonCount));
}

void LoftSelector::FillCategories() {
    m_categories->clear();
    if (m_data.currentLoft < 0)
        return;
    for (const CategoryRecord& category : m_data.lofts[size_t(m_data.currentLoft)].categories)
        m_categories->addItem(category.name);
    m_categories->setCurrentIndex(-1);
}

void LoftSelector::SelectFirstLoft() {
    m_lofts->clear();
    m_categories->clear();
    m_hooks.clearPigeonList();
    m_data.currentLoft = -1;
    m_data.currentCategory = -1;
    for (const LoftRecord& loft : m_data.lofts)
        m_lofts->addItem(loft.name);
    if (m_data.lofts.empty()) {
        m_lofts->setCurrentIndex(-1);
        m_loftCount->clear();
        return;
    }
    m_data.currentLoft = 0;
    m_lofts->setCurrentIndex(0);
    m_hooks.loadLoftData(m_data.lofts[0].id);
    FillCategories();
    if (!m_data.lofts[0].categories.empty()) {
        m_data.currentCategory = 0;
        m_categories->setCurrentIndex(0);
    }
    SetLoftCount();
    if (m_data.currentCategory >= 0)
        m_hooks.showCategory(0, 0);
}

void LoftSelector::OnLoftChosen(int index) {
    if (index < 0 || index >= static_cast<int>(m_data.lofts.size())) {
        m_data.currentLoft = -1;
        return;
    }
    m_hooks.clearPigeonList();
    m_categories->clear();
    m_data.currentLoft = index;
    m_hooks.loadLoftData(m_data.lofts[size_t(index)].id);
    FillCategories();
    SetLoftCount();
    if (!m_data.lofts[size_t(index)].categories.empty()) {
        m_categories->setCurrentIndex(0);
        OnCategoryChosen(0);
    } else {
        m_data.currentCategory = -1;
    }
}

void LoftSelector::OnCategoryChosen(int index) {
    if (index < 0) {
        m_data.currentCategory = -1;
        return;
    }
    // Categories of a loft that is no longer current cannot be shown.
    if (m_data.currentLoft < 0)
        return;
    m_data.currentCategory = index;
    m_hooks.clearPigeonList();
    m_hooks.showCategory(m_data.currentLoft, index);
}

void LoftSelector::AddLoft() {
    // The new loft is made current, so that what is added next goes into it.
    if (const auto index = LoftEditing::AddLoft(m_data, m_parent, u"Add new loft"_s)) {
        m_lofts->addItem(m_data.lofts[size_t(*index)].name);
        m_lofts->setCurrentIndex(*index);
        OnLoftChosen(*index);
    }
}

void LoftSelector::EditLoft() {
    const int index = m_data.currentLoft;
    if (index < 0 || !LoftEditing::EditLoft(m_data, m_parent, index, u"Edit Loft"_s))
        return;
    m_lofts->removeItem(index);
    m_lofts->insertItem(index, m_data.lofts[size_t(index)].name);
    m_lofts->setCurrentIndex(-1);
    m_data.currentLoft = -1;
}

void LoftSelector::DeleteLoft() {
    const int index = m_data.currentLoft;
    if (index < 0 || !LoftEditing::DeleteLoft(m_data, m_parent, index))
        return;
    m_lofts->removeItem(index);
    m_lofts->setCurrentIndex(-1);
    m_data.currentLoft = -1;
}

void LoftSelector::AddCategory() {
    const int loft = m_data.currentLoft;
    if (loft < 0)
        return;
    if (const auto index =
            LoftEditing::AddCategory(m_data, m_parent, loft, u"Add new category"_s)) {
        const int selected = m_categories->currentIndex();
        m_categories->addItem(m_data.lofts[size_t(loft)].categories[size_t(*index)].name);
        // With no category chosen yet (a new loft), the new one is chosen, so that the next
        // pigeon has somewhere to go; otherwise the choice stays.
        m_categories->setCurrentIndex(selected < 0 ? *index : selected);
        if (selected < 0)
            OnCategoryChosen(*index);
    }
}

void LoftSelector::EditCategory() {
    const int loft = m_data.currentLoft;
    const int index = m_data.currentCategory;
    if (loft < 0 || index < 0 ||
        !LoftEditing::EditCategory(m_data, m_parent, loft, index, u"Edit Category"_s))
        return;
    m_categories->removeItem(index);
    m_categories->insertItem(index, m_data.lofts[size_t(loft)].categories[size_t(index)].name);
    m_categories->setCurrentIndex(-1);
}

void LoftSelector::DeleteCategory() {
    const int loft = m_data.currentLoft;
    const int index = m_data.currentCategory;
    if (loft < 0 || index < 0 || !LoftEditing::DeleteCategory(m_data, m_parent, loft, index))
        return;
    m_categories->removeItem(index);
    m_categories->setCurrentIndex(-1);
    m_hooks.clearPigeonList();
    m_data.currentPigeon = -1;
    m_data.currentCategory = -1;
}

void LoftSelector::ManageLofts() {
    {
        CZarzadzajHodowlami manager(m_data, m_parent);
        manager.exec();
    }
    ReloadAll();
}

void LoftSelector::ReloadCurrent() {
    const int loft = m_data.currentLoft;
    const int category = m_data.currentCategory;
    if (const DbResult result = m_data.LoadLofts(); result.failed())
        MessageBox::ShowReadFailure(m_parent, result);
    if (loft < 0 || loft >= int(m_data.lofts.size()))
        return SelectFirstLoft();
    m_lofts->setCurrentIndex(loft);
    OnLoftChosen(loft);
    if (category > 0 && category < m_categories->count()) {
        m_categories->setCurrentIndex(category);
        OnCategoryChosen(category);
    }
}

void LoftSelector::ReloadAll() {
    if (const DbResult result = m_data.LoadLofts(); result.failed())
        MessageBox::ShowReadFailure(m_parent, result);
    SelectFirstLoft();
}
