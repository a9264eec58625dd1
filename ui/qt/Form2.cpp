#include "ui/qt/Form2.h"

#include "ui/Layout.h"
#include "ui/qt/LayoutBuilder.h"

#include <QCloseEvent>

namespace tarvolin {

Form2::Form2() : QWidget(nullptr)
{
    buildFromLayout(*this, layout::form2);
    setAttribute(Qt::WA_DeleteOnClose);
}

void Form2::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace tarvolin
