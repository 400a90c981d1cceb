// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PrintWindows.h"

#include "io/Csv.h"
#include "pedigree/PodgladHTML.h"

void ShowHtmlPage(const QString& path, bool landscape, QWidget* parent,
                  const std::function<CsvTable()>& csv, const QString& csvName) {
    CPodgladHTML preview(path, parent, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (csv)
        preview.OfferCsv(csv, csvName);
    preview.exec();
}
