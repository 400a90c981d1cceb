// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the sample printouts under docs/samples: the three pedigree templates filled for a
// pigeon with four generations of ancestors and photos, a pigeon list, a pairing card and a test
// mating of the pigeon with a hen of a related line, each
// as a PDF through the same code as the preview's "Print". Run on any platform plugin:
//   QT_QPA_PLATFORM=offscreen build/tools/vornel_samples docs/samples
// and make the PNG pages from the PDFs with pdftoppm -r 60 -png.

#include "app/LoftApp.h"
#include "app/ShippedFiles.h"
#include "breeding/Relationship.h"
#include "breeding/TestMatingPage.h"
#include "pedigree/ListPage.h"
#include "pedigree/PagePrinter.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PairingCard.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PedigreePictures.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "support/FamilyFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

bool PrintPage(const QString& page, const QString& pdf, QPageLayout::Orientation orientation,
               bool onePage) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    std::unique_ptr<QTextDocument> document(PagePrinter::NewDocument(
        ForRichText(DecodePage(file.readAll())),
        QUrl::fromLocalFile(QFileInfo(page).absolutePath() + u'/'), nullptr));
    const bool printed = PagePrinter::PrintToPdf(*document, pdf, orientation, onePage);
    std::printf("%s %s\n", printed ? "wrote" : "could not write", qPrintable(pdf));
    return printed;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CLoftApp::SetIdentity();
    const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s).absolutePath();
    QDir().mkpath(folder);
    QTemporaryDir data;
    SetInstallDirOverride(data.path());
    PrepareInstallDir();
    InstallShippedFiles();
    PedigreePictures::EnsureBlankImage();
    const FamilyFixture::Family family = FamilyFixture::SeedFamily(true);
    const int cousin = FamilyFixture::StoreCousinHen(family);
    AppData appData;
    appData.LoadLofts();
    appData.SelectLoft(family.loftId);

    bool ok = true;
    const char* const names[] = {"pedigree-landscape", "pedigree-landscape-photo",
                                 "pedigree-portrait-parents-photos"};
    for (size_t i = 0; i < PedigreeTemplates().size(); ++i) {
        const PedigreeTemplate& kind = PedigreeTemplates()[i];
        ok = WritePedigree(appData, appData.FindPigeon(family.subject()),
                           PedigreeTemplatePath(kind), PedigreePreviewPath()) &&
             PrintPage(PedigreePreviewPath(),
                       folder + u'/' + QString::fromLatin1(names[i]) + u".pdf"_s,
                       kind.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, true) &&
             ok;
    }

    std::vector<int> ids;
    appData.ReadCategoryMembers(family.categoryId, ids);
    ListPageSettings list;
    list.columns = {ListNumber, ListBand, ListSex, ListColour, ListSire, ListDam, ListPhoto};
    ok = WritePage(ListPagePath(), ListPageHtml(appData, ids, list)) &&
         PrintPage(ListPagePath(), folder + u"/pigeon-list.pdf"_s, QPageLayout::Portrait, false) &&
         ok;

    const auto pair = std::find_if(appData.pairs.begin(), appData.pairs.end(),
                                   [&](const PairRecord& p) { return p.id == family.pairId; });
    PairingCardSettings card;
    card.pairRemarks = true;
    card.childRemarks = true;
    ok = pair != appData.pairs.end() &&
         WritePage(ListPagePath(), PairingCardHtml(appData, *pair, card)) &&
         PrintPage(ListPagePath(), folder + u"/pairing-card.pdf"_s, QPageLayout::Portrait, false) &&
         ok;

    Lineage lineage(appData);
    const MatingReport mating = lineage.Analyse(family.subject(), cousin);
    ok = WritePage(TestMatingPagePath(), TestMatingPage(lineage, mating)) &&
         PrintPage(TestMatingPagePath(), folder + u"/test-mating.pdf"_s, QPageLayout::Landscape,
                   false) &&
         ok;
    return ok ? 0 : 1;
}
