#include "people/PeopleBook.h"

#include "people/BookLayout.h"

#include "base/CompanionModules.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <tuple>
#include <type_traits>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

// SQLite, loaded when a book is first opened (base/CompanionModules.h): the
// program and the tool start without it, as most runs never open the book,
// and spare its megabyte of memory and its share of the start-up. Each call
// is the library's own, resolved once by its name.
struct SqliteLibrary {
    decltype(&::sqlite3_bind_double) bind_double = nullptr;
    decltype(&::sqlite3_bind_int64) bind_int64 = nullptr;
    decltype(&::sqlite3_bind_text) bind_text = nullptr;
    decltype(&::sqlite3_busy_timeout) busy_timeout = nullptr;
    decltype(&::sqlite3_changes) changes = nullptr;
    decltype(&::sqlite3_clear_bindings) clear_bindings = nullptr;
    decltype(&::sqlite3_close_v2) close_v2 = nullptr;
    decltype(&::sqlite3_column_bytes) column_bytes = nullptr;
    decltype(&::sqlite3_column_double) column_double = nullptr;
    decltype(&::sqlite3_column_int) column_int = nullptr;
    decltype(&::sqlite3_column_int64) column_int64 = nullptr;
    decltype(&::sqlite3_column_text) column_text = nullptr;
    decltype(&::sqlite3_errmsg) errmsg = nullptr;
    decltype(&::sqlite3_errstr) errstr = nullptr;
    decltype(&::sqlite3_exec) exec = nullptr;
    decltype(&::sqlite3_extended_result_codes) extended_result_codes = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
    decltype(&::sqlite3_last_insert_rowid) last_insert_rowid = nullptr;
    decltype(&::sqlite3_open_v2) open_v2 = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&::sqlite3_reset) reset = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_system_errno) system_errno = nullptr;
    std::string problem;  // why it could not be loaded, "" when it was

    SqliteLibrary()
    {
        void* library = LoadSharedLibrary("libsqlite3.so.0", problem);
        if (!library)
            return;
        const auto Resolve = [&](auto& function, const char* symbol) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(FindSharedSymbol(library, symbol, problem));
            return function != nullptr;
        };
        static_cast<void>(Resolve(bind_double, "sqlite3_bind_double") &&
               Resolve(bind_int64, "sqlite3_bind_int64") &&
               Resolve(bind_text, "sqlite3_bind_text") &&
               Resolve(busy_timeout, "sqlite3_busy_timeout") &&
               Resolve(changes, "sqlite3_changes") &&
               Resolve(clear_bindings, "sqlite3_clear_bindings") &&
               Resolve(close_v2, "sqlite3_close_v2") &&
               Resolve(column_bytes, "sqlite3_column_bytes") &&
               Resolve(column_double, "sqlite3_column_double") &&
               Resolve(column_int, "sqlite3_column_int") &&
               Resolve(column_int64, "sqlite3_column_int64") &&
               Resolve(column_text, "sqlite3_column_text") &&
               Resolve(errmsg, "sqlite3_errmsg") &&
               Resolve(errstr, "sqlite3_errstr") &&
               Resolve(exec, "sqlite3_exec") &&
               Resolve(extended_result_codes, "sqlite3_extended_result_codes") &&
               Resolve(finalize, "sqlite3_finalize") &&
               Resolve(last_insert_rowid, "sqlite3_last_insert_rowid") &&
               Resolve(open_v2, "sqlite3_open_v2") &&
               Resolve(prepare_v2, "sqlite3_prepare_v2") &&
               Resolve(reset, "sqlite3_reset") &&
               Resolve(step, "sqlite3_step") &&
               Resolve(system_errno, "sqlite3_system_errno"));
    }
};

const SqliteLibrary& Sqlite()
{
    static const SqliteLibrary library;
    return library;
}

