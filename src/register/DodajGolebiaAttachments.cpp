// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/DodajGolebiaAttachments.h"

#include "register/LeczenieSuplementacjaDodajZmien.h"
#include "storage/AppData.h"
#include "storage/FileStore.h"
#include "storage/Formatting.h"
#include "storage/LocalTime.h"
#include "ui/Artwork.h"
#include "ui/ColumnFitter.h"
#include "ui/ExternalPrograms.h"
#include "ui/FileDialog.h"
#include "ui/ListSelection.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QPushButton* Button(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

template <typename Record> void EraseById(std::vector<Record>& records, int id) {
    std::erase_if(records, [id](const Record& r) { return r.id == id; });
}

} // namespace

CDodajGolebiaTab3::CDodajGolebiaTab3(AppData& appData, PigeonRecord& working, QWidget* parent)
    : CEditorPage(appData, working, parent)
    , m_picture(new PictureBox(this, PictureBox::Mode::Stretched))
    , m_list(new QListWidget(this))
    , m_mode(new QComboBox(this)) {
    setObjectName(u"photoAlbumPage"_s);
    m_picture->setObjectName(u"photo"_s);
    m_picture->setMinimumSize(320, 240);
    m_list->setObjectName(u"photoList"_s);
    m_mode->setObjectName(u"drawMode"_s);
    m_mode->addItems({u"Normal"_s, u"Center"_s, u"Stretched"_s});
    m_mode->setCurrentIndex(2);
    connect(m_mode, &QComboBox::currentIndexChanged, this, [this](int mode) {
        m_picture->SetMode(mode == 0   ? PictureBox::Mode::Normal
                           : mode == 1 ? PictureBox::Mode::Centred
                                       : PictureBox::Mode::Stretched);
    });
    FollowSelectedRow(m_list, this, [this](int row) { ShowPhoto(row); });
    QPushButton* add = Button(this, u"addPhoto"_s, u"Add new photo"_s);
    QPushButton* remove = Button(this, u"deletePhoto"_s, u"Delete current photo"_s);
    connect(add, &QPushButton::clicked, this, &CDodajGolebiaTab3::AddPhoto);
    connect(remove, &QPushButton::clicked, this, &CDodajGolebiaTab3::DeleteCurrentPhoto);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_picture, 0, 0, 5, 1);
    layout->addWidget(new QLabel(u"Photos list"_s, this), 0, 1);
    layout->addWidget(m_list, 1, 1);
    layout->addWidget(m_mode, 2, 1);
    layout->addWidget(add, 3, 1);
    layout->addWidget(remove, 4, 1);
    layout->setColumnStretch(0, 1);
    Load();
}

void CDodajGolebiaTab3::Load() {
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (size_t i = 0; i < m_working.photos.size(); ++i)
        m_list->addItem(u"Photo"_s);
    m_picture->ShowPlaceholder(Artwork::DefaultPortrait());
}

void CDodajGolebiaTab3::ShowPhoto(int row) {
    if (row < 0 || row >= static_cast<int>(m_working.photos.size()))
        return;
    if (!m_picture->LoadFile(PhotoPath(m_working.photos[size_t(row)])))
        m_picture->ShowPlaceholder(Artwork::DefaultPortrait());
}

