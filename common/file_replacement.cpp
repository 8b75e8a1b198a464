#include "file_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "file_kind.h"

namespace {

namespace fs = std::filesystem;

// Links followed by a chain longer than this are taken for a loop, as the kernel does.
constexpr int MAX_LINKS = 40;
// Attempts at a temporary name no other process holds.
constexpr int MAX_TEMPORARY_NAMES = 100;

// The path a chain of links ends at (the name itself when it is no link).  A link whose target
// does not exist yet leads to that target, which is then created.
bool followLinks(const std::string& name, fs::path& target) {
    target = name;
    for (int hops = 0; hops < MAX_LINKS; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) return true;
        fs::path next = fs::read_symlink(target, error);
        if (error) return false;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return false;
}

bool writeAll(int fd, const std::string& text) {
    const char* at = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t written = ::write(fd, at, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        at += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// A new file beside the target, ".NAME.PID-N.tmp", created exclusively so that no other file
// is ever written through it.  -1 when the folder takes no new file.
int createTemporary(const fs::path& target, fs::path& temporary) {
    fs::path folder = target.parent_path();
    std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + "-";
    for (int n = 0; n < MAX_TEMPORARY_NAMES; ++n) {
        temporary = folder / (stem + std::to_string(n) + ".tmp");
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// An existing file's permission bits and owner carried over to its replacement.  Only a
// privileged process may give a file to another owner; elsewhere the replacement stays this
// user's, with the old file's permissions.
bool keepAttributes(int fd, const struct stat& before) {
    return ::fchmod(fd, before.st_mode & 07777) == 0 &&
           (::fchown(fd, before.st_uid, before.st_gid) == 0 || errno == EPERM);
}

bool writeDirectly(const std::string& name, const std::string& text, std::string& error) {
    std::ofstream out(name, std::ios::binary);
    if (!out) {
        error = "cannot create " + name;
        return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
        error = "cannot write " + name;
        return false;
    }
    return true;
}

}  // namespace

bool replaceFileWith(const std::string& name, const std::string& text, std::string& error) {
    fs::path target;
    if (!followLinks(name, target)) {
        error = "cannot create " + name;
        return false;
    }
    FileKind kind = fileKindOf(target.string());
    if (kind == FileKind::specialFile) return writeDirectly(name, text, error);
    struct stat before {};
    bool exists = kind == FileKind::plainFile && ::stat(target.c_str(), &before) == 0;
    // A folder, or a file this process could not have opened for writing, is refused as the
    // opening would refuse it: replacing it through the folder would overrule its permissions.
    if (kind == FileKind::folder || (exists && ::access(target.c_str(), W_OK) != 0)) {
        error = "cannot create " + name;
        return false;
    }
    fs::path temporary;
    int fd = createTemporary(target, temporary);
    if (fd < 0) {
        error = "cannot create " + name;
        return false;
    }
    bool complete =
        (!exists || keepAttributes(fd, before)) && writeAll(fd, text) && ::fsync(fd) == 0;
    complete = ::close(fd) == 0 && complete;
    if (complete && ::rename(temporary.c_str(), target.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    error = "cannot write " + name;
    return false;
}
