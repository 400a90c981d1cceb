// SPDX-License-Identifier: GPL-3.0-or-later
#include "pedigree/DrukujKarteMiotu.h"

#include "pedigree/ListPage.h"
#include "pedigree/PageStyleFields.h"
#include "pedigree/PodgladHTML.h"
#include "storage/AppData.h"
#include "storage/Formatting.h"
#include "ui/LongText.h"
#include "ui/MessageBox.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QCheckBox* Box(QWidget* parent, const QString& name, const QString& text, bool checked) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

CDrukujKarteMiotu::CDrukujKarteMiotu(const AppData& appData, const PairRecord& pair,
                                     const QString& caption, QWidget* parent)
    : BannerDialog(parent)
    , m_data(appData)
    , m_pair(pair)
    , m_style(new PageStyleFields(u"Bottom Margin"_s, this)) {
    setObjectName(u"pairingCardDialog"_s);
    setWindowTitle(caption);
    setBannerTitle(caption);

    auto* sire = new ElidedLabel(u"Sire: "_s + BandLabel(appData.FindPigeon(pair.idCock)), this);
    sire->setObjectName(u"sire"_s);
    auto* dam = new ElidedLabel(u"Dam: "_s + BandLabel(appData.FindPigeon(pair.idHen)), this);
    dam->setObjectName(u"dam"_s);
    auto* children = new QLabel(u"Children: %1"_s.arg(pair.children.size()), this);
    children->setObjectName(u"children"_s);

    auto* options = new QGroupBox(u"Show"_s, this);
    m_parentPhotos = Box(options, u"parentPhotos"_s, u"Show parents photos"_s, true);
    m_childPhotos = Box(options, u"childPhotos"_s, u"Show child photos"_s, true);
    m_pairRemarks = Box(options, u"pairRemarks"_s, u"Show pair remarks"_s, false);
    m_childRemarks = Box(options, u"childRemarks"_s, u"Show child remarks"_s, false);
    auto* optionsLayout = new QVBoxLayout(options);
    for (QCheckBox* box : {m_parentPhotos, m_childPhotos, m_pairRemarks, m_childRemarks})
        optionsLayout->addWidget(box);

    auto* print = new QPushButton(u"Print/Print preview"_s, this);
    print->setObjectName(u"print"_s);
    print->setDefault(true);
    auto* save = new QPushButton(u"Save list..."_s, this);
    save->setObjectName(u"save"_s);
    save->setAutoDefault(false);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"close"_s);
    close->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &CDrukujKarteMiotu::PrintPreview);
    connect(save, &QPushButton::clicked, this, &CDrukujKarteMiotu::SaveList);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 70, 14, 12);
    layout->addWidget(sire, 0, 0, 1, 2);
    layout->addWidget(dam, 1, 0, 1, 2);
    layout->addWidget(children, 2, 0, 1, 2);
    layout->addWidget(m_style, 3, 0);
    layout->addWidget(options, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    resize(560, 340);
}

PairingCardSettings CDrukujKarteMiotu::Settings() const {
    PairingCardSettings settings;
    settings.style = m_style->Style();
    settings.parentPhotos = m_parentPhotos->isChecked();
    settings.childPhotos = m_childPhotos->isChecked();
    settings.pairRemarks = m_pairRemarks->isChecked();
    settings.childRemarks = m_childRemarks->isChecked();
    return settings;
}

void CDrukujKarteMiotu::PrintPreview() {
    if (!WritePage(ListPagePath(), PairingCardHtml(m_data, m_pair, Settings()))) {
        MessageBox::ShowMessage(this, u"The card could not be written to %1."_s.arg(
                                          QDir::toNativeSeparators(ListPagePath())));
        return;
    }
    CPodgladHTML preview(ListPagePath(), this);
    preview.SuggestPdfName(windowTitle());
    preview.exec();
}

void CDrukujKarteMiotu::SaveList() {
    const QString path = ChooseListFile(this, u"Save list..."_s);
    if (path.isEmpty())
        return;
    if (!WritePage(path, PairingCardHtml(m_data, m_pair, Settings())))
        MessageBox::ShowMessage(
            this, u"The card could not be saved to %1."_s.arg(QDir::toNativeSeparators(path)));
}
