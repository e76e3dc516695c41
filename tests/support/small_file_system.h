#pragma once

// Header only, POSIX: a file system of a few kilobytes for a test, so that
// writes fail with "no space left" exactly as on a full disk. Mounting
// needs root (as on CI); elsewhere `mounted()` is false and the test skips.

#include <cstdlib>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace velbrant::test {

class SmallFileSystem {
public:
    explicit SmallFileSystem(std::size_t bytes) {
        char pattern[] = "/tmp/velbrant-full-XXXXXX";
        if (::mkdtemp(pattern) == nullptr)
            return;
        m_path = pattern;
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = ::mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (m_mounted)
            ::umount(m_path.c_str());
        if (!m_path.empty())
            ::rmdir(m_path.c_str());
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_mounted; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
    bool m_mounted = false;
};

} // namespace velbrant::test