constexpr const char* Columns =
    "id, name, birth_date, birth_time, latitude, longitude, zone_minutes, dst, place_name, place_state, "
    "place_country, zone_name, note, created, changed";

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the folder and the folders on its way that are missing, each 0700
// (the XDG rules' mode for the folders they make). The program's own data
// folder ("qamarel"), when it is this user's, is made 0700 if it was more
// open; any other folder a caller names is left as it is. 0 or errno.
int MakePrivateFolder(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return errno;
    if (!S_ISDIR(info.st_mode))
        return ENOTDIR;
    const bool own = folder.size() >= 8 && folder.compare(folder.size() - 8, 8, "/qamarel") == 0;
    if (own && info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
        ::chmod(folder.c_str(), 0700);
    return 0;
}

// The book and its -wal and -shm files, when they are this user's, no more
// open than 0600 (a book copied in with another mode).
void MakeFilesPrivate(const std::string& path)
{
    for (const char* ending : {"", "-wal", "-shm"}) {
        const std::string file = path + ending;
        struct stat info {};
        if (::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            (info.st_mode & 077) != 0)
            ::chmod(file.c_str(), info.st_mode & 0600);
    }
}

// The status of a system error on a file.
BookStatus StatusOfErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return BookStatus::NoAccess;
    case ENOSPC:
    case EDQUOT: return BookStatus::Full;
    default: return BookStatus::Failed;
    }
}

// "2026-12-08-153012": the local date and time, in a file name (no colons).
std::string DatedStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

// Renames without ever replacing a file there: 0 or errno.
int RenameKeepingAll(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without RENAME_NOREPLACE: a second name, then the first
    // one dropped; link() fails rather than replace.
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    return ::unlink(from.c_str()) == 0 ? 0 : errno;
}

// SetAside — the damaged book (and its -wal and -shm files) renamed beside
// itself as "people-damaged-2026-12-08-153012.sqlite" (a number added when
// the name is taken). Returns the new name, or "" with `error` set.
std::string SetAside(const std::string& path, int& error)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string file = path.substr(folder.size());
    const std::size_t dot = file.find_last_of('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? file : file.substr(0, dot);
    const std::string ending = stem.size() == file.size() ? "" : file.substr(dot);
    const std::string dated = folder + stem + "-damaged-" + DatedStamp();
    for (int n = 1; n <= 100; ++n) {
        const std::string aside = dated + (n == 1 ? "" : "-" + std::to_string(n)) + ending;
        error = RenameKeepingAll(path, aside);
        if (error == EEXIST)
            continue;
        if (error != 0)
            return {};
        for (const char* part : {"-wal", "-shm"})
            if (::access((path + part).c_str(), F_OK) == 0)
                RenameKeepingAll(path + part, aside + part);
        return aside;
    }
    return {};
}

// A prepared statement, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { code_ = Sqlite().prepare_v2(db, sql, -1, &statement_, nullptr); }
    ~Statement() { Sqlite().finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int code() const { return code_; }
    sqlite3_stmt* get() const { return statement_; }
    void Bind(int index, const std::string& text)
    {
        Sqlite().bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void Bind(int index, std::int64_t value) { Sqlite().bind_int64(statement_, index, value); }
    void Bind(int index, double value) { Sqlite().bind_double(statement_, index, value); }
    std::string Text(int column) const
    {
        const unsigned char* text = Sqlite().column_text(statement_, column);
        return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(Sqlite().column_bytes(statement_, column)))
                    : std::string();
    }
    // Steps once; SQLITE_ROW, SQLITE_DONE or the error.
    int Step()
    {
        if (code_ != SQLITE_OK)
            return code_;
        const int code = Sqlite().step(statement_);
        if (code != SQLITE_ROW && code != SQLITE_DONE)
            code_ = code;
        return code;
    }
    void Reset()
    {
        Sqlite().reset(statement_);
        Sqlite().clear_bindings(statement_);
    }

private:
    sqlite3_stmt* statement_ = nullptr;
    int code_ = SQLITE_OK;
};

