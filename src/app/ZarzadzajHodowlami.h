// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/Banner.h"

class AppData;
class QListWidget;

// The lofts and categories manager: two lists and the six commands on them. Every change is
// written as it is made; the main window reloads the lofts when the manager closes.
class CZarzadzajHodowlami : public BannerDialog {
    Q_OBJECT

public:
    explicit CZarzadzajHodowlami(AppData& appData, QWidget* parent = nullptr);

    int LoftIndex() const { return m_loftIndex; }
    int CategoryIndex() const { return m_categoryIndex; }

    void AddLoft();
    void EditLoft();
    void DeleteLoft();
    void AddCategory();
    void EditCategory();
    void DeleteCategory();

private:
    void OnLoftSelected(int row);
    void OnCategorySelected(int row);
    void FillCategories();

    AppData& m_data;
    QListWidget* m_lofts;
    QListWidget* m_categories;
    int m_loftIndex = -1;
    int m_categoryIndex = -1;
};
