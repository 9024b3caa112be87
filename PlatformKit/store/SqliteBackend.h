// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Private to PlatformKit (and its tests): the store shared by the app and the
// widget, one SQLite database file.
//
// Layout: one table `entries(key TEXT PRIMARY KEY, type TEXT, value)`, where
// `type` is one of "bool", "integer", "double", "string", "data", "date" and
// `value` holds the integer 0/1, the integer, the real (NULL for NaN, which
// SQLite cannot store), the UTF-8 text, the blob, or the date's seconds since
// 2001-01-01 as a real. Rows of any other type read as absent. The file
// carries the store's application id (see SqliteOwnership.h).
//
// A step that fails for a transient reason (SQLITE_BUSY, SQLITE_LOCKED, the
// WAL's busy snapshot or protocol error) is retried after a short pause, so a
// read during another process's write never reads as absent and a write waits
// the other one out; but only until the access deadline, which bounds the
// whole call, SQLite's own waiting for a lock included, so the GUI thread never
// hangs on another process's long transaction. Past the deadline, as on other
// failures (a file corrupted while open, a write refused by the file's own
// rules), a read reads as absent and a write is dropped, with a warning under
// the logging category "kelvane.store".
//
// A write that the file cannot take (a full disk, an I/O error) is kept in
// memory, read back from there, and written before the next change. A file
// that can be read but not written is opened read-only (immutable when no log
// is in use, so nothing is made beside it) and every change stays in memory.
// Both are a persistence problem, warned of once. A symbolic link at the path
// is refused, never followed.

#include "PlatformKit/store/UserDefaults.h"

#include <chrono>
#include <memory>
#include <optional>

namespace platform::detail {

struct SqliteOptions {
    // The longest one read, write, remove or update waits out another
    // connection's lock in total, SQLite's own waiting included.
    std::chrono::milliseconds accessDeadline{2000};
    // How long SQLite itself waits for a lock within one step before the step
    // returns busy to our retry loop; never past the deadline.
    std::chrono::milliseconds busyTimeout{2000};
    // The pause before a transient failure is retried, and between SQLite's
    // own looks at a lock.
    std::chrono::milliseconds retryPause{5};
    // Opening gives up (and `UserDefaults::openFile` falls back to memory)
    // when the file stays locked this long, SQLite's own waiting included.
    std::chrono::milliseconds openDeadline{2000};
    // The write-ahead log (the default) lets readers go on during a write.
    // Tests switch it off to get a rollback journal, whose write lock also
    // holds readers off, to prove the read retry.
    bool writeAheadLog = true;
    // The most pages the database may grow to through this connection; tests
    // set it to run out of room as a full disk does.
    std::optional<int> maxPageCount;
};

// The database at `path` (parent directories created), or null when it cannot
// be opened or is not a healthy database of ours. A file that is not ours (not
// a database, damaged, or another program's database) is never written to,
// and nothing is made beside it. On failure `failure`, when given, says why.
std::unique_ptr<KeyValueBackend> openSqliteBackend(const QString& path, const SqliteOptions& options = {},
                                                   QString* failure = nullptr);

} // namespace platform::detail
