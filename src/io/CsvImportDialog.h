// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/CsvImport.h"

#include <QDialog>

#include <vector>

class AppData;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QTableWidget;

// Reads a CSV file into pigeons or race entries: the first rows shown, the delimiter and the
// encoding guessed and changeable, a combo over each column choosing the field it fills (kept
// per header row), and one choice for bands that match no pigeon. "Import" checks every row
// and writes all of them or, listing the rows that do not fit, none.
class CsvImportDialog : public QDialog {
    Q_OBJECT

public:
    CsvImportDialog(AppData& appData, const CsvSource& source, const CsvImportOptions& options,
                    QWidget* parent = nullptr);

    QComboBox* Delimiter() const { return m_delimiter; }
    QComboBox* Encoding() const { return m_encoding; }
    QComboBox* Missing() const { return m_missing; }
    QComboBox* ColumnField(int column) const { return m_fields[size_t(column)]; }
    int ColumnCount() const { return int(m_fields.size()); }
    QTableWidget* Preview() const { return m_preview; }
    QPlainTextEdit* Problems() const { return m_problems; }
    /// Checks and writes; false (the problems shown) when nothing was written.
    bool Import();
    const CsvImportPlan& Plan() const { return m_plan; }

private:
    void Reparse();
    void FillPreview();
    CsvMapping Mapping() const;

    AppData& m_data;
    CsvSource m_source;
    CsvImportOptions m_options;
    CsvImportPlan m_plan;
    QComboBox* m_delimiter;
    QComboBox* m_encoding;
    QComboBox* m_missing;
    QTableWidget* m_preview;
    QPlainTextEdit* m_problems;
    std::vector<QComboBox*> m_fields;
};
