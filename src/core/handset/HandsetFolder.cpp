#include "core/handset/HandsetFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace HandsetFolder {

std::string Path()
{
    if (const char* dir = std::getenv("ORVAK_HANDSET_DIR"); dir && *dir)
        return dir;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime)
        return std::string(runtime) + "/orvak-dialbook/handsets";
    return "/tmp/orvak-dialbook-" + std::to_string(::getuid()) + "/handsets";
}

namespace {

bool EnsureOne(const std::string& dir, std::string* error)
{
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        *error = dir + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0) {
        *error = dir + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) {
        *error = dir + ": not a folder of this user";
        return false;
    }
    return true;
}

}  // namespace

bool Ensure(const std::string& path, std::string* error)
{
    std::string ignored;
    if (!error)
        error = &ignored;
    if (path.empty()) {
        *error = "no folder for simulated handsets";
        return false;
    }
    // Create every missing component; only the folder itself is checked for ownership,
    // since the ones above may well be system folders such as /tmp.
    std::size_t pos = 0;
    while ((pos = path.find('/', pos + 1)) != std::string::npos) {
        const std::string prefix = path.substr(0, pos);
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            *error = prefix + ": " + std::strerror(errno);
            return false;
        }
    }
    return EnsureOne(path, error);
}

}  // namespace HandsetFolder
