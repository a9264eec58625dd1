#include "platform/FileServices.h"

#include <cerrno>
#include <sys/stat.h>

namespace tarvolin {

FileServices::detail::Lookup FileServices::detail::lookUp(const std::string& path)
{
    Lookup result;
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        result.error = errno;
        return result;
    }
    result.isFolder = S_ISDIR(st.st_mode);
    result.length = static_cast<std::int64_t>(st.st_size);
    return result;
}

bool FileServices::sameName(const std::string& a, const std::string& b)
{
    return a == b;
}

} // namespace tarvolin
