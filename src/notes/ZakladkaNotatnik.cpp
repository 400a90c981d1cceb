#include "notes/ZakladkaNotatnik.h"

using namespace Qt::StringLiterals;

CZakladkaNotatnik::CZakladkaNotatnik(AppData& appData, QWidget* parent)
    : CTabPage(appData, parent) {
    setObjectName(u"notepadPage"_s);
}
