#include "breeding/ZakladkaEdycjaPtaka.h"

using namespace Qt::StringLiterals;

CZakladkaEdycjaPtaka::CZakladkaEdycjaPtaka(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent) {
    setObjectName(u"pairingPage"_s);
}
