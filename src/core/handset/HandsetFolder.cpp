#include "core/handset/HandsetFolder.h"

#include "core/common/ErrorText.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace HandsetFolder {

namespace {

std::mutex s_mutex;
std::string s_override;

}  // namespace

void SetOverride(std::string path)
{
    std::lock_guard lock(s_mutex);
    s_override = std::move(path);
}

std::string Path()
{
    {
        std::lock_guard lock(s_mutex);
        if (!s_override.empty())
            return s_override;
    }
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
        *error = dir + ": " + ErrorText(errno);
        return false;
    }
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0) {
        *error = dir + ": " + ErrorText(errno);
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
            *error = prefix + ": " + ErrorText(errno);
            return false;
        }
    }
    return EnsureOne(path, error);
}

}  // namespace HandsetFolder
