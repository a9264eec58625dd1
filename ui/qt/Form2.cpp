#include "Form2.h"
#include "ui_Form2.h"

namespace tarvolin {

namespace {

// The client area's top-left corner on the screen: (4035, 3240) twips.
constexpr int leftOnScreen = 269;
constexpr int topOnScreen = 216;

} // namespace

Form2::Form2() : QWidget(nullptr), ui(std::make_unique<Ui::Form2>())
{
    ui->setupUi(this);
    // A fixed single border with the system menu and the close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setGeometry(leftOnScreen, topOnScreen, width(), height());
    setFixedSize(size());
    setAttribute(Qt::WA_DeleteOnClose);
}

Form2::~Form2() = default;

} // namespace tarvolin