void CDodajGolebiaTab3::AddPhoto() {
    // Files are kept under the pigeon's id, so it must be stored first.
    if (m_working.id < 1)
        return;
    const QString file = FileDialog::ChooseOpenFile(
        this, u"Add new photo"_s,
        FileDialog::QtFilter(
            u"JPEG files (*.jpg;*.jpeg)|*.jpg; *.jpeg|Bitmap files (*.bmp)|*.bmp|Compuserve files "
            u"(*.gif)|*.gif|TIFF files (*.tif;*.tiff)|*.tif; *.tiff|All Picture Files|*.jpg; "
            u"*.jpeg; *.bmp; *.gif; *.tif; *.tiff|All Files (*.*)|*.*||"_s));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    PhotoRecord photo;
    photo.idPigeon = m_working.id;
    photo.idLoft = m_data.CurrentLoftId();
    photo.extension = QFileInfo(file).suffix();
    photo.description = QFileInfo(file).fileName();
    photo.path = file;
    if (const DbResult result = m_data.AddPhoto(photo); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_working.photos.push_back(photo);
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        loaded->photos.push_back(photo);
    m_list->addItem(u"Photo"_s);
    m_list->setCurrentRow(m_list->count() - 1); // the new photo is shown at once
}

void CDodajGolebiaTab3::DeleteCurrentPhoto() {
    const int row = SelectedRow(m_list);
    if (row < 0 || row >= static_cast<int>(m_working.photos.size()))
        return;
    PhotoRecord photo = m_working.photos[size_t(row)];
    if (!MessageBox::AskYesNo(this, u"Do you want to delete the selected photo?"_s,
                              u"Are you sure?"_s))
        return;
    // The box keeps the photo until it is gone: a blocked delete leaves it listed and shown.
    if (const DbResult result = m_data.DeletePhoto(photo); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    EraseById(m_working.photos, photo.id);
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        EraseById(loaded->photos, photo.id);
    Load();
}

CDodajGolebiaTab4::CDodajGolebiaTab4(AppData& appData, PigeonRecord& working, QWidget* parent)
    : CEditorPage(appData, working, parent)
    , m_list(new QListWidget(this)) {
    setObjectName(u"documentsPage"_s);
    m_list->setObjectName(u"documentList"_s);
    PickRowsByKeys(m_list);
    QPushButton* add = Button(this, u"addDocument"_s, u"Add new document"_s);
    QPushButton* remove = Button(this, u"deleteDocument"_s, u"Delete current document"_s);
    QPushButton* open = Button(this, u"openDocument"_s, u"Open document"_s);
    connect(add, &QPushButton::clicked, this, &CDodajGolebiaTab4::AddDocument);
    connect(remove, &QPushButton::clicked, this, &CDodajGolebiaTab4::DeleteCurrentDocument);
    connect(open, &QPushButton::clicked, this, &CDodajGolebiaTab4::OpenCurrentDocument);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CDodajGolebiaTab4::OpenCurrentDocument);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 4, 1);
    layout->addWidget(add, 0, 1);
    layout->addWidget(remove, 1, 1);
    layout->addWidget(open, 2, 1);
    layout->setRowStretch(3, 1);
    Load();
}

void CDodajGolebiaTab4::Load() {
    m_list->clear();
    for (const DocumentRecord& document : m_working.documents)
        m_list->addItem(document.name);
}

