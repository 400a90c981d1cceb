// The pigeon chooser, moving and copying between categories, and the lookup managers.

#include "app/MainDialog.h"
#include "app/MainMenu.h"
#include "register/ChooserCandidates.h"
#include "register/DodajGolebia.h"
#include "register/LookupListDialog.h"
#include "register/PigeonTableModel.h"
#include "register/PrzeniesPsa.h"
#include "register/WybierzPsaZListy.h"
#include "register/ZakladkaListaPsow.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "support/DbProbe.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using ShellFixture::Items;

class TestChooser : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { MessageBox::SetTestMode(true); }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s, u"Rozpłodowe"_s}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        // Bands A12 (cock), 123 (hen), 45 (unknown sex, with parents); all in category 1,
        // the hen in category 2 too.
        const std::tuple<const char16_t*, int> birds[] = {{u"A12", 1}, {u"123", 2}, {u"45", 0}};
        for (const auto& [band, sex] : birds) {
            PigeonRecord p;
            p.idLoft = 1;
            p.ringNumber = QString::fromUtf16(band);
            p.sex = sex;
            if (sex == 0) {
                p.idSire = m_ids[0];
                p.idDam = m_ids[1];
            }
            QVERIFY(seed.SavePigeon(-1, p).ok());
            m_ids.push_back(p.id);
            QVERIFY(seed.AddCategoryLink(1, p.id).ok());
        }
        QVERIFY(seed.AddCategoryLink(2, m_ids[1]).ok());
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        m_list = static_cast<CZakladkaListaPsow*>(m_dialog->Page(CMainDialog::TabPigeons));
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
        m_ids.clear();
    }

    void candidatesByMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("bands");
        QTest::newRow("hens") << int(ChooseHens) << QStringList{u"123"_s, u"45"_s};
        QTest::newRow("cocks") << int(ChooseCocks) << QStringList{u"A12"_s, u"45"_s};
        QTest::newRow("without parents")
            << int(ChooseWithoutParents) << QStringList{u"A12"_s, u"123"_s};
        QTest::newRow("all") << int(ChooseAll) << QStringList{u"A12"_s, u"123"_s, u"45"_s};
    }

    void candidatesByMode() {
        QFETCH(int, mode);
        QFETCH(QStringList, bands);
        QStringList shown;
        for (int id : ChooserCandidates(*m_app, mode))
            shown.append(m_app->FindPigeon(id).ringNumber);
        QCOMPARE(shown, bands);
    }

    void searchCategoryAndChoice() {
        CWybierzPsaZListy chooser(*m_app, ChooseAll);
        auto* list = chooser.findChild<QListWidget*>(u"candidates"_s);
        QCOMPARE(list->count(), 3);
        chooser.findChild<QLineEdit*>(u"band"_s)->setText(u"12"_s);
        QCOMPARE(Items(list), (QStringList{u"   A12"_s, u"   123"_s}));
        list->setCurrentRow(1);
        QCOMPARE(chooser.ChosenId(), m_ids[1]);

        // A new category filter forgets the choice; OK then returns no pigeon.
        auto* filter = chooser.findChild<QComboBox*>(u"categoryFilter"_s);
        QCOMPARE(filter->count(), 3);
        filter->setCurrentIndex(2);
        Q_EMIT filter->activated(2);
        QCOMPARE(Items(list), QStringList{u"   123"_s});
        QCOMPARE(chooser.ChosenId(), -1);
        chooser.accept();
        QCOMPARE(chooser.ResultFlag(), -1);
    }

    void editorChoosesParentsAndColours() {
        m_list->SelectRow(0); // A12, a cock: the sire chooser lists it
        QStringList shown;
        const auto edit = ModalDriver::OnNextModal([&shown](QDialog* editor) {
            // A pigeon is not its own parent.
            const auto sire = ModalDriver::OnNextModal([](QDialog* chooser) {
                auto* list = chooser->findChild<QListWidget*>(u"candidates"_s);
                QCOMPARE(list->item(0)->text(), u"   A12"_s);
                list->setCurrentRow(0);
                chooser->findChild<QPushButton*>(u"ok"_s)->click();
            });
            editor->findChild<QPushButton*>(u"chooseSire"_s)->click();
            const auto dam = ModalDriver::OnNextModal([](QDialog* chooser) {
                QCOMPARE(QApplication::activeWindow(), chooser);
                auto* search = chooser->findChild<QLineEdit*>(u"band"_s);
                auto* list = chooser->findChild<QListWidget*>(u"candidates"_s);
                QCOMPARE(list->count(), 2); // hens and unknown sex
                search->setFocus();
                QTest::keyClicks(search, u"12"_s);
                QCOMPARE(Items(list), QStringList{u"   123"_s});
                list->setFocus();
                QTest::keyClick(list, Qt::Key_Down);
                QCOMPARE(chooser->findChild<QLabel*>(u"chosenBand"_s)->text(), u"   123"_s);
                QTest::keyClick(list, Qt::Key_Return);
            });
            QTest::mouseClick(editor->findChild<QPushButton*>(u"chooseDam"_s), Qt::LeftButton);
            // A colour added in the manager is offered at once.
            const auto colours = ModalDriver::OnNextModal([](QDialog* manager) {
                manager->findChild<QLineEdit*>(u"newName"_s)->setText(u"Szpakowaty"_s);
                manager->findChild<QPushButton*>(u"add"_s)->click();
                manager->reject();
            });
            editor->findChild<QPushButton*>(u"manageColours"_s)->click();
            auto* colour = editor->findChild<QComboBox*>(u"colour"_s);
            shown = QStringList{editor->findChild<QLabel*>(u"sireText"_s)->text(),
                                editor->findChild<QLabel*>(u"damText"_s)->text(),
                                colour->itemText(colour->count() - 1)};
            editor->findChild<QPushButton*>(u"ok"_s)->click();
        });
        m_list->Perform(PageCommand::EditPigeon);
        QCOMPARE(MessageBox::History(), QStringList{u"A pigeon cannot be its own sire."_s});
        QCOMPARE(shown, (QStringList{u"No sire information"_s, u"   123"_s, u"Szpakowaty"_s}));
        const PigeonRecord& bird = m_app->pigeons.at(m_ids[0]);
        QCOMPARE(bird.idSire, 0);
        QCOMPARE(bird.idDam, m_ids[1]);
        QCOMPARE(m_list->Model()->CellText(0, PigeonTableModel::Dam), u"   123"_s);
        QCOMPARE(
            DbProbe::Rows(m_data->pigeonsDb(),
                          u"SELECT id_ojca, id_matki FROM pigeons WHERE id = %1;"_s.arg(m_ids[0])),
            (std::vector<QStringList>{{u"0"_s, QString::number(m_ids[1])}}));
    }

    void longNamesKeepWindowsAtTheirSize_data() {
        QTest::addColumn<int>("window");
        QTest::newRow("chooser") << 0;
        QTest::newRow("editor") << 1;
        QTest::newRow("move") << 2;
        QTest::newRow("lookup manager") << 3;
    }

    void longNamesKeepWindowsAtTheirSize() {
        QFETCH(int, window);
        const int shortWidth = ShownWidth(window);
        // Every name such a window shows, 300 characters long.
        const QString longName = QString(u"Bardzo długa nazwa "_s).repeated(16).left(300);
        PigeonRecord& bird = m_app->pigeons.at(m_ids[1]);
        bird.name = longName;
        bird.shortDescription = longName;
        bird.BandLabel = BandLabel(bird);
        int colour = 0;
        QVERIFY(m_app->AddLookup(Lookup::Colours, 1, longName, &colour).ok());
        QVERIFY(m_app->AddLookup(Lookup::Statuses, 1, longName).ok());
        QVERIFY(m_app->AddLookup(Lookup::Varieties, 1, longName).ok());
        bird.idColour = colour;
        ContactRecord breeder;
        breeder.lastName = longName;
        QVERIFY(m_app->SaveBreeder(-1, breeder).ok());
        m_app->breeders[breeder.id] = breeder;
        m_app->lofts[0].categories[0].name = longName;
        QCOMPARE(ShownWidth(window), shortWidth);
    }

    void moveAndCopy() {
        // A copy leaves the list alone and adds a link.
        m_list->SelectRow(0);
        const auto move1 = AnswerMove(1, true);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 3);
        QCOMPARE(Links(2), 2);

        // Moving into the category it is in is refused; no link is lost.
        const auto move2 = AnswerMove(0, false);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(MessageBox::History(), QStringList{u"The pigeon is already in this category."_s});
        QCOMPARE(Links(1), 3);

        // A move takes the row away and the link with it.
        m_list->SelectRow(2);
        const auto move3 = AnswerMove(1, false);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(m_list->Model()->rowCount(), 2);
        QCOMPARE(m_app->currentPigeon, -1);
        QCOMPARE(Links(1), 2);
        QCOMPARE(Links(2), 3);

        // Copying into the same category gives a second link there.
        m_list->SelectRow(0);
        const auto move4 = AnswerMove(0, true);
        m_list->Perform(PageCommand::MovePigeon);
        QCOMPARE(Links(1), 3);
    }

    void lookupManager() {
        CWyborKoloru manager(*m_app, 2);
        QCOMPARE(manager.bannerTitle(), u"Manage colors"_s);
        auto* names = manager.findChild<QListWidget*>(u"names"_s);
        auto* name = manager.findChild<QLineEdit*>(u"newName"_s);
        auto* add = manager.findChild<QPushButton*>(u"add"_s);
        auto* remove = manager.findChild<QPushButton*>(u"delete"_s);
        QCOMPARE(Items(names), QStringList{u" "_s});
        add->click(); // an empty name does nothing
        QCOMPARE(names->count(), 1);
        name->setText(u"Pocztowy"_s);
        add->click();
        name->setText(u" "_s); // one blank is a name
        add->click();
        name->setText(u"Pocztowy"_s); // refused by the database, quietly
        add->click();
        QCOMPARE(Items(names), (QStringList{u" "_s, u"Pocztowy"_s, u" "_s}));
        QVERIFY(MessageBox::History().isEmpty());
        QCOMPARE(m_app->varieties.size(), 3u);

        names->setCurrentRow(0); // the blank entry stays
        remove->click();
        QCOMPARE(names->count(), 3);
        names->setCurrentRow(1);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        remove->click();
        QCOMPARE(Items(names), (QStringList{u" "_s, u" "_s}));
        QCOMPARE(m_app->varieties.size(), 2u);
        QCOMPARE(DbProbe::Number(m_data->extraDb(), u"SELECT count(*) FROM gatunekrasa;"_s), 1);
    }

    void statusManagerFromTheMenu() {
        const auto step5 = ModalDriver::OnNextModal([](QDialog* manager) {
            QCOMPARE(manager->windowTitle(), u"Manage status"_s);
            QCOMPARE(static_cast<BannerDialog*>(manager)->bannerTitle(), u"STATUS"_s);
            manager->reject();
        });
        m_dialog->RunCommand(CmdManageStatus);
        QCOMPARE(step5.DialogClass(), u"CZarzadzajStatusami"_s);
    }

