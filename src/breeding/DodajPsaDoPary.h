// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/Records.h"
#include "ui/Banner.h"

class AppData;
class PigeonPanel;
class QPlainTextEdit;

// The child dialog: a bird of the loft linked to a pair as one of its young. Storing the link
// also makes the pair's cock the bird's sire and its hen the bird's dam, together or not at all;
// while the store fails, the dialog stays open.
class CDodajPsaDoPary : public BannerDialog {
    Q_OBJECT

public:
    enum class Mode { Add, Edit };

    /// In edit mode child is the child to change; in add mode it is ignored.
    CDodajPsaDoPary(AppData& appData, const PairRecord& pair, Mode mode, const ChildRecord& child,
                    QWidget* parent = nullptr);

    /// The child as stored after OK.
    const ChildRecord& Child() const { return m_child; }
    int ChosenId() const { return m_chosenId; }
    /// Shows a bird of the loft as choosing it does.
    void ShowPigeon(int pigeonId);

    void accept() override;

private:
    void Choose();

    AppData& m_data;
    PairRecord m_pair;
    Mode m_mode;
    ChildRecord m_child;
    int m_chosenId = 0;
    PigeonPanel* m_panel;
    QPlainTextEdit* m_remarks;
};
