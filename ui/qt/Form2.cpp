#include "Form2.h"

#include "Layout.h"
#include "LayoutBuilder.h"

namespace tarvolin {

Form2::Form2() : QWidget(nullptr)
{
    buildFromLayout(*this, layout::form2);
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace tarvolin
