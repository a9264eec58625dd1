// A file system in one folder that behaves like a fake-capacity USB stick:
// it tells the system it has room for `claims` bytes but holds only `holds`
// bytes. Blocks are laid out one after the other as they are first written,
// and a block past what the stick holds lands on an earlier one, overwriting
// it, as the controllers of such sticks do. With holds equal to claims it is
// an honest stick.
//
// Usage: fake-stick MOUNTPOINT CLAIMS HOLDS   (runs until unmounted)

#define FUSE_USE_VERSION 31
#include <fuse.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr off_t blockSize = 4096;

struct File
{
    std::vector<off_t> blocks; // the stick's block for each of the file's, or -1
    off_t size = 0;
    ino_t number = 0;
};

struct Stick
{
    off_t claimed = 0;       // blocks it says it has
    std::vector<char> cells; // what it really holds
    off_t nextBlock = 0;     // blocks handed out so far, wrapping past cells
    off_t used = 0;          // blocks in use, as it tells it
    ino_t nextNumber = 2;
    std::map<std::string, File> files;
};

Stick stick;

File* fileAt(const char* path)
{
    const auto found = stick.files.find(path + 1);
    return found == stick.files.end() ? nullptr : &found->second;
}

char* cell(off_t block)
{
    return stick.cells.data() + block * blockSize;
}

void resize(File& file, off_t size)
{
    const auto count = static_cast<size_t>((size + blockSize - 1) / blockSize);
    for (size_t i = count; i < file.blocks.size(); ++i)
        stick.used -= file.blocks[i] >= 0;
    file.blocks.resize(count, -1);
    // The kept part of a last block reads as zeros beyond the new end.
    if (size < file.size && size % blockSize != 0 && file.blocks.back() >= 0)
        std::memset(cell(file.blocks.back()) + size % blockSize, 0,
                    static_cast<size_t>(blockSize - size % blockSize));
    file.size = size;
}

int getAttributes(const char* path, struct stat* info, fuse_file_info*)
{
    std::memset(info, 0, sizeof *info);
    if (std::strcmp(path, "/") == 0) {
        info->st_mode = S_IFDIR | 0777;
        info->st_nlink = 2;
        info->st_ino = 1;
        return 0;
    }
    const File* file = fileAt(path);
    if (file == nullptr)
        return -ENOENT;
    info->st_mode = S_IFREG | 0666;
    info->st_nlink = 1;
    info->st_ino = file->number;
    info->st_size = file->size;
    info->st_blocks = static_cast<blkcnt_t>(file->blocks.size()) * (blockSize / 512);
    return 0;
}

int readFolder(const char*, void* buffer, fuse_fill_dir_t fill, off_t, fuse_file_info*,
               fuse_readdir_flags)
{
    fill(buffer, ".", nullptr, 0, fuse_fill_dir_flags{});
    fill(buffer, "..", nullptr, 0, fuse_fill_dir_flags{});
    for (const auto& [name, file] : stick.files)
        fill(buffer, name.c_str(), nullptr, 0, fuse_fill_dir_flags{});
    return 0;
}

// The system keeps what it read or wrote of a file in memory across opens,
// as it does for a disk: a reader that wants the stick's own bytes must
// have the system drop them.
int createFile(const char* path, mode_t, fuse_file_info* info)
{
    if (fileAt(path) == nullptr)
        stick.files[path + 1].number = stick.nextNumber++;
    info->keep_cache = 1;
    return 0;
}

int openFile(const char* path, fuse_file_info* info)
{
    File* file = fileAt(path);
    if (file == nullptr)
        return -ENOENT;
    if (info->flags & O_TRUNC)
        resize(*file, 0);
    info->keep_cache = 1;
    return 0;
}

int truncateFile(const char* path, off_t size, fuse_file_info*)
{
    File* file = fileAt(path);
    if (file == nullptr)
        return -ENOENT;
    resize(*file, size);
    return 0;
}

