#include "files/write_error.h"

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
    EXPECT_EQ(writeErrorFromErrno(GetParam().err), GetParam().error);
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

struct KindMessage {
    WriteError error;
    Message message;
};

class WriteErrorMessage : public ::testing::TestWithParam<KindMessage> {};

TEST_P(WriteErrorMessage, NamesTheKind)
{
    EXPECT_EQ(writeErrorMessage(GetParam().error), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteErrorMessage, ::testing::Values(
    KindMessage{{WriteErrorKind::DiskFull, 61},
                {QStringLiteral("ディスクがいっぱいです。"), MessageIcon::Warning}},
    KindMessage{{WriteErrorKind::PermissionDenied, 70},
                {QStringLiteral("書き込み禁止になっています。\r\n"
                                "書き込み禁止のディスクにファイルを保存することは出来ません"),
                 MessageIcon::Warning}},
    KindMessage{{WriteErrorKind::PathAccess, 75},
                {QStringLiteral("書き込み権限がありません。\r\nもしくは、パスの指定が違います。"),
                 MessageIcon::Warning}},
    KindMessage{{WriteErrorKind::Other, 5},
                {QStringLiteral("書き込みに失敗しました。\r\nエラーコード : 5"),
                 MessageIcon::Information}}));

} // namespace
} // namespace tw
