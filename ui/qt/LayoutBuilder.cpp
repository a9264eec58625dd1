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

QWidget* createControl(const layout::Control& control, QWidget* container)
{
    const QString text = qText(control.text);
    switch (control.kind) {
    case layout::Kind::Frame:
        return new QGroupBox(text, container);
    case layout::Kind::Label: {
        auto* label = new QLabel(text, container);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case layout::Kind::TextBox:
        return new QLineEdit(text, container);
    case layout::Kind::CommandButton: {
        auto* button = new QPushButton(text, container);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case layout::Kind::DriveList:
        return new DriveListBox(container);
    case layout::Kind::FolderList:
        return new DirListBox(container);
    case layout::Kind::FileList:
        return new FileListBox(container);
    case layout::Kind::Image: {
        auto* image = new QLabel(container);
        image->setPixmap(QPixmap(QStringLiteral(":/emblem.gif")));
        image->setScaledContents(false);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    throw std::logic_error("unknown control kind");
}

} // namespace

QRect pixelRect(const layout::Rect& twips)
{
    const layout::Rect pixels = layout::toPixels(twips);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

void buildFromLayout(QWidget& window, const layout::Window& table)
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
        QWidget* widget = createControl(control, container);
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
