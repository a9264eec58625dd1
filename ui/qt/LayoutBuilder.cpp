#include "LayoutBuilder.h"

#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

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

} // namespace

QRect pixelRect(const layout::Rect& twips)
{
    const layout::Rect pixels = layout::toPixels(twips);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

void buildFromLayout(QWidget& window, const layout::Window& table, const ControlMaker& make)
{
    window.setObjectName(qText(table.name));
    window.setWindowTitle(qText(table.caption));

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (table.frame.systemMenu)
        flags |= Qt::WindowSystemMenuHint;
    if (table.frame.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (table.frame.maximizeBox)
        flags |= Qt::WindowMaximizeButtonHint;
    if (table.frame.closeBox)
        flags |= Qt::WindowCloseButtonHint;
    window.setWindowFlags(flags);
    window.setGeometry(pixelRect(table.client));
    if (!table.frame.sizable)
        window.setFixedSize(window.size());

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
        widget->setGeometry(pixelRect(control.twips));
    }

    const std::vector<const layout::Control*> order = layout::focusOrder(table);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(window.findChild<QWidget*>(qText(order[i - 1]->name)),
                             window.findChild<QWidget*>(qText(order[i]->name)));
    }
}

} // namespace tarvolin
