// The shared launch file's security as Windows writes it: descriptors in
// the security descriptor language, turned into Windows' own encoding and
// judged through the reader Kavrin uses; Kavrin's own descriptor turned
// back; and a file saved and read again.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include "settings/file_security.h"
#include "settings/shared_file.h"
#include "tests/unit/temp_dir.h"

namespace kavrin {
namespace {

#define USER "S-1-5-21-1-2-3-1001"
#define OTHER_USER "S-1-5-21-1-2-3-1002"
// Kavrin's own save: with an administrator's, and with a standard user's
// DACL and the owner that creating it gives.
#define OWN_BY_ADMINISTRATORS "O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;0x1200a9;;;BU)"
#define OWN_DACL "D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FA;;;" USER ")(A;;0x1200a9;;;BU)"
// A file created in C:\ of Vista and later: the root's inherited entries,
// with Authenticated Users Modify, and its High no-write-up label.
#define ROOT_DACL "D:AI(A;ID;FA;;;BA)(A;ID;FA;;;SY)(A;ID;0x1200a9;;;BU)(A;ID;0x1301bf;;;AU)"
#define HIGH_LABEL "S:(ML;ID;NW;;;HI)"

// A SID's bytes, as ProcessAccountSid gives them; "" for "".
std::string SidBytes(const char* text) {
  PSID sid = nullptr;
  if (*text == '\0' || !ConvertStringSidToSidA(text, &sid)) return std::string();
  const std::string bytes(static_cast<const char*>(sid), GetLengthSid(sid));
  LocalFree(sid);
  return bytes;
}

// How Kavrin judges the descriptor written as `sddl`, for a process of the
// account `account`; nullopt when it is not read.
std::optional<bool> Judge(const char* sddl, const char* account) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr)) {
    ADD_FAILURE() << "Windows does not take " << sddl;
    return std::nullopt;
  }
  const std::optional<FileSecurity> security = ReadFileSecurity(descriptor, SidBytes(account));
  LocalFree(descriptor);
  if (!security) return std::nullopt;
  return TrustsSharedFile(true, security);
}

TEST(FileSecurity, JudgesDescriptorsAsWindowsWritesThem) {
  const struct {
    const char* what;
    const char* sddl;
    const char* account;
    bool trusted;
  } rows[] = {
      {"Kavrin's own save as an administrator", OWN_BY_ADMINISTRATORS, USER, true},
      {"Kavrin's own save as a standard user", "O:" USER OWN_DACL, USER, true},
      {"a new file under Wine: the user, SYSTEM, Everyone reads",
       "O:" USER "D:(A;;FA;;;SY)(A;;FA;;;" USER ")(A;;0x1200a9;;;WD)", USER, true},
      {"owned by SYSTEM", "O:SY" OWN_DACL, USER, true},
      {"owned by another user", "O:" OTHER_USER OWN_DACL, USER, false},
      {"owned by Users", "O:BU" OWN_DACL, USER, false},
      {"no owner", OWN_DACL, USER, false},
      {"no owner, this account unknown", OWN_DACL, "", false},
      {"owned by this account, which is unknown", "O:" USER OWN_DACL, "", false},
      {"no DACL: everyone may do anything", "O:BA", USER, false},
      {"an empty DACL: no one may", "O:BAD:P", USER, true},
      {"C:\\ of Vista: Authenticated Users may modify", "O:BA" ROOT_DACL, USER, false},
      {"its High label no longer lets it pass", "O:BA" ROOT_DACL HIGH_LABEL, USER, false},
      {"Everyone may write", "O:BAD:P(A;;FA;;;SY)(A;;FW;;;WD)", USER, false},
      {"Everyone holds GENERIC_ALL", "O:BAD:P(A;;FA;;;SY)(A;;GA;;;WD)", USER, false},
      {"another user may change the DACL", "O:BAD:P(A;;FA;;;SY)(A;;WD;;;" OTHER_USER ")", USER, false},
      {"Everyone may read", "O:BAD:P(A;;FA;;;SY)(A;;FR;;;WD)", USER, true},
      {"Everyone's full control, denied", "O:BAD:P(D;;FA;;;WD)(A;;FA;;;SY)", USER, true},
      {"Everyone's full control, for children only", "O:BAD:P(A;OICIIO;FA;;;WD)(A;;FA;;;SY)", USER, true},
      // Wine writes no object entries; a label entry in the DACL is as
      // foreign to the rule.
      {"an entry of a type not judged", "O:BAD:P(A;;FA;;;SY)(ML;;NW;;;HI)", USER, false},
  };
  for (const auto& row : rows) EXPECT_EQ(Judge(row.sddl, row.account), row.trusted) << row.what;
}

// Built by hand: Wine turns the language's NO_ACCESS_CONTROL into an empty
// DACL, not a NULL one.
TEST(FileSecurity, RefusesANullDacl) {
  PSID administrators = nullptr;
  ASSERT_TRUE(ConvertStringSidToSidA("BA", &administrators));
  SECURITY_DESCRIPTOR descriptor;
  ASSERT_TRUE(InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
              SetSecurityDescriptorOwner(&descriptor, administrators, FALSE) &&
              SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE));
  const std::optional<FileSecurity> security = ReadFileSecurity(&descriptor, SidBytes(USER));
  LocalFree(administrators);
  ASSERT_TRUE(security);
  EXPECT_EQ(security->owner, SidKind::Administrators);
  EXPECT_FALSE(security->dacl);
  EXPECT_FALSE(TrustsSharedFile(true, security));
}

TEST(FileSecurity, KavrinsOwnDescriptorIsExactlyTheExpectedOne) {
  const struct {
    bool byAdministrators;
    const char* sddl;
  } rows[] = {
      // Without an owner of its own, the file is its creator's.
      {false, OWN_DACL},
      {true, OWN_BY_ADMINISTRATORS},
  };
  const SECURITY_INFORMATION everything =
      OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION | SACL_SECURITY_INFORMATION;
  for (const auto& row : rows) {
    std::string descriptor = SharedFileSecurity(SidBytes(USER), row.byAdministrators);
    ASSERT_FALSE(descriptor.empty()) << row.byAdministrators;
    char* text = nullptr;
    ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorA(descriptor.data(), SDDL_REVISION_1, everything,
                                                                     &text, nullptr));
    EXPECT_STREQ(text, row.sddl);
    LocalFree(text);
  }
  EXPECT_EQ(SharedFileSecurity("", false), "") << "a standard user whose SID is unknown";
}

TEST(FileSecurity, ReadsItsOwnSaveAndRefusesItOnceEveryoneMayWrite) {
  testing::TempDir dir;
  const std::string path = dir / "q2scr.sc2";
  ASSERT_EQ(CreateSharedFile(path, "launch"), WriteFault::None);
  SharedFileRead read = ReadSharedFile(path);
  EXPECT_FALSE(read.refused);
  EXPECT_EQ(read.bytes, "launch");

  PSECURITY_DESCRIPTOR everyoneWrites = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;FA;;;WD)", SDDL_REVISION_1,
                                                                   &everyoneWrites, nullptr));
  ASSERT_TRUE(SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, everyoneWrites));
  LocalFree(everyoneWrites);
  read = ReadSharedFile(path);
  EXPECT_TRUE(read.refused);
  EXPECT_FALSE(read.bytes);
}

}  // namespace
}  // namespace kavrin