int writeFile(const char* path, const char* data, size_t count, off_t at, fuse_file_info*)
{
    File* file = fileAt(path);
    if (file == nullptr)
        return -ENOENT;
    if (at + static_cast<off_t>(count) > file->size)
        resize(*file, at + static_cast<off_t>(count));
    const off_t cells = static_cast<off_t>(stick.cells.size()) / blockSize;
    for (size_t done = 0; done < count;) {
        const off_t position = at + static_cast<off_t>(done);
        off_t& block = file->blocks[static_cast<size_t>(position / blockSize)];
        if (block < 0) {
            if (stick.used >= stick.claimed)
                return done > 0 ? static_cast<int>(done) : -ENOSPC;
            block = stick.nextBlock++ % cells;
            ++stick.used;
            std::memset(cell(block), 0, blockSize);
        }
        const size_t inner = static_cast<size_t>(position % blockSize);
        const size_t now = std::min(count - done, static_cast<size_t>(blockSize) - inner);
        std::memcpy(cell(block) + inner, data + done, now);
        done += now;
    }
    return static_cast<int>(count);
}

int readFile(const char* path, char* buffer, size_t count, off_t at, fuse_file_info*)
{
    const File* file = fileAt(path);
    if (file == nullptr)
        return -ENOENT;
    if (at >= file->size)
        return 0;
    count = std::min(count, static_cast<size_t>(file->size - at));
    for (size_t done = 0; done < count;) {
        const off_t position = at + static_cast<off_t>(done);
        const off_t block = file->blocks[static_cast<size_t>(position / blockSize)];
        const size_t inner = static_cast<size_t>(position % blockSize);
        const size_t now = std::min(count - done, static_cast<size_t>(blockSize) - inner);
        if (block < 0)
            std::memset(buffer + done, 0, now);
        else
            std::memcpy(buffer + done, cell(block) + inner, now);
        done += now;
    }
    return static_cast<int>(count);
}

int unlinkFile(const char* path)
{
    File* file = fileAt(path);
    if (file == nullptr)
        return -ENOENT;
    resize(*file, 0);
    stick.files.erase(path + 1);
    return 0;
}

int renameFile(const char* from, const char* to, unsigned)
{
    File* file = fileAt(from);
    if (file == nullptr)
        return -ENOENT;
    if (File* old = fileAt(to))
        resize(*old, 0);
    File moved = std::move(*file);
    stick.files.erase(from + 1);
    stick.files[to + 1] = std::move(moved);
    return 0;
}

int fileSpace(const char*, struct statvfs* info)
{
    std::memset(info, 0, sizeof *info);
    info->f_bsize = info->f_frsize = blockSize;
    info->f_blocks = static_cast<fsblkcnt_t>(stick.claimed);
    info->f_bfree = info->f_bavail = static_cast<fsblkcnt_t>(stick.claimed - stick.used);
    info->f_namemax = 255;
    return 0;
}

int nothingToDo(const char*, int, fuse_file_info*)
{
    return 0;
}

int keepTimes(const char*, const timespec[2], fuse_file_info*)
{
    return 0;
}

int keepMode(const char*, mode_t, fuse_file_info*)
{
    return 0;
}

int keepOwner(const char*, uid_t, gid_t, fuse_file_info*)
{
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s MOUNTPOINT CLAIMS HOLDS\n", argv[0]);
        return 2;
    }
    stick.claimed = std::strtoll(argv[2], nullptr, 10) / blockSize;
    stick.cells.resize(
        static_cast<size_t>(std::strtoll(argv[3], nullptr, 10) / blockSize * blockSize));

    fuse_operations operations{};
    operations.getattr = getAttributes;
    operations.readdir = readFolder;
    operations.create = createFile;
    operations.open = openFile;
    operations.truncate = truncateFile;
    operations.write = writeFile;
    operations.read = readFile;
    operations.unlink = unlinkFile;
    operations.rename = renameFile;
    operations.statfs = fileSpace;
    operations.fsync = nothingToDo;
    operations.utimens = keepTimes;
    operations.chmod = keepMode;
    operations.chown = keepOwner;

    // In the foreground and on one thread: the state above needs no lock.
    char foreground[] = "-f", single[] = "-s", option[] = "-o",
         options[] = "fsname=fake-stick,default_permissions";
    char* arguments[] = {argv[0], argv[1], foreground, single, option, options, nullptr};
    return fuse_main(6, arguments, &operations, nullptr);
}
