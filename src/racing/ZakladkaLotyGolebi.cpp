#include "racing/ZakladkaLotyGolebi.h"

using namespace Qt::StringLiterals;

CZakladkaLotyGolebi::CZakladkaLotyGolebi(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent) {
    setObjectName(u"racesPage"_s);
}
