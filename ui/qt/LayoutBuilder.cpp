#include "ui/qt/LayoutBuilder.h"

#include "ui/FontFit.h"
#include "ui/qt/controls/DirListBox.h"
#include "ui/qt/controls/DriveListBox.h"
#include "ui/qt/controls/FileListBox.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <stdexcept>

namespace tarvolin {

namespace {

QString qText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The builder's own widget for a control of kind.
QWidget* newControl(layout::Kind kind, QWidget* container)
{
    switch (kind) {
    case layout::Kind::Frame:
        return new QGroupBox(container);
    case layout::Kind::Label:
    case layout::Kind::Image:
        return new QLabel(container);
    case layout::Kind::TextBox:
        return new QLineEdit(container);
    case layout::Kind::CommandButton:
        return new QPushButton(container);
    case layout::Kind::DriveList:
        return new DriveListBox(container);
    case layout::Kind::FolderList:
        return new DirListBox(container);
    case layout::Kind::FileList:
        return new FileListBox(container);
    }
    throw std::logic_error("unknown control kind");
}

template <typename T> T* as(QWidget* widget)
{
    T* typed = qobject_cast<T*>(widget);
    if (typed == nullptr)
        throw std::logic_error("a control made for the layout is not of its kind");
    return typed;
}

// Gives a control its text and the looks of its kind.
void setUpControl(const layout::Control& control, QWidget* widget)
{
    const QString text = qText(control.text);
    switch (control.kind) {
    case layout::Kind::Frame:
        as<QGroupBox>(widget)->setTitle(text);
        break;
    case layout::Kind::Label: {
        auto* label = as<QLabel>(widget);
        label->setText(text);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    case layout::Kind::TextBox:
        as<QLineEdit>(widget)->setText(text);
        break;
    case layout::Kind::CommandButton: {
        auto* button = as<QPushButton>(widget);
        button->setText(text);
        button->setAutoDefault(false);
        button->setDefault(false);
        break;
    }
    case layout::Kind::DriveList:
    case layout::Kind::FolderList:
    case layout::Kind::FileList:
        break;
    case layout::Kind::Image: {
        auto* image = as<QLabel>(widget);
        image->setPixmap(QPixmap(QStringLiteral(":/emblem.gif")));
        image->setScaledContents(false);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    }
}

QWidget* findControl(const QWidget& window, std::string_view name)
{
    QWidget* widget = window.findChild<QWidget*>(qText(name));
    if (widget == nullptr)
        throw std::logic_error("a window lacks a control of its layout");
    return widget;
}

// One line of text as the controls show it: Latin letters and Chinese
// characters, whose fallback font may stand taller than the widget's own.
QSize lineSize(const QWidget& widget, const QString& text)
{
    return widget.fontMetrics().size(Qt::TextSingleLine, text + QStringLiteral("Ag文"));
}

// What the control's text needs in its present font, as Qt measures it.
FontFit::Measures measured(const layout::Control& control, const QWidget& widget)
{
    const QString text = qText(control.text);
    FontFit::Measures m;
    m.textWidth = widget.fontMetrics().horizontalAdvance(text);
    m.lineHeight = lineSize(widget, QString()).height();
    switch (control.kind) {
    case layout::Kind::CommandButton:
        m.border = 2 * widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        break;
    case layout::Kind::TextBox:
    case layout::Kind::DriveList:
        m.fieldHeight = widget.minimumSizeHint().height(); // its frame included
        break;
    case layout::Kind::Frame: {
        if (text.isEmpty())
            break;
        const auto& frame = static_cast<const QGroupBox&>(widget);
        QStyleOptionGroupBox option;
        option.initFrom(&frame);
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.text = text;
        option.textAlignment = frame.alignment();
        option.rect = QRect(QPoint(0, 0), QSize(1 << 16, 1 << 10)); // room for any caption
        const QRect caption = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                            QStyle::SC_GroupBoxLabel, &frame);
        m.captionWidth = caption.right() + 1 + caption.left();
        m.lineHeight = lineSize(widget, text).height();
        break;
    }
    default:
        break;
    }
    return m;
}

void placeControls(QWidget& window, const layout::Window& table, int dpi)
{
    window.setProperty("layoutDpi", dpi);
    if (!table.border.sizable)
        window.setFixedSize(pixelRect(table.client, dpi).size());
    for (const layout::Control& control : table.controls)
        findControl(window, control.name)->setGeometry(pixelRect(control.twips, dpi));
}

} // namespace

QRect pixelRect(const layout::Rect& twips, int dpi)
{
    const layout::Rect pixels = layout::toPixels(twips, dpi);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

int fittingDpi(const QWidget& window, const layout::Window& table)
{
    return FontFit::fittingDpi(table, [&window](const layout::Control& control) {
        return FontFit::needed(control.kind, !control.text.empty(),
                               measured(control, *findControl(window, control.name)));
    });
}

int layoutDpi(const QWidget& window)
{
    return window.property("layoutDpi").toInt();
}

namespace {

// Lays its window out again whenever the window's font changes.
class FontFollower : public QObject
{
public:
    FontFollower(QWidget& window, const layout::Window& table)
        : QObject(&window), m_window(window), m_table(table)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::FontChange)
            refitToFont(m_window, m_table);
        return false;
    }

private:
    QWidget& m_window;
    const layout::Window& m_table;
};

} // namespace

void refitToFont(QWidget& window, const layout::Window& table)
{
    const int dpi = fittingDpi(window, table);
    if (dpi == layoutDpi(window))
        return;
    if (table.border.sizable)
        window.resize(pixelRect(table.client, dpi).size());
    placeControls(window, table, dpi);
}

void buildFromLayout(QWidget& window, const layout::Window& table, const ControlMaker& make)
{
    window.setObjectName(qText(table.name));
    window.setWindowTitle(qText(table.caption));

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (table.border.systemMenu)
        flags |= Qt::WindowSystemMenuHint;
    if (table.border.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (table.border.maximizeBox)
        flags |= Qt::WindowMaximizeButtonHint;
    if (table.border.closeBox)
        flags |= Qt::WindowCloseButtonHint;
    window.setWindowFlags(flags);

    for (const layout::Control& control : table.controls) {
        QWidget* container = &window;
        if (control.container != table.name) {
            container = window.findChild<QWidget*>(qText(control.container));
            if (container == nullptr)
                throw std::logic_error("a control's container comes after it");
        }
        QWidget* widget = make ? make(control, container) : nullptr;
        if (widget == nullptr)
            widget = newControl(control.kind, container);
        setUpControl(control, widget);
        widget->setObjectName(qText(control.name));
    }
    // A screen reader's names: a label names its buddy, so the label's text
    // and the name stay one; a spoken name is the control's own.
    for (const layout::Control& control : table.controls) {
        QWidget* widget = findControl(window, control.name);
        if (!control.labelledBy.empty())
            as<QLabel>(findControl(window, control.labelledBy))->setBuddy(widget);
        if (!control.spokenName.empty())
            widget->setAccessibleName(qText(control.spokenName));
    }
    const int dpi = fittingDpi(window, table);
    window.setGeometry(pixelRect(table.client, dpi));
    placeControls(window, table, dpi);

    const std::vector<const layout::Control*> order = layout::focusOrder(table);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(window.findChild<QWidget*>(qText(order[i - 1]->name)),
                             window.findChild<QWidget*>(qText(order[i]->name)));
    }
    // A new font (the desktop's, or the user's) may need more room.
    window.installEventFilter(new FontFollower(window, table));
}

} // namespace tarvolin
