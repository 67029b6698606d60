// The built tool where writing fails: a read-only folder, a folder it may not
// write to, a full disk, a file size limit, a full standard output, a data
// file missing. Every run ends with exit status 1 and a message naming the
// file, and the files of an earlier run stay as they were, with no temporary
// file left beside them. The cases that need a mount of their own (a
// read-only folder, a small full file system) or another user run only
// where the test may do that, and are skipped elsewhere.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/dir_listing.h"
#include "tests/support/scratch_dir.h"
#include "tests/support/tool_run.h"

namespace qv {
namespace {

using Strings = std::vector<std::string>;
using Outcome = test::ToolOutcome;
using test::kCannotPrepare;

// The tool in a directory of its own (it looks for its data files there),
// with the shipped pictures and, when asked, the two data files.
class InstalledTool {
 public:
  explicit InstalledTool(bool dataFiles) : copy_(QV_TOOL_PATH) {
    copy_.LinkBuiltPictures();
    if (dataFiles) {
      copy_.folder().Write("item.txt", "5 0 0 1 2 100 kard\r\n");
      copy_.folder().Write("spell.txt", "");
    }
  }
  const std::string& dir() const { return copy_.folder().path(); }

  // Runs the tool in dir; inChild runs in the child before the tool starts
  // and returns false when it cannot set the case up. Standard output goes
  // to stdoutFile when one is named.
  Outcome Run(const std::string& dir, const Strings& args,
              const std::function<bool()>& inChild = {}, const char* stdoutFile = "") const {
    return copy_.Run({args, {"LC_ALL=C"}, dir, stdoutFile, inChild, ""});
  }

 private:
  test::ToolCopy copy_;
};

const std::string kEarlierDocument = "{\\rtf1 earlier document}\r\n";
const std::string kEarlierPage = "<title>x</title>\r\nan earlier page\r\n";

// A report of 42 KB, and so a page of more.
std::string LongReport() {
  std::string text = "<title>x</title>\r\nKARAKTERLAP\r\n";
  for (int i = 0; i < 1000; ++i) text += "<P>a line of the report, long enough</P>\r\n";
  return text + "</HTML>\r\n";
}

// A folder with a report to convert (x_1.htm), one to page (y_1.htm) and the
// results of an earlier run of both.
void WriteReports(const std::string& dir) {
  mkdir(dir.c_str(), 0755);
  auto put = [&dir](const std::string& name, const std::string& bytes) {
    const int fd = open((dir + "/" + name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
  };
  put("x_1.htm", "<title>x</title>\r\n</HTML>\r\n");
  put("xr1.rtf", kEarlierDocument);
  put("y_1.htm", LongReport());
  put("yr1.htm", kEarlierPage);
}

// What every failed run must leave: the earlier results, and nothing else.
void ExpectEarlierResultsOnly(const test::TempDir& root, const std::string& sub) {
  EXPECT_EQ(ListDirectory(root.path() + "/" + sub),
            (Strings{"x_1.htm", "xr1.rtf", "y_1.htm", "yr1.htm"}));
  EXPECT_EQ(root.Read(sub + "/xr1.rtf"), kEarlierDocument);
  EXPECT_EQ(root.Read(sub + "/yr1.htm"), kEarlierPage);
}

TEST(FailureSafety, MissingDataFileKeepsTheEarlierPage) {
  const InstalledTool tool(false);
  test::TempDir root;
  WriteReports(root.path() + "/r");
  const Outcome o = tool.Run(root.path(), {"/t", "r/y_1.htm"});
  EXPECT_EQ(o.exit, 1);
  // Without HOME there is no per-user folder: the tool's is the only place.
  EXPECT_EQ(o.err,
            "qvformat: Fajlhiba: sem item.txt, sem items.txt nem talalhato; kerestem itt: '" +
                tool.dir() + "/item.txt', '" + tool.dir() + "/items.txt'\r\n");
  ExpectEarlierResultsOnly(root, "r");
}

TEST(FailureSafety, WriteCutShortByTheFileSizeLimit) {
  const InstalledTool tool(true);
  test::TempDir root;
  WriteReports(root.path() + "/r");
  // Writes beyond 16 KB fail as they would on a full disk.
  auto limited = [] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16384, 16384};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
  };
  const Outcome document = tool.Run(root.path(), {"r/x_1.htm"}, limited);
  EXPECT_EQ(document.exit, 1);
  EXPECT_EQ(document.err, "qvformat: Fajlhiba: 'r/xr1.rtf' nem irhato: File too large\r\n");
  EXPECT_EQ(document.out.find("sikeresen"), std::string::npos) << document.out;
  const Outcome page = tool.Run(root.path(), {"/t", "r/y_1.htm"}, limited);
  EXPECT_EQ(page.exit, 1);
  EXPECT_EQ(page.err, "qvformat: Fajlhiba: 'r/yr1.htm' nem irhato: File too large\r\n");
  ExpectEarlierResultsOnly(root, "r");
}

TEST(FailureSafety, DocumentToAFullStandardOutput) {
  const InstalledTool tool(true);
  test::TempDir root;
  root.Write("fordulo.htm", "<title>x</title>\r\n");
  const Outcome o = tool.Run(root.path(), {"fordulo.htm"}, {}, "/dev/full");
  EXPECT_EQ(o.exit, 1);
  // The console lines went to the error stream, the document nowhere.
  const std::string last =
      "qvformat: Fajlhiba: a szabvanyos kimenet nem irhato: No space left on device\r\n";
  ASSERT_GE(o.err.size(), last.size()) << o.err;
  EXPECT_EQ(o.err.substr(o.err.size() - last.size()), last);
  EXPECT_EQ(ListDirectory(root.path()), Strings{"fordulo.htm"});
}

// The cases below mount file systems; the test process takes a mount
// namespace of its own first, so nothing is seen outside it.
class FailureSafetyMounted : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool privateMounts =
        unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    if (!privateMounts) GTEST_SKIP() << "no mount namespace of its own here (needs CAP_SYS_ADMIN)";
  }
  void TearDown() override {
    for (const std::string& point : mounted_) umount2(point.c_str(), MNT_DETACH);
  }
  bool Mount(const std::string& point, const char* type, unsigned long flags, const char* data,
             const char* source = nullptr) {
    if (mount(source ? source : type, point.c_str(), type, flags, data) != 0) return false;
    mounted_.push_back(point);
    return true;
  }