void CDodajGolebiaTab4::AddDocument() {
    if (m_working.id < 1)
        return;
    const QString file = FileDialog::ChooseOpenFile(
        this, u"Add new document"_s,
        FileDialog::QtFilter(
            u"Dokumenty Microsoft Office (*.doc;*.xls)|*.doc; *.docx|Bitmap files (*.bmp)|*.bmp|"
            u"PDF (*.pdf)|*.pdf|TIFF files (*.tif;*.tiff)|*.tif; *.tiff|Wszystkie pliki|*.*; "
            u"*.jpeg; *.bmp; *.gif; *.tif; *.tiff|All Files (*.*)|*.*||"_s));
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    DocumentRecord document;
    document.idOwner = m_working.id;
    document.idLoft = m_data.CurrentLoftId();
    document.extension = QFileInfo(file).suffix();
    document.name = QFileInfo(file).fileName();
    document.path = file;
    if (const DbResult result = m_data.AddDocument(document); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    m_working.documents.push_back(document);
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        loaded->documents.push_back(document);
    m_list->addItem(document.name);
}

void CDodajGolebiaTab4::DeleteCurrentDocument() {
    const int row = SelectedRow(m_list);
    if (row < 0 || row >= static_cast<int>(m_working.documents.size())) {
        MessageBox::ShowMessage(this, u"Please select document."_s);
        return;
    }
    DocumentRecord document = m_working.documents[size_t(row)];
    if (!MessageBox::AskYesNo(this,
                              u"Do you want to delete the document \"%1\"?"_s.arg(document.name),
                              u"Are you sure?"_s))
        return;
    if (const DbResult result = m_data.DeleteDocument(document); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    EraseById(m_working.documents, document.id);
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        EraseById(loaded->documents, document.id);
    Load();
}

void CDodajGolebiaTab4::OpenCurrentDocument() {
    const int row = SelectedRow(m_list);
    if (row < 0 || row >= static_cast<int>(m_working.documents.size())) {
        MessageBox::ShowMessage(this, u"Please select document."_s);
        return;
    }
    DocumentRecord& document = m_working.documents[size_t(row)];
    const QString path = DocumentPath(document);
    if (!QFileInfo::exists(path)) {
        MessageBox::ShowMessage(
            this, u"The stored file of \"%1\" is missing:\n%2"_s.arg(document.name, path), {},
            QMessageBox::Warning);
        return;
    }
    if (!ExternalPrograms::OpenUrl(QUrl::fromLocalFile(path)))
        MessageBox::ShowMessage(
            this,
            u"No program to open \"%1\" was found on this system.\nThe file is kept at\n%2"_s.arg(
                document.name, path),
            {}, QMessageBox::Warning);
}

CDodajGolebiaTab5::CDodajGolebiaTab5(AppData& appData, PigeonRecord& working, QWidget* parent)
    : CEditorPage(appData, working, parent)
    , m_table(new QTableWidget(0, 6, this)) {
    setObjectName(u"treatmentsPage"_s);
    m_table->setObjectName(u"treatmentList"_s);
    PickRowsByKeys(m_table);
    m_table->setHorizontalHeaderLabels(
        {u"..."_s, u"Name"_s, u"Date"_s, u"Type of medicine"_s, u"Dose"_s, u"Notes"_s});
    m_table->verticalHeader()->hide();
    FitColumnsToWidth(m_table, {30, 130, 85, 100, 100, 130}, u"Treatments"_s, {2});
    m_table->setWordWrap(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPushButton* add = Button(this, u"addTreatment"_s, u"Add"_s);
    QPushButton* edit = Button(this, u"editTreatment"_s, u"Edit"_s);
    QPushButton* remove = Button(this, u"deleteTreatment"_s, u"Delete"_s);
    connect(add, &QPushButton::clicked, this, &CDodajGolebiaTab5::AddTreatment);
    connect(edit, &QPushButton::clicked, this, &CDodajGolebiaTab5::EditTreatment);
    connect(remove, &QPushButton::clicked, this, &CDodajGolebiaTab5::DeleteTreatment);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_table, 0, 0, 1, 4);
    layout->addWidget(add, 1, 0);
    layout->addWidget(edit, 1, 1);
    layout->addWidget(remove, 1, 2);
    layout->setColumnStretch(3, 1);
    Load();
}

void CDodajGolebiaTab5::Load() {
    m_table->setRowCount(0);
    for (const TreatmentRecord& t : m_working.treatments) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        const QString cells[] = {u" "_s,
                                 t.name,
                                 FormatDateTime(t.dateGiven),
                                 CLeczenieSuplementacjaDodajZmien::CategoryText(t.category),
                                 t.dose,
                                 t.remarks};
        for (int column = 0; column < 6; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column > 0)
                item->setToolTip(PlainToolTip(cells[column]));
            m_table->setItem(row, column, item);
        }
    }
}

void CDodajGolebiaTab5::AddTreatment() {
    if (m_working.id < 1)
        return;
    TreatmentRecord fresh;
    fresh.id = -1;
    fresh.idPigeon = m_working.id;
    fresh.idLoft = m_data.CurrentLoftId();
    CLeczenieSuplementacjaDodajZmien dialog(m_data, fresh, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_working.treatments.push_back(dialog.Record());
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        loaded->treatments.push_back(dialog.Record());
    Load();
}

void CDodajGolebiaTab5::EditTreatment() {
    const int row = SelectedRow(m_table);
    if (row < 0 || row >= static_cast<int>(m_working.treatments.size()))
        return;
    CLeczenieSuplementacjaDodajZmien dialog(m_data, m_working.treatments[size_t(row)], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_working.treatments[size_t(row)] = dialog.Record();
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        for (TreatmentRecord& t : loaded->treatments)
            if (t.id == dialog.Record().id)
                t = dialog.Record();
    Load();
}

void CDodajGolebiaTab5::DeleteTreatment() {
    const int row = SelectedRow(m_table);
    if (row < 0 || row >= static_cast<int>(m_working.treatments.size()))
        return;
    TreatmentRecord treatment = m_working.treatments[size_t(row)];
    if (!MessageBox::AskYesNo(this,
                              u"Do you want to delete the treatment \"%1\"?"_s.arg(treatment.name),
                              u"Are you sure?"_s))
        return;
    if (const DbResult result = m_data.SaveTreatment(-2, treatment); !result.ok()) {
        MessageBox::ShowFailure(this, result);
        return;
    }
    EraseById(m_working.treatments, treatment.id);
    if (PigeonRecord* loaded = Loaded(); loaded && loaded != &m_working)
        EraseById(loaded->treatments, treatment.id);
    Load();
}
