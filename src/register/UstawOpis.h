// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"
#include "ui/Banner.h"

#include <functional>

class QPlainTextEdit;

// "Set summary....": the short description of a pigeon, shown wherever birds are chosen. OK
// stores the text; a failure is reported and the dialog stays open with what was typed.
class CUstawOpis : public BannerDialog {
    Q_OBJECT

public:
    using Store = std::function<DbResult(const QString& summary)>;
    CUstawOpis(const QString& summary, Store store, QWidget* parent = nullptr);
    QString Summary() const;
    void accept() override;

private:
    QPlainTextEdit* m_text;
    Store m_store;
};
