#include "register/ZakladkaListaPsow.h"

#include <QLabel>

using namespace Qt::StringLiterals;

CZakladkaListaPsow::CZakladkaListaPsow(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent) {
    setObjectName(u"pigeonListPage"_s);
}

void CZakladkaListaPsow::SetCountLabels(QLabel* loftCount, QLabel* categoryCount) {
    m_loftCount = loftCount;
    m_categoryCount = categoryCount;
}

void CZakladkaListaPsow::ShowCategory(int loftIndex, int categoryIndex) {
    m_shownLoft = loftIndex;
    m_shownCategory = categoryIndex;
}

void CZakladkaListaPsow::ClearList() {
    m_shownLoft = -1;
    m_shownCategory = -1;
}
