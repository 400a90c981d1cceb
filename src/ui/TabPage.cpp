#include "ui/TabPage.h"

CTabPage::CTabPage(AppData& appData, QWidget* parent)
    : QWidget(parent)
    , m_data(appData) {}

void CTabPage::Perform(PageCommand command) {
    HandleCommand(command);
    Q_EMIT commandPerformed(command);
}