// One change, whole or not at all: BEGIN IMMEDIATE takes the write lock at
// once (waiting the busy timeout), so the change never meets another
// half-way; not committed, it is rolled back.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : db_(db) { code_ = Sqlite().exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr); }
    ~Transaction()
    {
        if (code_ == SQLITE_OK && !committed_)
            Sqlite().exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    int code() const { return code_; }
    int Commit()
    {
        const int code = Sqlite().exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        committed_ = code == SQLITE_OK;
        return code;
    }

private:
    sqlite3* db_;
    int code_;
    bool committed_ = false;
};

std::string TwoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string DateText(const Person& p)
{
    return std::to_string(p.year) + "-" + TwoDigits(p.month) + "-" + TwoDigits(p.day);
}

std::string TimeText(const Person& p)
{
    return TwoDigits(p.hour) + ":" + TwoDigits(p.minute);
}

// The fields of an entry into the statement's parameters 1..13 (all but
// the id and the created time).
void BindPerson(Statement& s, const Person& p)
{
    s.Bind(1, p.name);
    s.Bind(2, DateText(p));
    s.Bind(3, TimeText(p));
    s.Bind(4, p.latitude);
    s.Bind(5, p.longitude);
    s.Bind(6, static_cast<std::int64_t>(p.zoneMinutes));
    s.Bind(7, static_cast<std::int64_t>(p.dst ? 1 : 0));
    s.Bind(8, p.placeName);
    s.Bind(9, p.state);
    s.Bind(10, p.country);
    s.Bind(11, p.zoneName);
    s.Bind(12, p.note);
    s.Bind(13, p.changed);
}

Person PersonOfRow(const Statement& s)
{
    sqlite3_stmt* row = s.get();
    Person p;
    p.id = Sqlite().column_int64(row, 0);
    p.name = s.Text(1);
    std::sscanf(s.Text(2).c_str(), "%d-%d-%d", &p.year, &p.month, &p.day);
    std::sscanf(s.Text(3).c_str(), "%d:%d", &p.hour, &p.minute);
    p.latitude = Sqlite().column_double(row, 4);
    p.longitude = Sqlite().column_double(row, 5);
    p.zoneMinutes = Sqlite().column_int(row, 6);
    p.dst = Sqlite().column_int(row, 7) != 0;
    p.placeName = s.Text(8);
    p.state = s.Text(9);
    p.country = s.Text(10);
    p.zoneName = s.Text(11);
    p.note = s.Text(12);
    p.created = Sqlite().column_int64(row, 13);
    p.changed = Sqlite().column_int64(row, 14);
    return p;
}

constexpr const char* InsertSql =
    "INSERT INTO people (name, birth_date, birth_time, latitude, longitude, zone_minutes, dst, place_name, "
    "place_state, place_country, zone_name, note, changed, created) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
    "?10, ?11, ?12, ?13, ?13)";

}  // namespace

PeopleBook::~PeopleBook()
{
    Close();
}

void PeopleBook::Close()
{
    if (db_)
        Sqlite().close_v2(db_);
    db_ = nullptr;
    readOnly_ = false;
}

void PeopleBook::SetBusyTimeout(int milliseconds)
{
    busyMilliseconds_ = milliseconds;
    if (db_)
        Sqlite().busy_timeout(db_, milliseconds);
}

BookResult PeopleBook::Problem(int code, const std::string& doing) const
{
    BookResult result;
    const int system = db_ ? Sqlite().system_errno(db_) : 0;
    std::string reason = db_ ? Sqlite().errmsg(db_) : Sqlite().errstr(code);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        result.status = BookStatus::Locked;
        reason = "another program is using it; try again";
        break;
    case SQLITE_FULL: result.status = BookStatus::Full; reason = std::strerror(ENOSPC); break;
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH: result.status = BookStatus::NoAccess; break;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: result.status = BookStatus::Damaged; break;
    case SQLITE_IOERR:
        result.status = StatusOfErrno(system);
        // SQLite does not always keep the system's reason of a failed write:
        // a disk with no room left says it.
        if (system == 0) {
            struct statvfs disk {};
            if (::statvfs(FolderOf(path_).c_str(), &disk) == 0 && disk.f_bavail == 0) {
                result.status = BookStatus::Full;
                reason = std::strerror(ENOSPC);
            }
        }
        break;
    default: result.status = BookStatus::Failed; break;
    }
    // The system's reason where the file itself failed (not a stale one).
    if (system != 0 && ((code & 0xff) == SQLITE_IOERR || (code & 0xff) == SQLITE_CANTOPEN))
        reason = std::strerror(system);
    result.message = "the people book " + path_ + " " + doing + ": " + reason;
    return result;
}

