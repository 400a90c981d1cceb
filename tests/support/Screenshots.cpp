// Takes the pictures under docs/screenshots: every window of the application shell, on a small
// sample loft. Run under a display, for example:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/tests/vornel_screenshots docs/screenshots

#include "app/DodajEdytujHodowle.h"
#include "app/LoftApp.h"
#include "app/LoftSelector.h"
#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/Oprogramie.h"
#include "app/Pomoc.h"
#include "app/ShippedFiles.h"
#include "app/ZarzadzajHodowlami.h"
#include "breeding/DodajEdytujPare.h"
#include "breeding/DodajPsaDoPary.h"
#include "breeding/DodajSezon.h"
#include "breeding/NajlepszePary.h"
#include "breeding/RowTextModel.h"
#include "breeding/ZakladkaEdycjaPtaka.h"
#include "pedigree/DrukujKarteMiotu.h"
#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "pedigree/EksportListyDoHTML.h"
#include "pedigree/FamilyTreeView.h"
#include "pedigree/ListPage.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PodgladHTML.h"
#include "register/ChooserCandidates.h"
#include "register/DodajGolebia.h"
#include "register/DodajSerieObraczek.h"
#include "register/LeczenieSuplementacjaDodajZmien.h"
#include "register/LookupListDialog.h"
#include "register/PigeonTableModel.h"
#include "register/PrzeniesPsa.h"
#include "register/WybierzPsaZListy.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/InstallDir.h"
#include "support/BreedingFixture.h"
#include "support/FamilyFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void Save(QWidget* widget, const QString& folder, const QString& name) {
    widget->show();
    widget->raise();
    widget->activateWindow();
    QTest::qWait(400);
    const QString path = folder + u'/' + name;
    if (!widget->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void SampleLoft(AppData& data) {
    data.LoadLofts(); // lays down the tables
    data.SelectLoft(1);
    for (const QString& name : {u"Gołębnik główny"_s, u"Młodzież 2026"_s}) {
        LoftRecord loft;
        loft.name = name;
        loft.description = u"Strych nad stodołą"_s;
        data.SaveLoft(-1, loft);
        for (const QString& category : {u"Lotowe"_s, u"Rozpłodowe"_s, u"Sprzedane"_s}) {
            CategoryRecord c;
            c.idLoft = loft.id;
            c.name = category;
            data.SaveCategory(-1, c);
        }
    }
    int colour = 0;
    data.AddLookup(Lookup::Colours, 1, u"Niebieski"_s, &colour);
    for (const QString& name : {u"Czerwony"_s, u"Szpakowaty"_s, u"Płowy"_s})
        data.AddLookup(Lookup::Colours, 1, name);
    const QString names[] = {u"Błyskawica"_s, u""_s, u"Zefir"_s, u"Kometa"_s, u""_s, u"Grom"_s};
    for (int i = 0; i < 24; ++i) {
        PigeonRecord pigeon;
        pigeon.idLoft = 1;
        pigeon.country = u"PL"_s;
        pigeon.branch = u"0207"_s;
        pigeon.year = QString::number(2020 + i % 6);
        pigeon.ringNumber = QString::number(1200 + i);
        pigeon.name = names[i % 6];
        pigeon.sex = 1 + i % 2;
        pigeon.idColour = i % 3 == 0 ? colour : 0;
        pigeon.notesGeneral = i % 4 == 0 ? u"Bardzo dobry lotnik, wraca pierwszy"_s : QString();
        pigeon.idSire = i >= 2 ? 1 : 0;
        pigeon.idDam = i >= 2 ? 2 : 0;
        data.SavePigeon(-1, pigeon);
        data.AddCategoryLink(1, pigeon.id);
        if (i == 3) {
            TreatmentRecord treatment;
            treatment.idPigeon = pigeon.id;
            treatment.name = u"Paramyksowiroza"_s;
            treatment.category = 1;
            treatment.dose = u"0,5 ml"_s;
            treatment.remarks = u"Szczepienie coroczne"_s;
            treatment.dateGiven = 1'775'000'000;
            data.SaveTreatment(-1, treatment);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CLoftApp::SetIdentity();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"."_s;
    QDir().mkpath(folder);
    QTemporaryDir data;
    SetInstallDirOverride(data.path());
    PrepareInstallDir();
    InstallShippedFiles();
    QApplication::setStyle(new MenuGradientStyle);

    AppData appData;
    SampleLoft(appData);
    CMainDialog main(appData);
    main.Initialise();
    main.resize(app.primaryScreen()->availableSize());
    main.showMaximized();
    Save(&main, folder, u"main-window.png"_s);
    if (auto* menu = main.findChild<QMenu*>(u"menu Database"_s)) {
        menu->popup(main.mapToGlobal(QPoint(0, 20)));
        QTest::qWait(300);
        menu->setActiveAction(menu->actions().value(1));
        Save(menu, folder, u"menu-database.png"_s);
        menu->hide();
    }
    main.SetActiveTab(CMainDialog::TabPigeons);
    if (auto* list = main.findChild<CZakladkaListaPsow*>())
        list->SelectRow(3);
    Save(&main, folder, u"pigeon-list-tab.png"_s);
    main.SetActiveTab(CMainDialog::TabStart);

    {
        auto* list = main.findChild<CZakladkaListaPsow*>();
        CDodajGolebia editor(appData, CDodajGolebia::Mode::Edit,
                             appData.FindPigeon(list->Model()->PigeonAt(3)), nullptr, &main);
        const char* const pages[] = {"editor-information.png", "editor-remarks.png",
                                     "editor-documents.png",   "editor-treatments.png",
                                     "editor-photos.png",      "editor-pedigree-notes.png"};
        for (int page = 0; page < CDodajGolebia::PageCount; ++page) {
            editor.Tabs()->setCurrentIndex(page);
            Save(&editor, folder, QString::fromLatin1(pages[page]));
        }
        editor.hide();
        TreatmentRecord treatment;
        treatment.id = -1;
        CLeczenieSuplementacjaDodajZmien dialog(appData, treatment, &main);
        Save(&dialog, folder, u"treatment-dialog.png"_s);
        dialog.hide();
        CWybierzPsaZListy chooser(appData, ChooseAll, &main);
        chooser.findChild<QListWidget*>(u"candidates"_s)->setCurrentRow(2);
        Save(&chooser, folder, u"pigeon-chooser.png"_s);
        chooser.hide();
        {
            // A name of 300 characters is elided and wrapped; the windows keep their size.
            PigeonRecord named;
            named.idLoft = 1;
            named.country = u"PL"_s;
            named.branch = u"0207"_s;
            named.year = u"2026"_s;
            named.ringNumber = u"9999"_s;
            named.name =
                QString(u"Bardzo długie imię gołębia z rodu mistrzów "_s).repeated(8).left(300);
            named.sex = 1;
            appData.SavePigeon(-1, named);
            appData.SetPigeonShortDescription(named.id, named.name);
            appData.pigeons[named.id].shortDescription = named.name;
            CWybierzPsaZListy longChooser(appData, ChooseAll, &main);
            auto* search = longChooser.findChild<QLineEdit*>(u"band"_s);
            search->setText(u"9999"_s);
            longChooser.findChild<QListWidget*>(u"candidates"_s)->setCurrentRow(0);
            Save(&longChooser, folder, u"pigeon-chooser-long-name.png"_s);
            longChooser.hide();
            CDodajGolebia longEditor(appData, CDodajGolebia::Mode::Edit,
                                     appData.FindPigeon(named.id), nullptr, &main);
            Save(&longEditor, folder, u"editor-long-name.png"_s);
            longEditor.hide();
        }
        CWyborKoloru colours(appData, 1, &main);
        Save(&colours, folder, u"lookup-manager.png"_s);
        colours.hide();
        CPrzeniesPsa move(appData, &main);
        Save(&move, folder, u"move-dialog.png"_s);
        move.hide();
        CDodajSerieObraczek series({}, &main);
        Save(&series, folder, u"ring-series-dialog.png"_s);
        series.hide();
    }

    CZarzadzajHodowlami manager(appData, &main);
    manager.findChild<QListWidget*>(u"loftList"_s)->setCurrentRow(0);
    Save(&manager, folder, u"lofts-and-categories-manager.png"_s);
    manager.hide();

    CDodajEdytujHodowle loft(u"Edit Loft"_s, &main);
    loft.setName(appData.lofts[0].name);
    loft.setDescription(appData.lofts[0].description);
    Save(&loft, folder, u"loft-dialog.png"_s);
    loft.hide();

    CPomoc help(InstallDir() + u"/html/help/help.html"_s, &main);
    Save(&help, folder, u"help-window.png"_s);
    help.hide();

    COprogramie about(&main);
    Save(&about, folder, u"about-box.png"_s);
    about.hide();

    // The pedigree and printing windows, on a pigeon with four generations and photos.
    const FamilyFixture::Family family = FamilyFixture::SeedFamily(true);
    AppData familyData;
    familyData.LoadLofts();
    familyData.SelectLoft(family.loftId);
    {
        CDrzewoGenealogicznePsa tree(familyData, family.subject(), &main);
        tree.Tree()->Button(TreeDam)->click();
        Save(&tree, folder, u"family-tree.png"_s);
    }
    {
        CDrukujRodowodGolebia pedigree(familyData, familyData.FindPigeon(family.subject()), &main);
        Save(&pedigree, folder, u"pedigree-dialog.png"_s);
        WritePedigree(familyData, familyData.FindPigeon(family.subject()),
                      PedigreeTemplatePath(PedigreeTemplates()[1]), PedigreePreviewPath());
        CPodgladHTML preview(PedigreePreviewPath(), &pedigree, QPageLayout::Landscape);
        preview.resize(1280, 900);
        Save(&preview, folder, u"preview-pedigree.png"_s);
    }
    {
        const PairRecord& pair = familyData.pairs.front();
        CDrukujKarteMiotu card(familyData, pair, u"Pairing Card"_s, &main);
        Save(&card, folder, u"pairing-card-dialog.png"_s);
    }
    {
        std::vector<int> ids;
        familyData.ReadCategoryMembers(family.categoryId, ids);
        CEksportListyDoHTML list(familyData, ids, u"Print Category"_s, 0, &main);
        list.Available()->setCurrentRow(0);
        list.MoveToPrint();
        Save(&list, folder, u"list-export-dialog.png"_s);
        WritePage(ListPagePath(), ListPageHtml(familyData, ids, list.Settings()));
        CPodgladHTML preview(ListPagePath(), &list);
        Save(&preview, folder, u"preview-list.png"_s);
    }

    // The breeding windows, on the family with pairs, young, seasons and races.
    {
        const BreedingFixture::Breeding breeding = BreedingFixture::SeedBreeding(family);
        AppData breedingData;
        CMainDialog breedingMain(breedingData);
        breedingMain.Initialise();
        breedingMain.resize(app.primaryScreen()->availableSize());
        breedingMain.showMaximized();
        auto* lofts = breedingMain.findChild<QComboBox*>(u"loftList"_s);
        lofts->setCurrentIndex(lofts->findText(u"Gołębnik"_s));
        breedingMain.Lofts()->OnLoftChosen(lofts->currentIndex());
        breedingMain.SetActiveTab(CMainDialog::TabPairing);
        auto* page = static_cast<CZakladkaEdycjaPtaka*>(breedingMain.Page(CMainDialog::TabPairing));
        page->SelectPair(page->PairsModel()->RowOfKey(breeding.parentsPair));
        page->SelectChild(0);
        Save(&breedingMain, folder, u"pairing-tab.png"_s);
        {
            CDodajEdytujPare editor(breedingData, CDodajEdytujPare::Mode::Edit,
                                    *page->CurrentPair(), &breedingMain);
            Save(&editor, folder, u"pair-editor.png"_s);
        }
        {
            const PairRecord& pair = *page->CurrentPair();
            CDodajPsaDoPary child(breedingData, pair, CDodajPsaDoPary::Mode::Edit,
                                  pair.children.front(), &breedingMain);
            Save(&child, folder, u"child-dialog.png"_s);
        }
        {
            CDodajSezon season(breedingData, &breedingMain);
            Save(&season, folder, u"season-dialog.png"_s);
        }
        {
            CNajlepszePary best(breedingData, &breedingMain);
            best.PairsView()->selectRow(0);
            best.ChildrenView()->selectRow(0);
            Save(&best, folder, u"best-pairs.png"_s);
        }
    }
    return 0;
}
