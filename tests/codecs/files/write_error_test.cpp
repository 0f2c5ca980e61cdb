#include "codecs/files/write_error.h"

#include "support/printers.h"
#include "write_error_printer.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tw {
namespace {

struct ErrnoKind {
    int err;
    WriteError error;
};

class WriteErrorFromErrno : public ::testing::TestWithParam<ErrnoKind> {};

TEST_P(WriteErrorFromErrno, SortsTheCauseIntoItsKind)
{
    const WriteError error = writeErrorFromErrno(GetParam().err);
    EXPECT_EQ(error.kind, GetParam().error.kind);
    EXPECT_EQ(error.code, GetParam().error.code);
    EXPECT_EQ(error.systemError, GetParam().err) << "the system's own number stays with the kind";
}

INSTANTIATE_TEST_SUITE_P(Causes, WriteErrorFromErrno, ::testing::Values(
    ErrnoKind{ENOSPC, {WriteErrorKind::DiskFull, 61}},
    ErrnoKind{EDQUOT, {WriteErrorKind::DiskFull, 61}},
    ErrnoKind{EROFS, {WriteErrorKind::PermissionDenied, 70}},
    ErrnoKind{ETXTBSY, {WriteErrorKind::PermissionDenied, 70}},
    ErrnoKind{EBUSY, {WriteErrorKind::PermissionDenied, 70}},
    ErrnoKind{EACCES, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{EPERM, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{ENOENT, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{ENOTDIR, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{EISDIR, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{ENAMETOOLONG, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{ELOOP, {WriteErrorKind::PathAccess, 75}},
    ErrnoKind{EIO, {WriteErrorKind::Other, EIO}},
    ErrnoKind{EFBIG, {WriteErrorKind::Other, EFBIG}}));

} // namespace
} // namespace tw
