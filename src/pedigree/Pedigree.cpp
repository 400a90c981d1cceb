#include "pedigree/Pedigree.h"

#include "pedigree/PageWriting.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

PedigreeBirds CollectAncestors(const AppData& data, const PigeonRecord& pigeon) {
    PedigreeBirds birds;
    birds.generations[0].push_back(pigeon);
    for (int n = 0; n + 1 < PedigreeBirds::kGenerations; ++n) {
        auto& next = birds.generations[size_t(n + 1)];
        next.reserve(size_t(2) << n);
        for (const PigeonRecord& bird : birds.generations[size_t(n)]) {
            next.push_back(data.FindPigeon(bird.idSire));
            next.push_back(data.FindPigeon(bird.idDam));
        }
    }
    return birds;
}

namespace {

QString Note(const PigeonRecord& bird, int generation) {
    const QString* notes[] = {&bird.pedigreeNote0, &bird.pedigreeNote1, &bird.pedigreeNote2,
                              &bird.pedigreeNote3, &bird.pedigreeNote4};
    QString note = *notes[generation];
    // Markup stays markup; the lines the user typed stay lines.
    note.replace(u"\r\n"_s, u"<br>"_s);
    note.replace(u'\n', u"<br>"_s);
    return note;
}

QString Image(const PigeonRecord& bird, const QString& blank) {
    if (bird.photos.empty())
        return blank;
    PhotoRecord photo = bird.photos.front();
    return HtmlText(PhotoPathEscaped(photo).replace(u'\\', u"//"_s));
}

} // namespace

QString FillPedigree(QString page, const PedigreeBirds& birds, const AppData& data,
                     const PedigreeOptions& options) {
    const auto band = [&](int n, int k) {
        return HtmlText(BandLabel(birds.At(n, k)));
    };
    const auto colour = [&](int n, int k) {
        return HtmlText(ColourName(data, birds.At(n, k).idColour));
    };
    const auto note = [&](int n, int k) {
        return options.notes[size_t(n)] ? Note(birds.At(n, k), n) : QString();
    };
    const auto image = [&](int n, int k) {
        return Image(birds.At(n, k), options.blankImage);
    };
    const auto put = [&page](const QString& placeholder, const QString& value) {
        page.replace(placeholder, value);
    };
    const int sex = birds.At(0, 0).sex;

    put(u"_GOLAB_"_s, band(0, 0));
    put(u"_KOLOR_1_0"_s, colour(1, 0));
    put(u"_KOLOR_1_1"_s, colour(1, 1));
    put(u"_KOLOR_"_s, colour(0, 0));
    put(u"_PLEC_"_s, sex == 1 ? u"Cock"_s : sex == 2 ? u"Hen"_s : u" "_s);
    put(u"_NOTATKI0"_s, note(0, 0));
    put(u"_IMG0"_s, image(0, 0));
    for (int k = 0; k < 2; ++k)
        put(u"_POZIOM1_%1"_s.arg(k), band(1, k));
    for (int k = 0; k < 2; ++k)
        put(u"_NOTATKI1_%1"_s.arg(k), note(1, k));
    for (int k = 0; k < 2; ++k)
        put(u"_IMG1_%1"_s.arg(k), image(1, k));
    for (int n = 2; n <= 3; ++n) {
        for (int k = 0; k < (1 << n); ++k)
            put(u"_POZIOM%1_%2"_s.arg(n).arg(k), band(n, k));
        for (int k = 0; k < (1 << n); ++k)
            put(u"_NOTATKI%1_%2"_s.arg(n).arg(k), note(n, k));
    }
    // "_POZIOM4_1" begins "_POZIOM4_10" to "_POZIOM4_15": the two-digit ones go first.
    const int lastGeneration[] = {10, 11, 12, 13, 14, 15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int k : lastGeneration)
        put(u"_POZIOM4_%1"_s.arg(k), band(4, k));
    for (int k : lastGeneration)
        put(u"_NOTATKI4_%1"_s.arg(k), note(4, k));
    return page;
}

const std::vector<PedigreeTemplate>& PedigreeTemplates() {
    static const std::vector<PedigreeTemplate> templates{
        {u"Landscape A4"_s, u"poziomy.html"_s, u"poziomy.jpg"_s, true},
        {u"Landscape A4 with pigeon photo"_s, u"poziomy_zdj.html"_s, u"poziomy_zdj.jpg"_s, true},
        {u"Portrait A4 with parents photos"_s, u"pionowy_zdj.html"_s, u"pionowy_zdj.jpg"_s, false}};
    return templates;
}

QString PedigreeFolder() {
    return InstallDir() + u"/data/pedigrees"_s;
}

QString PedigreeTemplatePath(const PedigreeTemplate& kind) {
    return PedigreeFolder() + u'/' + kind.fileName;
}

QString PedigreeThumbnailPath(const PedigreeTemplate& kind) {
    return PedigreeFolder() + u"/thumbnails/"_s + kind.thumbnail;
}

QString PedigreePreviewPath() {
    return PedigreeFolder() + u"/preview.html"_s;
}

QString PedigreeBlankImagePath() {
    return PedigreeFolder() + u"/img/blank.jpg"_s;
}

bool WritePedigree(const AppData& data, const PigeonRecord& pigeon, const QString& templatePath,
                   const QString& outputPath, const PedigreeOptions& options) {
    const QString page =
        FillPedigree(ReadTextFile(templatePath), CollectAncestors(data, pigeon), data, options);
    QDir().mkpath(QFileInfo(outputPath).absolutePath());
    return WritePage(outputPath, page);
}
