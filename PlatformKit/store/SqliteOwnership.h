// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Private to PlatformKit (and its tests): whether a database file is the
// shared store's own, judged before anything is written to it. The store
// writes only to files it made (they carry its application id) and to files
// of earlier builds, which had no id but exactly its schema; those get the id.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

namespace platform::detail {

// The store's mark in the database header: "KLVN" in ASCII. Changing it
// would disown every store file there is.
inline constexpr std::int32_t storeApplicationId = 0x4B4C564E;

// The store's one table, in the words SQLite keeps in its schema.
inline constexpr const char* entriesTableSql
    = "CREATE TABLE entries (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value)";

enum class Ownership {
    Blank, // no schema and no application id: a file being created
    Ours, // our application id
    EarlierBuild, // no application id, exactly our schema
    Foreign,
};

// Runs `sql` and gives the first column of its first row as text (empty when
// there is no row); returns SQLite's result code.
using TextQuery = std::function<int(const char* sql, QByteArray& answer)>;

// Judges the database that `query` reads. Returns SQLite's result code of a
// query that failed, else SQLITE_OK with `ownership` set and, for a foreign
// file, `why`.
int judgeOwnership(const TextQuery& query, Ownership& ownership, QString& why);

// A URI that opens `path` read-only. An immutable one takes no lock and makes
// no file beside it (no log, no shared memory) but does not see a log that
// another connection has not yet folded into the file.
QByteArray readOnlyUri(const QString& path, bool immutable);

} // namespace platform::detail
