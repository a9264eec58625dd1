#include "ui/qt/services/NativeNames.h"

#include "platform/NameText.h"

#include <QFile>

namespace tarvolin {

std::string NativeNames::native(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString NativeNames::shown(const std::string& native)
{
    return QString::fromStdString(NameText::readable(native));
}

QString NativeNames::forQt(const std::string& native)
{
    return QFile::decodeName(QByteArray::fromStdString(native));
}

} // namespace tarvolin
