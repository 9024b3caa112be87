// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-store-lock PATH MODE SECONDS
// Another program holding the shared store's database locked, the way a long
// transaction of the other process would. Opens the SQLite file at PATH and
// takes its write lock, then prints the line "locked" and holds the lock until
// a line (or the end) arrives on standard input, SECONDS pass, or it is
// killed; then rolls back, prints "released" and exits 0.
//   MODE "immediate": BEGIN IMMEDIATE, the write lock of a normal writer;
//                     other writers wait, readers of a write-ahead log go on.
//   MODE "exclusive": BEGIN EXCLUSIVE and a write; with a rollback journal
//                     this holds readers off too.
// Exits non-zero when the lock cannot be had within ten seconds.
#include <sqlite3.h>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool exec(sqlite3* db, const char* sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "%s: %s\n", sql, error ? error : "failed");
    sqlite3_free(error);
    return false;
}

// Waits until standard input has a line or its end, or `seconds` pass.
void waitForRelease(long seconds)
{
    pollfd input{STDIN_FILENO, POLLIN, 0};
    const long long timeoutMs = seconds * 1000LL;
    poll(&input, 1, timeoutMs > 0x7fffffff ? 0x7fffffff : static_cast<int>(timeoutMs));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc == 4 ? argv[2] : "";
    if (mode != "immediate" && mode != "exclusive") {
        std::fprintf(stderr, "usage: %s PATH immediate|exclusive SECONDS\n", argv[0]);
        return 64;
    }
    const long seconds = std::strtol(argv[3], nullptr, 10);

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], sqlite3_errmsg(db));
        sqlite3_close(db);
        return 2;
    }
    sqlite3_busy_timeout(db, 10000);
    const bool locked = mode == "immediate" ? exec(db, "BEGIN IMMEDIATE")
                                            : exec(db, "BEGIN EXCLUSIVE")
            && exec(db,
                    "INSERT OR REPLACE INTO entries (key, type, value) "
                    "VALUES ('lock.holder', 'bool', 1)");
    if (!locked) {
        sqlite3_close(db);
        return 3;
    }
    std::printf("locked\n");
    std::fflush(stdout);

    waitForRelease(seconds);

    const bool rolledBack = exec(db, "ROLLBACK");
    sqlite3_close(db);
    std::printf("released\n");
    std::fflush(stdout);
    return rolledBack ? 0 : 4;
}
