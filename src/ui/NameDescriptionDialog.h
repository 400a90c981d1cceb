// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/DbSession.h"
#include "ui/Banner.h"

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QLabel;

// A name and a description under a banner, with OK and "Anuluj". OK refuses a name of fewer
// than four characters (blanks count) with the message the caller gives; with a store, OK also
// writes the record and the dialog stays open, with what was typed, while the write fails or
// the name is taken.
class NameDescriptionDialog : public BannerDialog {
    Q_OBJECT

public:
    NameDescriptionDialog(const QString& title, const QString& nameLabel,
                          const QString& descriptionLabel, const QString& tooShortMessage,
                          QWidget* parent = nullptr);

    void setName(const QString& name);
    QString name() const;
    void setDescription(const QString& description);
    QString description() const;

    using Store = std::function<DbResult(const QString& name, const QString& description)>;
    /// takenMessage (with %1 for the name) is shown when the store refuses the name.
    void SetStore(Store store, const QString& takenMessage);

    void accept() override;

private:
    QLineEdit* m_name;
    QPlainTextEdit* m_description;
    QString m_tooShortMessage;
    Store m_store;
    QString m_takenMessage;
};
