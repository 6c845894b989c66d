#include "ArchiverMessages.h"

#include <cerrno>
#include <cstring>

namespace sorvik::lzh::messages {

namespace {

std::string quoted(const std::string &text)
{
    return "「" + text + "」";
}

std::string reasonOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "アクセスが拒否されました";
    case EROFS:
        return "読み取り専用の場所です";
    case ENOENT:
        return "見つかりません";
    case ENOTDIR:
        return "フォルダではありません";
    case EISDIR:
        return "フォルダです";
    case EIO:
        return "入出力エラーです";
    default:
        return std::strerror(error);
    }
}

bool isDiskFull(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

}  // namespace

ArchiverResult badCommand(const std::string &commandLine, const std::string &reason)
{
    return ArchiverResult::failure(ArchiverError::BadCommand,
                                   "コマンドを解釈できません（" + reason + "）: " + commandLine);
}

ArchiverResult archiveMissing(const std::string &archive)
{
    return ArchiverResult::failure(ArchiverError::ArchiveMissing,
                                   "書庫ファイル" + quoted(archive) + "が見つかりません。");
}

ArchiverResult notAnArchive(const std::string &archive)
{
    return ArchiverResult::failure(ArchiverError::NotAnArchive, quoted(archive) + "はLZH書庫ではありません。");
}

ArchiverResult damagedArchive(const std::string &archive)
{
    return ArchiverResult::failure(ArchiverError::DamagedMember,
                                   "書庫" + quoted(archive) + "は壊れているか、途中で切れています。");
}

ArchiverResult damagedMember(const std::string &archive, const std::string &member)
{
    return ArchiverResult::failure(ArchiverError::DamagedMember,
                                   "書庫" + quoted(archive) + "のファイル" + quoted(member) + "が壊れています。");
}

ArchiverResult crcError(const std::string &archive, const std::string &member)
{
    return ArchiverResult::failure(ArchiverError::CrcError,
                                   "書庫" + quoted(archive) + "のファイル" + quoted(member)
                                       + "でCRCエラーが発生しました。");
}

ArchiverResult unsupportedMethod(const std::string &archive, const std::string &member, const std::string &method)
{
    return ArchiverResult::failure(ArchiverError::UnsupportedMethod,
                                   "書庫" + quoted(archive) + "のファイル" + quoted(member)
                                       + "は対応していない圧縮形式（" + method + "）です。");
}

ArchiverResult badMemberName(const std::string &archive, const std::string &member)
{
    return ArchiverResult::failure(ArchiverError::BadMemberName,
                                   "書庫" + quoted(archive) + "に使用できない名前のファイル" + quoted(member)
                                       + "が含まれているため、展開できません。");
}

ArchiverResult folderMissing(const std::string &folder)
{
    return ArchiverResult::failure(ArchiverError::FolderMissing, "フォルダ" + quoted(folder) + "が見つかりません。");
}

ArchiverResult noFiles(const std::string &folder)
{
    return ArchiverResult::failure(ArchiverError::NoFiles,
                                   "フォルダ" + quoted(folder) + "に圧縮するファイルがありません。");
}

ArchiverResult nameNotEncodable(const std::string &file)
{
    return ArchiverResult::failure(ArchiverError::NameNotEncodable,
                                   "ファイル名" + quoted(file)
                                       + "にShift-JISで表せない文字があるため、書庫に入れられません。");
}

ArchiverResult fileTooLarge(const std::string &file)
{
    return ArchiverResult::failure(ArchiverError::FileTooLarge,
                                   "ファイル" + quoted(file) + "は4GBを超えるため、書庫に入れられません。");
}

ArchiverResult outOfMemory(const std::string &subject)
{
    return ArchiverResult::failure(ArchiverError::OutOfMemory,
                                   "メモリが足りないため、処理できませんでした: " + subject);
}

ArchiverResult unexpectedFailure(const std::string &subject, const std::string &reason)
{
    return ArchiverResult::failure(ArchiverError::WriteError, "処理できませんでした（" + reason + "）: " + subject);
}

ArchiverResult notAFile(const std::string &file)
{
    return ArchiverResult::failure(ArchiverError::NotAFile,
                                   quoted(file)
                                       + "は通常のファイルではない（リンク、フォルダなど）ため、"
                                         "置き換えられません。何も書き込んでいません。");
}

ArchiverResult readFailed(const std::string &file, int error)
{
    return ArchiverResult::failure(ArchiverError::ReadError,
                                   "ファイル" + quoted(file) + "を読み込めません（" + reasonOf(error) + "）。");
}

ArchiverResult writeFailed(const std::string &file, int error)
{
    if (isDiskFull(error))
        return ArchiverResult::failure(ArchiverError::DiskFull,
                                       "ディスクの空き容量が足りないため、" + quoted(file) + "を書き込めません。");
    if (error == EACCES || error == EPERM || error == EROFS)
        return ArchiverResult::failure(ArchiverError::FolderUnwritable,
                                       quoted(file) + "に書き込めません（" + reasonOf(error) + "）。");
    return ArchiverResult::failure(ArchiverError::WriteError,
                                   "ファイル" + quoted(file) + "を書き込めません（" + reasonOf(error) + "）。");
}

std::string oldFileKept(const std::string &file, const std::string &keptAs)
{
    return "元の" + quoted(file) + "を戻せなかったため、" + quoted(keptAs) + "に残しています。";
}

std::string created(int count, const std::string &archive)
{
    return std::to_string(count) + "個のファイルを" + quoted(archive) + "に圧縮しました。";
}

std::string extracted(int count, const std::string &folder)
{
    return std::to_string(count) + "個のファイルを" + quoted(folder) + "に展開しました。";
}

}  // namespace sorvik::lzh::messages
