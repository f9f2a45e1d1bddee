#pragma once
// Files the game keeps (Save.ini, the preferences): written whole or not at all.
#include <string>
#include <string_view>

namespace tw {

// Why a file could not be kept.
enum class WriteFailure {
  None,
  WriteProtected,
  NotRegular,
  NoFolder,
  FolderWriteProtected,
  DiskFull,
  ReadOnlyDisk,
  Other
};

// Writes a temporary file beside `path`, flushes it to disk and renames it over `path`,
// creating the folder (private to the player) if needed; through a symbolic link, into the
// file it names. The file at `path` stays as it was on any failure, and a write-protected
// one is never replaced. A termination signal (SIGTERM, SIGINT, SIGHUP) arriving meanwhile
// takes effect once the file is whole and the temporary one gone. Temporary files of writes
// cut short over a minute ago go.
WriteFailure writeFileWhole(const std::string& path, std::string_view content);

// "the disk is full", "Save.ini is write-protected", ...: for the end of a sentence.
std::string failureReason(WriteFailure failure, const std::string& fileName);

}  // namespace tw
