#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

namespace quavix::test {

// Runs `body` in a fresh folder of its own as a player without root's rights: as nobody, in a
// child process, when the tests run as root, for whom no file is unreadable or unwritable.
inline testing::AssertionResult asPlayer(
    const std::function<void(const std::filesystem::path& folder)>& body) {
  namespace fs = std::filesystem;
  const auto inFolder = [&body] {
    std::string folder = fs::temp_directory_path() / "quavix-player-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    body(folder);
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  };
  if (::geteuid() != 0) {
    inFolder();
    return testing::AssertionSuccess();
  }
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) return testing::AssertionFailure() << "no user nobody to run as";
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(nobody->pw_gid) == 0 &&
                         ::setuid(nobody->pw_uid) == 0;
    if (dropped) inFolder();
    std::fflush(nullptr);
    ::_exit(dropped && !testing::Test::HasFailure() ? 0 : 1);
  }
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
      WEXITSTATUS(status) == 0) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "as nobody: wait status " << status;
}

}  // namespace quavix::test
