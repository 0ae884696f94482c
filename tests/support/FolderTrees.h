// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Folders made for a test and described for comparing, and archives crafted entry by entry with
// libarchive, as a hostile packer would write them.

#include "Posix.h"
#include "TestEnvironment.h"

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

using Tree = std::map<std::string, std::string>;

// Every entry of a folder, itself as ".", not following links: mode (under `mask`), time, bytes or target.
inline Tree describe(const std::string& root, mode_t mask)
{
    Tree tree;
    const auto add = [&tree, &root, mask](const std::filesystem::path& path) {
        struct stat st {};
        ::lstat(path.c_str(), &st);
        char mode[16];
        std::snprintf(mode, sizeof mode, "%o", static_cast<unsigned>(st.st_mode & (S_IFMT | mask)));
        std::string what =
            std::string(mode) + " " + std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
        if (S_ISREG(st.st_mode)) {
            what += " " + std::to_string(std::hash<std::string>{}(readFileBytes(path)));
        } else if (S_ISLNK(st.st_mode)) {
            what += " -> " + std::filesystem::read_symlink(path).string();
        }
        tree[path.lexically_relative(root).string()] = what;
    };
    add(root);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        add(entry.path());
    }
    return tree;
}

// A folder made for a case; folder modes are given last, so read-only ones can be filled first.
struct Builder
{
    std::string root;
    std::vector<std::pair<std::string, mode_t>> folderModes;

    std::string path(const std::string& relative) const { return root + "/" + relative; }
    void file(const std::string& relative, const std::string& bytes = {}, mode_t mode = 0644)
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        writeFileBytes(path(relative), bytes);
        ::chmod(path(relative).c_str(), mode);
    }
    void folder(const std::string& relative, mode_t mode = 0755)
    {
        std::filesystem::create_directories(path(relative));
        folderModes.emplace_back(relative, mode);
    }
    void link(const std::string& relative, const std::string& target)
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        std::filesystem::create_symlink(target, path(relative));
    }
    void socket(const std::string& relative)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path(relative).copy(address.sun_path, sizeof address.sun_path - 1);
        const UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM, 0));
        ASSERT_EQ(::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    }
    // Distinct times, nanoseconds included, on everything.
    void finish()
    {
        for (const auto& [relative, mode] : folderModes) {
            ::chmod(path(relative).c_str(), mode);
        }
        long i = 0;
        for (const auto& [relative, what] : describe(root, 0)) {
            const timespec times[2] = {{0, UTIME_OMIT}, {1'000'000'000 + 7 * i, 1000 * i + 1}};
            ::utimensat(AT_FDCWD, path(relative).c_str(), times, AT_SYMLINK_NOFOLLOW);
            ++i;
        }
    }
};

// An entry of a crafted archive. Types: 'd' folder, 'f' file of `text`, 'l' link to `text`, 'h' hard link to
// `text`, 'c' device, 'p' FIFO, 's' sparse file claiming `text` bytes. "@" stands for the work folder.
struct Item
{
    char type;
    std::string path;
    std::string text = {};
    mode_t mode = 0755;
};

inline void craft(const std::string& path, const std::vector<Item>& items, const std::string& work)
{
    const auto at = [&work](std::string text) { return text.starts_with('@') ? work + text.substr(1) : text; };
    archive* writer = archive_write_new();
    archive_write_set_format_pax(writer);
    ASSERT_EQ(archive_write_open_filename(writer, path.c_str()), ARCHIVE_OK);
    for (const Item& item : items) {
        archive_entry* entry = archive_entry_new();
        archive_entry_copy_pathname(entry, at(item.path).c_str());
        archive_entry_set_perm(entry, item.mode);
        archive_entry_set_filetype(entry, AE_IFREG);
        switch (item.type) {
        case 'd':
            archive_entry_set_filetype(entry, AE_IFDIR);
            break;
        case 'f':
            archive_entry_set_size(entry, std::ssize(item.text));
            break;
        case 'l':
            archive_entry_set_filetype(entry, AE_IFLNK);
            archive_entry_copy_symlink(entry, at(item.text).c_str());
            break;
        case 'h':
            archive_entry_copy_hardlink(entry, item.text.c_str());
            break;
        case 'c':
            archive_entry_set_filetype(entry, AE_IFCHR);
            archive_entry_set_rdev(entry, makedev(1, 3));
            break;
        case 'p':
            archive_entry_set_filetype(entry, AE_IFIFO);
            break;
        case 's':
            archive_entry_set_size(entry, std::stoll(item.text));
            archive_entry_sparse_add_entry(entry, 0, 512);
            break;
        }
        if (&item == &items.front()) {
            archive_entry_xattr_add_entry(entry, "user.lockfern.folder", "1", 1);
        }
        ASSERT_EQ(archive_write_header(writer, entry), ARCHIVE_OK) << item.path;
        const std::string data = item.type == 'f' ? item.text : item.type == 's' ? std::string(512, 's') : "";
        archive_write_data(writer, data.data(), data.size());
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
}

inline const Item kRoot{'d', "Photos/"};

inline std::vector<Item> manyFiles(int count)
{
    std::vector<Item> items{kRoot};
    for (int i = 0; i < count; ++i) {
        items.push_back({'f', "Photos/f" + std::to_string(i), "", 0644});
    }
    return items;
}

// Read-only folders and names that are not UTF-8 would outlive the test's temporary folder.
inline void removeWork(const TestEnvironment& env)
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             env.work(), std::filesystem::directory_options::skip_permission_denied, ignored)) {
        if (entry.is_directory(ignored) && !entry.is_symlink(ignored)) {
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        }
    }
    std::filesystem::remove_all(env.work(), ignored);
}
