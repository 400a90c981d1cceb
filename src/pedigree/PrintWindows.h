// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;
struct CsvTable;

/// Shows a written page in the HTML preview, from which the user prints it, and, given the
/// table the page shows, saves it as a CSV file.
void ShowHtmlPage(const QString& path, bool landscape, QWidget* parent,
                  const std::function<CsvTable()>& csv = {}, const QString& csvName = {});