  InstalledTool tool_{true};
  test::TempDir root_;
  std::vector<std::string> mounted_;
};

TEST_F(FailureSafetyMounted, ReadOnlyFolder) {
  const std::string dir = root_.path() + "/ro";
  WriteReports(dir);
  if (!Mount(dir, nullptr, MS_BIND, nullptr, dir.c_str()) ||
      mount(nullptr, dir.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
    GTEST_SKIP() << "no read-only bind mount here";

  const Outcome document = tool_.Run(root_.path(), {"ro/x_1.htm"});
  EXPECT_EQ(document.exit, 1);
  EXPECT_EQ(document.err,
            "qvformat: Fajlhiba: 'ro/xr1.rtf' nem hozhato letre: Read-only file system\r\n");
  const Outcome page = tool_.Run(root_.path(), {"/t", "ro/y_1.htm"});
  EXPECT_EQ(page.exit, 1);
  EXPECT_EQ(page.err,
            "qvformat: Fajlhiba: 'ro/yr1.htm' nem hozhato letre: Read-only file system\r\n");
  ExpectEarlierResultsOnly(root_, "ro");
}

TEST_F(FailureSafetyMounted, FullDisk) {
  // 64 KB: the reports and the earlier results take 56 KB in 4 KB pages, so
  // neither the 72 KB document nor the 42 KB page fits.
  const std::string dir = root_.path() + "/full";
  mkdir(dir.c_str(), 0755);
  if (!Mount(dir, "tmpfs", 0, "size=64k")) GTEST_SKIP() << "no tmpfs mount here";
  WriteReports(dir);

  const Outcome document = tool_.Run(root_.path(), {"full/x_1.htm"});
  EXPECT_EQ(document.exit, 1);
  EXPECT_EQ(document.err,
            "qvformat: Fajlhiba: 'full/xr1.rtf' nem irhato: No space left on device\r\n");
  const Outcome page = tool_.Run(root_.path(), {"/t", "full/y_1.htm"});
  EXPECT_EQ(page.exit, 1);
  EXPECT_EQ(page.err, "qvformat: Fajlhiba: 'full/yr1.htm' nem irhato: No space left on device\r\n");
  ExpectEarlierResultsOnly(root_, "full");
}

// Permission bits do not stop root: as root the tool runs as "nobody".
TEST(FailureSafetyPermissions, FolderWithoutWritePermissionAndUnreadableReport) {
  const InstalledTool tool(true);
  test::TempDir root;
  chmod(root.path().c_str(), 0755);
  const std::string dir = root.path() + "/locked";
  WriteReports(dir);
  root.Write("locked/z_1.htm", "<title>z</title>\r\n</HTML>\r\n");
  chmod((dir + "/z_1.htm").c_str(), 0);
  chmod(dir.c_str(), 0555);
  auto asNobody = [] {
    return getuid() != 0 ||
           (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0);
  };

  const Outcome document = tool.Run(root.path(), {"locked/x_1.htm"}, asNobody);
  if (document.exit == kCannotPrepare) GTEST_SKIP() << "cannot run as another user here";
  EXPECT_EQ(document.exit, 1);
  EXPECT_EQ(document.err,
            "qvformat: Fajlhiba: 'locked/xr1.rtf' nem hozhato letre: Permission denied\r\n");
  const Outcome page = tool.Run(root.path(), {"/t", "locked/y_1.htm"}, asNobody);
  EXPECT_EQ(page.exit, 1);
  EXPECT_EQ(page.err,
            "qvformat: Fajlhiba: 'locked/yr1.htm' nem hozhato letre: Permission denied\r\n");
  const Outcome unreadable = tool.Run(root.path(), {"locked/z_1.htm"}, asNobody);
  EXPECT_EQ(unreadable.exit, 1);
  EXPECT_EQ(unreadable.err,
            "qvformat: Fajlhiba: 'locked/z_1.htm' nem nyithato meg: Permission denied\r\n");

  chmod(dir.c_str(), 0755);  // for the listing and the clean-up
  EXPECT_EQ(ListDirectory(dir), (Strings{"x_1.htm", "xr1.rtf", "y_1.htm", "yr1.htm", "z_1.htm"}));
  EXPECT_EQ(root.Read("locked/xr1.rtf"), kEarlierDocument);
  EXPECT_EQ(root.Read("locked/yr1.htm"), kEarlierPage);
}

}  // namespace
}  // namespace qv
