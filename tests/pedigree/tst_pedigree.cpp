// SPDX-License-Identifier: GPL-3.0-or-later
// The printouts' page writers: the pedigree filled from its ancestors, the family tree's seven
// birds, the shipped templates, the list page and the pairing card byte for byte, and what the
// preview does with a page before Qt's rich-text engine reads it.

#include "app/ShippedFiles.h"
#include "pedigree/FamilyTree.h"
#include "pedigree/ListPage.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PairingCard.h"
#include "pedigree/Pedigree.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "storage/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestDataDir.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The head of a list page and of a pairing card as the printouts have always written them.
const QString kListHead =
    u"<html><style type=\"text/css\" media=\"print,screen\" >td { page-break-inside: auto; "
    u"font-size: {S}pt; font-family: {F} }th { \t    font-family: {F}; color:black; \t    "
    u"background-color: lightgrey; \t}thead { \t    display:table-header-group; \t\t}tbody { "
    u"\t    display: table-row-group; \t}</style><script type=\"text/javascript\">window.onload "
    u"= load;function load(){var rowHeight=0;var tblHeight = 0;for(var i = 0; i < "
    u"document.all.masterTbl.rows.length;i++){oBndRct = "
    u"document.all.masterTbl.rows[i].getBoundingClientRect();rowHeight = oBndRct.bottom - "
    u"oBndRct.top + 1;  if(tblHeight + rowHeight > {M}) "
    u"{document.all.masterTbl.rows[i-1].style.pageBreakAfter=\"always\";tblHeight = "
    u"0;}tblHeight += rowHeight;}}</script><body>"_s;
// The pairing card's head sets the size of the table head too.
const QString kCardHead = QString(kListHead).replace(
    u"background-color: lightgrey; \t}"_s, u"background-color: lightgrey; font-size: {S}pt;\t}"_s);
const QString kMasterTable =
    u"<br><table style=\"width: 170mm\" border=1 cellspacing=0 cellpadding=2 "
    u"style=\"table-layout:fixed; word-wrap: break-word; page-break-after: always;\" "
    u"name=masterTbl id=masterTbl>"_s;

QString Head(QString head, const QString& font, const QString& size, const QString& margin) {
    return head.replace(u"{F}"_s, font).replace(u"{S}"_s, size).replace(u"{M}"_s, margin);
}

QByteArray Utf16WithMark(const QString& text) {
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return QByteArray("\xff\xfe", 2) + QByteArray(encoder.encode(text));
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PigeonRecord Bird(int id, const QString& ring, const QString& name, int sex, int colour) {
    PigeonRecord p;
    p.id = id;
    p.idLoft = 1;
    p.country = u"PL"_s;
    p.branch = u"0207"_s;
    p.year = u"2024"_s;
    p.ringNumber = ring;
    p.name = name;
    p.sex = sex;
    p.idColour = colour;
    return p;
}

PhotoRecord Photo(int id, int kind = 0, int category = 0) {
    PhotoRecord photo;
    photo.id = id;
    photo.kind = kind;
    photo.category = category;
    photo.extension = u"jpg"_s;
    return photo;
}

} // namespace

