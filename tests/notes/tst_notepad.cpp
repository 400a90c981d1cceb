// SPDX-License-Identifier: GPL-3.0-or-later
// The notepad tab: notes per loft, New Note with its name prompt, Delete Note, the formatting
// buttons, and the body written whenever a note is left, so that no typed text is lost.

#include "app/LoftSelector.h"
#include "app/MainDialog.h"
#include "notes/NoteBodies.h"
#include "notes/ZakladkaNotatnik.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"
#include "support/DbProbe.h"
#include "support/FileSizeLimit.h"
#include "support/ModalDriver.h"
#include "support/ShellFixture.h"
#include "support/TestDataDir.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString Body(int noteId) {
    return ReadNoteBody(noteId).html;
}

} // namespace

class TestNotepad : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        MessageBox::SetTestMode(true);
        FileDialog::SetTestMode(true);
    }

    void init() {
        m_data = std::make_unique<TestDataDir>();
        QVERIFY(PrepareInstallDir());
        ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}, {u"Druga"_s, {}}});
        AppData seed;
        QVERIFY(seed.SelectLoft(1).ok());
        m_notes.clear();
        for (const QString& name : {u"Plan"_s, u"Karma"_s, u"Szczepienia"_s}) {
            NoteRecord note;
            note.idLoft = 1;
            note.name = name;
            QVERIFY(CreateNote(seed, note).ok());
            QVERIFY(WriteNoteBody(note.id, u"<p>treść: "_s + name + u"</p>"_s).ok());
            m_notes.push_back(note.id);
        }
        m_app = std::make_unique<AppData>();
        m_dialog = ShellFixture::OpenMainDialog(*m_app);
        QVERIFY(ModalDriver::ShowFocused(m_dialog.get()));
        m_page = static_cast<CZakladkaNotatnik*>(m_dialog->Page(CMainDialog::TabNotepad));
        QTest::mouseClick(m_dialog->ClientArea(), Qt::LeftButton, {},
                          m_dialog->CaptionRect(CMainDialog::TabNotepad).center());
        MessageBox::History().clear();
    }

    void cleanup() {
        m_dialog.reset();
        m_app.reset();
    }

    void theListFollowsTheKeysAndDeletions() {
        // The first note opens when the tab is first shown.
        QListWidget* list = m_page->List();
        QCOMPARE(ShellFixture::Items(list), (QStringList{u"Plan"_s, u"Karma"_s, u"Szczepienia"_s}));
        QCOMPARE(m_page->Editor()->toPlainText(), u"treść: Plan"_s);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(m_page->Editor()->toPlainText(), u"treść: Karma"_s);
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(m_page->Editor()->toPlainText(), u"treść: Szczepienia"_s);

        // Deleting the second of three keeps the list and the notes in step.
        m_page->SelectNote(1);
        MessageBox::SetNextAnswer(QMessageBox::No);
        QTest::mouseClick(m_page->Button(u"deleteNote"_s), Qt::LeftButton);
        QCOMPARE(list->count(), 3);
        MessageBox::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(m_page->Button(u"deleteNote"_s), Qt::LeftButton);
        QCOMPARE(MessageBox::Captions().last(), u"Are you sure?"_s);
        QCOMPARE(ShellFixture::Items(list), (QStringList{u"Plan"_s, u"Szczepienia"_s}));
        QVERIFY(!QFile::exists(NotePath(m_notes[1])));
        QCOMPARE(DbProbe::Number(m_data->extraDb(), u"SELECT count(*) FROM notatki;"_s), 2);
        // Nothing is open until a note is chosen; the new second row opens the one that was third.
        QCOMPARE(m_page->CurrentNote(), -1);
        QVERIFY(m_page->Editor()->toPlainText().isEmpty() && !m_page->Editor()->isEnabled());
        QVERIFY(!m_page->Button(u"deleteNote"_s)->isEnabled());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(m_page->Editor()->toPlainText(), u"treść: Szczepienia"_s);
    }

    void aNewNoteHasTheNewNoteBody() {
        const QSize mainSize = m_dialog->size();
        const QString name = u"Lot z Hanoweru 'A' "_s + QString(300, u'Ż');
        const auto step = ModalDriver::OnNextModal([&name](QDialog* d) {
            QTRY_COMPARE(QApplication::activeWindow(), d);
            const QSize before = d->size();
            ModalDriver::TypeText(d->findChild<QLineEdit*>(u"name"_s), name);
            QCOMPARE(d->size(), before); // a long name leaves the prompt its size
            QTest::mouseClick(d->findChild<QPushButton*>(u"ok"_s), Qt::LeftButton);
        });
        QTest::mouseClick(m_page->Button(u"newNote"_s), Qt::LeftButton);
        QCOMPARE(m_page->List()->item(3)->text(), name);
        QCOMPARE(m_page->CurrentNote(), 0); // the open note stays open
        QFile file(NotePath(m_app->notes.back().id));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString body = u"<HTML><BODY>&nbsp;</BODY></HTML>"_s;
        QCOMPARE(file.readAll(),
                 QByteArray("\xFF\xFE") +
                     QByteArray(reinterpret_cast<const char*>(body.utf16()), body.size() * 2));
        // Closing the prompt without OK adds nothing.
        const auto cancelled = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
        QTest::mouseClick(m_page->Button(u"newNote"_s), Qt::LeftButton);
        QCOMPARE(m_page->List()->count(), 4);
        m_page->SelectNote(3);
        QTest::qWait(10);
        QCOMPARE(m_dialog->size(), mainSize);
    }

    void boldTextIsKept_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("another note") << u"note"_s;
        QTest::newRow("another tab") << u"tab"_s;
        QTest::newRow("the program ends") << u"close"_s;
        QTest::newRow("another loft") << u"loft"_s;
        QTest::newRow("a new note") << u"new"_s;
    }

    void boldTextIsKept() {
        QFETCH(QString, how);
        QTextEdit* editor = m_page->Editor();
        editor->setFocus();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_B, Qt::ControlModifier); // as the "B" button
        ModalDriver::TypeText(editor, u" Ważne!"_s);
        if (how == u"note") {
            const QListWidget* list = m_page->List();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QCOMPARE(m_page->CurrentNote(), 1);
        } else if (how == u"tab") {
            QTest::mouseClick(m_dialog->ClientArea(), Qt::LeftButton, {},
                              m_dialog->CaptionRect(CMainDialog::TabPigeons).center());
            QCOMPARE(m_dialog->ActiveTab(), int(CMainDialog::TabPigeons));
        } else if (how == u"close") {
            m_dialog->close();
            QVERIFY(!m_dialog->isVisible());
        } else if (how == u"loft") {
            m_dialog->Lofts()->OnLoftChosen(1);
            QCOMPARE(m_page->List()->count(), 0);
        } else if (how == u"new") {
            const auto prompt = ModalDriver::OnNextModal([](QDialog* d) { d->reject(); });
            m_page->Perform(PageCommand::NewNote);
        }
        const QString body = Body(m_notes[0]);
        QVERIFY2(body.contains(u"font-weight:700;\"> Ważne!</span>"_s), qPrintable(body));
        QVERIFY(body.contains(u"treść: Plan"_s));
        QVERIFY(Body(m_notes[1]).startsWith(u"<p>treść: Karma"_s)); // untouched
    }

    void aNoteBelongsToItsLoft() {
        m_dialog->Lofts()->OnLoftChosen(1);
        QCOMPARE(m_page->List()->count(), 0);
        const auto step = ModalDriver::OnNextModal([](QDialog* d) {
            d->findChild<QLineEdit*>(u"name"_s)->setText(u"Druga notatka"_s);
            d->accept();
        });
        m_page->Perform(PageCommand::NewNote);
        QCOMPARE(ShellFixture::Items(m_page->List()), QStringList{u"Druga notatka"_s});
        QCOMPARE(m_app->notes.back().idLoft, 2);
        m_dialog->Lofts()->OnLoftChosen(0);
        QCOMPARE(ShellFixture::Items(m_page->List()),
                 (QStringList{u"Plan"_s, u"Karma"_s, u"Szczepienia"_s}));
        QCOMPARE(m_page->CurrentNote(), 0); // the tab is shown: its first note opens

        // Without a loft a note could never be listed again.
        m_app->currentLoft = -1;
        ModalDriver::NoDialogGuard guard;
        m_page->Perform(PageCommand::NewNote);
        QCOMPARE(MessageBox::History().last(), u"Select a loft before adding a note."_s);
        QCOMPARE(guard.dialogsSeen(), 0);
    }

    void formattingSavingAndPrinting() {
        QTextEdit* editor = m_page->Editor();
        editor->setFocus();
        editor->selectAll();
        for (const char16_t* button : {u"bold", u"italic", u"underline", u"size1"})
            QTest::mouseClick(m_page->Button(QString::fromUtf16(button)), Qt::LeftButton);
        editor->moveCursor(QTextCursor::End);
        QTest::mouseClick(m_page->Button(u"line"_s), Qt::LeftButton);
        QTest::mouseClick(m_page->Button(u"size5"_s), Qt::LeftButton);
        ModalDriver::TypeText(editor, u"pod linią"_s);
        // Text typed on the rule's own line is kept too.
        QTextCursor onRule(editor->document()->findBlockByNumber(1));
        onRule.insertText(u"na linii"_s);
        QVERIFY(m_page->SaveCurrent());
        const QString body = Body(m_notes[0]);
        QVERIFY2(body.contains(
                     u"font-size:xx-large; font-weight:700; font-style:italic; text-decoration: "
                     u"underline;\">treść: Plan"_s),
                 qPrintable(body));
        // Sizes "1" and "5" are the HTML sizes 6 and 2.
        QVERIFY(body.contains(u"<hr"_s) && body.contains(u"font-size:small;"_s) &&
                body.contains(u"pod linią"_s) && body.contains(u"na linii"_s));
        // Save writes a copy where the user chooses; Print offers the printer dialog.
        const QString target = m_data->path() + u"/kopia.html"_s;
        FileDialog::SetNextName(target);
        QTest::mouseClick(m_page->Button(u"save"_s), Qt::LeftButton);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("\xFF\xFE"));
        const auto step = ModalDriver::OnNextModal([](QDialog* d) {
            QTRY_COMPARE(QApplication::activeWindow(), d);
            d->reject();
        });
        QTest::mouseClick(m_page->Button(u"print"_s), Qt::LeftButton);
        QCOMPARE(step.DialogClass(), u"QPrintDialog"_s);
    }

    void aBodyThatCannotBeWrittenKeepsTheNoteOpen_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("a read-only file") << false;
        QTest::newRow("a full disk") << true;
    }

    void aBodyThatCannotBeWrittenKeepsTheNoteOpen() {
        QFETCH(bool, fullDisk);
        const QString before = Body(m_notes[0]);
        std::unique_ptr<ReadOnlyFiles> readOnly;
        std::unique_ptr<FileSizeLimit> full;
        if (fullDisk)
            full = std::make_unique<FileSizeLimit>(512); // far less than the body Qt writes
        else
            readOnly = std::make_unique<ReadOnlyFiles>(QStringList{NotePath(m_notes[0])});
        QVERIFY(fullDisk ? full->isSet() : readOnly->isReadOnly());
        m_page->Editor()->insertPlainText(u"nie zgubić"_s);
        m_page->SelectNote(2);
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(NotePath(m_notes[0])));
        QCOMPARE(m_page->List()->currentRow(), 0);
        QVERIFY(m_page->Editor()->toPlainText().contains(u"nie zgubić"_s));
        QCOMPARE(Body(m_notes[0]), before);
        // Delete and New Note wait as well, and closing the program asks first.
        ModalDriver::NoDialogGuard guard;
        QTest::mouseClick(m_page->Button(u"deleteNote"_s), Qt::LeftButton);
        m_page->Perform(PageCommand::NewNote);
        QCOMPARE(guard.dialogsSeen(), 0);
        MessageBox::History().clear();
        MessageBox::SetNextAnswer(QMessageBox::Ok); // the failure
        MessageBox::SetNextAnswer(QMessageBox::No);
        m_dialog->close();
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(MessageBox::History().last(),
                 u"Your changes could not be saved. Close the program anyway?"_s);
        // Another loft leaves the text on screen, and it is written once it can be.
        m_dialog->Lofts()->OnLoftChosen(1);
        QVERIFY(m_page->Editor()->toPlainText().contains(u"nie zgubić"_s));
        QVERIFY(m_page->Editor()->isEnabled());
        readOnly.reset();
        full.reset();
        QVERIFY(m_page->SavePendingEdits());
        QVERIFY(Body(m_notes[0]).contains(u"nie zgubić"_s));
    }

    void clickingTheOpenNoteSavesAndOpensItAgain() {
        m_page->Editor()->insertPlainText(u" zapisane"_s);
        const QListWidget* list = m_page->List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(Body(m_notes[0]).contains(u"treść: Plan zapisane"_s));
        QCOMPARE(m_page->CurrentNote(), 0);
        QCOMPARE(m_page->Editor()->toPlainText(), u"treść: Plan zapisane"_s);
        QVERIFY(!m_page->Editor()->document()->isModified());
    }

    // Typing that rests is written; a write that keeps failing is reported once.
    void typingThatRestsIsWritten() {
        auto readOnly = std::make_unique<ReadOnlyFiles>(QStringList{NotePath(m_notes[0])});
        QTextEdit* editor = m_page->Editor();
        editor->setFocus();
        for (const QString& text : {u" raz"_s, u" dwa"_s}) {
            QTest::keyClicks(editor, text);
            QTest::qWait(CZakladkaNotatnik::kAutoSaveDelay + 300);
        }
        QCOMPARE(MessageBox::History().size(), 1);
        QVERIFY(MessageBox::History()[0].contains(NotePath(m_notes[0])));
        readOnly.reset();
        QTest::keyClicks(editor, u" trzy"_s);
        QTRY_VERIFY_WITH_TIMEOUT(Body(m_notes[0]).contains(u"Plan raz dwa trzy"_s),
                                 CZakladkaNotatnik::kAutoSaveDelay + 1000);
        QCOMPARE(MessageBox::History().size(), 1);
    }

    // A program killed two seconds after typing stops has written what was typed. The test
    // runs itself as the child that types (with VORNEL_TYPING_CHILD set).
    void typedTextOutlivesAKill() {
        if (qEnvironmentVariableIsSet("VORNEL_TYPING_CHILD")) {
            QTextEdit* editor = m_page->Editor();
            editor->setFocus();
            QTest::keyClicks(editor, u" przed awaria"_s);
            std::printf("typed %s\n", qPrintable(NotePath(m_notes[0])));
            std::fflush(stdout);
            QTest::qWait(60000); // until killed
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"VORNEL_TYPING_CHILD"_s, u"1"_s);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {u"typedTextOutlivesAKill"_s});
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("\ntyped "),
                                 8000);
        const qsizetype at = output.indexOf("\ntyped ") + 7;
        const QString path = QString::fromLocal8Bit(output.mid(at, output.indexOf('\n', at) - at));
        QTest::qWait(CZakladkaNotatnik::kAutoSaveDelay + 500);
        child.kill();
        QVERIFY(child.waitForFinished());
        const QString body = ReadTextFile(path);
        QDir(QDir::cleanPath(path + u"/../../.."_s)).removeRecursively(); // the child's folder
        QVERIFY2(body.contains(u"treść: Plan przed awaria"_s), qPrintable(body));
    }

private:
    std::unique_ptr<TestDataDir> m_data;
    std::unique_ptr<AppData> m_app;
    std::unique_ptr<CMainDialog> m_dialog;
    CZakladkaNotatnik* m_page = nullptr;
    std::vector<int> m_notes;
};

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
