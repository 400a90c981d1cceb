// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ShellFixture.h"

#include "app/MainDialog.h"
#include "storage/AppData.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

namespace ShellFixture {

void SeedLofts(const std::vector<std::pair<QString, QStringList>>& lofts) {
    AppData seed;
    QVERIFY(!seed.LoadLofts().failed());
    for (const auto& [name, categories] : lofts) {
        LoftRecord loft;
        loft.name = name;
        QVERIFY(seed.SaveLoft(-1, loft).ok());
        for (const QString& categoryName : categories) {
            CategoryRecord category;
            category.idLoft = loft.id;
            category.name = categoryName;
            QVERIFY(seed.SaveCategory(-1, category).ok());
        }
    }
}

std::unique_ptr<CMainDialog> OpenMainDialog(AppData& data) {
    auto dialog = std::make_unique<CMainDialog>(data);
    dialog->Initialise();
    dialog->resize(1280, 800);
    if (!ModalDriver::ShowFocused(dialog.get()))
        QTest::qFail("The main window was not shown and active", __FILE__, __LINE__);
    return dialog;
}

QAction* MenuAction(const CMainDialog& dialog, int id) {
    return dialog.findChild<QAction*>(QStringLiteral("action%1").arg(id));
}

QPalette DarkPalette() {
    QPalette dark(QColor(45, 45, 45), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

} // namespace ShellFixture