BookResult PeopleBook::Open(const std::string& path, IfDamaged ifDamaged)
{
    Close();
    path_ = path;
    if (path.empty())
        return {BookStatus::Failed, "the people book has no place: neither XDG_DATA_HOME nor HOME names a folder"};
    if (!Sqlite().problem.empty())
        return {BookStatus::Failed, "the people book " + path + " cannot be used: " + Sqlite().problem};
    const std::string folder = FolderOf(path);
    if (const int error = MakePrivateFolder(folder); error != 0)
        return {StatusOfErrno(error), "the folder " + folder + " of the people book cannot be made: " + std::strerror(error)};
    BookResult opened = OpenFile(true);
    if (opened.status != BookStatus::Damaged || ifDamaged == IfDamaged::Report)
        return opened;

    Close();
    int error = 0;
    const std::string aside = SetAside(path, error);
    if (aside.empty())
        return {StatusOfErrno(error), opened.message + "; it could not be set aside: " + std::strerror(error)};
    BookResult fresh = OpenFile(true);
    if (fresh.ok())
        fresh.message = opened.message + "; it was kept as " + aside + " and a new book started";
    return fresh;
}

BookResult PeopleBook::OpenFile(bool create)
{
    // A new book is made here, 0600 whatever the umask; SQLite gives its
    // -wal and -shm files the book's mode.
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) {
        if (errno != ENOENT || !create)
            return {StatusOfErrno(errno), "the people book " + path_ + " cannot be opened: " + std::strerror(errno)};
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return {StatusOfErrno(errno), "the people book " + path_ + " cannot be made: " + std::strerror(errno)};
        if (fd >= 0)
            ::close(fd);
    } else if (!S_ISREG(info.st_mode)) {
        return {BookStatus::Failed, "the people book " + path_ + " is not a regular file"};
    }
    MakeFilesPrivate(path_);

    int code = Sqlite().open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (code != SQLITE_OK) {
        BookResult problem = Problem(code, "cannot be opened");
        Close();
        return problem;
    }
    Sqlite().extended_result_codes(db_, 1);
    Sqlite().busy_timeout(db_, busyMilliseconds_);
    auto fail = [&](int failed, const std::string& doing) {
        BookResult problem = Problem(failed, doing);
        if (problem.status == BookStatus::Damaged)
            problem.message = "the people book " + path_ + " is damaged (" + Sqlite().errmsg(db_) + ")";
        Close();
        return problem;
    };
    if ((code = Sqlite().exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr)) != SQLITE_OK)
        return fail(code, "cannot be opened");

    {
        Statement check(db_, "PRAGMA integrity_check");
        if (const int step = check.Step(); step != SQLITE_ROW)
            return fail(step == SQLITE_DONE ? SQLITE_ERROR : step, "cannot be checked");
        if (const std::string first = check.Text(0); first != "ok") {
            Close();
            return {BookStatus::Damaged, "the people book " + path_ + " is damaged (" + first + ")"};
        }
    }
    auto version = [&](int& value) {
        Statement read(db_, "PRAGMA user_version");
        const int step = read.Step();
        value = step == SQLITE_ROW ? Sqlite().column_int(read.get(), 0) : 0;
        return step == SQLITE_ROW ? SQLITE_OK : step;
    };
    int current = 0;
    if ((code = version(current)) != SQLITE_OK)
        return fail(code, "cannot be read");
    if (current > LayoutVersion) {
        Sqlite().exec(db_, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
        readOnly_ = true;
        return {BookStatus::NewerVersion, "the people book " + path_ + " was written by a newer version of Qamarel (book version " +
                                              std::to_string(current) + "; this version knows up to " +
                                              std::to_string(LayoutVersion) + "): it is opened read-only"};
    }
    // Each step in a transaction of its own; the version is read again
    // inside it, as another copy of the program may have taken the step.
    for (const LayoutStep& step : LayoutSteps()) {
        if (step.version <= current)
            continue;
        Transaction change(db_);
        if (change.code() != SQLITE_OK)
            return fail(change.code(), "cannot be brought up to date");
        if ((code = version(current)) != SQLITE_OK)
            return fail(code, "cannot be read");
        if (step.version <= current)
            continue;
        const std::string statements = std::string(step.statements) + ";PRAGMA user_version=" + std::to_string(step.version);
        if ((code = Sqlite().exec(db_, statements.c_str(), nullptr, nullptr, nullptr)) != SQLITE_OK ||
            (code = change.Commit()) != SQLITE_OK)
            return fail(code, "cannot be brought up to date");
        current = step.version;
    }
    MakeFilesPrivate(path_);
    return {};
}

