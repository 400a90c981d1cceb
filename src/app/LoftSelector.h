// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class AppData;
class QComboBox;
class QLabel;
class QWidget;

// The main window's loft and category drop-down lists and the loft and category menu commands.
// Item i of the loft list is loaded loft i, item i of the category list is category i of the
// current loft, and currentLoft / currentCategory are their selections.
class LoftSelector : public QObject {
    Q_OBJECT

public:
    struct Hooks {
        std::function<void(int loftId)> loadLoftData;
        std::function<void()> clearPigeonList;
        std::function<void(int loftIndex, int categoryIndex)> showCategory;
    };

    LoftSelector(AppData& data, QComboBox* lofts, QComboBox* categories, QLabel* loftCount,
                 QWidget* dialogParent, Hooks hooks);

    /// Fills both lists from the loaded lofts, loads loft 0 and makes it and its category 0
    /// current.
    void SelectFirstLoft();

    void OnLoftChosen(int index);
    void OnCategoryChosen(int index);

    void AddLoft();
    void EditLoft();
    void DeleteLoft();
    void AddCategory();
    void EditCategory();
    void DeleteCategory();
    /// Runs the manager, then reloads every loft and makes loft 0 current.
    void ManageLofts();
    /// Reads the lofts again and makes loft 0 current (after the manager and after a restore).
    void ReloadAll();
    /// Reads the lofts again (their counts too) and shows the same loft and category.
    void ReloadCurrent();

private:
    void FillCategories();
    void SetLoftCount();

    AppData& m_data;
    QComboBox* m_lofts;
    QComboBox* m_categories;
    QLabel* m_loftCount;
    QWidget* m_parent;
    Hooks m_hooks;
};
