#pragma once

#include <QLocale>

namespace tarvolin {

// Qt's own texts (the buttons of a notice, the context menu of a text field)
// in the program's language: the user's Chinese locale, Simplified Chinese
// (zh_CN) for every other locale, as the rest of the program speaks it.
class QtTranslations
{
public:
    // The locale whose translations the program loads for this user.
    static QLocale localeFor(const QLocale& user);

    // Installs Qt's translations for the user on the running application.
    // False when none could be loaded; Qt then keeps its English texts.
    static bool install(const QLocale& user = QLocale::system());
};

} // namespace tarvolin
