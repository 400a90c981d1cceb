// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/DrukujRodowodGolebia.h"

#include "breeding/Relationship.h"
#include "breeding/TestMatingPage.h"
#include "pedigree/PagePrinter.h"
#include "pedigree/PageWriting.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PedigreePictures.h"
#include "pedigree/PodgladHTML.h"
#include "storage/Formatting.h"
#include "storage/TextFile.h"
#include "ui/FileDialog.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"
#include "ui/PictureBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const char16_t* const kRemarkTexts[] = {
    u"Print pigeon remarks", u"Print first generation remarks", u"Print second generation remarks",
    u"Print third generation remarks", u"Print fourth generation remarks"};

QString FileNameFor(const PigeonRecord& pigeon) {
    const QString name = CPodgladHTML::SafeFileName(BandLabel(pigeon));
    return u"Pedigree "_s + (name.isEmpty() ? u"of a pigeon"_s : name);
}

} // namespace

CDrukujRodowodGolebia::CDrukujRodowodGolebia(const AppData& appData, const PigeonRecord& pigeon,
                                             QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_pigeon(pigeon)
    , m_templates(new QComboBox(this))
    , m_thumbnail(new PictureBox(this, PictureBox::Mode::Fitted))
    , m_markCommon(new QCheckBox(u"Mark common ancestors"_s, this)) {
    setObjectName(u"pedigreeDialog"_s);
    setWindowTitle(u"Print Pedigree"_s);
    setBannerTitle(u"Print Pedigree"_s);
    PedigreePictures::EnsureBlankImage();

    auto* bird = new ElidedLabel(BandLabel(pigeon), this);
    bird->setObjectName(u"pigeon"_s);
    bird->setFont(CaptionFont(18));
    m_templates->setObjectName(u"template"_s);
    for (const PedigreeTemplate& kind : PedigreeTemplates())
        m_templates->addItem(kind.title);
    m_thumbnail->setObjectName(u"thumbnail"_s);
    m_thumbnail->setFixedSize(300, 212);

    auto* remarks = new QGroupBox(u"Remarks"_s, this);
    auto* remarksLayout = new QVBoxLayout(remarks);
    for (size_t i = 0; i < m_remarks.size(); ++i) {
        m_remarks[i] = new QCheckBox(QString::fromUtf16(kRemarkTexts[i]), remarks);
        m_remarks[i]->setObjectName(u"remarks%1"_s.arg(i));
        m_remarks[i]->setChecked(true);
        remarksLayout->addWidget(m_remarks[i]);
    }
    remarksLayout->addStretch();
    m_markCommon->setObjectName(u"markCommon"_s);
    m_markCommon->setToolTip(
        u"Each ancestor that the sire's and the dam's lines share gets a colour and a number"_s);
    remarksLayout->addWidget(m_markCommon);

    auto* print = new QPushButton(u"Print"_s, this);
    print->setObjectName(u"print"_s);
    print->setDefault(true);
    auto* save = new QPushButton(u"Save"_s, this);
    save->setObjectName(u"save"_s);
    save->setAutoDefault(false);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &CDrukujRodowodGolebia::Print);
    connect(save, &QPushButton::clicked, this, &CDrukujRodowodGolebia::Save);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    layout->addWidget(bird, 0, 0, 1, 2);
    layout->addWidget(new QLabel(u"Template"_s, this), 1, 0);
    layout->addWidget(m_templates, 2, 0);
    layout->addWidget(m_thumbnail, 3, 0);
    layout->addWidget(remarks, 1, 1, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(m_templates, &QComboBox::currentIndexChanged, this,
            &CDrukujRodowodGolebia::ShowThumbnail);
    m_templates->setCurrentIndex(1);
    m_templates->setFocus();
    resize(640, 420);
}

void CDrukujRodowodGolebia::ShowThumbnail(int index) {
    if (index < 0 || index >= static_cast<int>(PedigreeTemplates().size()))
        return;
    const PedigreeTemplate& kind = PedigreeTemplates()[size_t(index)];
    // A thumbnail that cannot be shown leaves the box empty.
    if (!PedigreePictures::EnsureThumbnail(kind) ||
        !m_thumbnail->LoadFile(PedigreeThumbnailPath(kind)))
        m_thumbnail->Clear();
}

PedigreeOptions CDrukujRodowodGolebia::Options() const {
    PedigreeOptions options;
    for (size_t i = 0; i < m_remarks.size(); ++i)
        options.notes[i] = m_remarks[i]->isChecked();
    if (m_markCommon->isChecked()) {
        Lineage lineage(m_data);
        options.marks = MarksOf(lineage.Analyse(m_pigeon.idSire, m_pigeon.idDam));
    }
    return options;
}

void CDrukujRodowodGolebia::Print() {
    const int index = std::max(0, m_templates->currentIndex());
    const PedigreeTemplate& kind = PedigreeTemplates()[size_t(index)];
    if (!WritePedigree(m_data, m_pigeon, PedigreeTemplatePath(kind), PedigreePreviewPath(),
                       Options())) {
        MessageBox::ShowMessage(this, u"The pedigree could not be written to %1."_s.arg(
                                          QDir::toNativeSeparators(PedigreePreviewPath())));
        return;
    }
    CPodgladHTML preview(PedigreePreviewPath(), this,
                         kind.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    preview.SetOnePage(true);
    preview.SuggestPdfName(FileNameFor(m_pigeon));
    preview.exec();
}

void CDrukujRodowodGolebia::Save() {
    QString path =
        FileDialog::ChooseSaveFile(this, u"Save pedigree"_s, FileNameFor(m_pigeon) + u".html"_s,
                                   u"HTML page (*.html *.htm);;PDF document (*.pdf)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".html"_s;
    const int index = std::max(0, m_templates->currentIndex());
    const PedigreeTemplate& kind = PedigreeTemplates()[size_t(index)];
    // Saved elsewhere, the page finds the blank photo by its full path.
    PedigreeOptions options = Options();
    options.blankImage = ImageSource(PedigreeBlankImagePath());
    const QString page = FillPedigree(ReadTextFile(PedigreeTemplatePath(kind)),
                                      CollectAncestors(m_data, m_pigeon), m_data, options);
    bool saved = false;
    if (QFileInfo(path).suffix().compare(u"pdf"_s, Qt::CaseInsensitive) == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        std::unique_ptr<QTextDocument> document(PagePrinter::NewDocument(
            ForRichText(page), QUrl::fromLocalFile(PedigreeFolder() + u'/'), nullptr));
        saved = PagePrinter::PrintToPdf(
            *document, path, kind.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, true);
        QApplication::restoreOverrideCursor();
    } else {
        saved = WritePage(path, page);
    }
    if (!saved)
        MessageBox::ShowMessage(
            this, u"The pedigree could not be saved to %1."_s.arg(QDir::toNativeSeparators(path)));
}
