#include "Form1.h"
#include "ui_Form1.h"

#include "SplitRun.h"
#include "WindowServices.h"
#include "WindowSplitHost.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace tarvolin {

namespace {

// The client area's top-left corner on the screen: (2370, 1635) twips.
constexpr int leftOnScreen = 158;
constexpr int topOnScreen = 109;

} // namespace

Form1::Form1(WindowServices& services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Form1>()), m_services(services)
{
    ui->setupUi(this);
    // A sizable frame with the system menu, minimize and close; no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(leftOnScreen, topOnScreen, width(), height());

    // Enter presses the focused button, as Space does; no button is a default.
    for (QPushButton* button : {ui->Command3, ui->Command1, ui->command2})
        button->installEventFilter(this);
    connect(ui->Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    Form_Load();
    ui->Command3->setFocus(Qt::OtherFocusReason);
}

Form1::~Form1() = default;

bool Form1::splitlt(const std::string& sfile, std::int32_t splitsize, const std::string& oname)
{
    WindowSplitHost host(m_services, this, ui->Frame3);
    return tarvolin::splitlt(host, m_pieceBuffer, sfile, splitsize, oname);
}

void Form1::Form_Load()
{
    ui->Lab1->setProperty("tag", ui->Lab1->text());
}

void Form1::Command1_Click()
{
    m_services.endProgram();
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_services.endProgram();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tarvolin
