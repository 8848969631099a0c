// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (standard buttons, the file, print and font dialogs, the
// context menus of the edit controls) in Russian, like the rest of the
// program's interface.

#include <QString>

namespace app {

// Qt's folder of translations.
QString qtTranslationsFolder();

// Installs Qt's Russian translation "qtbase_ru.qm" from folder into the
// application, whatever the user's locale: the program speaks Russian
// throughout, and standard buttons in another language beside its own texts
// would only confuse. Without the file, Qt's English texts stay and nothing
// is said; the result tells whether it was loaded.
bool installQtTranslation(const QString &folder = qtTranslationsFolder());

} // namespace app
