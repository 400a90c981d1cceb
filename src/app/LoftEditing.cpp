#include "app/LoftEditing.h"

#include "app/DodajEdytujHodowle.h"
#include "storage/AppData.h"
#include "ui/MessageBox.h"

using namespace Qt::StringLiterals;

namespace LoftEditing {

namespace {

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
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    LoftRecord loft;
    loft.name = dialog.name();
    loft.description = dialog.description();
    if (!Stored(parent, data.SaveLoft(-1, loft)) || loft.id <= 0)
        return std::nullopt;
    data.lofts.push_back(loft);
    return static_cast<int>(data.lofts.size()) - 1;
}

bool EditLoft(AppData& data, QWidget* parent, int loftIndex, const QString& title) {
    if (!ValidLoft(data, loftIndex))
        return false;
    LoftRecord& loaded = data.lofts[size_t(loftIndex)];
    CDodajEdytujHodowle dialog(title, parent);
    dialog.setName(loaded.name);
    dialog.setDescription(loaded.description);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    LoftRecord edited = loaded;
    edited.name = dialog.name();
    edited.description = dialog.description();
    if (!Stored(parent, data.SaveLoft(edited.id, edited)))
        return false;
    loaded.name = edited.name;
    loaded.description = edited.description;
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
    CDodajEdytujKategorie dialog(title, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    LoftRecord& loft = data.lofts[size_t(loftIndex)];
    CategoryRecord category;
    category.name = dialog.name();
    category.description = dialog.description();
    category.idLoft = loft.id;
    if (!Stored(parent, data.SaveCategory(-1, category)) || category.id <= 0)
        return std::nullopt;
    loft.categories.push_back(category);
    return static_cast<int>(loft.categories.size()) - 1;
}

bool EditCategory(AppData& data, QWidget* parent, int loftIndex, int categoryIndex,
                  const QString& title) {
    if (!ValidCategory(data, loftIndex, categoryIndex))
        return false;
    LoftRecord& loft = data.lofts[size_t(loftIndex)];
    CategoryRecord& loaded = loft.categories[size_t(categoryIndex)];
    CDodajEdytujKategorie dialog(title, parent);
    dialog.setName(loaded.name);
    dialog.setDescription(loaded.description);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    CategoryRecord edited = loaded;
    edited.name = dialog.name();
    edited.description = dialog.description();
    edited.idLoft = loft.id;
    if (!Stored(parent, data.SaveCategory(edited.id, edited)))
        return false;
    loaded.name = edited.name;
    loaded.description = edited.description;
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