std::vector<Person> PeopleBook::List(BookResult& result) const
{
    std::vector<Person> people;
    result = {};
    if (!db_) {
        result = {BookStatus::Failed, "the people book is not open"};
        return people;
    }
    Statement s(db_, (std::string("SELECT ") + Columns + " FROM people ORDER BY name, birth_date, birth_time, id").c_str());
    int step;
    while ((step = s.Step()) == SQLITE_ROW)
        people.push_back(PersonOfRow(s));
    if (step != SQLITE_DONE) {
        result = Problem(step, "cannot be read");
        people.clear();
    }
    return people;
}

BookResult PeopleBook::Changeable() const
{
    if (!db_)
        return {BookStatus::Failed, "the people book is not open"};
    if (readOnly_)
        return {BookStatus::NewerVersion, "the people book " + path_ + " was written by a newer version of Qamarel: it is read-only"};
    return {};
}

BookResult PeopleBook::Add(Person& person)
{
    // Added even when the same birth is there: the caller asked for it.
    if (BookResult closed = Changeable(); !closed.ok())
        return closed;
    Transaction change(db_);
    if (change.code() != SQLITE_OK)
        return Problem(change.code(), "cannot be changed");
    Statement insert(db_, InsertSql);
    Person added = person;
    added.created = added.changed = std::time(nullptr);
    BindPerson(insert, added);
    if (const int step = insert.Step(); step != SQLITE_DONE)
        return Problem(step, "cannot be changed");
    added.id = Sqlite().last_insert_rowid(db_);
    if (const int code = change.Commit(); code != SQLITE_OK)
        return Problem(code, "cannot be changed");
    person = added;
    return {};
}

BookResult PeopleBook::Update(Person& person)
{
    return Write(person, nullptr);
}

BookResult PeopleBook::Update(Person& person, const Person& asRead)
{
    return Write(person, &asRead);
}

