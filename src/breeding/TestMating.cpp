// SPDX-License-Identifier: GPL-3.0-or-later
#include "breeding/TestMating.h"

#include "breeding/TestMatingPage.h"
#include "pedigree/PagePrinter.h"
#include "pedigree/PageWriting.h"
#include "pedigree/Pedigree.h"
#include "pedigree/PodgladHTML.h"
#include "register/ChooserCandidates.h"
#include "register/WybierzPsaZListy.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/FileDialog.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QPushButton* Button(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CTestMating::CTestMating(AppData& appData, int cockId, int henId, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_depth(new QSpinBox(this))
    , m_inbreeding(new QLabel(this))
    , m_relationship(new QLabel(this))
    , m_view(new QTextBrowser(this))
    , m_preview(Button(u"Preview"_s, u"preview"_s, this))
    , m_save(Button(u"Save"_s, u"save"_s, this)) {
    setObjectName(u"testMating"_s);
    setWindowTitle(u"Test mating"_s);
    setBannerTitle(u"Test mating"_s);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);

    auto* sides = new QGridLayout;
    const QString selects[] = {u"Select cock"_s, u"Select hen"_s};
    const QString names[] = {u"cock"_s, u"hen"_s};
    for (Side side : {Cock, Hen}) {
        QPushButton* select = Button(selects[side], names[side] + u"Select"_s, this);
        connect(select, &QPushButton::clicked, this, [this, side] { Choose(side); });
        m_bands[side] = new ElidedLabel(this);
        m_bands[side]->setObjectName(names[side] + u"Band"_s);
        m_bands[side]->setFont(CaptionFont(16));
        sides->addWidget(select, side, 0);
        sides->addWidget(m_bands[side], side, 1);
    }
    sides->setColumnStretch(1, 1);

    m_depth->setObjectName(u"depth"_s);
    m_depth->setRange(1, Lineage::kMaxDepth);
    m_depth->setValue(Lineage::kDefaultDepth);
    m_depth->setToolTip(u"How many generations of ancestors are searched"_s);
    connect(m_depth, &QSpinBox::valueChanged, this, &CTestMating::Recompute);
    m_inbreeding->setObjectName(u"inbreeding"_s);
    m_inbreeding->setFont(CaptionFont(16));
    m_relationship->setObjectName(u"relationship"_s);
    auto* figures = new QHBoxLayout;
    figures->addWidget(m_inbreeding);
    figures->addSpacing(24);
    figures->addWidget(m_relationship);
    figures->addStretch();
    auto* depthLabel = new QLabel(u"Generations searched"_s, this);
    depthLabel->setBuddy(m_depth);
    figures->addWidget(depthLabel);
    figures->addWidget(m_depth);

    m_view->setObjectName(u"page"_s);
    m_view->setAccessibleName(u"Test mating"_s);
    m_view->setOpenLinks(false);

    auto* close = Button(u"Close"_s, u"close"_s, this);
    connect(m_preview, &QPushButton::clicked, this, &CTestMating::Preview);
    connect(m_save, &QPushButton::clicked, this, &CTestMating::Save);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_preview);
    buttons->addWidget(m_save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    layout->addLayout(sides);
    layout->addLayout(figures);
    layout->addWidget(m_view, 1);
    layout->addLayout(buttons);
    resize(1000, 720);

    m_chosen = {m_data.FindPigeon(cockId).id, m_data.FindPigeon(henId).id};
    if (m_chosen[Cock] == m_chosen[Hen])
        m_chosen[Hen] = 0;
    Recompute();
}

bool CTestMating::SetSide(Side side, int pigeonId) {
    if (pigeonId > 0 && pigeonId == m_chosen[side == Cock ? Hen : Cock]) {
        MessageBox::ShowMessage(this, u"The cock and the hen must be two different birds."_s);
        return false;
    }
    m_chosen[side] = pigeonId;
    Recompute();
    return true;
}

void CTestMating::Choose(Side side) {
    CWybierzPsaZListy chooser(m_data, side == Cock ? ChooseCocks : ChooseHens, this);
    if (chooser.exec() == QDialog::Accepted && chooser.ResultFlag() == 1 && chooser.ChosenId() > 0)
        SetSide(side, chooser.ChosenId());
}

void CTestMating::Recompute() {
    const QString none[] = {u"No cock chosen"_s, u"No hen chosen"_s};
    for (Side side : {Cock, Hen}) {
        const PigeonRecord& bird = m_data.FindPigeon(m_chosen[side]);
        m_bands[side]->setText(bird.id > 0 ? BandLabel(bird) : none[side]);
    }
    const bool both = m_chosen[Cock] > 0 && m_chosen[Hen] > 0;
    m_preview->setEnabled(both);
    m_save->setEnabled(both);
    if (!both) {
        m_report = MatingReport();
        m_page.clear();
        m_inbreeding->setText(u"F of the young: -"_s);
        m_relationship->setText(QString());
        m_view->setPlainText(u"Choose a cock and a hen to see the pedigree of their young."_s);
        return;
    }
    Lineage lineage(m_data, m_depth->value());
    m_report = lineage.Analyse(m_chosen[Cock], m_chosen[Hen]);
    m_page = TestMatingPage(lineage, m_report);
    m_inbreeding->setText(u"F of the young: %1 %"_s.arg(PercentText(m_report.inbreeding)));
    m_relationship->setText(
        u"Relationship of the parents (r): %1 %"_s.arg(PercentText(m_report.relationship)));
    m_view->setHtml(ForRichText(m_page));
}

QString CTestMating::FileName() const {
    const QString names =
        CPodgladHTML::SafeFileName(BandLabel(m_data.FindPigeon(m_chosen[Cock])).left(60) +
                                   u" x "_s + BandLabel(m_data.FindPigeon(m_chosen[Hen])).left(60));
    return u"Test mating "_s + names.simplified();
}

void CTestMating::Preview() {
    if (m_page.isEmpty())
        return;
    const QString path = TestMatingPagePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!WritePage(path, m_page)) {
        MessageBox::ShowMessage(this, u"The test mating could not be written to %1."_s.arg(
                                          QDir::toNativeSeparators(path)));
        return;
    }
    CPodgladHTML preview(path, this, QPageLayout::Landscape);
    preview.SuggestPdfName(FileName());
    preview.exec();
}

void CTestMating::Save() {
    if (m_page.isEmpty())
        return;
    QString path = FileDialog::ChooseSaveFile(this, u"Save test mating"_s, FileName() + u".pdf"_s,
                                              u"PDF document (*.pdf);;HTML page (*.html *.htm)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    bool saved = false;
    if (QFileInfo(path).suffix().compare(u"pdf"_s, Qt::CaseInsensitive) == 0) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        std::unique_ptr<QTextDocument> document(PagePrinter::NewDocument(
            ForRichText(m_page), QUrl::fromLocalFile(PedigreeFolder() + u'/'), nullptr));
        saved = PagePrinter::PrintToPdf(*document, path, QPageLayout::Landscape, false);
        QApplication::restoreOverrideCursor();
    } else {
        saved = WritePage(path, m_page);
    }
    if (!saved)
        MessageBox::ShowMessage(this, u"The test mating could not be saved to %1."_s.arg(
                                          QDir::toNativeSeparators(path)));
}
