// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/PrintWindows.h"

#include "pedigree/PodgladHTML.h"

void ShowHtmlPage(const QString& path, bool landscape, QWidget* parent) {
    CPodgladHTML preview(path, parent, landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    preview.exec();
}