private:
    // The width a window takes when shown, with pigeon 123 chosen where there is a choice.
    int ShownWidth(int window) {
        std::unique_ptr<QDialog> dialog;
        switch (window) {
        case 0: {
            auto chooser = std::make_unique<CWybierzPsaZListy>(*m_app, ChooseAll);
            chooser->findChild<QListWidget*>(u"candidates"_s)->setCurrentRow(1);
            dialog = std::move(chooser);
            break;
        }
        case 1:
            dialog = std::make_unique<CDodajGolebia>(*m_app, CDodajGolebia::Mode::Edit,
                                                     m_app->pigeons.at(m_ids[1]), nullptr);
            break;
        case 2:
            dialog = std::make_unique<CPrzeniesPsa>(*m_app);
            dialog->findChild<QComboBox*>(u"category"_s)->setCurrentIndex(0);
            break;
        default:
            dialog = std::make_unique<CWyborKoloru>(*m_app, 1);
            break;
        }
        if (!ModalDriver::ShowFocused(dialog.get()))
            return -1;
        QApplication::processEvents();
        return dialog->frameGeometry().width();
    }

    ModalDriver::Expectation AnswerMove(int category, bool copy) {
        return ModalDriver::OnNextModal([category, copy](QDialog* dialog) {
            dialog->findChild<QComboBox*>(u"category"_s)->setCurrentIndex(category);
            dialog->findChild<QCheckBox*>(u"copy"_s)->setChecked(copy);
            dialog->accept();
        });
    }

    qint64 Links(int categoryId) const {
        return DbProbe::Number(
            m_data->pigeonsDb(),
            u"SELECT count(*) FROM kategoria_id WHERE id_kategorii = %1;"_s.arg(categoryId));
    }

    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaListaPsow* m_list = nullptr;
    std::vector<int> m_ids;
};

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
