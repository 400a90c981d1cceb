// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/Pedigree.h"

#include "pedigree/PageWriting.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/InstallDir.h"
#include "storage/TextFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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
    return ImageSource(PhotoPath(photo));
}

// Every placeholder with its value; a longer one comes before the shorter one it begins with
// ("_POZIOM4_10" before "_POZIOM4_1", "_KOLOR_1_0" before "_KOLOR_").
using Placeholders = std::vector<std::pair<QString, QString>>;

// One pass over the template: a value, once in, is never searched for placeholders again.
QString ReplacePlaceholders(const QString& page, Placeholders placeholders) {
    std::stable_sort(placeholders.begin(), placeholders.end(),
                     [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    QString text;
    text.reserve(page.size() * 2);
    qsizetype done = 0;
    for (qsizetype at = page.indexOf(u'_'); at >= 0; at = page.indexOf(u'_', at)) {
        const QStringView rest = QStringView(page).mid(at);
        const auto found = std::find_if(placeholders.begin(), placeholders.end(),
                                        [rest](const auto& p) { return rest.startsWith(p.first); });
        if (found == placeholders.end()) {
            ++at;
            continue;
        }
        text += QStringView(page).mid(done, at - done);
        text += found->second;
        at += found->first.size();
        done = at;
    }
    text += QStringView(page).mid(done);
    return text;
}

} // namespace

QString FillPedigree(const QString& page, const PedigreeBirds& birds, const AppData& data,
                     const PedigreeOptions& options) {
    const auto band = [&](int n, int k) {
        return MarkedBand(BandLabel(birds.At(n, k)), birds.At(n, k).id, options.marks);
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
    const int sex = birds.At(0, 0).sex;

    Placeholders values{{u"_GOLAB_"_s, band(0, 0)},
                        {u"_KOLOR_1_0"_s, colour(1, 0)},
                        {u"_KOLOR_1_1"_s, colour(1, 1)},
                        {u"_KOLOR_"_s, colour(0, 0)},
                        {u"_PLEC_"_s, sex == 1   ? u"Cock"_s
                                      : sex == 2 ? u"Hen"_s
                                                 : u" "_s},
                        {u"_NOTATKI0"_s, note(0, 0)},
                        {u"_IMG0"_s, image(0, 0)}};
    for (int k = 0; k < 2; ++k)
        values.emplace_back(u"_IMG1_%1"_s.arg(k), image(1, k));
    for (int n = 1; n < PedigreeBirds::kGenerations; ++n) {
        for (int k = 0; k < (1 << n); ++k) {
            values.emplace_back(u"_POZIOM%1_%2"_s.arg(n).arg(k), band(n, k));
            values.emplace_back(u"_NOTATKI%1_%2"_s.arg(n).arg(k), note(n, k));
        }
    }
    return ReplacePlaceholders(page, std::move(values));
}

QString MarkedBand(const QString& band, int pigeonId, const std::map<int, PedigreeMark>& marks) {
    const auto mark = pigeonId > 0 ? marks.find(pigeonId) : marks.end();
    if (mark == marks.end())
        return HtmlText(band);
    return u"<span style=\"background-color:%1; color:#000000\">%2 <b>[%3]</b></span>"_s.arg(
        mark->second.colour, HtmlText(band), QString::number(mark->second.number));
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
