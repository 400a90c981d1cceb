#include "trade/ZakladkaTransakcje.h"

using namespace Qt::StringLiterals;

CZakladkaTransakcje::CZakladkaTransakcje(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent) {
    setObjectName(u"transactionsPage"_s);
}
