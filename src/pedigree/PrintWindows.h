#pragma once

class AppData;
class QString;
class QWidget;
class CZakladkaListaPsow;

/// Opens the family tree, the pedigree print and the list export when the pigeon list asks for
/// them.
void ConnectPrintWindows(CZakladkaListaPsow* list, AppData& appData);

/// Shows a written page in the HTML preview, from which the user prints it.
void ShowHtmlPage(const QString& path, bool landscape, QWidget* parent);
