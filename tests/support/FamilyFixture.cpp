// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FamilyFixture.h"

#include "storage/AppData.h"
#include "support/ShellFixture.h"
#include "ui/Artwork.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace FamilyFixture {

namespace {

const QString kNames[] = {u"Błyskawica"_s, u"Grom"_s,     u"Perła"_s,   u"Orzeł"_s,
                          u"Zefir"_s,      u"Kometa"_s,   u"Strzała"_s, u"Tajfun"_s,
                          u"Śnieżka"_s,    u"Iskra"_s,    u"Wicher"_s,  u"Sowa"_s,
                          u"Bursztyn"_s,   u"Jaskółka"_s, u"Dąb"_s,     u"Mewa"_s};
const QString kNotes[] = {
    u"1st Gniezno 2025 against 4,120 birds\n3rd Hanover 2025, ace pigeon of the section"_s,
    u"Olympiad bird 2023, 1st Brno 2022"_s, u"Super breeder, father of 9 prize winners"_s,
    u"1st Poznań 2019"_s, u"Janssen line"_s};
const QColor kBirds[] = {QColor(96, 112, 140), QColor(150, 85, 70), QColor(120, 128, 150),
                         QColor(205, 200, 190)};

int Store(AppData& data, int loftId, int categoryId, const std::vector<int>& colours,
          int generation, int index, int sire, int dam, int number) {
    PigeonRecord p;
    p.idLoft = loftId;
    p.country = u"PL"_s;
    p.branch = u"0207"_s;
    p.year = QString::number(2025 - 3 * generation + index % 2);
    p.ringNumber = QString::number(1200 + 37 * number);
    p.name = kNames[size_t(number % 16)];
    p.sex = generation == 0 ? 1 : (index % 2 == 0 ? 1 : 2);
    p.idColour = colours[size_t(number) % colours.size()];
    p.idSire = sire;
    p.idDam = dam;
    p.shortDescription = u"Strong %1, good eye"_s.arg(p.sex == 1 ? u"cock"_s : u"hen"_s);
    QString* notes[] = {&p.pedigreeNote0, &p.pedigreeNote1, &p.pedigreeNote2, &p.pedigreeNote3,
                        &p.pedigreeNote4};
    *notes[generation] = kNotes[generation];
    Check(data.SavePigeon(-1, p).ok() && data.AddCategoryLink(categoryId, p.id).ok(),
          "A family bird could not be stored");
    return p.id;
}

bool PaintPhoto(const QString& path, const QColor& bird, int seed) {
    QImage image(480, 360, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 360);
    sky.setColorAt(0, QColor(170 + seed * 7 % 60, 200, 235));
    sky.setColorAt(1, QColor(235, 240, 225));
    painter.fillRect(image.rect(), sky);
    painter.fillRect(QRect(0, 290, 480, 70), QColor(150, 120, 90));
    Artwork::PaintPigeon(painter, QRectF(70 + seed % 3 * 20, 40, 340, 255), bird);
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "JPG", 88);
}

} // namespace

void Check(bool ok, const char* what) {
    if (!ok)
        QTest::qFail(what, __FILE__, __LINE__);
}

Family SeedFamily(bool photos) {
    Family family;
    AppData data;
    ShellFixture::SeedLofts({{u"Gołębnik"_s, {u"Lotowe"_s}}});
    Check(data.LoadLofts().ok() && !data.lofts.empty(), "The loft could not be stored");
    const LoftRecord loft = data.lofts.back(); // the newest
    family.loftId = loft.id;
    family.categoryId = loft.categories.at(0).id;
    Check(data.SelectLoft(loft.id).ok(), "The loft could not be read");
    std::vector<int> colours;
    for (const QString& colour :
         {u"Niebieski pas"_s, u"Czerwony nakrapiany"_s, u"Szpakowaty"_s, u"Płowy"_s}) {
        int id = 0;
        data.AddLookup(Lookup::Colours, loft.id, colour, &id);
        colours.push_back(id);
    }

    // The oldest generation first, so that every bird's parents are stored before it.
    int number = 0;
    for (int n = 4; n >= 0; --n) {
        for (int k = 0; k < (1 << n); ++k) {
            const int sire = n < 4 ? family.generations[size_t(n + 1)][size_t(2 * k)] : 0;
            const int dam = n < 4 ? family.generations[size_t(n + 1)][size_t(2 * k + 1)] : 0;
            family.generations[size_t(n)].push_back(
                Store(data, loft.id, family.categoryId, colours, n, k, sire, dam, number++));
        }
    }
    family.children.push_back(family.subject());
    for (int sibling = 0; sibling < 2; ++sibling)
        family.children.push_back(Store(data, loft.id, family.categoryId, colours, 0, sibling + 1,
                                        family.sire(), family.dam(), number++));
    PairRecord pair;
    pair.idLoft = loft.id;
    pair.idCock = family.sire();
    pair.idHen = family.dam();
    pair.datePaired = 1'740'000'000;
    pair.remarks = u"Paired for the 2025 season"_s;
    Check(data.SavePair(-1, pair).ok(), "The pair could not be stored");
    family.pairId = pair.id;
    for (int child : family.children) {
        ChildRecord record;
        record.idPigeon = child;
        record.idPair = pair.id;
        record.idLoft = loft.id;
        record.remarks = child == family.subject() ? u"First round, ringed on day 7"_s : QString();
        Check(data.SaveChild(-1, record).ok(), "A child could not be stored");
    }

    if (photos) {
        QTemporaryDir sources;
        int seed = 0;
        for (int n = 0; n <= 2; ++n) {
            for (int id : family.generations[size_t(n)]) {
                for (int shot = 0; shot < (n == 0 ? 2 : 1); ++shot) {
                    PhotoRecord photo;
                    photo.idPigeon = id;
                    photo.idLoft = loft.id;
                    photo.extension = u"jpg"_s;
                    photo.path = sources.filePath(u"%1.jpg"_s.arg(seed));
                    Check(PaintPhoto(photo.path, kBirds[size_t(seed % 4)], seed) &&
                              data.AddPhoto(photo).ok(),
                          "A photo could not be stored");
                    ++seed;
                }
            }
        }
    }
    return family;
}

int StoreCousinHen(const Family& family) {
    AppData data;
    Check(data.LoadLofts().ok() && data.SelectLoft(family.loftId).ok(),
          "The loft could not be read");
    PigeonRecord hen;
    hen.idLoft = family.loftId;
    hen.country = u"PL"_s;
    hen.branch = u"0207"_s;
    hen.year = u"2025"_s;
    hen.ringNumber = u"4711"_s;
    hen.name = u"Kuzynka"_s;
    hen.sex = 2;
    hen.idSire = family.generations[2][0];
    hen.idDam = family.generations[2][3];
    Check(data.SavePigeon(-1, hen).ok(), "The hen could not be stored");
    return hen.id;
}

} // namespace FamilyFixture
