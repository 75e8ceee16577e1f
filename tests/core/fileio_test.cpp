// File errors of the FZX reader and writer: what is thrown, what is reported,
// and that neither the font nor any file on disk is harmed by a failure.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/fileio.h"
#include "model/font.h"
#include "tempdir.h"
#include "watchedfont.h"

#ifndef _WIN32
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A small font with history, unsaved changes and a current glyph, so that a
// failure touching any of them shows.
void MakeBusyFont(Watched& w) {
    w.font.Clear();
    w.font.SetLastChar(40);
    w.font.Glyph(1).SetAll("0110|1001|1111", 2, 4, 1);
    w.font.SetCurrent(1);
    w.font.SetModified(true);
    w.notes = 0;
}

void ExpectBusyFont(const Watched& w, int undoCount) {
    EXPECT_EQ(w.notes, 0);
    EXPECT_TRUE(w.font.Modified());
    EXPECT_EQ(w.font.UndoList().Count(), undoCount);
    EXPECT_EQ(w.font.CurrentIndex(), 1);
    EXPECT_EQ(w.font.LastChar(), 40);
    ASSERT_EQ(w.font.Count(), 9);
    EXPECT_EQ(w.font.Glyph(1).Rows(), "0110|1001|1111");
    EXPECT_EQ(w.font.Glyph(1).Leading(), 2);
}

const Bytes kPrevious = {'o', 'l', 'd', 0x00, 0xFF, 'f', 'z', 'x', '\n'};

TEST(FileIo, LoadingAMissingFileThrowsNamingFullPathAndReason) {
    const std::string relative = "quorrel-no-such-folder/missing.fzx";
    const std::string full = (fs::current_path() / relative).lexically_normal().string();
    Watched w;
    MakeBusyFont(w);
    const int undo = w.font.UndoList().Count();
    try {
        w.font.LoadFZX(relative);
        ADD_FAILURE() << "no exception";
    } catch (const TFileError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find(full), std::string::npos) << what;
        EXPECT_NE(what.find(std::strerror(ENOENT)), std::string::npos) << what;
    }
    ExpectBusyFont(w, undo);

    testdata::TempDir dir;
    EXPECT_THROW(w.font.LoadFZX(dir.Path().string()), TFileError) << "a folder is no file";
    ExpectBusyFont(w, undo);
}

TEST(FileIo, SavingWhereNoFileCanBeCreatedThrowsAndCreatesNothing) {
    testdata::TempDir dir;
    testdata::WriteAll(dir.File("plain"), kPrevious);
    fs::create_directory(dir.Path() / "folder");
    const std::string cases[] = {
        dir.File("missing/font.fzx"), // folder does not exist
        dir.File("plain/font.fzx"),   // "folder" is a regular file
        dir.File("folder"),           // the target itself is a folder
    };
    for (const auto& path : cases) {
        SCOPED_TRACE(path);
        Watched w;
        MakeBusyFont(w);
        const int undo = w.font.UndoList().Count();
        try {
            w.font.SaveFZX(path);
            ADD_FAILURE() << "no exception";
        } catch (const TFileError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
        ExpectBusyFont(w, undo);
        EXPECT_EQ(dir.Entries(), (std::set<std::string>{"folder", "plain"}));
        EXPECT_TRUE(fs::is_empty(dir.Path() / "folder"));
        EXPECT_EQ(testdata::ReadAll(dir.File("plain")), kPrevious);
    }
}

TEST(FileIo, SaveReplacesTheWholeFileAndKeepsItsPermissions) {
    testdata::TempDir dir;
    const std::string path = dir.File("font.fzx");
    testdata::WriteAll(path, Bytes(5000, 0xAA)); // longer than the new content
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Watched w;
    MakeBusyFont(w);
    Bytes image;
    ASSERT_EQ(w.font.BuildFZXImage(image), "");
    ASSERT_EQ(w.font.SaveFZX(path), "");
    EXPECT_EQ(testdata::ReadAll(path), image);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"font.fzx"});
}

#ifndef _WIN32
TEST(FileIo, SaveThroughALinkUpdatesTheLinkedFile) {
    testdata::TempDir dir;
    testdata::WriteAll(dir.File("real.fzx"), kPrevious);
    fs::create_symlink("real.fzx", dir.Path() / "link.fzx");
    Watched w;
    MakeBusyFont(w);
    ASSERT_EQ(w.font.SaveFZX(dir.File("link.fzx")), "");
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.fzx"));
    Bytes image;
    ASSERT_EQ(w.font.BuildFZXImage(image), "");
    EXPECT_EQ(testdata::ReadAll(dir.File("real.fzx")), image);
}

// Runs as the unprivileged user "nobody" for its lifetime when the process
// runs as root, for whom no file is write-protected.
class UnprivilegedUser {
  public:
    UnprivilegedUser() {
        if (::geteuid() == 0) FSwitched = ::seteuid(65534) == 0;
    }
    ~UnprivilegedUser() {
        if (FSwitched && ::seteuid(0) != 0) std::abort();
    }

  private:
    bool FSwitched = false;
};

TEST(FileIo, SavingOverAWriteProtectedFileThrowsAndKeepsIt) {
    testdata::TempDir dir;
    fs::permissions(dir.Path(), fs::perms::all); // the folder itself is writable
    const std::string path = dir.File("font.fzx");
    testdata::WriteAll(path, kPrevious);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Watched w;
    MakeBusyFont(w);
    const int undo = w.font.UndoList().Count();
    {
        UnprivilegedUser user;
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0)
            GTEST_SKIP() << "this user may write any file";
        try {
            w.font.SaveFZX(path);
            ADD_FAILURE() << "no exception";
        } catch (const TFileError& e) {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(std::strerror(EACCES)), std::string::npos)
                << e.what();
        }
        ExpectBusyFont(w, undo);
        // A new file beside it can be written: only the protection refused.
        EXPECT_EQ(w.font.SaveFZX(dir.File("other.fzx")), "");
    }
    EXPECT_EQ(testdata::ReadAll(path), kPrevious);
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"font.fzx", "other.fzx"}));
}

