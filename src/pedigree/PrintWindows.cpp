#include "pedigree/PrintWindows.h"

#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "pedigree/EksportListyDoHTML.h"
#include "pedigree/PodgladHTML.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"

void ConnectPrintWindows(CZakladkaListaPsow* list, AppData& appData) {
    QObject::connect(list, &CZakladkaListaPsow::familyTreeRequested, list,
                     [list, &appData](int pigeonId) {
                         CDrzewoGenealogicznePsa tree(appData, pigeonId, list);
                         tree.exec();
                     });
    QObject::connect(
        list, &CZakladkaListaPsow::pedigreeRequested, list, [list, &appData](int pigeonId) {
            CDrukujRodowodGolebia pedigree(appData, appData.FindPigeon(pigeonId), list);
            pedigree.exec();
        });
    QObject::connect(list, &CZakladkaListaPsow::printListRequested, list,
                     [list, &appData](const std::vector<int>& ids, const QString& title) {
                         CEksportListyDoHTML dialog(appData, ids, title, 0, list);
                         dialog.exec();
                     });
}

void ShowHtmlPage(const QString& path, bool landscape, QWidget* parent) {
    CPodgladHTML preview(path, parent, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    preview.exec();
}
