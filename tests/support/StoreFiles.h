// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A store's file as another program sees it: its bytes, the files beside it,
// and plain SQLite statements run on it outside the store.

#include "support/Files.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <string>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace platform::test {

// A short stand-in for every byte of the file, to compare before and after.
inline std::string fileHash(const QString& path)
{
    return QCryptographicHash::hash(readFile(path).value_or(QByteArray()), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// The names of the files in the folder of `path` (journals and logs beside it
// included), in order, separated by blanks.
inline std::string filesBeside(const QString& path)
{
    return QFileInfo(path).dir().entryList(QDir::Files | QDir::Hidden, QDir::Name).join(QLatin1Char(' ')).toStdString();
}

// Another program's plain connection to the database at `path`, open while
// this object lives.
class RawConnection {
public:
    explicit RawConnection(const QString& path)
    {
        EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &m_db), SQLITE_OK);
    }
    ~RawConnection() { sqlite3_close(m_db); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    int exec(const char* sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }
    sqlite3* get() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// Runs `sql` on the database at `path` as another program would, and closes
// the connection again.
inline void execOn(const QString& path, const char* sql)
{
    RawConnection connection(path);
    EXPECT_EQ(connection.exec(sql), SQLITE_OK) << sql << ": " << sqlite3_errmsg(connection.get());
}

// The first column of the first row of `sql` on the database at `path`, as
// text, through a connection of its own.
inline std::string queryOn(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    std::string answer;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr), SQLITE_OK) << sql << ": " << sqlite3_errmsg(db);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
        answer = text ? text : "";
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return answer;
}

} // namespace platform::test
