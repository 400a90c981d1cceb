// The preview panel under the pigeon list, and the prints the menu makes of the current pigeon.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "pedigree/FamilyTreeView.h"
#include "pedigree/PodgladHTML.h"
#include "register/PreviewPages.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/LocalTime.h"
#include "storage/TextFile.h"
#include "support/BreedingFixture.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "trade/TransactionReport.h"
#include "ui/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum Bird { Cock, Hen1, Hen2, Hen3, Child1, Sibling, Child2, Child3, Child4, BirdCount };

QStringList Column(const QTableWidget* list, int column) {
    QStringList texts;
    for (int row = 0; row < list->rowCount(); ++row)
        texts.append(list->item(row, column)->text());
    return texts;
}

QString Text(const QWidget* page, const QString& name) {
    return page->findChild<QLabel*>(name)->text();
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    // A cock paired with three hens (the second twice), their young, and a bird raised by the
    // first pair though its recorded dam is the second hen.
    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        m_ids.clear();
        for (int bird = 0; bird < BirdCount; ++bird) {
            PigeonRecord p;
            p.idLoft = 1;
            p.country = u"PL"_s;
            p.ringNumber = QString::number(100 + bird);
            p.sex = bird == Cock ? 1 : bird <= Hen3 ? 2 : 0;
            if (bird == Sibling) {
                p.idSire = m_ids[Cock];
                p.idDam = m_ids[Hen2];
            }
            QVERIFY(seed.AddPigeonToCategory(p, 1).ok());
            m_ids.push_back(p.id);
        }
        const std::pair<Bird, std::vector<Bird>> pairs[] = {
            {Hen1, {Child1, Sibling, Child2}}, {Hen2, {Child3}}, {Hen3, {}}, {Hen2, {Child4}}};
        for (const auto& [hen, children] : pairs) {
            PairRecord pair;
            pair.idLoft = 1;
            pair.idCock = m_ids[Cock];
            pair.idHen = m_ids[hen];
            QVERIFY(seed.SavePair(-1, pair).ok());
            for (Bird child : children) {
                ChildRecord record{0, m_ids[child], pair.id, 1, -1, QString()};
                QVERIFY(seed.SaveChild(-1, record).ok());
            }
        }
        // Three races of the cock: positions 0, 5 and 2.
        for (int position : {0, 5, 2})
            BreedingFixture::StoreRace(seed, 1, ComposeLocalTime(2026, 6, 14, 7, 0, 0),
                                       {{m_ids[Cock], position}});
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_dialog->SetActiveTab(CMainDialog::TabPigeons);
        m_list = static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void summaryPage() {
        QWidget* page = m_list->PreviewPage(0);
        QCOMPARE(Text(page, u"band"_s), u"Please select pigeon"_s);
        QCOMPARE(Text(page, u"dam"_s), u"No dam information "_s);
        QCOMPARE(Text(page, u"velocity"_s), u"Velocity: 0"_s);
        m_list->SelectRow(Hen1); // no parents, no races
        QCOMPARE(Text(page, u"band"_s), u"PL   101"_s);
        QCOMPARE(Text(page, u"sire"_s), u"No sire information "_s);
        QCOMPARE(Text(page, u"dam"_s), u"No dam  information "_s);
        QCOMPARE(Text(page, u"qualifications"_s), u"Qualifications: 0"_s);
        m_list->SelectRow(Sibling);
        QCOMPARE(Text(page, u"sire"_s), u"PL   100"_s);
        QCOMPARE(Text(page, u"dam"_s), u"PL   102"_s);
        m_list->SelectRow(Cock); // three races averaging 1241.99 m/min
        QCOMPARE(Text(page, u"qualifications"_s), u"Qualifications: 3"_s);
        QCOMPARE(Text(page, u"velocity"_s), u"Velocity: 1241"_s);
    }

    void summaryWithAnApostropheIsStored() {
        m_list->SelectRow(Cock);
        const auto dialog = ModalDriver::OnNextModal([](QDialog* summary) {
            QCOMPARE(QApplication::activeWindow(), summary);
            QCOMPARE(summary->windowTitle(), u"Set summary...."_s);
            auto* text = summary->findChild<QPlainTextEdit*>(u"summary"_s);
            QVERIFY(text->hasFocus());
            QTest::keyClicks(text, u"Syn 'Asa', szybki"_s);
            QTest::mouseClick(summary->findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
        });
        QTest::mouseClick(m_list->PreviewPage(0)->findChild<QPushButton*>(u"setSummary"_s),
                          Qt::LeftButton);
        QCOMPARE(Text(m_list->PreviewPage(0), u"summary"_s), u"Syn 'Asa', szybki"_s);
        AppData reloaded;
        QVERIFY(reloaded.SelectLoft(1).ok());
        QCOMPARE(reloaded.pigeons.at(m_ids[Cock]).shortDescription, u"Syn 'Asa', szybki"_s);
    }

    void familyTreePage() {
        m_list->ShowPreviewPage(1);
        m_list->SelectRow(Sibling);
        auto* page = static_cast<CPanelPodgladuTab2*>(m_list->PreviewPage(1));
        QCOMPARE(page->Tree()->Button(TreeSire)->ShownText(), u"PL   100"_s);
        QCOMPARE(page->ChosenBird(), m_ids[Sibling]);
        QTest::mouseClick(page->Tree()->Button(TreeDam), Qt::LeftButton);
        QCOMPARE(page->ChosenBird(), m_ids[Hen2]);
        QCOMPARE(page->findChild<QLabel*>(u"birdBand"_s)->text(), u"PL   102"_s);
        // Nothing selected: the tree stays as it was.
        m_list->SelectRow(-1);
        QCOMPARE(page->Tree()->Button(TreeSubject)->ShownText(), u"PL   105"_s);
        // The side panel shows on pages wider than 1000 pixels only.
        page->resize(1000, page->height());
        QVERIFY(!page->SidePanelShown());
        page->resize(1100, page->height());
        QVERIFY(page->SidePanelShown());
    }

    void partnersAndProgenyByKeys() {
        m_list->ShowPreviewPage(2);
        m_list->SelectRow(Cock);
        auto* page = static_cast<CPanelPodgladuTab3*>(m_list->PreviewPage(2));
        QCOMPARE(ShellFixture::Items(page->Partners()),
                 (QStringList{u"PL   101"_s, u"PL   102"_s, u"PL   103"_s, u"PL   102"_s}));
        QCOMPARE(Text(page, u"partnerCount"_s), u"4"_s);
        QCOMPARE(Text(page, u"progenyCount"_s), u"5"_s);
        // Without a partner: what to choose.
        QTest::mouseClick(page->findChild<QPushButton*>(u"saveProgeny"_s), Qt::LeftButton);
        QTest::mouseClick(page->findChild<QPushButton*>(u"familyTree"_s), Qt::LeftButton);
        QCOMPARE(MessageBox::History(), (QStringList{u"Select partner from list."_s,
                                                     u"You must select pigeon from list of "
                                                     u"progeny."_s}));
        page->Partners()->setFocus();
        QApplication::processEvents();
        QTest::keyClick(page->Partners(), Qt::Key_Down);
        QCOMPARE(Column(page->Progeny(), 1),
                 (QStringList{u"PL   104"_s, u"PL   105"_s, u"PL   106"_s}));
        QTest::keyClick(page->Partners(), Qt::Key_Down);
        QCOMPARE(Column(page->Progeny(), 1), QStringList{u"PL   107"_s});
        page->Progeny()->selectRow(0);
        QString title;
        const auto tree = ModalDriver::OnNextModal([&title](QDialog* dialog) {
            title = dialog->findChild<FamilyTreeView*>()->Button(TreeSubject)->ShownText();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::mouseClick(page->findChild<QPushButton*>(u"familyTree"_s), Qt::LeftButton);
        QCOMPARE(title, u"PL   107"_s);
        const auto card = ModalDriver::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        QTest::mouseClick(page->findChild<QPushButton*>(u"saveProgeny"_s), Qt::LeftButton);
        QCOMPARE(card.DialogClass(), u"CDrukujKarteMiotu"_s);
    }

    void siblingsInBothModes() {
        m_list->ShowPreviewPage(3);
        m_list->SelectRow(Sibling);
        auto* page = static_cast<CPanelPodgladuTab4*>(m_list->PreviewPage(3));
        // Its clutch: the other young of the pair that raised it.
        QCOMPARE(Column(page->Siblings(), 1), (QStringList{u"PL   104"_s, u"PL   106"_s}));
        QCOMPARE(page->SiblingIdList(), (std::vector<int>{m_ids[Child1], m_ids[Child2]}));
        // Every pair of its recorded sire and dam.
        page->ModeBox()->setFocus();
        QTest::keyClick(page->ModeBox(), Qt::Key_Down);
        QCOMPARE(Column(page->Siblings(), 1), (QStringList{u"PL   107"_s, u"PL   108"_s}));
        // Back to the clutch; "Edit Pigeon" opens the bird the chosen row shows.
        QTest::keyClick(page->ModeBox(), Qt::Key_Up);
        page->Siblings()->selectRow(1);
        QString title;
        const auto editor = ModalDriver::OnNextModal([&title](QDialog* dialog) {
            title = dialog->windowTitle();
            dialog->reject();
        });
        QTest::mouseClick(page->findChild<QPushButton*>(u"editPigeon"_s), Qt::LeftButton);
        QCOMPARE(title, u"Editing: PL   106"_s);
        // A pigeon without recorded parents has no siblings in either mode.
        m_list->SelectRow(Child1);
        QCOMPARE(page->Siblings()->rowCount(), 0);
        QTest::keyClick(page->ModeBox(), Qt::Key_Down);
        QCOMPARE(page->Siblings()->rowCount(), 0);
        QTest::mouseClick(page->findChild<QPushButton*>(u"familyTree"_s), Qt::LeftButton);
        QCOMPARE(MessageBox::History().last(), u"Musisz wybrać gołębia z listy rodzeństwa."_s);
    }

    void raceResultsPage() {
        m_list->ShowPreviewPage(4);
        m_list->SelectRow(Cock);
        QWidget* page = m_list->PreviewPage(4);
        QCOMPARE(static_cast<CPanelPodgladuTab5*>(page)->Races()->rowCount(), 3);
        QCOMPARE(Text(page, u"qualifications"_s), u"3"_s);
        QCOMPARE(Text(page, u"averagePosition"_s), u"2"_s); // (0 + 5 + 2) / 3
        QCOMPARE(Text(page, u"bestPosition"_s), u"2"_s);    // position 0 is no position
        QCOMPARE(Text(page, u"averageVelocity"_s), u"1241.99"_s);
        QCOMPARE(Text(page, u"maximumVelocity"_s), u"1250"_s);
        m_list->SelectRow(Hen1);
        QCOMPARE(Text(page, u"averageVelocity"_s), u"0"_s);
        QCOMPARE(Text(page, u"bestPosition"_s), u"0"_s);
        QCOMPARE(Text(page, u"maximumVelocity"_s), u"0"_s);
    }

    void menuPrintsOfTheCurrentPigeon_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("message");
        QTest::newRow("family tree")
            << int(CmdFamilyTree) << u"CDrzewoGenealogicznePsa"_s << u"Wybierz ptaka z listy"_s;
        QTest::newRow("pedigree") << int(CmdPrintPedigree) << u"CDrukujRodowodGolebia"_s
                                  << u"You must select pigeon from list to print his pedigree."_s;
        QTest::newRow("progeny") << int(CmdPrintProgeny) << u"CEksportListyDoHTML"_s
                                 << u"You must select pigeon from list to print his progeny."_s;
        QTest::newRow("siblings") << int(CmdPrintSiblings) << u"CEksportListyDoHTML"_s
                                  << u"You must select pigeon from list to print his siblings."_s;
        QTest::newRow("racing results")
            << int(CmdPrintRacingResults) << u"CPodgladHTML"_s
            << u"You must select pigeon from list to print his racing results."_s;
    }

    void menuPrintsOfTheCurrentPigeon() {
        QFETCH(int, command);
        QFETCH(QString, window);
        QFETCH(QString, message);
        QAction* action = ShellFixture::MenuAction(*m_dialog, command);
        QVERIFY(action->isEnabled());
        {
            ModalDriver::NoDialogGuard guard;
            action->trigger();
            QCOMPARE(guard.dialogsSeen(), 0);
        }
        QCOMPARE(MessageBox::History(), QStringList{message});
        m_list->SelectRow(command == CmdPrintSiblings ? Sibling : Cock);
        const auto opened = ModalDriver::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        action->trigger();
        QCOMPARE(opened.DialogClass(), window);
    }

    void transactionReport() {
        for (const auto& [kind, price, currency] :
             {std::tuple{0, 12.5f, int(EUR)}, std::tuple{0, 7.5f, int(EUR)},
              std::tuple{1, 100.0f, int(PLN)}, std::tuple{2, 9.0f, int(PLN)}}) {
            TransactionRecord t;
            t.idLoft = 1;
            t.kind = kind;
            t.price = price;
            t.currency = currency;
            t.otherSubject = u"Karma <premium>"_s;
            QVERIFY(m_app->SaveTransaction(-1, t).ok());
        }
        const QString page = TransactionReportHtml(*m_app);
        QVERIFY(page.startsWith(QChar(0xFEFF)));
        QCOMPARE(page.count(u"<tr valign=top>"_s), 4);
        QVERIFY(page.contains(u"Karma &lt;premium&gt;"_s));
        // "Another" counts in neither total.
        QVERIFY(page.contains(u"<tr><td>PLN</td><td>0</td><td>100</td></tr>"_s));
        QVERIFY(page.contains(u"<tr><td>EUR</td><td>20</td><td>0</td></tr>"_s));

        QString shown;
        const auto preview = ModalDriver::OnNextModal([&shown](QDialog* dialog) {
            shown = qobject_cast<CPodgladHTML*>(dialog)->Path();
            dialog->reject();
        });
        ShellFixture::MenuAction(*m_dialog, CmdPrintReport)->trigger();
        QCOMPARE(ReadTextFile(shown), page);
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaListaPsow* m_list = nullptr;
    std::vector<int> m_ids;
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
