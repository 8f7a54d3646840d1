#pragma once
// The names of the files the program keeps beside a booking file and writes for a while
// beside any file: built here only, so that the code writing them and the check that no
// output overwrites them (config/SchoolFiles) agree on every name.
#include "core/Clock.h"

#include <string>

namespace tivra {

inline constexpr const char kBookingExtension[] = ".bok";

// NAME.bok for NAME or NAME.EXT: a name the user gave a booking file, with its extension.
std::string withBookingExtension(const std::string& name);

// The lock of a booking file: its name with ".lock" added. The caller passes the booking
// file with every link on its path resolved (Disk::linkTarget), so that copies reaching
// one file by two paths take one lock.
std::string lockFileName(const std::string& bookingFile);
// The note beside a lock that names its holder (the lock's name + ".user").
std::string lockNoteName(const std::string& lockFile);
// The booking file a lock belongs to; empty when `lockFile` is no lock's name.
std::string bookingFileOfLock(const std::string& lockFile);

// What every temporary file of `target` starts with (".tmp" added).
std::string temporaryPrefix(const std::string& target);
// A temporary file beside `target`, with a random tag that no other workstation writing
// the same file will pick.
std::string temporaryName(const std::string& target);
// Whether `name` is one that temporaryName gives for `target`.
bool isTemporaryOf(const std::string& name, const std::string& target);

// What every day's backup copy has in its name.
inline constexpr const char kDailyBackupMark[] = ".bk";
// The day's backup copy of a booking file: backupmapp + base name + ".bk" + day of month.
// The base name is the file's name without its extension; a "." in a folder name is
// never taken for one. With an empty backupmapp the copy lands beside the booking file.
std::string dailyBackupName(const std::string& aktuellfil, const std::string& backupmapp, int day);

// What the copy of a replaced booking file starts with: the file without its extension,
// then ".ersatt-"; it ends with kBookingExtension.
std::string replacedCopyPrefix(const std::string& bookingFile);
// The copy kept of a booking file before "Spara som..." replaces it:
// NAME.ersatt-YYYYMMDD-HHMMSS.bok in the backup folder, or beside the file without one.
std::string replacedFileCopyName(const std::string& replaced, const std::string& backupmapp,
                                 const DateTime& now);

// The change log of a booking file: NAME.logg for NAME.bok (the extension replaced; added
// when there is none).
std::string logFileName(const std::string& bookingFile);
// The log that a full log becomes at the next change (NAME.logg.1).
std::string previousLogName(const std::string& logFile);

} // namespace tivra
