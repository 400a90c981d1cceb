// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pedigree/PageWriting.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class AppData;

// The kinds of data a printed list of pigeons can show, one column each; the number is the
// code the export dialog's two lists hold.
enum ListColumn {
    ListNumber = 0,
    ListBand,
    ListSex,
    ListColour,
    ListRemark,
    ListSire,
    ListDam,
    ListBreeder,
    ListOwner,
    ListVariety,
    ListNickname,
    ListPhoto,
    ListColumnCount
};

/// The head title of a column kind ("NR.", "Band", ...).
QString ListColumnTitle(int code);

/// What a column of the printout holds, for fitting its width: pixels it needs whole.
struct ListColumnText {
    QString head;
    QStringList texts;     // every cell, each line of it a text
    double fixedWidth = 0; // a picture's width
};
/// Pixels a text takes in the page's font: in the head (bold) or in a cell.
using ListTextWidth = std::function<double(const QString& text, bool head)>;

struct ListColumnFit {
    std::vector<double> widths; // pixels, filling the width
    double cellScale = 1;       // below 1: the cells' font shrinks so that every word fits
};

/// Column widths that fill width: each at least its widest word (or picture), as wide as its
/// longest line while the page allows; beyond the page, the widest columns narrow first. When
/// even the words do not fit, the cells' text is scaled down until they do, and the head's too
/// when headsScale.
ListColumnFit FitListColumns(const std::vector<ListColumnText>& columns, double width,
                             const ListTextWidth& textWidth, bool headsScale = false);

struct ListPageSettings {
    PageStyle style;
    std::vector<int> columns{ListNumber, ListBand, ListColour, ListPhoto};
    // Which remarks fill the "Remark" column, in this order.
    bool generalRemarks = false;
    bool diseaseRemarks = false;
    bool appearanceRemarks = false;
    bool problemRemarks = false;
    int siblingsOf = 0; // a pigeon id of 1 or more heads the page "Brothers and sisters of"
    // Pixels a text takes in the page's font; without it, an estimate from the font size.
    ListTextWidth textWidth;
    // The head's font size textWidth measures in, in points; known, the head shrinks with the
    // cells when their words do not fit.
    double headPoints = 0;
    double pageWidth = 718; // the printable width of A4 within 10 mm margins, in screen pixels
};

/// The whole list page for the pigeons in order, beginning with the byte-order mark.
QString ListPageHtml(const AppData& data, const std::vector<int>& pigeonIds,
                     const ListPageSettings& settings);

/// The file every list print goes to: gx_lista.html in the data folder.
QString ListPagePath();
