// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Oprogramie.h"

#include "storage/InstallDir.h"
#include "ui/Artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>

using namespace Qt::StringLiterals;

COprogramie::COprogramie(QWidget* parent)
    : BannerDialog(parent) {
    setObjectName(u"aboutBox"_s);
    setWindowTitle(u"About Vornel"_s);
    setBannerTitle(u"About Vornel"_s);
    setFixedSize(642, 392);

    auto* picture = new QLabel(this);
    picture->setPixmap(Artwork::AboutPicture());
    picture->setGeometry(14, 100, 96, 96);

    auto* text = new QLabel(this);
    text->setObjectName(u"aboutText"_s);
    text->setFont(CaptionFont(18, false));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(117, 107, 513, 214);
    text->setText(u"Thank you very much for choosing our breeding program. We hope that it will be "
                  u"a useful tool for each breeder."_s);

    auto* licence = new QLabel(this);
    licence->setObjectName(u"aboutLicence"_s);
    licence->setFont(CaptionFont(12, false));
    licence->setWordWrap(true);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    licence->setGeometry(117, 236, 513, 86);
    licence->setText(
        u"Copyright © 2026 the Vornel authors.\nVornel is free software, licensed under the GNU "
        u"General Public License version 3 or later (GPL-3.0-or-later). It comes with ABSOLUTELY "
        u"NO WARRANTY, to the extent permitted by law."_s);

    auto* details = new QLabel(this);
    details->setObjectName(u"aboutDetails"_s);
    details->setFont(CaptionFont(12, false));
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details->setGeometry(117, 330, 513, 50);
    details->setText(u"Version %1\nData folder: %2"_s.arg(QCoreApplication::applicationVersion(),
                                                          QDir::toNativeSeparators(InstallDir())));
}
