// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/store/SqliteOwnership.h"

#include <QUrl>

#include <sqlite3.h>

namespace platform::detail {
namespace {

// What a store of an earlier build holds, looked at one way after another.
struct SchemaCheck {
    const char* sql;
    const char* expected;
    // Why a file that does not answer `expected` is foreign; %1 is its answer.
    const char* differs;
};

const SchemaCheck earlierBuildSchema[] = {
    // The table and the index of its key, nothing else.
    {"SELECT group_concat(type || ' ' || name, ', ') FROM "
     "(SELECT type, name FROM sqlite_master ORDER BY type, name)",
     "index sqlite_autoindex_entries_1, table entries", "holds %1 instead of our table alone"},
    // Name, declared type, NOT NULL, primary key and hidden, column by column.
    {"SELECT group_concat(name || ' ' || type || ' ' || \"notnull\" || ' ' || pk || ' ' || hidden, ', ') "
     "FROM (SELECT * FROM pragma_table_xinfo('entries') ORDER BY cid)",
     "key TEXT 1 1 0, type TEXT 1 0 0, value  0 0 0", "has an entries table of other columns: %1"},
    // Defaults, constraints and collations show only in the statement.
    {"SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'entries'", entriesTableSql,
     "has an entries table of its own: %1"},
};

} // namespace

int judgeOwnership(const TextQuery& query, Ownership& ownership, QString& why)
{
    ownership = Ownership::Foreign;
    why.clear();
    QByteArray answer;
    int rc = query("PRAGMA application_id", answer);
    if (rc != SQLITE_OK)
        return rc;
    if (answer == QByteArray::number(storeApplicationId)) {
        ownership = Ownership::Ours;
        return SQLITE_OK;
    }
    if (answer != "0") {
        why = QStringLiteral("carries the application id %1 of another program").arg(QString::fromUtf8(answer));
        return SQLITE_OK;
    }
    rc = query("SELECT count(*) FROM sqlite_master", answer);
    if (rc != SQLITE_OK)
        return rc;
    if (answer == "0") {
        ownership = Ownership::Blank;
        return SQLITE_OK;
    }
    for (const auto& check : earlierBuildSchema) {
        rc = query(check.sql, answer);
        if (rc != SQLITE_OK)
            return rc;
        if (answer != check.expected) {
            why = QString::fromUtf8(check.differs).arg(QString::fromUtf8(answer));
            return SQLITE_OK;
        }
    }
    ownership = Ownership::EarlierBuild;
    return SQLITE_OK;
}

QByteArray readOnlyUri(const QString& path, bool immutable)
{
    // Percent-encoded, so a '?' or '#' in the path is not taken for a parameter.
    QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    uri += immutable ? "?immutable=1" : "?mode=ro";
    return uri;
}

} // namespace platform::detail
