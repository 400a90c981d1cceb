// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/CsvImportDialog.h"

#include "storage/AppData.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kPreviewRows = 10;
const QChar kDelimiters[] = {u',', u';', u'\t'};

} // namespace

CsvImportDialog::CsvImportDialog(AppData& appData, const CsvSource& source,
                                 const CsvImportOptions& options, QWidget* parent)
    : QDialog(parent)
    , m_data(appData)
    , m_source(source)
    , m_options(options)
    , m_delimiter(new QComboBox(this))
    , m_encoding(new QComboBox(this))
    , m_missing(new QComboBox(this))
    , m_preview(new QTableWidget(this))
    , m_problems(new QPlainTextEdit(this)) {
    setWindowTitle(options.kind == CsvImportKind::Pigeons ? u"Import pigeons from CSV"_s
                                                          : u"Import race entries from CSV"_s);
    m_delimiter->setObjectName(u"delimiter"_s);
    m_delimiter->addItems({u"Comma ,"_s, u"Semicolon ;"_s, u"TAB"_s});
    m_delimiter->setCurrentIndex(
        int(std::find(std::begin(kDelimiters), std::end(kDelimiters), m_source.delimiter) -
            std::begin(kDelimiters)));
    m_encoding->setObjectName(u"encoding"_s);
    m_encoding->addItems(CsvEncodingNames());
    m_encoding->setCurrentText(CsvEncodingName(m_source.encoding));
    m_missing->setObjectName(u"missing"_s);
    m_missing->addItems({u"Skip those rows"_s, u"Create them as new pigeons"_s});
    m_missing->setCurrentIndex(options.createMissing ? 1 : 0);
    m_preview->setObjectName(u"preview"_s);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problems->setObjectName(u"problems"_s);
    m_problems->setReadOnly(true);
    m_problems->setMaximumHeight(120);

    auto* form = new QFormLayout;
    form->addRow(u"&Delimiter:"_s, m_delimiter);
    form->addRow(u"&Encoding:"_s, m_encoding);
    form->addRow(u"Bands that match &no pigeon:"_s, m_missing);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* import = buttons->addButton(u"&Import"_s, QDialogButtonBox::AcceptRole);
    import->setObjectName(u"import"_s);
    import->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(u"Choose the field each column fills:"_s, this));
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_problems);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(import, &QPushButton::clicked, this, [this] {
        if (Import())
            accept();
    });
    connect(m_delimiter, &QComboBox::activated, this, &CsvImportDialog::Reparse);
    connect(m_encoding, &QComboBox::activated, this, &CsvImportDialog::Reparse);
    resize(900, 520);
    FillPreview();
}

void CsvImportDialog::Reparse() {
    m_source.delimiter = kDelimiters[std::max(0, m_delimiter->currentIndex())];
    const int e = m_encoding->currentIndex();
    m_source.encoding = e == 0   ? CsvEncoding::Utf8
                        : e == 1 ? (m_source.bytes.startsWith("\xFE\xFF") ? CsvEncoding::Utf16BE
                                                                          : CsvEncoding::Utf16LE)
                                 : CsvEncoding::Windows1250;
    QString error;
    if (!ReparseCsvSource(m_source, error))
        m_problems->setPlainText(error);
    else
        m_problems->clear();
    FillPreview();
}

void CsvImportDialog::FillPreview() {
    const QStringList header =
        m_source.records.empty() ? QStringList() : m_source.records.front().fields;
    const CsvMapping mapping = RememberedCsvMapping(m_options.kind, header);
    const int rows = std::min<int>(kPreviewRows, int(m_source.records.size()) - 1);
    m_preview->clear();
    m_preview->setColumnCount(int(header.size()));
    m_preview->setRowCount(1 + std::max(rows, 0));
    m_preview->setHorizontalHeaderLabels(header);
    m_fields.clear();
    const std::vector<CsvField> offered = CsvFieldsOf(m_options.kind);
    for (int c = 0; c < header.size(); ++c) {
        auto* combo = new QComboBox(m_preview);
        combo->setObjectName(u"field%1"_s.arg(c));
        for (CsvField field : offered)
            combo->addItem(CsvFieldName(field), int(field));
        combo->setCurrentIndex(std::max(0, combo->findData(int(mapping[size_t(c)]))));
        m_preview->setCellWidget(0, c, combo);
        m_fields.push_back(combo);
        for (int r = 0; r < rows; ++r) {
            const QStringList& fields = m_source.records[size_t(r + 1)].fields;
            m_preview->setItem(r + 1, c, new QTableWidgetItem(fields.value(c)));
        }
    }
    m_preview->setVerticalHeaderItem(0, new QTableWidgetItem(u"Field"_s));
    for (int r = 0; r < rows; ++r)
        m_preview->setVerticalHeaderItem(
            r + 1, new QTableWidgetItem(QString::number(m_source.records[size_t(r + 1)].line)));
    m_preview->resizeColumnsToContents();
}

CsvMapping CsvImportDialog::Mapping() const {
    CsvMapping mapping;
    for (const QComboBox* combo : m_fields)
        mapping.push_back(CsvField(combo->currentData().toInt()));
    return mapping;
}

bool CsvImportDialog::Import() {
    m_options.createMissing = m_missing->currentIndex() == 1;
    const CsvMapping mapping = Mapping();
    m_plan = PlanCsvImport(m_data, m_source.records, mapping, m_options);
    if (!m_plan.ok()) {
        m_problems->setPlainText(u"Nothing was imported.\n"_s + m_plan.Message());
        return false;
    }
    if (const DbResult r = ApplyCsvImport(m_data, m_plan, m_options); !r.ok()) {
        m_problems->setPlainText(u"Nothing was imported: "_s + r.message());
        return false;
    }
    RememberCsvMapping(m_options.kind, m_source.records.front().fields, mapping);
    return true;
}
