// SPDX-License-Identifier: GPL-3.0-or-later
// The family tree, pedigree, pairing card, list export and preview windows, opened the way a
// user opens them and driven with keys and clicks.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "app/ShippedFiles.h"
#include "pedigree/DrukujKarteMiotu.h"
#include "pedigree/DrukujRodowodGolebia.h"
#include "pedigree/DrzewoGenealogicznePsa.h"
#include "pedigree/EksportListyDoHTML.h"
#include "pedigree/FamilyTreeView.h"
#include "pedigree/ListPage.h"
#include "pedigree/LongPageView.h"
#include "pedigree/PagePrinter.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PagedPrintout.h"
#include "pedigree/PairingCard.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PodgladHTML.h"
#include "pedigree/PrintPreview.h"
#include "pedigree/SheetView.h"
#include "register/ChooserCandidates.h"
#include "register/WybierzPsaZListy.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/RowIdTableModel.h"
#include "support/FamilyFixture.h"
#include "support/FileSizeLimit.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "support/WidgetSteps.h"
#include "ui/FileDialog.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString FileText(const QString& path) {
    return DecodePage(FileBytes(path));
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::SetTestMode(true);
        FileDialog::SetTestMode(true);
    }

    void init() {
        m_dir = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        QVERIFY(InstallShippedFiles());
        m_family = FamilyFixture::SeedFamily(true);
        m_app = std::make_unique<AppData>();
        m_main = ShellFixture::OpenMainDialog(*m_app);
        m_main->SetActiveTab(CMainDialog::TabPigeons);
        m_list = static_cast<CZakladkaListaPsow*>(m_main->Page(CMainDialog::TabPigeons));
        MessageBox::History().clear();
    }

    void cleanup() {
        m_main.reset();
        m_app.reset();
        m_dir.reset();
    }

    void familyTreeOfABirdWithParentsAndPhotos() {
        SelectPigeon(m_family.subject());
        const auto step = OnNextWindow([this](QDialog* dialog) {
            auto* tree = static_cast<CDrzewoGenealogicznePsa*>(dialog);
            FamilyTreeView* view = tree->Tree();
            const auto band = [dialog] {
                return Find<ElidedLabel>(dialog, u"birdBand"_s)->text();
            };
            // The subject has two photos, its dam one.
            QVERIFY(!Find<PictureBox>(dialog, u"portrait"_s)->ShowsPlaceholder());
            QVERIFY(!Find<PictureBox>(dialog, u"photo2"_s)->ShowsPlaceholder());
            QTest::keyClick(dialog, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), view->Button(TreeDam));
            QTest::keyClick(view->Button(TreeDam), Qt::Key_Space);
            QCOMPARE(band(), BandLabel(m_app->FindPigeon(m_family.dam())));
            QCOMPARE(Find<ElidedLabel>(dialog, u"birdColour"_s)->text(), u"Czerwony nakrapiany"_s);
            QVERIFY(!Find<PictureBox>(dialog, u"photo1"_s)->ShowsPlaceholder());
            QVERIFY(Find<PictureBox>(dialog, u"photo2"_s)->ShowsPlaceholder());
            QTest::mouseClick(view->Button(TreeSiresSire), Qt::LeftButton);
            QCOMPARE(band(), BandLabel(m_app->FindPigeon(m_family.generations[2][0])));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(m_list, Qt::LeftButton, {},
                          m_list->LinkRect(CZakladkaListaPsow::TreeLink).center());
        QCOMPARE(step.DialogClass(), u"CDrzewoGenealogicznePsa"_s);
    }

    void familyTreeOfABirdWithoutParents() {
        const int oldest = m_family.generations[4][0];
        CDrzewoGenealogicznePsa tree(*m_app, oldest);
        QVERIFY(ModalDriver::ShowFocused(&tree));
        QCOMPARE(tree.Tree()->Button(TreeSubject)->text(), BandLabel(m_app->FindPigeon(oldest)));
        QCOMPARE(tree.Tree()->Button(TreeSire)->text(), u"   "_s);
        QVERIFY(Find<PictureBox>(&tree, u"portrait"_s)->ShowsPlaceholder());
        QTest::mouseClick(tree.Tree()->Button(TreeSire), Qt::LeftButton);
        QCOMPARE(Find<ElidedLabel>(&tree, u"birdBand"_s)->text(), u"   "_s);
        QVERIFY(Find<PictureBox>(&tree, u"photo1"_s)->ShowsPlaceholder());
    }

    void pedigreeFromTheListLink() {
        SelectPigeon(m_family.subject());
        const auto step = OnNextWindow([this](QDialog* dialog) {
            auto* combo = Find<QComboBox>(dialog, u"template"_s);
            QCOMPARE(combo->currentText(), u"Landscape A4 with pigeon photo"_s);
            const QImage landscape = Find<PictureBox>(dialog, u"thumbnail"_s)->Pixmap().toImage();
            combo->setFocus();
            QTest::keyClick(combo, Qt::Key_Down);
            QCOMPARE(combo->currentText(), u"Portrait A4 with parents photos"_s);
            QVERIFY(Find<PictureBox>(dialog, u"thumbnail"_s)->Pixmap().toImage() != landscape);
            Click(dialog, u"remarks2"_s); // no second generation notes
            const auto preview = OnNextWindow([this](QDialog* shown) {
                auto* page = static_cast<CPodgladHTML*>(shown);
                QCOMPARE(page->Orientation(), QPageLayout::Portrait);
                const QString text = page->Browser()->toPlainText();
                QVERIFY(text.contains(BandLabel(m_app->FindPigeon(m_family.subject()))));
                QVERIFY(text.contains(u"Olympiad bird"_s));  // first generation
                QVERIFY(!text.contains(u"Super breeder"_s)); // second generation
                QVERIFY(text.contains(u"Janssen line"_s));   // fourth generation
                QTest::keyClick(shown, Qt::Key_Escape);
            });
            Click(dialog, u"print"_s);
            QVERIFY(dialog->isVisible()); // it stays open after the preview
        });
        QTest::mouseClick(m_list, Qt::LeftButton, {},
                          m_list->LinkRect(CZakladkaListaPsow::PedigreeLink).center());
        QCOMPARE(step.DialogClass(), u"CDrukujRodowodGolebia"_s);
    }

    void pedigreeSavedAsPdfAndHtml() {
        // A bird without photos, whose pedigree shows the blank photo.
        const PigeonRecord& bird = m_app->FindPigeon(m_family.generations[3][0]);
        CDrukujRodowodGolebia dialog(*m_app, bird);
        QVERIFY(ModalDriver::ShowFocused(&dialog));
        const QString pdf = m_dir->path() + u"/rodowód.pdf"_s;
        FileDialog::SetNextName(pdf);
        Click(&dialog, u"save"_s);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        FileDialog::SetNextName(m_dir->path() + u"/rodowód"_s);
        Click(&dialog, u"save"_s);
        const QString html = FileText(m_dir->path() + u"/rodowód.html"_s);
        QVERIFY(html.contains(BandLabel(bird)));
        // Saved elsewhere, the blank photo is found by its full path.
        QVERIFY(html.contains(u"file://"_s + PedigreeBlankImagePath()));
        QVERIFY(MessageBox::History().isEmpty());
    }

    void listExportFromTheMenu() {
        m_app->pigeons[m_family.subject()].notesGeneral = u"Wraca pierwszy\nna gołębnik"_s;
        const QString saved = m_dir->path() + u"/lista"_s;
        const auto step = OnNextWindow([&saved](QDialog* dialog) {
            auto* available = Find<QListWidget>(dialog, u"available"_s);
            auto* chosen = Find<QListWidget>(dialog, u"chosen"_s);
            Click(dialog, u"toPrint"_s); // nothing picked: nothing moves
            QCOMPARE(chosen->count(), 4);
            available->setFocus();
            QTest::keyClick(available, Qt::Key_Down);
            Click(dialog, u"toPrint"_s); // "Remark"
            chosen->setCurrentRow(0);
            Click(dialog, u"toAvailable"_s); // "NR."
            const auto preview = OnNextWindow([](QDialog* shown) {
                const QString text = static_cast<CPodgladHTML*>(shown)->Browser()->toPlainText();
                QVERIFY(text.contains(u"Wraca pierwszy"_s));
            });
            Click(dialog, u"print"_s);
            FileDialog::SetNextName(saved);
            Click(dialog, u"save"_s);
            dialog->reject();
        });
        ShellFixture::MenuAction(*m_main, CmdPrintCategory)->trigger();
        QCOMPARE(step.DialogClass(), u"CEksportListyDoHTML"_s);
        const QString page = FileText(ListPagePath());
        QVERIFY(
            page.contains(QRegularExpression(u"<thead><tr><th width=\"[0-9.]+%\">Band</th>"_s)));
        QVERIFY(page.contains(
            QRegularExpression(u">Photo</th><th width=\"[0-9.]+%\">Remark</th></tr>"_s)));
        // The general remarks fill "Remark"; the page's rows are the category's.
        QVERIFY(page.contains(u"</td><td>Wraca pierwszy<br>na gołębnik</td></tr>"_s));
        QCOMPARE(page.count(u"<tr valign=top>"_s), 33);
        // "Save list as..." writes the page that prints.
        QCOMPARE(FileBytes(saved + u".html"_s), FileBytes(ListPagePath()));
    }

    void pageThatCannotBeWritten_data() {
        QTest::addColumn<bool>("pedigree");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("list, a folder in the way") << false << false;
        QTest::newRow("list, a full disk") << false << true;
        QTest::newRow("pedigree, a full disk") << true << true;
    }

    // No preview opens on a page that was not written whole, and the user is told.
    void pageThatCannotBeWritten() {
        QFETCH(bool, pedigree);
        QFETCH(bool, fullDisk);
        std::unique_ptr<QDialog> dialog;
        if (pedigree)
            dialog = std::make_unique<CDrukujRodowodGolebia>(*m_app,
                                                             m_app->FindPigeon(m_family.subject()));
        else
            dialog =
                std::make_unique<CEksportListyDoHTML>(*m_app, std::vector<int>{m_family.subject()});
        QVERIFY(ModalDriver::ShowFocused(dialog.get()));
        if (!fullDisk)
            QVERIFY(QDir().mkpath(ListPagePath())); // a folder where the page would go
        auto full = std::make_unique<FileSizeLimit>(fullDisk ? 256 : RLIM_INFINITY);
        ModalDriver::NoDialogGuard noPreview;
        Click(dialog.get(), u"print"_s);
        QTest::qWait(50);
        full.reset();
        QCOMPARE(noPreview.dialogsSeen(), 0);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(u"could not be written"_s));
    }

    void photosLoadFromAnyFolderName_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("list page") << u"list"_s;
        QTest::newRow("pairing card") << u"card"_s;
        QTest::newRow("pedigree") << u"pedigree"_s;
    }

    // A data folder named with an apostrophe, a blank, '#' and '%': every page shows the photo.
    void photosLoadFromAnyFolderName() {
        QFETCH(QString, page);
        const QString folder = m_dir->path() + u"/o'q dir #1 100%"_s;
        qputenv("VORNEL_HOME", folder.toLocal8Bit());
        const auto back =
            qScopeGuard([this] { qputenv("VORNEL_HOME", m_dir->path().toLocal8Bit()); });
        AppData data;
        PhotoRecord photo;
        photo.id = 5;
        photo.extension = u"png"_s;
        data.pigeons[1].id = 1;
        data.pigeons[1].photos = {photo};
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(QDir().mkpath(folder + u"/db/images"_s) && picture.save(PhotoPath(photo)));
        PairRecord pair;
        pair.idCock = 1;
        const QString html = page == u"list"_s ? ListPageHtml(data, {1}, {})
                             : page == u"card"_s
                                 ? PairingCardHtml(data, pair, {})
                                 : FillPedigree(u"<img src=\"_IMG0\">"_s,
                                                CollectAncestors(data, data.pigeons[1]), data);
        std::unique_ptr<QTextDocument> document(PagePrinter::NewDocument(
            ForRichText(html), QUrl::fromLocalFile(folder + u'/'), nullptr));
        QStringList images;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                    image.isValid())
                    images << image.name();
        QCOMPARE(images.size(), 1);
        const QVariant shown = document->resource(QTextDocument::ImageResource, QUrl(images[0]));
        QCOMPARE(shown.value<QPixmap>().size(), QSize(8, 8));
    }

    void pairingCard() {
        CDrukujKarteMiotu dialog(*m_app, m_app->pairs.front(), u"Print Progeny"_s);
        QVERIFY(ModalDriver::ShowFocused(&dialog));
        auto* font = Find<QLineEdit>(&dialog, u"font"_s);
        font->setFocus();
        font->selectAll();
        QTest::keyClicks(font, u"Verdana"_s);
        QTest::keyClicks(Find<QLineEdit>(&dialog, u"fontSize"_s), u"x"_s); // not a number
        Click(&dialog, u"childRemarks"_s);
        const auto step = OnNextWindow([](QDialog* shown) {
            QVERIFY(static_cast<CPodgladHTML*>(shown)->Browser()->toPlainText().contains(
                u"First round, ringed on day 7"_s));
        });
        Click(&dialog, u"print"_s);
        const QString text = FileText(ListPagePath());
        QVERIFY(text.contains(u"font-size: 12pt; font-family: Verdana }"_s));
        QVERIFY(text.contains(
            u"<th style=\"width: 45mm\">Notatki</th><th style=\"width: 45mm\">Zdjęcia</th>"_s));
    }

    // A long list shows in parts and prints; editing needs it as one document, and edits
    // change what prints, never the file.
    void previewPrintsEditsAndLaysOut() {
        WritePage(ListPagePath(),
                  ListPageHtml(*m_app, std::vector<int>(400, m_family.sire()), ListPageSettings{}));
        CPodgladHTML preview(ListPagePath());
        QVERIFY(ModalDriver::ShowFocused(&preview));
        QVERIFY(preview.ShowsInParts());
        LongPageView* view = preview.LongView();
        QCOMPARE(view->RowCount(), 400);
        QVERIFY(view->VisibleText().contains(u"NR."_s));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_End);
        QTest::qWait(20);
        QVERIFY(view->VisibleText().contains(u"\n400\n"_s));
        QVERIFY(!view->VisibleText().contains(u"NR."_s));
        // No printer here: the print dialog offers the PDF file.
        const QString pdf = m_dir->path() + u"/wydruk.pdf"_s;
        preview.SetPdfFileName(pdf);
        const auto print = OnNextWindow([](QDialog* dialog) {
            QVERIFY(qobject_cast<QPrintDialog*>(dialog));
            dialog->accept();
        });
        Click(&preview, u"print"_s);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        const auto previewDialog =
            OnNextWindow([](QDialog* dialog) { QVERIFY(qobject_cast<CPrintPreview*>(dialog)); });
        Click(&preview, u"printPreview"_s);

        const QByteArray before = FileBytes(ListPagePath());
        QVERIFY(preview.Browser()->isReadOnly());
        Click(&preview, u"editMode"_s);
        QVERIFY(!preview.ShowsInParts());
        QVERIFY(preview.Browser()->toPlainText().contains(u"\n400\n"_s));
        QTest::keyClick(preview.Browser(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(preview.Browser(), u"Sprzedane: "_s);
        QVERIFY(preview.Document().toPlainText().startsWith(u"Sprzedane: "_s));
        QCOMPARE(FileBytes(ListPagePath()), before);

        // The buttons follow the bottom edge, under the page.
        preview.resize(1000, 500);
        const QRect button = Find<QWidget>(&preview, u"editMode"_s)->geometry();
        QVERIFY(preview.rect().contains(button));
        QVERIFY(button.top() > preview.Browser()->parentWidget()->geometry().bottom());
    }

    // A long list's Print Preview opens on its first sheets while the rest is laid out behind,
    // draws only the sheets in view, pages and zooms by keys and buttons, and prints them all.
    void printPreviewByKeys() {
        WritePage(ListPagePath(),
                  ListPageHtml(*m_app, std::vector<int>(600, m_family.sire()), ListPageSettings{}));
        CPodgladHTML page(ListPagePath());
        QVERIFY(ModalDriver::ShowFocused(&page));
        const QString pdf = m_dir->path() + u"/podglad.pdf"_s;
        page.SetPdfFileName(pdf);
        int pages = 0;
        const auto step = OnNextWindow([&](QDialog* dialog) {
            auto* preview = qobject_cast<CPrintPreview*>(dialog);
            QVERIFY(preview);
            SheetView* view = preview->View();
            QCOMPARE(QApplication::focusWidget(), view);
            QVERIFY(!preview->Printout().Complete());
            QTRY_VERIFY(!view->PaintedPages().isEmpty());
            QVERIFY(view->PaintedPages().size() <= 2);
            QVERIFY(Find<QLabel>(preview, u"pageCount"_s)->text().startsWith(u"of about"_s));
            auto* number = Find<QSpinBox>(preview, u"pageNumber"_s);
            QTest::keyClick(view, Qt::Key_PageDown);
            QCOMPARE(number->value(), 2);
            Click(preview, u"nextPage"_s);
            QCOMPARE(number->value(), 3);
            QTest::keyClick(view, Qt::Key_PageUp);
            QCOMPARE(number->value(), 2);
            QTest::keyClick(view, Qt::Key_End);
            QTRY_VERIFY_WITH_TIMEOUT(preview->Printout().Complete(), 20000);
            pages = preview->Printout().PageCount();
            QTRY_COMPARE(number->value(), pages);
            QCOMPARE(Find<QLabel>(preview, u"pageCount"_s)->text(), u"of %1"_s.arg(pages));
            QTRY_VERIFY(view->PaintedPages().contains(pages - 1));
            QVERIFY(!view->PaintedPages().contains(0));
            QTest::keyClick(view, Qt::Key_Home);
            QCOMPARE(number->value(), 1);
            // Tab reaches the page buttons too; Space presses them.
            for (int i = 0; i < 12 && QApplication::focusWidget()->objectName() != u"nextPage"_s;
                 ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"nextPage"_s);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(number->value(), 2);
            QTest::keyClick(view, Qt::Key_Home);
            const qreal zoom = view->Zoom();
            QTest::keyClick(view, Qt::Key_Plus);
            QVERIFY(view->Zoom() > zoom);
            QCOMPARE(Find<QLabel>(preview, u"zoom"_s)->text(),
                     u"%1%"_s.arg(qRound(view->Zoom() * 100)));
            QTest::keyClick(view, Qt::Key_Minus);
            QCOMPARE(view->Zoom(), zoom);
            // No printer here: the print dialog offers the PDF file; printing closes the preview.
            const auto print = OnNextWindow([](QDialog* printDialog) {
                QVERIFY(qobject_cast<QPrintDialog*>(printDialog));
                printDialog->accept();
            });
            Click(preview, u"print"_s);
            QVERIFY(!preview->isVisible());
        });
        Click(&page, u"printPreview"_s);
        QVERIFY(pages > 20);
        // Every sheet is in the file.
        const QByteArray file = FileBytes(pdf);
        QCOMPARE(file.count("/Type /Page\n") + file.count("/Type /Page\r") +
                     file.count("/Type /Page/") + file.count("/Type /Page "),
                 qsizetype(pages));
    }

    // A table laid out in parts gives the sheets one document of the whole page gives: as many,
    // the same rows on each (a row split over a sheet's edge included), the head on every one.
    void partsPrintAsOneDocument_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("portrait") << 450 << false;
        QTest::newRow("landscape") << 260 << true;
    }
    void partsPrintAsOneDocument() {
        QFETCH(int, rows);
        QFETCH(bool, landscape);
        WritePage(ListPagePath(),
                  ListPageHtml(*m_app, std::vector<int>(size_t(rows), m_family.sire()),
                               ListPageSettings{}));
        CPodgladHTML page(ListPagePath(), nullptr,
                          landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        QVERIFY(page.ShowsInParts());
        QPrinter printer(QPrinter::HighResolution);
        PagePrinter::PreparePrinter(printer, page.Orientation());
        const QSizeF paper = PagePrinter::PaperSize(printer);
        std::unique_ptr<PagedPrintout> parts = page.NewPrintout(paper);
        page.SetEditMode(true); // shown whole: printed from one document
        std::unique_ptr<PagedPrintout> whole = page.NewPrintout(paper);
        parts->LayOutAll();
        whole->LayOutAll();
        QVERIFY(parts->PartCount() > 2);
        QCOMPARE(whole->PartCount(), 1);
        QCOMPARE(parts->PageCount(), whole->PageCount());
        for (int sheet = 0; sheet < parts->PageCount(); ++sheet) {
            QImage a(paper.toSize(), QImage::Format_Grayscale8);
            QImage b(paper.toSize(), QImage::Format_Grayscale8);
            a.fill(Qt::white);
            b.fill(Qt::white);
            {
                QPainter pa(&a);
                parts->PaintPage(pa, sheet);
                QPainter pb(&b);
                whole->PaintPage(pb, sheet);
            }
            // Equal but for lines a fraction of a pixel apart, drawn a pixel higher or lower.
            int differing = 0;
            for (int y = 1; y + 1 < a.height(); ++y) {
                const uchar* row = a.constScanLine(y);
                for (int x = 0; x < a.width(); ++x) {
                    bool near = false;
                    for (int dy = -1; dy <= 1 && !near; ++dy)
                        near = std::abs(row[x] - b.constScanLine(y + dy)[x]) <= 96;
                    differing += !near;
                }
            }
            QVERIFY2(differing < 100,
                     qPrintable(u"sheet %1: %2 pixels"_s.arg(sheet).arg(differing)));
        }
    }

    void listPrintoutBreaksOnlyBetweenWords_data() {
        QTest::addColumn<std::vector<int>>("columns");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QString>("fontSize");
        // Too wide at 12 points: the cells' font shrinks until every word fits.
        QTest::newRow("every text kind")
            << std::vector<int>{ListNumber, ListBand, ListSex,     ListColour, ListRemark,
                                ListSire,   ListDam,  ListBreeder, ListOwner,  ListVariety}
            << u"Szybka i silna"_s << u"12"_s;
        // Every column and the photo: the bold head shrinks with the cells.
        QTest::newRow("every column")
            << std::vector<int>{ListNumber, ListBand,    ListSex,      ListColour,
                                ListRemark, ListSire,    ListDam,      ListBreeder,
                                ListOwner,  ListVariety, ListNickname, ListPhoto}
            << u"Szybka i silna"_s << u"12"_s;
        QTest::newRow("the first four")
            << std::vector<int>{ListNumber, ListBand, ListColour, ListPhoto} << QString()
            << u"12"_s;
        QTest::newRow("seven") << std::vector<int>{ListNumber,  ListSex,   ListColour, ListRemark,
                                                   ListBreeder, ListOwner, ListVariety}
                               << u"Szybka i silna, po chorobie"_s << u"12"_s;
        QTest::newRow("a remark longer than the page")
            << std::vector<int>{ListBand, ListRemark, ListColour}
            << u"Wraca zawsze pierwsza z najdłuższych lotów "_s.repeated(8) << u"12"_s;
    }
    void listPrintoutBreaksOnlyBetweenWords() {
        QFETCH(std::vector<int>, columns);
        QFETCH(QString, remark);
        QFETCH(QString, fontSize);
        PigeonRecord& bird = m_app->pigeons[m_family.subject()];
        bird.notesGeneral = remark;
        bird.idColour = 901;
        m_app->colours[901] = u"Niebieska nakrapiana"_s;
        m_app->varieties[bird.idVariety = 902] = u"Janssen"_s;
        m_app->breeders[bird.idBreeder = 903].lastName = u"Wojciechowski-Zawadzki"_s;
        m_app->clients[bird.idOwner = 904].firstName = u"Bartłomiej"_s;
        ListPageSettings settings;
        settings.columns = columns;
        settings.generalRemarks = true;
        settings.style.fontSize = fontSize;
        settings.textWidth = ListFontWidth(settings.style);
        settings.headPoints = QGuiApplication::font().pointSizeF();
        QTextDocument page;
        page.setHtml(ListPageHtml(*m_app, {m_family.subject(), m_family.sire()}, settings));
        page.setTextWidth(settings.pageWidth);
        QVERIFY(page.size().width() <= settings.pageWidth + 1);
        for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            for (int line = 1; line < block.layout()->lineCount(); ++line) {
                const int start = block.layout()->lineAt(line).textStart();
                QVERIFY2(text[start - 1].isSpace() || text[start - 1] == u'-',
                         qPrintable(text.left(start) + u'|'));
            }
        }
    }

    void chooserOpensTheTreeAndThePedigree() {
        CWybierzPsaZListy chooser(*m_app, ChooseAll);
        QVERIFY(ModalDriver::ShowFocused(&chooser));
        auto* tree = Find<QPushButton>(&chooser, u"familyTree"_s);
        QVERIFY(!tree->isEnabled());
        auto* list = Find<QListWidget>(&chooser, u"candidates"_s);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        const int chosen = chooser.ChosenId();
        const auto step = OnNextWindow([chosen](QDialog* dialog) {
            QCOMPARE(static_cast<CDrzewoGenealogicznePsa*>(dialog)->Birds()[TreeSubject].id,
                     chosen);
        });
        QTest::mouseClick(tree, Qt::LeftButton);
        const auto step2 = OnNextWindow([](QDialog*) {});
        Click(&chooser, u"printPedigree"_s);
        QCOMPARE(step2.DialogClass(), u"CDrukujRodowodGolebia"_s);
    }

    void longNamesKeepEveryWindowsSize() {
        const auto sizes = [this] {
            std::vector<QSize> result;
            const PigeonRecord& subject = m_app->FindPigeon(m_family.subject());
            CDrzewoGenealogicznePsa tree(*m_app, subject.id);
            CDrukujRodowodGolebia pedigree(*m_app, subject);
            CDrukujKarteMiotu card(*m_app, m_app->pairs.front());
            CEksportListyDoHTML list(*m_app, {subject.id}, {}, subject.id);
            CPodgladHTML preview(PedigreePreviewPath());
            for (QDialog* dialog :
                 std::initializer_list<QDialog*>{&tree, &pedigree, &card, &list, &preview}) {
                if (!ModalDriver::ShowFocused(dialog))
                    QTest::qFail("A window was not shown", __FILE__, __LINE__);
                result.push_back(dialog->size());
            }
            return result;
        };
        const std::vector<QSize> shortNames = sizes();
        for (auto& [id, pigeon] : m_app->pigeons)
            pigeon.name = QString(300, u'Ż');
        WritePedigree(*m_app, m_app->FindPigeon(m_family.subject()),
                      PedigreeTemplatePath(PedigreeTemplates()[0]), PedigreePreviewPath());
        QCOMPARE(sizes(), shortNames);
    }

private:
    void SelectPigeon(int id) {
        for (int row = 0; row < m_list->Model()->rowCount(); ++row) {
            if (m_list->Model()->IdAt(row) == id) {
                m_list->SelectRow(row);
                return;
            }
        }
        QFAIL("The pigeon is not in the list");
    }

    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_main;
    CZakladkaListaPsow* m_list = nullptr;
    FamilyFixture::Family m_family;
};

QTEST_MAIN(TestPrintWindows)
#include "tst_printwindows.moc"
