// Collecting the ancestors, filling a pedigree template, the family tree's seven birds and the
// shipped templates.

#include "app/ShippedFiles.h"
#include "pedigree/FamilyTree.h"
#include "pedigree/Pedigree.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/TextFile.h"
#include "support/TestDataDir.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPedigree : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A cock (id 1) with four generations: the bird at generation n, index k has the id 2^n + k,
    // so that its sire is 2 * id and its dam 2 * id + 1. Ring numbers are the ids; only the
    // sire has a photo.
    void init() {
        m_dir = std::make_unique<TestDataDir>();
        m_data = std::make_unique<AppData>();
        m_data->colours = {{0, u" "_s}, {1, u"Płowy"_s}, {2, u"Niebieski"_s}, {3, u"Czerwony"_s}};
        for (int id = 1; id < 32; ++id) {
            PigeonRecord p;
            p.id = id;
            p.country = u"PL"_s;
            p.branch = u"0207"_s;
            p.year = u"2020"_s;
            p.ringNumber = QString::number(id);
            p.idColour = id;
            p.sex = id == 1 || id % 2 == 0 ? 1 : 2;
            if (id < 16) {
                p.idSire = 2 * id;
                p.idDam = 2 * id + 1;
            }
            p.pedigreeNote0 = u"note0 of %1"_s.arg(id);
            p.pedigreeNote1 = u"note1 of %1"_s.arg(id);
            p.pedigreeNote2 = u"note2 of %1"_s.arg(id);
            p.pedigreeNote3 = u"note3 of %1"_s.arg(id);
            p.pedigreeNote4 = u"note4 of %1"_s.arg(id);
            m_data->pigeons[id] = p;
        }
        PhotoRecord photo;
        photo.id = 3;
        photo.kind = 1;
        photo.category = 2;
        photo.extension = u"jpg"_s;
        m_data->pigeons[2].photos = {photo};
    }

    void ancestorsStandSireFirst() {
        const PedigreeBirds birds = CollectAncestors(*m_data, m_data->pigeons[1]);
        for (int n = 0; n < PedigreeBirds::kGenerations; ++n) {
            QCOMPARE(birds.generations[size_t(n)].size(), size_t(1) << n);
            for (int k = 0; k < (1 << n); ++k)
                QCOMPARE(birds.At(n, k).id, (1 << n) + k);
        }
    }

    void fill_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("unchecked"); // a generation whose remark box is unchecked
        QTest::newRow("both of _POZIOM4_1 and _POZIOM4_10")
            << u"[_POZIOM4_1][_POZIOM4_10][_NOTATKI4_1][_NOTATKI4_15]"_s
            << u"[PL 0207 2020 17][PL 0207 2020 26][note4 of 17][note4 of 31]"_s << -1;
        QTest::newRow("the pigeon's colour and the sire's")
            << u"_KOLOR_|_KOLOR_1_0|_KOLOR_1_1"_s << u"Płowy|Niebieski|Czerwony"_s << -1;
        QTest::newRow("a placeholder twice")
            << u"_GOLAB_ and _GOLAB_"_s << u"PL 0207 2020 1 and PL 0207 2020 1"_s << -1;
        QTest::newRow("generation 3 prints its note 3")
            << u"_POZIOM3_0: _NOTATKI3_0 / _POZIOM1_0: _NOTATKI1_0"_s
            << u"PL 0207 2020 8: note3 of 8 / PL 0207 2020 2: note1 of 2"_s << -1;
        QTest::newRow("sex, note and images, the sire's a photo")
            << u"_PLEC_|_NOTATKI0|_IMG0|_IMG1_0|_IMG1_1"_s
            << u"Cock|note0 of 1|img//blank.jpg|{DIR}/db/images/3120.jpg|img//blank.jpg"_s << -1;
        QTest::newRow("an unchecked box leaves its generation's notes out")
            << u"_NOTATKI0|_NOTATKI1_1|_NOTATKI2_0|_NOTATKI3_0"_s
            << u"note0 of 1|note1 of 3||note3 of 8"_s << 2;
    }

    void fill() {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        QFETCH(int, unchecked);
        PedigreeOptions options;
        if (unchecked >= 0)
            options.notes[size_t(unchecked)] = false;
        const auto birds = CollectAncestors(*m_data, m_data->pigeons[1]);
        QCOMPARE(FillPedigree(page, birds, *m_data, options),
                 expected.replace(u"{DIR}"_s, m_dir->path()));
    }

    void withoutRecordedParents() {
        PigeonRecord alone = m_data->pigeons[20];
        alone.sex = 0;
        const QString page = FillPedigree(
            u"_PLEC_|_POZIOM1_0|_POZIOM4_15|_NOTATKI2_1|_KOLOR_1_0|_KOLOR_1_1|_IMG1_1"_s,
            CollectAncestors(*m_data, alone), *m_data);
        QCOMPARE(page, u" |   |   || | |img//blank.jpg"_s);
    }

    void notesAreMarkupAndTextIsText() {
        PigeonRecord& p = m_data->pigeons[1];
        p.name = u"Kometa <2019> & 'Grom'"_s;
        p.pedigreeNote0 = u"<b>1st</b> Gniezno\nace _POZIOM1_0"_s;
        m_data->pigeons[2].name = u"Ąś"_s;
        const QString page =
            FillPedigree(u"_GOLAB_|_NOTATKI0"_s, CollectAncestors(*m_data, p), *m_data);
        // The note's placeholder takes the sire's band text, since the note went in first.
        QCOMPARE(page, u"PL 0207 2020 1 [Kometa &lt;2019&gt; &amp; &#39;Grom&#39;]|<b>1st</b> "
                       u"Gniezno<br>ace PL 0207 2020 2 [Ąś]"_s);
    }

    void writtenFiles_data() {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::addColumn<QString>("page");
        QStringEncoder utf16(QStringConverter::Utf16LE);
        const QString polish = u"<p>Rodowód _GOLAB_ – gołąb</p>"_s;
        QTest::newRow("UTF-16LE with its mark")
            << QByteArray("\xff\xfe") + QByteArray(utf16.encode(polish))
            << u"\uFEFF<p>Rodowód PL 0207 2020 1 – gołąb</p>"_s;
        QTest::newRow("UTF-8") << polish.toUtf8()
                               << u"\uFEFF<p>Rodowód PL 0207 2020 1 – gołąb</p>"_s;
        QTest::newRow("missing") << QByteArray() << u"\uFEFFError"_s;
    }

    void writtenFiles() {
        QFETCH(QByteArray, templateBytes);
        QFETCH(QString, page);
        const QString path = templateBytes.isEmpty()
                                 ? m_dir->path() + u"/no such template.html"_s
                                 : m_dir->makeFile(u"template.html"_s, templateBytes);
        QVERIFY(WritePedigree(*m_data, m_data->pigeons[1], path, PedigreePreviewPath()));
        QStringEncoder utf16(QStringConverter::Utf16LE);
        QCOMPARE(FileBytes(PedigreePreviewPath()), QByteArray(utf16.encode(page)));
    }

    void shippedTemplates() {
        QVERIFY(InstallShippedFiles());
        const auto birds = CollectAncestors(*m_data, m_data->pigeons[1]);
        for (const PedigreeTemplate& kind : PedigreeTemplates()) {
            const QString path = PedigreeTemplatePath(kind);
            QVERIFY2(FileBytes(path).startsWith("\xff\xfe<"), qPrintable(path));
            const QString page = ReadTextFile(path);
            for (int n = 1; n <= 4; ++n)
                for (int k = 0; k < (1 << n); ++k)
                    QVERIFY(page.contains(u"_POZIOM%1_%2"_s.arg(n).arg(k)) &&
                            page.contains(u"_NOTATKI%1_%2"_s.arg(n).arg(k)));
            for (const QString& placeholder :
                 {u"_GOLAB_"_s, u"_KOLOR_1_0"_s, u"_KOLOR_1_1"_s, u"_PLEC_"_s, u"_NOTATKI0"_s})
                QVERIFY(page.contains(placeholder));
            QCOMPARE(page.contains(u"_IMG0"_s), kind.fileName.endsWith(u"_zdj.html"_s));
            QCOMPARE(page.contains(u"_IMG1_0"_s), kind.fileName == u"pionowy_zdj.html"_s);
            // Nothing of a placeholder is left once the page is filled.
            const QString filled = FillPedigree(page, birds, *m_data);
            QVERIFY2(
                !filled.contains(QRegularExpression(u"_(GOLAB|KOLOR|PLEC|NOTATKI|IMG|POZIOM)"_s)),
                qPrintable(kind.fileName));
        }
        // A template the user changed is kept.
        QVERIFY(WriteTextFile(PedigreeTemplatePath(PedigreeTemplates()[0]), u"mine"_s));
        QVERIFY(InstallShippedFiles());
        QCOMPARE(ReadTextFile(PedigreeTemplatePath(PedigreeTemplates()[0])), u"\uFEFFmine"_s);
    }

    void familyTreeStandsDamFirst() {
        const FamilyTreeBirds birds = CollectFamilyTree(*m_data, 1);
        const int expected[] = {1, 3, 2, 7, 6, 5, 4};
        for (int slot = 0; slot < TreeSlotCount; ++slot)
            QCOMPARE(birds[size_t(slot)].id, expected[slot]);
        QCOMPARE(FamilyTreeSex(TreeDam), 2);
        QCOMPARE(FamilyTreeSex(TreeSiresSire), 1);
    }

    void familyTreeWithOnlyADam() {
        m_data->pigeons[1].idSire = 0;
        const FamilyTreeBirds birds = CollectFamilyTree(*m_data, 1);
        QCOMPARE(birds[TreeDamsSire].id, 6);
        for (int slot : {TreeSire, TreeSiresDam, TreeSiresSire}) {
            QCOMPARE(birds[size_t(slot)].id, 0);
            QCOMPARE(BandLabel(birds[size_t(slot)]), u"   "_s);
        }
        QCOMPARE(CollectFamilyTree(*m_data, 0)[TreeSubject].id, 0);
    }

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppData> m_data;
};

QTEST_GUILESS_MAIN(TestPedigree)
#include "tst_pedigree.moc"