BookResult PeopleBook::Write(Person& person, const Person* asRead)
{
    if (BookResult closed = Changeable(); !closed.ok())
        return closed;
    Transaction change(db_);
    if (change.code() != SQLITE_OK)
        return Problem(change.code(), "cannot be changed");
    Person merged = person;
    if (asRead) {
        // The entry as the book holds it now, read in this transaction: no
        // other copy writes between this read and the write below.
        Statement read(db_, (std::string("SELECT ") + Columns + " FROM people WHERE id=?1").c_str());
        read.Bind(1, person.id);
        const int step = read.Step();
        if (step == SQLITE_DONE)
            return {BookStatus::NotFound, "the people book " + path_ + " no longer holds " + person.name};
        if (step != SQLITE_ROW)
            return Problem(step, "cannot be changed");
        merged = PersonOfRow(read);
        if (person.name != asRead->name)
            merged.name = person.name;
        const auto birth = [](auto& p) {
            return std::tie(p.year, p.month, p.day, p.hour, p.minute, p.latitude, p.longitude, p.zoneMinutes, p.dst,
                            p.placeName, p.state, p.country, p.zoneName);
        };
        if (birth(person) != birth(*asRead))
            birth(merged) = birth(person);
        if (person.note != asRead->note)
            merged.note = person.note;
    }
    Statement update(db_, "UPDATE people SET name=?1, birth_date=?2, birth_time=?3, latitude=?4, longitude=?5, "
                          "zone_minutes=?6, dst=?7, place_name=?8, place_state=?9, place_country=?10, zone_name=?11, "
                          "note=?12, changed=?13 WHERE id=?14");
    Person changed = merged;
    changed.changed = std::time(nullptr);
    BindPerson(update, changed);
    update.Bind(14, changed.id);
    if (const int step = update.Step(); step != SQLITE_DONE)
        return Problem(step, "cannot be changed");
    if (Sqlite().changes(db_) == 0)
        return {BookStatus::NotFound, "the people book " + path_ + " no longer holds " + person.name};
    if (const int code = change.Commit(); code != SQLITE_OK)
        return Problem(code, "cannot be changed");
    person = changed;
    return {};
}

BookResult PeopleBook::Remove(const std::vector<std::int64_t>& ids)
{
    if (BookResult closed = Changeable(); !closed.ok())
        return closed;
    Transaction change(db_);
    if (change.code() != SQLITE_OK)
        return Problem(change.code(), "cannot be changed");
    int removed = 0;
    for (const std::int64_t id : ids) {
        Statement remove(db_, "DELETE FROM people WHERE id=?1");
        remove.Bind(1, id);
        if (const int step = remove.Step(); step != SQLITE_DONE)
            return Problem(step, "cannot be changed");
        removed += Sqlite().changes(db_);
    }
    if (removed == 0)
        return {BookStatus::NotFound, "the people book " + path_ + " no longer holds that entry"};
    if (const int code = change.Commit(); code != SQLITE_OK)
        return Problem(code, "cannot be changed");
    return {};
}

BookResult PeopleBook::AddAll(const std::vector<Person>& people, Added& counts)
{
    counts = {};
    if (BookResult closed = Changeable(); !closed.ok())
        return closed;
    Transaction change(db_);
    if (change.code() != SQLITE_OK)
        return Problem(change.code(), "cannot be changed");
    // The births already there, read inside the transaction: no other copy
    // can add one meanwhile.
    std::set<BirthKey> there;
    {
        Statement s(db_, (std::string("SELECT ") + Columns + " FROM people").c_str());
        int step;
        while ((step = s.Step()) == SQLITE_ROW)
            there.insert(KeyOfBirth(PersonOfRow(s)));
        if (step != SQLITE_DONE)
            return Problem(step, "cannot be read");
    }
    Statement insert(db_, InsertSql);
    const std::int64_t now = std::time(nullptr);
    Added done;
    for (const Person& person : people) {
        if (!there.insert(KeyOfBirth(person)).second) {
            ++done.alreadyThere;
            continue;
        }
        Person added = person;
        added.changed = now;
        insert.Reset();
        BindPerson(insert, added);
        if (const int step = insert.Step(); step != SQLITE_DONE)
            return Problem(step, "cannot be changed");
        ++done.added;
    }
    if (const int code = change.Commit(); code != SQLITE_OK)
        return Problem(code, "cannot be changed");
    counts = done;
    return {};
}

std::string DefaultBookPath()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    std::string folder;
    if (data && data[0] == '/') {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || home[0] != '/')
            return {};
        folder = std::string(home) + "/.local/share";
    }
    return folder + "/qamarel/people.sqlite";
}
