// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Other programs the user may be sent to: the web browser and a calculator. A test replaces the
// launcher so that nothing is started.
namespace ExternalPrograms {

/// Opens a web page or a file with the desktop's program for it.
bool OpenUrl(const QUrl& url);
/// Starts the first calculator program found on the system; false when there is none.
bool StartCalculator();

using Launcher = std::function<bool(const QString& programOrUrl)>;
/// Replaces the real launcher (empty restores it).
void SetLauncherForTests(Launcher launcher);

} // namespace ExternalPrograms
