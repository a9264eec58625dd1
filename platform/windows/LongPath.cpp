#include "platform/windows/LongPath.h"

#include "platform/windows/WideText.h"

#include <windows.h>

#include <vector>

namespace tarvolin {

namespace {

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool isDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The system's full path of a short anchor ("." , "C:", "\"): the current
// folder, the current folder of a drive, the current drive's root.
std::wstring systemFull(const wchar_t* anchor)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD n = GetFullPathNameW(anchor, static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (n >= full.size()) {
        full.resize(n);
        n = GetFullPathNameW(anchor, n, full.data(), nullptr);
    }
    full.resize(n);
    return full;
}

// The root of an absolute path ("C:\" or "\\server\share\") and where the
// names after it start; an empty root for a path that is not absolute.
std::wstring rootOf(std::wstring_view path, size_t& rest)
{
    if (path.size() >= 3 && isDriveLetter(path[0]) && path[1] == L':' && isSeparator(path[2])) {
        rest = 3;
        return {path[0], L':', L'\\'};
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // \\server\share: two names after the two separators.
        size_t at = 2;
        std::wstring root = L"\\\\";
        for (int part = 0; part < 2; ++part) {
            while (at < path.size() && isSeparator(path[at]))
                ++at;
            const size_t start = at;
            while (at < path.size() && !isSeparator(path[at]))
                ++at;
            root.append(path.substr(start, at - start));
            root += L'\\';
        }
        rest = at;
        return root;
    }
    return {};
}

} // namespace

std::wstring LongPath::full(std::wstring_view path)
{
    if (path.empty() || path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\"))
        return std::wstring(path);
    size_t rest = 0;
    std::wstring root = rootOf(path, rest);
    std::wstring base;
    if (root.empty()) {
        // Completed from the current folder of the drive named ("C:data"),
        // from the current drive's root ("\data") or from the current folder.
        const bool driveRelative = path.size() >= 2 && isDriveLetter(path[0]) && path[1] == L':';
        const std::wstring anchor = driveRelative ? std::wstring(path.substr(0, 2))
                                    : !path.empty() && isSeparator(path[0]) ? L"\\"
                                                                            : L".";
        const std::wstring completed = systemFull(anchor.c_str());
        size_t baseRest = 0;
        root = rootOf(completed, baseRest);
        base = completed.substr(baseRest);
        rest = driveRelative ? 2 : 0;
    }

    std::vector<std::wstring> names;
    const auto take = [&names](std::wstring_view text) {
        size_t at = 0;
        while (at < text.size()) {
            while (at < text.size() && isSeparator(text[at]))
                ++at;
            const size_t start = at;
            while (at < text.size() && !isSeparator(text[at]))
                ++at;
            const std::wstring_view name = text.substr(start, at - start);
            if (name.empty() || name == L".")
                continue;
            if (name == L"..") {
                if (!names.empty())
                    names.pop_back();
                continue;
            }
            names.emplace_back(name);
        }
    };
    take(base);
    take(path.substr(rest));

    std::wstring result = root;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            result += L'\\';
        result += names[i];
    }
    return result;
}

std::wstring LongPath::of(std::wstring_view path)
{
    std::wstring result = full(path);
    if (result.empty() || result.starts_with(L"\\\\?\\") || result.starts_with(L"\\\\.\\"))
        return result;
    if (result.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + result.substr(2);
    return L"\\\\?\\" + result;
}

std::wstring LongPath::of(const std::string& utf8)
{
    return of(std::wstring_view(wideText(utf8)));
}

} // namespace tarvolin
