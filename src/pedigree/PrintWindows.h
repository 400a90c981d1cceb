#pragma once

class AppData;
class CZakladkaListaPsow;

/// Opens the family tree, the pedigree print and the list export when the pigeon list asks for
/// them.
void ConnectPrintWindows(CZakladkaListaPsow* list, AppData& appData);
