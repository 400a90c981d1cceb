// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class AppData;

// What every printed page shares: the style and page-break head, the master table, and the
// way values enter the markup. The list export, the pairing card and the race results page
// are all written through these.

struct PageStyle {
    QString font = QStringLiteral("Tahoma");
    QString fontSize = QStringLiteral("12");
    QString bottomMargin = QStringLiteral("950"); // page height for the page-break script
};

/// The head of a list page: the style sheet, the page-break script and "<body>". With
/// sizedTableHead the table head takes the font size too (the pairing card).
QString PrintPageHead(const PageStyle& style, bool sizedTableHead = false);

/// The opening tag of the table the page-break script walks.
QString MasterTableOpen();

/// A value as page text: &, <, >, " and ' escaped, so that a name like "Kometa <2019>" prints
/// as typed. Line breaks become <br> when keepLines is set.
QString HtmlText(const QString& value, bool keepLines = false);

/// A picture file as a page's image source: a file URL with every character but letters,
/// digits, "-._~/" percent-encoded, so that no blank, apostrophe, quote, '#' or '%' of the path
/// ends the attribute or the path.
QString ImageSource(const QString& path);

/// <img src="..." attributes>: the one way a page shows a picture file.
QString ImageTag(const QString& path, const QString& attributes);

/// The colour name of a colour id: a single blank for 0, empty for an id not in the list.
QString ColourName(const AppData& data, int colourId);

/// Writes a page as UTF-16LE with the mark FF FE; false when the file could not be written,
/// in which case what the file held before is left in place.
bool WritePage(const QString& path, const QString& page);

/// The text of a page file: by its byte-order mark, else its meta charset, else UTF-16LE when
/// it looks like it (a page written without a mark), else UTF-8.
QString DecodePage(const QByteArray& bytes);

/// The page as Qt's rich-text engine should read it: a table or cell whose style gives its
/// width in millimetres gets that width as the width attribute in pixels, the only width Qt
/// reads; columns that add up to more than their table share its width. The page file itself
/// is never changed.
QString ForRichText(const QString& page);

/// A page cut around its one long table, so that a view can lay the rows out in parts.
struct LongTablePage {
    QString styleSheet;        // the text of the page's <style> elements
    QString before;            // everything before the table, as markup
    QString tableOpen;         // the <table ...> tag
    QString tableHead;         // <thead>...</thead>, or empty
    std::vector<QString> rows; // each <tr ...>...</tr>
    QString after;             // everything after </table>
};

/// Cuts a page whose largest table holds at least minRows rows; false when there is no such
/// table (or it holds nested tables), and the page is then shown whole.
bool SplitLongTable(const QString& page, int minRows, LongTablePage& out);
