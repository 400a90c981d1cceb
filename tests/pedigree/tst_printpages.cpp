// The page writers of the printouts, byte for byte, and what the preview does with a page
// before Qt's rich-text engine reads it.

#include "pedigree/ListPage.h"
#include "pedigree/PageWriting.h"
#include "pedigree/PairingCard.h"
#include "storage/AppData.h"
#include "support/TestDataDir.h"

#include <QFile>
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

PhotoRecord Photo(int id) {
    PhotoRecord photo;
    photo.id = id;
    photo.extension = u"jpg"_s;
    return photo;
}

} // namespace

class TestPrintPages : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<TestDataDir>();
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
        m_images = m_dir->path() + u"/db/images/"_s;
    }

    void listPage_data() {
        QTest::addColumn<ListPageSettings>("settings");
        QTest::addColumn<std::vector<int>>("ids");
        QTest::addColumn<QString>("expected");
        const QString head = Head(kListHead, u"Tahoma"_s, u"12"_s, u"950"_s);
        QTest::newRow("default")
            << ListPageSettings{} << std::vector<int>{11, 12}
            << head + kMasterTable +
                   u"<thead><tr><th style=\"width:15mm\">NR.</th><th style=\"width:45mm\">Band</th>"
                   u"<th style=\"width:*\">Color</th><th style=\"width:*\">Photo</th></tr></thead>"
                   u"<tbody><tr valign=top>\r\n<td>1</td><td>PL 0207 2024 123 [Kometa]</td>"
                   u"<td>Niebieski</td><td><img src='{IMAGES}5000.jpg' width=125 "
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
                   u"<thead><tr><th style=\"width:45mm\">Band</th><th style=\"width:*\">Sex</th>"
                   u"<th style=\"width:*\">Remark</th><th style=\"width:*\">Sire</th>"
                   u"<th style=\"width:*\">Dam</th><th style=\"width:42mm\">Przydomek</th></tr>"
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
        QCOMPARE(FileBytes(ListPagePath()),
                 Utf16WithMark(expected.replace(u"{IMAGES}"_s, m_images)));
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
                   u"<td width=125><img src='{IMAGES}5000.jpg' width=125 height=125></td>"_s +
                   sire + dam + u"</table>"_s + kMasterTable +
                   u"<thead><tr><th style=\"width: 15mm\">LP</th><th style=\"width: 45mm\">Imię "
                   u"psa</th><th style=\"width: 45mm\">Maść</th><th style=\"width: 45mm\">Zdjęcia"
                   u"</th></tr></thead><tbody><tr valign=top>\r\n<td>1</td><td>&nbsp;PL 0207 2024 "
                   u"125 [Mały &#39;Grom&#39;]</td><td>&nbsp;Niebieski&nbsp;</td><td style=\"width:"
                   u" 125\">&nbsp;<img src='{IMAGES}7000.jpg' width=125 "
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
        QStringEncoder utf16(QStringConverter::Utf16LE);
        const QByteArray plain16 = utf16.encode(polish);
        QTest::newRow("UTF-16LE with its mark") << QByteArray("\xff\xfe", 2) + plain16 << polish;
        QTest::newRow("UTF-16LE without a mark") << plain16 << polish;
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
    std::unique_ptr<AppData> m_data;
    QString m_images;
};

QTEST_GUILESS_MAIN(TestPrintPages)
#include "tst_printpages.moc"