TEST(FileIo, OnlyRegularFilesAreRead) {
    testdata::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe.fzx").c_str(), 0600), 0);
    fs::create_directory(dir.Path() / "folder.fzx");
    const struct {
        std::string Path;
        std::string Reason;
    } cases[] = {
        // Opening a pipe for reading would wait for a writer forever.
        {dir.File("pipe.fzx"), "not a regular file"},
        {"/dev/zero", "not a regular file"},
        {dir.File("folder.fzx"), std::strerror(EISDIR)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        TFZXFont font;
        try {
            font.LoadFZX(c.Path);
            ADD_FAILURE() << "no exception";
        } catch (const TFileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("\"" + c.Path + "\""), std::string::npos) << what;
            EXPECT_NE(what.find(c.Reason), std::string::npos) << what;
        }
    }
}

// The safe save refuses nothing a plain rewrite of the file would allow.
TEST(FileIo, SavesWhereAPlainRewriteWould) {
    testdata::TempDir dir;
    Watched w;
    MakeBusyFont(w);
    Bytes image;
    ASSERT_EQ(w.font.BuildFZXImage(image), "");

    // A name at the file system's length limit: the temporary name is short.
    const std::string longName = std::string(251, 'n') + ".fzx";
    testdata::WriteAll(dir.File(longName), kPrevious);
    EXPECT_EQ(w.font.SaveFZX(dir.File(longName)), "");
    EXPECT_EQ(testdata::ReadAll(dir.File(longName)), image);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{longName});

    // Owner and group stay (only root can keep another user's).
    const std::string owned = dir.File("owned.fzx");
    testdata::WriteAll(owned, kPrevious);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(owned.c_str(), 65534, 65534), 0);
        EXPECT_EQ(w.font.SaveFZX(owned), "");
        struct stat info {};
        ASSERT_EQ(::stat(owned.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, 65534u);
        EXPECT_EQ(info.st_gid, 65534u);
    }

    // A writable file in a folder where nothing new may be made is
    // rewritten in place, cut to its new length.
    const fs::path locked = dir.Path() / "locked";
    fs::create_directory(locked);
    const std::string inside = (locked / "font.fzx").string();
    testdata::WriteAll(inside, Bytes(5000, 0xAA));
    fs::permissions(inside, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                                ~fs::perms::others_exec);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    std::string result;
    {
        UnprivilegedUser user;
        if (::faccessat(AT_FDCWD, locked.c_str(), W_OK, AT_EACCESS) == 0) {
            fs::permissions(locked, fs::perms::all);
            GTEST_SKIP() << "this user may write into any folder";
        }
        result = w.font.SaveFZX(inside);
    }
    fs::permissions(locked, fs::perms::all);
    EXPECT_EQ(result, "");
    EXPECT_EQ(testdata::ReadAll(inside), image);
    EXPECT_EQ(fs::directory_iterator(locked)->path().filename(), "font.fzx");
}

// Lowers the file size limit of the process for its lifetime, with SIGXFSZ
// ignored so that an oversized write fails with EFBIG instead of killing us.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &FOld);
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FOld;
        limit.rlim_cur = bytes;
        FActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    bool Active() const { return FActive; }

  private:
    rlimit FOld{};
    void (*FOldHandler)(int) = SIG_DFL;
    bool FActive = false;
};

TEST(FileIo, FailingWriteKeepsTheOldFileAndLeavesNoTemporary) {
    testdata::TempDir dir;
    const std::string path = dir.File("font.fzx");
    testdata::WriteAll(path, kPrevious);
    Watched w;
    MakeBusyFont(w);
    const int undo = w.font.UndoList().Count();
    ASSERT_GT(w.font.FZXFileSize(), 8);

    std::string result;
    bool limited;
    {
        FileSizeLimit limit(8); // nothing may print while this holds
        limited = limit.Active();
        result = w.font.SaveFZX(path);
    }
    ASSERT_TRUE(limited);
    EXPECT_EQ(result, "File write error! File not saved.");
    EXPECT_EQ(testdata::ReadAll(path), kPrevious);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"font.fzx"});
    ExpectBusyFont(w, undo);

    // Without the limit the same save goes through.
    EXPECT_EQ(w.font.SaveFZX(path), "");
    EXPECT_EQ(static_cast<int>(testdata::ReadAll(path).size()), w.font.FZXFileSize());
}
#endif

TEST(FileIo, FileNameOnlyAndUpperExtension) {
    struct Case {
        const char* path;
        const char* name;
        const char* ext;
    };
    const Case cases[] = {
        {"/a/b/demo.fzx", "demo.fzx", ".FZX"},
#ifdef _WIN32
        {"C:\\fonts\\Demo.Chr", "Demo.Chr", ".CHR"},
#else
        // A backslash is an ordinary character in names here.
        {"/fonts/old\\Demo.Chr", "old\\Demo.Chr", ".CHR"},
#endif
        {"plain", "plain", ""},
        {"/a.b/plain", "plain", ""},
        {"font.tar.udg", "font.tar.udg", ".UDG"},
        {"dir/", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameOnly(c.path), c.name) << c.path;
        EXPECT_EQ(UpperExtension(c.path), c.ext) << c.path;
    }
}

} // namespace
