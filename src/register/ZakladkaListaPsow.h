#pragma once

#include "ui/TabPage.h"

class QLabel;

// The pigeon list tab: the pigeons of the current category.
class CZakladkaListaPsow : public CTabPage {
    Q_OBJECT

public:
    CZakladkaListaPsow(AppData& appData, QWidget* parent);

    /// The main window's count labels; the category count is this page's to write.
    void SetCountLabels(QLabel* loftCount, QLabel* categoryCount);
    /// Shows the pigeons of a category of a loft (indexes into the loaded lofts).
    void ShowCategory(int loftIndex, int categoryIndex);
    /// Empties the list.
    void ClearList();
    /// The loft and category indexes shown, -1 when the list is empty.
    int ShownLoft() const { return m_shownLoft; }
    int ShownCategory() const { return m_shownCategory; }

private:
    int m_shownLoft = -1;
    int m_shownCategory = -1;
    QLabel* m_loftCount = nullptr;
    QLabel* m_categoryCount = nullptr;
};
