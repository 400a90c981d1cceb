// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LoftEditing.h"

#include "app/DodajEdytujHodowle.h"
#include "storage/AppData.h"
#include "ui/MessageBox.h"

using namespace Qt::StringLiterals;

namespace LoftEditing {

namespace {

const QString kLoftNameTaken = u"A loft named \"%1\" exists already. Choose another name."_s;

bool ValidLoft(const AppData& data, int loftIndex) {
    return loftIndex >= 0 && loftIndex < static_cast<int>(data.lofts.size());
}

bool ValidCategory(const AppData& data, int loftIndex, int categoryIndex) {
    return ValidLoft(data, loftIndex) && categoryIndex >= 0 &&
           categoryIndex < static_cast<int>(data.lofts[size_t(loftIndex)].categories.size());
}

// A refusal by the database (a name it already has) passes quietly; any other failure is shown.
bool Stored(QWidget* parent, const DbResult& result) {
    if (result.failed())
        MessageBox::ShowFailure(parent, result);
    return result.ok();
}

bool ConfirmDelete(QWidget* parent, const QString& what) {
    return MessageBox::AskYesNo(parent, u"Do you really want to delete %1?"_s.arg(what),
                                u"Are you sure?"_s);
}

} // namespace

std::optional<int> AddLoft(AppData& data, QWidget* parent, const QString& title) {
    CDodajEdytujHodowle dialog(title, parent);
    LoftRecord loft;
    dialog.SetStore(
        [&data, &loft](const QString& name, const QString& description) {
            loft = LoftRecord{};
            loft.name = name;
            loft.description = description;
            return data.SaveLoft(-1, loft);
        },
        kLoftNameTaken);
    if (dialog.exec() != QDialog::Accepted || loft.id <= 0)
        return std::nullopt;
    data.lofts.push_back(loft);
    return static_cast<int>(data.lofts.size()) - 1;
}

bool EditLoft(AppData& data, QWidget* parent, int loftIndex, const QString& title) {
    if (!ValidLoft(data, loftIndex))
        return false;
    const LoftRecord loaded = data.lofts[size_t(loftIndex)];
    CDodajEdytujHodowle dialog(title, parent);
    dialog.setName(loaded.name);
    dialog.setDescription(loaded.description);
    dialog.SetStore(
        [&data, &loaded](const QString& name, const QString& description) {
            LoftRecord edited = loaded;
            edited.name = name;
            edited.description = description;
            return data.SaveLoft(edited.id, edited);
        },
        kLoftNameTaken);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    LoftRecord& loft = data.lofts[size_t(loftIndex)];
    loft.name = dialog.name();
    loft.description = dialog.description();
    return true;
}

bool DeleteLoft(AppData& data, QWidget* parent, int loftIndex) {
    if (!ValidLoft(data, loftIndex))
        return false;
    LoftRecord& loft = data.lofts[size_t(loftIndex)];
    if (!ConfirmDelete(parent, u"the loft \"%1\""_s.arg(loft.name)))
        return false;
    if (!Stored(parent, data.SaveLoft(-2, loft)))
        return false;
    data.lofts.erase(data.lofts.begin() + loftIndex);
    return true;
}

std::optional<int> AddCategory(AppData& data, QWidget* parent, int loftIndex,
                               const QString& title) {
    if (!ValidLoft(data, loftIndex))
        return std::nullopt;
    const int loftId = data.lofts[size_t(loftIndex)].id;
    CDodajEdytujKategorie dialog(title, parent);
    CategoryRecord category;
    dialog.SetStore(
        [&data, &category, loftId](const QString& name, const QString& description) {
            category = CategoryRecord{};
            category.name = name;
            category.description = description;
            category.idLoft = loftId;
            return data.SaveCategory(-1, category);
        },
        {});
    if (dialog.exec() != QDialog::Accepted || category.id <= 0)
        return std::nullopt;
    LoftRecord& loft = data.lofts[size_t(loftIndex)];
    loft.categories.push_back(category);
    return static_cast<int>(loft.categories.size()) - 1;
}

bool EditCategory(AppData& data, QWidget* parent, int loftIndex, int categoryIndex,
                  const QString& title) {
    if (!ValidCategory(data, loftIndex, categoryIndex))
        return false;
    const int loftId = data.lofts[size_t(loftIndex)].id;
    const CategoryRecord loaded = data.lofts[size_t(loftIndex)].categories[size_t(categoryIndex)];
    CDodajEdytujKategorie dialog(title, parent);
    dialog.setName(loaded.name);
    dialog.setDescription(loaded.description);
    dialog.SetStore(
        [&data, &loaded, loftId](const QString& name, const QString& description) {
            CategoryRecord edited = loaded;
            edited.name = name;
            edited.description = description;
            edited.idLoft = loftId;
            return data.SaveCategory(edited.id, edited);
        },
        {});
    if (dialog.exec() != QDialog::Accepted)
        return false;
    CategoryRecord& category = data.lofts[size_t(loftIndex)].categories[size_t(categoryIndex)];
    category.name = dialog.name();
    category.description = dialog.description();
    return true;
}

bool DeleteCategory(AppData& data, QWidget* parent, int loftIndex, int categoryIndex) {
    if (!ValidCategory(data, loftIndex, categoryIndex))
        return false;
    std::vector<CategoryRecord>& categories = data.lofts[size_t(loftIndex)].categories;
    CategoryRecord& category = categories[size_t(categoryIndex)];
    if (!ConfirmDelete(parent, u"the category \"%1\""_s.arg(category.name)))
        return false;
    if (!Stored(parent, data.SaveCategory(-2, category)))
        return false;
    categories.erase(categories.begin() + categoryIndex);
    return true;
}

} // namespace LoftEditing
