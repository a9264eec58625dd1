#include "platform/qt/NativeNames.h"

#include "platform/NameText.h"

#include <QFile>

namespace tarvolin {

std::string NativeNames::native(const QString& path)
{
#ifdef _WIN32
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString NativeNames::shown(const std::string& native)
{
    return QString::fromStdString(NameText::readable(native));
}

QString NativeNames::forQt(const std::string& native)
{
#ifdef _WIN32
    return QString::fromStdString(native);
#else
    return QFile::decodeName(QByteArray::fromStdString(native));
#endif
}

} // namespace tarvolin
