#pragma once
// The site book's tables, as an ordered list of migrations: the n-th text
// takes a book from schema version n to n + 1. The texts are plain SQL that
// both the embedded book (SQLite) and a shared one (PostgreSQL) accept; the
// few words the two spell differently are written as {placeholders} and
// filled in by dialectSql, the one place that knows the difference.
#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace qarvo::sites {

enum class SqlDialect { Sqlite, Postgres };

// The migrations, oldest first; their count is the schema version this
// program writes.
std::span<const std::string_view> bookMigrations();
int knownSchemaVersion();

// One statement of a migration with its placeholders filled in for the
// database: {id}, an integer key the database numbers; {blob}, bytes;
// {stamp}, a time the database's own clock compares (the queue's leases);
// {tables}, the catalogue of tables; {begin}, a transaction that writes;
// {returning}, the new row's id as a result; {lock}, the book's migration lock.
QString dialectSql(std::string_view statement, SqlDialect dialect);

// A migration's statements, split at the semicolons that end them.
std::vector<std::string_view> statementsOf(std::string_view migration);

} // namespace qarvo::sites
