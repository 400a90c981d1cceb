// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class CPodgladHTML;
class CPrintPreview;

struct PreviewFigures {
    double firstSheetMs = 0;
    double allSheetsMs = 0;
    double busiestMs = 0;
    int pages = 0;
};

/// The Print Preview of the page shown in the page preview, opened as its button opens it.
std::unique_ptr<CPrintPreview> OpenPrintPreview(CPodgladHTML& page);

/// Times the Print Preview of a page file: until its first sheet is drawn, until every sheet
/// is laid out, and the longest the event loop waited meanwhile.
PreviewFigures TimePrintPreview(const QString& path);