class TestPedigree : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A cock (id 1) with four generations: the bird at generation n, index k has the id 2^n + k,
    // so that its sire is 2 * id and its dam 2 * id + 1. Ring numbers are the ids; only the
    // sire has a photo. The fifth generation has neither parents nor a recorded sex.
    void init() {
        m_dir = std::make_unique<TestDataDir>();
        m_tree = std::make_unique<AppData>();
        m_tree->colours = {{0, u" "_s}, {1, u"Płowy"_s}, {2, u"Niebieski"_s}, {3, u"Czerwony"_s}};
        for (int id = 1; id < 32; ++id) {
            PigeonRecord p = Bird(id, QString::number(id), {},
                                  id >= 16 ? 0 : (id == 1 || id % 2 == 0 ? 1 : 2), id);
            if (id < 16) {
                p.idSire = 2 * id;
                p.idDam = 2 * id + 1;
            }
            p.pedigreeNote0 = u"note0 of %1"_s.arg(id);
            p.pedigreeNote1 = u"note1 of %1"_s.arg(id);
            p.pedigreeNote2 = u"note2 of %1"_s.arg(id);
            p.pedigreeNote3 = u"note3 of %1"_s.arg(id);
            p.pedigreeNote4 = u"note4 of %1"_s.arg(id);
            m_tree->pigeons[id] = p;
        }
        m_tree->pigeons[2].photos = {Photo(3, 1, 2)};
        // Four birds for the list pages and the pairing card.
        m_data = std::make_unique<AppData>();
        m_data->colours[1] = u"Niebieski"_s;
        PigeonRecord kometa = Bird(11, u"123"_s, u"Kometa"_s, 1, 1);
        kometa.photos = {Photo(5), Photo(6)};
        kometa.shortDescription = u"Szybki"_s;
        PigeonRecord hen = Bird(12, u"124"_s, {}, 2, 0);
        hen.idSire = 11;
        hen.notesGeneral = u"Szybka\r\nSilna\r& \"zdrowa\""_s;
        hen.notesProblems = u"<kaszel>"_s;
        hen.notesDiseases = u"not chosen"_s;
        PigeonRecord young = Bird(13, u"125"_s, u"Mały 'Grom'"_s, 0, 1);
        young.photos = {Photo(7)};
        PigeonRecord second = Bird(14, u"126"_s, {}, 1, 0);
        for (PigeonRecord* p : {&kometa, &hen, &young, &second})
            m_data->pigeons[p->id] = *p;
        m_images = u"file://"_s + m_dir->path() + u"/db/images/"_s;
    }

    void ancestorsStandSireFirst() {
        const PedigreeBirds birds = CollectAncestors(*m_tree, m_tree->pigeons[1]);
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
        QTest::addColumn<int>("subject");
        QTest::newRow("both of _POZIOM4_1 and _POZIOM4_10")
            << u"[_POZIOM4_1][_POZIOM4_10][_NOTATKI4_1][_NOTATKI4_15]"_s
            << u"[PL 0207 2024 17][PL 0207 2024 26][note4 of 17][note4 of 31]"_s << -1 << 1;
        QTest::newRow("the pigeon's colour and the sire's")
            << u"_KOLOR_|_KOLOR_1_0|_KOLOR_1_1"_s << u"Płowy|Niebieski|Czerwony"_s << -1 << 1;
        QTest::newRow("a placeholder twice")
            << u"_GOLAB_ and _GOLAB_"_s << u"PL 0207 2024 1 and PL 0207 2024 1"_s << -1 << 1;
        QTest::newRow("generation 3 prints its note 3")
            << u"_POZIOM3_0: _NOTATKI3_0 / _POZIOM1_0: _NOTATKI1_0"_s
            << u"PL 0207 2024 8: note3 of 8 / PL 0207 2024 2: note1 of 2"_s << -1 << 1;
        QTest::newRow("sex, note and images, the sire's a photo")
            << u"_PLEC_|_NOTATKI0|_IMG0|_IMG1_0|_IMG1_1"_s
            << u"Cock|note0 of 1|img//blank.jpg|file://{DIR}/db/images/3120.jpg|img//blank.jpg"_s
            << -1 << 1;
        QTest::newRow("an unchecked box leaves its generation's notes out")
            << u"_NOTATKI0|_NOTATKI1_1|_NOTATKI2_0|_NOTATKI3_0"_s
            << u"note0 of 1|note1 of 3||note3 of 8"_s << 2 << 1;
        QTest::newRow("without recorded parents")
            << u"_PLEC_|_POZIOM1_0|_POZIOM4_15|_NOTATKI2_1|_KOLOR_1_0|_KOLOR_1_1|_IMG1_1"_s
            << u" |   |   || | |img//blank.jpg"_s << -1 << 20;
    }

    void fill() {
        QFETCH(QString, page);
        QFETCH(QString, expected);
        QFETCH(int, unchecked);
        QFETCH(int, subject);
        PedigreeOptions options;
        if (unchecked >= 0)
            options.notes[size_t(unchecked)] = false;
        const auto birds = CollectAncestors(*m_tree, m_tree->pigeons[subject]);
        QCOMPARE(FillPedigree(page, birds, *m_tree, options),
                 expected.replace(u"{DIR}"_s, m_dir->path()));
    }

    void notesAreMarkupAndTextIsText() {
        PigeonRecord& p = m_tree->pigeons[1];
        p.name = u"Kometa <2019> & 'Grom' _POZIOM1_0 _KOLOR_"_s;
        p.pedigreeNote0 = u"<b>1st</b> Gniezno\nace _POZIOM1_0 _IMG1_0"_s;
        m_tree->pigeons[2].name = u"Ąś"_s;
        const QString page =
            FillPedigree(u"_GOLAB_|_NOTATKI0|_POZIOM1_0"_s, CollectAncestors(*m_tree, p), *m_tree);
        // Placeholder names inside values stay as typed.
        QCOMPARE(page,
                 u"PL 0207 2024 1 [Kometa &lt;2019&gt; &amp; &#39;Grom&#39; _POZIOM1_0 "
                 u"_KOLOR_]|<b>1st</b> Gniezno<br>ace _POZIOM1_0 _IMG1_0|PL 0207 2024 2 [Ąś]"_s);
    }

    // A write cut short (a full disk) fails and leaves the earlier file whole, with no leftover.
    void aWriteCutShortKeepsTheOldFile_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("a page") << u"page"_s;
        QTest::newRow("a pedigree") << u"pedigree"_s;
        QTest::newRow("a copied file") << u"copy"_s;
    }

    void aWriteCutShortKeepsTheOldFile() {
        QFETCH(QString, what);
        const QString big = m_dir->makeFile(u"big.html"_s, QByteArray(4000, 'x'));
        const QString target = m_dir->makeFile(u"target.html"_s, "earlier");
        const auto write = [&] {
            if (what == u"page"_s)
                return WritePage(target, ListPageHtml(*m_data, {11, 12, 13}, {}));
            if (what == u"pedigree"_s)
                return WritePedigree(*m_tree, m_tree->pigeons[1], big, target);
            return CopyFileChecked(big, target);
        };
        {
            FileSizeLimit full(1024);
            QVERIFY(full.isSet());
            QVERIFY(!write());
        }
        QCOMPARE(FileBytes(target), QByteArray("earlier"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
        QVERIFY(write());
        QVERIFY(FileBytes(target).size() > 1024);
    }

    void writtenFiles_data() {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::addColumn<QString>("page");
        const QString polish = u"<p>Rodowód _GOLAB_ – gołąb</p>"_s;
        const QString filled = u"<p>Rodowód PL 0207 2024 1 – gołąb</p>"_s;
        QTest::newRow("UTF-16LE with its mark") << Utf16WithMark(polish) << filled;
        QTest::newRow("UTF-8") << polish.toUtf8() << filled;
        QTest::newRow("missing") << QByteArray() << u"Error"_s;
    }

    void writtenFiles() {
        QFETCH(QByteArray, templateBytes);
        QFETCH(QString, page);
        const QString path = templateBytes.isEmpty()
                                 ? m_dir->path() + u"/no such template.html"_s
                                 : m_dir->makeFile(u"template.html"_s, templateBytes);
        QVERIFY(WritePedigree(*m_tree, m_tree->pigeons[1], path, PedigreePreviewPath()));
        QCOMPARE(FileBytes(PedigreePreviewPath()), Utf16WithMark(page));
    }

    void shippedTemplates() {
        QVERIFY(InstallShippedFiles());
        const auto birds = CollectAncestors(*m_tree, m_tree->pigeons[1]);
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
            const QString filled = FillPedigree(page, birds, *m_tree);
            QVERIFY2(
                !filled.contains(QRegularExpression(u"_(GOLAB|KOLOR|PLEC|NOTATKI|IMG|POZIOM)"_s)),
                qPrintable(kind.fileName));
        }
    }

    // The seven birds stand dam first; with only a dam the sire's side stays empty.
    void familyTree() {
        const int expected[] = {1, 3, 2, 7, 6, 5, 4};
        for (int slot = 0; slot < TreeSlotCount; ++slot)
            QCOMPARE(CollectFamilyTree(*m_tree, 1)[size_t(slot)].id, expected[slot]);
        QCOMPARE(FamilyTreeSex(TreeDam), 2);
        QCOMPARE(FamilyTreeSex(TreeSiresSire), 1);
        m_tree->pigeons[1].idSire = 0;
        const FamilyTreeBirds birds = CollectFamilyTree(*m_tree, 1);
        QCOMPARE(birds[TreeDamsSire].id, 6);
        for (int slot : {TreeSire, TreeSiresDam, TreeSiresSire}) {
            QCOMPARE(birds[size_t(slot)].id, 0);
            QCOMPARE(BandLabel(birds[size_t(slot)]), u"   "_s);
        }
        QCOMPARE(CollectFamilyTree(*m_tree, 0)[TreeSubject].id, 0);
    }

    void listPage_data() {
        QTest::addColumn<ListPageSettings>("settings");
        QTest::addColumn<std::vector<int>>("ids");
        QTest::addColumn<QString>("expected");
        const QString head = Head(kListHead, u"Tahoma"_s, u"12"_s, u"950"_s);
        QTest::newRow("default")
            << ListPageSettings{} << std::vector<int>{11, 12}
            << head + kMasterTable +
                   u"<thead><tr><th>NR.</th><th>Band</th><th>Color</th><th>Photo</th></tr></thead>"
                   u"<tbody><tr valign=top>\r\n<td>1</td><td>PL 0207 2024 123 [Kometa]</td>"
                   u"<td>Niebieski</td><td><img src=\"{IMAGES}5000.jpg\" width=125 "
                   u"height=125></td></tr>\r\n<tr valign=top>\r\n<td>2</td>"
                   u"<td>PL 0207 2024 124</td><td> </td><td>&nbsp;</td></tr>\r\n</table>"_s;

        ListPageSettings changed;
        changed.style = {u"Verdana"_s, u"10"_s, u"800"_s};
        changed.columns = {ListBand, ListSex, ListRemark, ListSire, ListDam, ListNickname};
        changed.generalRemarks = true;
        changed.problemRemarks = true;
        changed.siblingsOf = 13;
        QTest::newRow("changed, siblings, a pigeon not loaded")
            << changed << std::vector<int>{12, 99, 13}
            << Head(kListHead, u"Verdana"_s, u"10"_s, u"800"_s) +
                   u"<h2>Brothers and sisters of PL 0207 2024 125 [Mały &#39;Grom&#39;]</h2>"_s +
                   kMasterTable +
                   u"<thead><tr><th>Band</th><th>Sex</th><th>Remark</th><th>Sire</th><th>Dam</th>"
                   u"<th>Przydomek</th></tr>"
                   u"</thead><tbody><tr valign=top>\r\n<td>PL 0207 2024 124</td><td>Dam</td>"
                   u"<td>Szybka<br>Silna<br>&amp; &quot;zdrowa&quot;<br>&lt;kaszel&gt;</td>"
                   u"<td>PL 0207 2024 123 [Kometa]</td>"
                   u"<td>&nbsp;</td><td>&nbsp;</td></tr>\r\n<tr valign=top>\r\n<td>&nbsp;</td>"
                   u"<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
                   u"</tr>\r\n<tr valign=top>\r\n<td>PL 0207 2024 125 [Mały &#39;Grom&#39;]</td>"
                   u"<td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td>"
                   u"<td>Mały &#39;Grom&#39;</td></tr>\r\n</table>"_s;
    }

    void listPage() {
        QFETCH(ListPageSettings, settings);
        QFETCH(std::vector<int>, ids);
        QFETCH(QString, expected);
        QVERIFY(WritePage(ListPagePath(), ListPageHtml(*m_data, ids, settings)));
        // The widths follow the texts (measured in the windows' tests); here they fill the page.
        const QByteArray bytes = FileBytes(ListPagePath());
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        QString page = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                                          bytes.size() / 2);
        double shares = 0;
        const QRegularExpression width(u"<th width=\"([0-9.]+)%\">"_s);
        for (const auto& match : width.globalMatch(page))
            shares += match.captured(1).toDouble();
        QVERIFY(std::abs(shares - 100) < 0.1);
        QCOMPARE(page.replace(width, u"<th>"_s), expected.replace(u"{IMAGES}"_s, m_images));
    }

    void resultsStyleHead() {
        // The race results page has the list page's head with its own font, size and height.
        QCOMPARE(PrintPageHead({u"Tahoma"_s, u"10"_s, u"900"_s}),
                 Head(kListHead, u"Tahoma"_s, u"10"_s, u"900"_s));
        QCOMPARE(MasterTableOpen(), kMasterTable);
    }

    void pairingCard_data() {
        QTest::addColumn<PairingCardSettings>("settings");
        QTest::addColumn<QString>("expected");
        const QString parents =
            u"<br><table style=\"width: 170mm\" border=1 cellspacing=0 cellpadding=2 "
            u"style=\"table-layout:fixed; word-wrap: break-word; page-break-after: none;\" "
            u"name=masterTbl2 id=masterTbl2><tr>"_s;
        const QString sire =
            u"<td><b>PL 0207 2024 123 [Kometa]</b><br>Szybki</b><br>Niebieski</td>"_s;
        const QString dam = u"<td><b>PL 0207 2024 124</b><br></b><br> </td>"_s;
        QTest::newRow("default")
            << PairingCardSettings{}
            << Head(kCardHead, u"Tahoma"_s, u"12"_s, u"950"_s) + parents +
                   u"<td width=125><img src=\"{IMAGES}5000.jpg\" width=125 height=125></td>"_s +
                   sire + dam + u"</table>"_s + kMasterTable +
                   u"<thead><tr><th style=\"width: 15mm\">LP</th><th style=\"width: 45mm\">Imię "
                   u"psa</th><th style=\"width: 45mm\">Maść</th><th style=\"width: 45mm\">Zdjęcia"
                   u"</th></tr></thead><tbody><tr valign=top>\r\n<td>1</td><td>&nbsp;PL 0207 2024 "
                   u"125 [Mały &#39;Grom&#39;]</td><td>&nbsp;Niebieski&nbsp;</td><td style=\"width:"
                   u" 125\">&nbsp;<img src=\"{IMAGES}7000.jpg\" width=125 "
                   u"height=125></td></tr>\r\n<tr valign=top>\r\n<td>2</td><td>"
                   u"&nbsp;PL 0207 2024 126</td><td>&nbsp; &nbsp;</td><td style=\"width: 125\">"
                   u"&nbsp;</td></tr>\r\n</table>"_s;

        PairingCardSettings changed;
        changed.style = {u"Arial"_s, u"9"_s, u"700"_s};
        changed.parentPhotos = false;
        changed.childPhotos = false;
        changed.pairRemarks = true;
        changed.childRemarks = true;
        QTest::newRow("changed")
            << changed
            << Head(kCardHead, u"Arial"_s, u"9"_s, u"700"_s) + parents + sire + dam +
                   u"</table><p><b>Remarks:</b> Para &lt;A&gt;<br>druga linia</p><p><b>Dam:</b> "
                   u"Spokojna</p>"_s +
                   kMasterTable +
                   u"<thead><tr><th style=\"width: 15mm\">LP</th><th style=\"width: 45mm\">Imię "
                   u"psa</th><th style=\"width: 45mm\">Maść</th><th style=\"width: 45mm\">Notatki"
                   u"</th></tr></thead><tbody><tr valign=top>\r\n<td>1</td><td>&nbsp;PL 0207 2024 "
                   u"125 [Mały &#39;Grom&#39;]</td><td>&nbsp;Niebieski&nbsp;</td><td style=\"width:"
                   u" 45mm\">&nbsp;Pierwszy lęg</td></tr>\r\n<tr "
                   u"valign=top>\r\n<td>2</td><td>&nbsp;"
                   u"PL 0207 2024 126</td><td>&nbsp; &nbsp;</td><td style=\"width: 45mm\">&nbsp;"
                   u"</td></tr>\r\n</table>"_s;
    }

    void pairingCard() {
        QFETCH(PairingCardSettings, settings);
        QFETCH(QString, expected);
        PairRecord pair;
        pair.idCock = 11;
        pair.idHen = 12;
        pair.remarks = u"Para <A>\ndruga linia"_s;
        pair.damNote = u"Spokojna"_s;
        ChildRecord first;
        first.idPigeon = 13;
        first.remarks = u"Pierwszy lęg"_s;
        ChildRecord second;
        second.idPigeon = 14;
        pair.children = {first, second};
        QVERIFY(WritePage(ListPagePath(), PairingCardHtml(*m_data, pair, settings)));
        QCOMPARE(FileBytes(ListPagePath()),
                 Utf16WithMark(expected.replace(u"{IMAGES}"_s, m_images)));
    }

    void pairWithoutChildren() {
        PairRecord pair;
        pair.idCock = 11;
        const QString page = PairingCardHtml(*m_data, pair, {});
        QVERIFY(page.endsWith(u"</th></tr></thead><tbody></table>"_s));
    }

    void decodePage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString polish = u"<p>Gołąb</p>"_s;
        QTest::newRow("UTF-16LE with its mark") << Utf16WithMark(polish) << polish;
        QTest::newRow("UTF-16LE without a mark") << Utf16WithMark(polish).mid(2) << polish;
        QTest::newRow("UTF-8") << polish.toUtf8() << polish;
    }

    void decodePage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QString decoded = DecodePage(bytes);
        if (decoded.startsWith(QChar(0xFEFF)))
            decoded.remove(0, 1);
        QCOMPARE(decoded, text);
    }

    void widthsForRichText() {
        const QString page = MasterTableOpen() +
                             u"<thead><tr><th style=\"width:15mm\">NR.</th><th style=\"width:*\">"
                             u"Band</th><td width=40 style=\"width: 45mm\">x</td></tr>"_s;
        const QString read = ForRichText(page);
        QVERIFY(read.startsWith(u"<br><table width=643 style=\"width: 170mm\""_s));
        QVERIFY(read.contains(u"<th width=57 style=\"width:15mm\">NR.</th>"_s));
        QVERIFY(read.contains(u"<th style=\"width:*\">Band</th>"_s));
        // A width the page gives itself is kept.
        QVERIFY(read.contains(u"<td width=40 style=\"width: 45mm\">"_s));
        QCOMPARE(ForRichText(u"<p>no tables</p>"_s), u"<p>no tables</p>"_s);
        // Columns wider together than their table share its width.
        QCOMPARE(ForRichText(u"<table style=\"width: 100mm\"><tr><th style=\"width: 60mm\">a</th>"
                             u"<th style=\"width: 60mm\">b</th></tr><tr><td style=\"width: 60mm\">"
                             u"</td></tr></table><p>2mm</p>"_s),
                 u"<table width=378 style=\"width: 100mm\"><tr><th width=189 style=\"width: 60mm\">"
                 u"a</th><th width=189 style=\"width: 60mm\">b</th></tr><tr><td width=189 "
                 u"style=\"width: 60mm\"></td></tr></table><p>2mm</p>"_s);
    }

    void longTableSplits() {
        std::vector<int> ids;
        for (int i = 0; i < 300; ++i)
            ids.push_back(11 + i % 4);
        ListPageSettings settings;
        settings.siblingsOf = 11;
        const QString page = ListPageHtml(*m_data, ids, settings);
        LongTablePage parts;
        QVERIFY(SplitLongTable(page, 250, parts));
        QCOMPARE(parts.rows.size(), 300u);
        QVERIFY(parts.before.endsWith(u"[Kometa]</h2><br>"_s));
        QVERIFY(parts.tableHead.startsWith(u"<thead><tr><th"_s));
        QVERIFY(parts.rows[0].startsWith(u"<tr valign=top>\r\n<td>1</td>"_s));
        QVERIFY(parts.rows[299].endsWith(u"</tr>\r\n"_s));
        QVERIFY(parts.styleSheet.contains(u"font-family: Tahoma"_s));
        // The rows and the parts around them make the page again.
        QString joined;
        for (const QString& row : parts.rows)
            joined += row;
        QCOMPARE(parts.before + parts.tableOpen + parts.tableHead + u"<tbody>"_s + joined +
                     u"</table>"_s + parts.after,
                 page);
        // A short table is shown whole.
        QVERIFY(!SplitLongTable(ListPageHtml(*m_data, {11, 12}, {}), 250, parts));
    }

private:
    std::unique_ptr<TestDataDir> m_dir;
    std::unique_ptr<AppData> m_tree;
    std::unique_ptr<AppData> m_data;
    QString m_images;
};

QTEST_GUILESS_MAIN(TestPedigree)
#include "tst_pedigree.moc"
