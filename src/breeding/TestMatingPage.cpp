// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/TestMatingPage.h"

#include "pedigree/PageWriting.h"
#include "storage/Formatting.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Pastels of twelve hues; the darkest has a contrast of more than 12:1 with black.
constexpr std::array<const char16_t*, 12> kMarkColours = {
    u"#FFE08A", u"#B9EBB9", u"#AFD8FF", u"#FFC2D1", u"#DCCBFF", u"#FFD1A3",
    u"#B5F0E6", u"#EAEA9E", u"#F3C6F3", u"#D3E3B0", u"#FFC8B4", u"#C9D3EE"};

QString BandOnly(const PigeonRecord& bird) {
    PigeonRecord unnamed;
    unnamed.country = bird.country;
    unnamed.branch = bird.branch;
    unnamed.year = bird.year;
    unnamed.ringNumber = bird.ringNumber;
    return BandLabel(unnamed);
}

QString Cell(const QString& text, const QString& attributes = {}) {
    return u"<td"_s + attributes + u'>' + text + u"</td>"_s;
}

} // namespace

QString MarkColour(int index) {
    return QString::fromUtf16(kMarkColours[size_t(index) % kMarkColours.size()]);
}

std::map<int, PedigreeMark> MarksOf(const MatingReport& report) {
    std::map<int, PedigreeMark> marks;
    for (size_t i = 0; i < report.ancestors.size(); ++i)
        marks[report.ancestors[i].id] = {MarkColour(int(i)), int(i) + 1};
    return marks;
}

QString GenerationsText(const std::vector<int>& generations) {
    QStringList texts;
    for (int generation : generations)
        texts << QString::number(generation);
    return texts.join(u", "_s);
}

QString TestMatingPage(Lineage& lineage, const MatingReport& report) {
    const std::map<int, PedigreeMark> marks = MarksOf(report);
    const auto band = [&](int id) {
        return MarkedBand(BandLabel(lineage.Find(id)), id, marks);
    };
    QString page;
    page += u"<html><head><meta charset=\"utf-8\"><title>Test mating</title></head>"
            u"<body style=\"font-family: Tahoma; font-size: 12px\">"_s;
    page += u"<h2>Test mating</h2>"_s;
    page += u"<p><b>Sire:</b> %1 &nbsp;&nbsp;&times;&nbsp;&nbsp; <b>Dam:</b> %2</p>"_s.arg(
        HtmlText(BandLabel(lineage.Find(report.sire))),
        HtmlText(BandLabel(lineage.Find(report.dam))));
    page += u"<p><b>Inbreeding of the young (F): %1 %</b> &nbsp;&nbsp; Relationship of the "
            u"parents (r): %2 % &nbsp;&nbsp; Generations searched: %3</p>"_s.arg(
                PercentText(report.inbreeding), PercentText(report.relationship),
                QString::number(report.depth));
    for (int loop : report.loops)
        page += u"<p><b>Recorded as its own ancestor (the line is followed no further):</b> "
                u"%1</p>"_s.arg(HtmlText(BandLabel(lineage.Find(loop))));

    // Generation n holds 2^n places; the sire of (n, k) is (n + 1, 2k), its dam (n + 1, 2k + 1).
    constexpr int kGenerations = PedigreeBirds::kGenerations;
    std::array<std::vector<int>, kGenerations> birds;
    birds[1] = {report.sire, report.dam};
    for (int n = 1; n + 1 < kGenerations; ++n)
        for (int id : birds[size_t(n)]) {
            birds[size_t(n + 1)].push_back(lineage.Sire(id));
            birds[size_t(n + 1)].push_back(lineage.Dam(id));
        }
    constexpr int kRows = 1 << (kGenerations - 1);
    page += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"_s;
    for (int row = 0; row < kRows; ++row) {
        page += u"<tr>"_s;
        for (int n = 0; n < kGenerations; ++n) {
            const int span = kRows >> n;
            if (row % span != 0)
                continue;
            const QString attributes = u" rowspan=\"%1\" width=\"20%\""_s.arg(span);
            if (n == 0) {
                page += Cell(u"<b>Young of the test mating</b><br>F = %1 %"_s.arg(
                                 PercentText(report.inbreeding)),
                             attributes);
                continue;
            }
            const int id = birds[size_t(n)][size_t(row / span)];
            page += Cell(id > 0 ? band(id) : u"&nbsp;"_s, attributes);
        }
        page += u"</tr>"_s;
    }
    page += u"</table>"_s;

    page += u"<h3>Common ancestors</h3>"_s;
    if (report.ancestors.empty()) {
        page += u"<p>No common ancestor within %1 generations.</p>"_s.arg(report.depth);
    } else {
        page += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">"
                u"<thead><tr><th>Mark</th><th>Band</th><th>Name</th>"
                u"<th>Generations on the sire's side</th><th>Generations on the dam's side</th>"
                u"<th>Paths</th><th>Its own F %</th><th>Share of F %</th></tr></thead>"_s;
        for (const CommonAncestor& ancestor : report.ancestors) {
            const PigeonRecord& bird = lineage.Find(ancestor.id);
            const PedigreeMark& mark = marks.at(ancestor.id);
            page += u"<tr>"_s +
                    Cell(u"<b>%1</b>"_s.arg(mark.number),
                         u" bgcolor=\"%1\" style=\"color:#000000\""_s.arg(mark.colour)) +
                    Cell(HtmlText(BandOnly(bird))) + Cell(HtmlText(bird.name)) +
                    Cell(GenerationsText(ancestor.sireGenerations)) +
                    Cell(GenerationsText(ancestor.damGenerations)) +
                    Cell(QString::number(ancestor.paths, 'g', 12)) +
                    Cell(PercentText(ancestor.inbreeding)) + Cell(PercentText(ancestor.share)) +
                    u"</tr>"_s;
        }
        page += u"</table>"_s;
    }
    page += u"</body></html>"_s;
    return page;
}

QString TestMatingPagePath() {
    return PedigreeFolder() + u"/test-mating.html"_s;
}
