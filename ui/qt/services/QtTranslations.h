#pragma once

#include <QLocale>

namespace tarvolin {

// Qt's own texts (the buttons of a notice, the context menu of a text field)
// in the program's language: the user's Chinese locale, Simplified Chinese
// (zh_CN) for every other locale, as the rest of the program speaks it.
namespace QtTranslations {

// The locale whose translations the program loads for this user.
QLocale localeFor(const QLocale& user);

// Installs Qt's translations for the user on the running application.
// False when none could be loaded; Qt then keeps its English texts.
bool install(const QLocale& user = QLocale::system());

} // namespace QtTranslations

} // namespace tarvolin
