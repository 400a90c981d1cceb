// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

/// Shows a written page in the HTML preview, from which the user prints it.
void ShowHtmlPage(const QString& path, bool landscape, QWidget* parent);
