// The people book through its own interface: every field kept, the layout's
// versions, a damaged book, a locked one, a folder that cannot be written,
// the files' modes, and a kill in the middle of an import.

#include "people/PeopleBook.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Person Anna()
{
    Person p;
    p.name = "Anna \"Ana\" Łukasiewicz, Jr.";
    p.year = 1987, p.month = 3, p.day = 21, p.hour = 6, p.minute = 12;
    p.latitude = -33.8688, p.longitude = 151.2093;
    p.zoneMinutes = 600;
    p.dst = true;
    p.placeName = "Sydney", p.state = "New South Wales", p.country = "Australia";
    p.zoneName = "Australia/Sydney";
    p.note = "line one\nline two; 'quoted'";
    return p;
}

Person Typed(const std::string& name, int minute = 0)
{
    Person p;
    p.name = name;
    p.year = 1950, p.month = 12, p.day = 31, p.hour = 23, p.minute = minute;
    p.latitude = 40.7, p.longitude = -74.0;
    p.zoneMinutes = -300;
    return p;
}

unsigned Mode(const fs::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 01000;
}

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs SQL on the file with SQLite itself, outside the book.
void RunSql(const fs::path& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::size_t Count(PeopleBook& book)
{
    BookResult result;
    const std::size_t n = book.List(result).size();
    EXPECT_TRUE(result.ok()) << result.message;
    return n;
}

class PeopleBookTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "qamarel-people-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir_ = name;
        path_ = dir_ / "qamarel" / "people.sqlite";
    }
    void TearDown() override
    {
        ::chmod(dir_.c_str(), 0700);
        ::chmod((dir_ / "qamarel").c_str(), 0700);
        fs::remove_all(dir_);
    }
    fs::path dir_;
    fs::path path_;
};

TEST_F(PeopleBookTest, EveryFieldComesBackAsItWasGiven)
{
    PeopleBook book;
    ASSERT_TRUE(book.Open(path_).ok());
    Person anna = Anna();
    const std::int64_t before = std::time(nullptr);
    ASSERT_TRUE(book.Add(anna).ok());
    const std::int64_t after = std::time(nullptr);
    EXPECT_NE(anna.id, 0);
    EXPECT_GE(anna.created, before);
    EXPECT_LE(anna.created, after);

    // Read back by another opening of the file, as the next run would.
    auto check = [&](const Person& want) {
        PeopleBook again;
        ASSERT_TRUE(again.Open(path_).ok());
        BookResult result;
        const std::vector<Person> people = again.List(result);
        ASSERT_TRUE(result.ok()) << result.message;
        ASSERT_EQ(people.size(), 1u);
        const Person& got = people[0];
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(std::tie(got.year, got.month, got.day, got.hour, got.minute),
                  std::tie(want.year, want.month, want.day, want.hour, want.minute));
        EXPECT_EQ(got.latitude, want.latitude);
        EXPECT_EQ(got.longitude, want.longitude);
        EXPECT_EQ(got.zoneMinutes, want.zoneMinutes);
        EXPECT_EQ(got.dst, want.dst);
        EXPECT_EQ(std::tie(got.placeName, got.state, got.country, got.zoneName, got.note),
                  std::tie(want.placeName, want.state, want.country, want.zoneName, want.note));
        EXPECT_EQ(got.created, want.created);
        EXPECT_EQ(got.changed, want.changed);
    };
    check(anna);

    // Every field changed at once: a typed birth now, no place.
    Person edited = Typed("Omar", 59);
    edited.id = anna.id;
    edited.created = anna.created;
    edited.note = "";
    ASSERT_TRUE(book.Update(edited).ok());
    check(edited);

    ASSERT_TRUE(book.Remove(anna.id).ok());
    EXPECT_EQ(Count(book), 0u);
    EXPECT_EQ(book.Remove(anna.id).status, BookStatus::NotFound);
    EXPECT_EQ(book.Update(edited).status, BookStatus::NotFound);

    // Several at once: exactly those, one of them gone already or not.
    Person a = Typed("A", 1), b = Typed("B", 2), c = Typed("C", 3);
    for (Person* p : {&a, &b, &c})
        ASSERT_TRUE(book.Add(*p).ok());
    ASSERT_TRUE(book.Remove({a.id, c.id, anna.id}).ok());
    BookResult listed;
    const std::vector<Person> left = book.List(listed);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].name, "B");
    EXPECT_EQ(book.Remove({a.id, c.id}).status, BookStatus::NotFound);
}

// Another user reads nothing: the file, its -wal and -shm, and the folder,
// whatever the umask.
TEST_F(PeopleBookTest, NoOneElseCanReadTheBook)
{
    const mode_t old = ::umask(0);
    {
        PeopleBook book;
        const BookResult opened = book.Open(path_);
        ::umask(old);
        ASSERT_TRUE(opened.ok()) << opened.message;
        Person p = Typed("Anna");
        ASSERT_TRUE(book.Add(p).ok());
        EXPECT_EQ(Mode(path_), 0600u);
        EXPECT_EQ(Mode(path_.string() + "-wal"), 0600u);
        EXPECT_EQ(Mode(path_.string() + "-shm"), 0600u);
        EXPECT_EQ(Mode(path_.parent_path()), 0700u);
    }
    // A folder and a book left open to others (copied in, say) are closed up.
    ::chmod(path_.parent_path().c_str(), 0755);
    ::chmod(path_.c_str(), 0644);
    PeopleBook book;
    ASSERT_TRUE(book.Open(path_).ok());
    EXPECT_EQ(Mode(path_), 0600u);
    EXPECT_EQ(Mode(path_.parent_path()), 0700u);
    // Every folder made on the way to a book (a new data folder) is the user's alone.
    const std::filesystem::path deep = path_.parent_path() / "made" / "on" / "the-way" / "people.sqlite";
    {
        const mode_t before = ::umask(0);
        PeopleBook fresh;
        const BookResult opened = fresh.Open(deep.string());
        ::umask(before);
        ASSERT_TRUE(opened.ok()) << opened.message;
    }
    for (std::filesystem::path folder = deep.parent_path(); folder != path_.parent_path(); folder = folder.parent_path())
        EXPECT_EQ(Mode(folder), 0700u) << folder;
}

TEST_F(PeopleBookTest, BookPlaceFollowsTheDataFolder)
{
    struct Case {
        const char* data;  // XDG_DATA_HOME, nullptr for unset
        const char* home;
        const char* book;
    } cases[] = {
        {"/d", "/h", "/d/qamarel/people.sqlite"},
        {nullptr, "/h", "/h/.local/share/qamarel/people.sqlite"},
        {"", "/h", "/h/.local/share/qamarel/people.sqlite"},
        {"relative", "/h", "/h/.local/share/qamarel/people.sqlite"},
        {nullptr, nullptr, ""},
    };
    const std::string data = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    for (const Case& c : cases) {
        c.data ? ::setenv("XDG_DATA_HOME", c.data, 1) : ::unsetenv("XDG_DATA_HOME");
        c.home ? ::setenv("HOME", c.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(DefaultBookPath(), c.book) << (c.data ? c.data : "(unset)");
    }
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    ::setenv("HOME", home.c_str(), 1);
}

// Each older layout is brought up to date (version 0 is an empty file, or a
// database without the book's tables); a newer one is read, never written.
TEST_F(PeopleBookTest, OlderBooksAreBroughtUpToDateNewerOnesOpenReadOnly)
{
    fs::create_directories(path_.parent_path());
    std::ofstream(path_).close();  // empty: version 0
    {
        PeopleBook book;
        ASSERT_TRUE(book.Open(path_).ok());
        Person p = Typed("Anna");
        ASSERT_TRUE(book.Add(p).ok());
    }
    // The version a later program would write, with a column of its own.
    RunSql(path_, "ALTER TABLE people ADD COLUMN later TEXT; PRAGMA user_version=2;");
    const std::string before = Bytes(path_);
    PeopleBook book;
    const BookResult opened = book.Open(path_);
    EXPECT_EQ(opened.status, BookStatus::NewerVersion);
    EXPECT_NE(opened.message.find("newer version"), std::string::npos) << opened.message;
    EXPECT_NE(opened.message.find("read-only"), std::string::npos) << opened.message;
    EXPECT_TRUE(book.readOnly());
    EXPECT_EQ(Count(book), 1u);
    Person p = Typed("Omar");
    EXPECT_EQ(book.Add(p).status, BookStatus::NewerVersion);
    EXPECT_EQ(p.id, 0);
    PeopleBook::Added added;
    EXPECT_EQ(book.AddAll({p}, added).status, BookStatus::NewerVersion);
    EXPECT_EQ(Count(book), 1u);
    EXPECT_EQ(Bytes(path_), before);
}

// A damaged book is reported and left as it is; set aside under a dated
// name (never deleted or written over) only when the user agreed.
TEST_F(PeopleBookTest, DamagedBookIsKeptAsideOnlyWhenTheUserAgrees)
{
    struct Damage {
        const char* kind;
        void (*make)(const fs::path& path);
    } damages[] = {
        {"not a database", [](const fs::path& path) { std::ofstream(path) << "name,date,time\nAnna,1987-03-21,06:12\n"; }},
        {"a page overwritten", [](const fs::path& path) {
             {
                 PeopleBook book;
                 ASSERT_TRUE(book.Open(path).ok());
                 std::vector<Person> many;
                 for (int i = 0; i < 300; ++i)
                     many.push_back(Typed("person " + std::to_string(i), i % 60));
                 PeopleBook::Added added;
                 ASSERT_TRUE(book.AddAll(many, added).ok());
             }
             std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(4096 * 2);
             const std::string junk(4096, '\x5A');
             file.write(junk.data(), static_cast<std::streamsize>(junk.size()));
         }},
    };
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.kind);
        fs::remove_all(path_.parent_path());
        fs::create_directories(path_.parent_path());
        damage.make(path_);
        const std::string damaged = Bytes(path_);

        PeopleBook book;
        const BookResult reported = book.Open(path_);
        EXPECT_EQ(reported.status, BookStatus::Damaged);
        EXPECT_NE(reported.message.find(path_.string() + " is damaged"), std::string::npos) << reported.message;
        EXPECT_FALSE(book.isOpen());
        EXPECT_EQ(Bytes(path_), damaged);

        const BookResult fresh = book.Open(path_, PeopleBook::IfDamaged::SetAsideAndStartAnew);
        ASSERT_TRUE(fresh.ok()) << fresh.message;
        EXPECT_EQ(Count(book), 0u);
        std::vector<fs::path> aside;
        for (const auto& entry : fs::directory_iterator(path_.parent_path()))
            if (entry.path().filename().string().rfind("people-damaged-", 0) == 0 &&
                entry.path().extension() == ".sqlite")
                aside.push_back(entry.path());
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_NE(fresh.message.find(aside[0].string()), std::string::npos) << fresh.message;
        EXPECT_EQ(Bytes(aside[0]), damaged);
    }
}

TEST_F(PeopleBookTest, LockedBookKeepsTheEditForTheRetry)
{
    PeopleBook book;
    ASSERT_TRUE(book.Open(path_).ok());
    book.SetBusyTimeout(50);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path_.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    Person anna = Typed("Anna");
    const BookResult locked = book.Add(anna);
    EXPECT_EQ(locked.status, BookStatus::Locked);
    EXPECT_NE(locked.message.find("another program is using it"), std::string::npos) << locked.message;
    EXPECT_EQ(anna.id, 0);
    EXPECT_EQ(anna.name, "Anna");

    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(book.Add(anna).ok());
    EXPECT_EQ(Count(book), 1u);
}

// A write that fails (the disk full, or here a file-size limit: EFBIG, its
// signal ignored while it lasts) is said, changes nothing, and the same
// edit goes in once the disk has room.
TEST_F(PeopleBookTest, FailedWriteChangesNothingAndTheEditCanBeRetried)
{
    PeopleBook book;
    ASSERT_TRUE(book.Open(path_).ok());
    Person first = Typed("first");
    ASSERT_TRUE(book.Add(first).ok());
    std::vector<Person> many;
    for (int i = 0; i < 2000; ++i)
        many.push_back(Typed("person " + std::to_string(i), i % 60));

    rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(std::max(fs::file_size(path_), fs::file_size(path_.string() + "-wal")));
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    PeopleBook::Added added;
    const BookResult failed = book.AddAll(many, added);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(failed.status, BookStatus::Failed);
    EXPECT_NE(failed.message.find(path_.string()), std::string::npos) << failed.message;
    EXPECT_NE(failed.message.find(" cannot be changed: "), std::string::npos) << failed.message;
    EXPECT_EQ(added.added, 0u);
    EXPECT_EQ(Count(book), 1u);
    ASSERT_TRUE(book.AddAll(many, added).ok());
    EXPECT_EQ(added.added, 2000u);
    PeopleBook again;
    ASSERT_TRUE(again.Open(path_).ok());
    EXPECT_EQ(Count(again), 2001u);
}

// A folder this user cannot write: by its permissions, or for root (whom
// permissions do not stop) as another user, in a child process.
TEST_F(PeopleBookTest, UnwritableFolderIsSaidPlainly)
{
    fs::create_directories(path_.parent_path());
    ::chmod(dir_.c_str(), 0755);
    ::chmod(path_.parent_path().c_str(), 0555);
    const auto open = [&] {
        PeopleBook book;
        return book.Open(path_);
    };
    if (::geteuid() != 0) {
        const BookResult result = open();
        EXPECT_EQ(result.status, BookStatus::NoAccess);
        EXPECT_NE(result.message.find(path_.string()), std::string::npos) << result.message;
        EXPECT_NE(result.message.find("Permission denied"), std::string::npos) << result.message;
        return;
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
        const BookResult result = open();
        ::_exit(result.status == BookStatus::NoAccess && result.message.find("Permission denied") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 99)
        GTEST_SKIP() << "this system lets root become no other user";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// An import killed at random moments leaves the book as it was or with the
// whole import, never a part of it.
TEST_F(PeopleBookTest, KilledImportLeavesTheBookWholeOrUnchanged)
{
    constexpr int Batch = 400;
    const auto import = [&](int round) {
        const pid_t child = ::fork();
        if (child == 0) {
            PeopleBook book;
            if (!book.Open(path_).ok())
                ::_exit(1);
            std::vector<Person> people;
            for (int i = 0; i < Batch; ++i)
                people.push_back(Typed("round " + std::to_string(round) + " person " + std::to_string(i), i % 60));
            PeopleBook::Added added;
            ::_exit(book.AddAll(people, added).ok() ? 0 : 1);
        }
        return child;
    };
    // One import let run, for how long one takes here.
    const auto start = std::chrono::steady_clock::now();
    const pid_t first = import(0);
    ASSERT_GT(first, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(first, &status, 0), first);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<long> moment(0, whole.count() * 3 / 2);
    std::size_t expected = Batch;
    for (int round = 1; round <= 15; ++round) {
        const pid_t child = import(round);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        PeopleBook book;
        ASSERT_TRUE(book.Open(path_).ok());
        const std::size_t count = Count(book);
        EXPECT_TRUE(count == expected || count == expected + Batch) << "round " << round << ": " << count;
        expected = count;
    }
}

// Two copies of the program editing at once, each with its own handle on
// the book (the form's save and the window's note, or the tool's import
// while the window is open), and a third listing it all the while: every
// edit is kept, and no listing fails.
TEST_F(PeopleBookTest, TwoCopiesEditingAtOnceLoseNothing)
{
    PeopleBook first;
    ASSERT_TRUE(first.Open(path_).ok());
    Person anna = Anna();
    ASSERT_TRUE(first.Add(anna).ok());

    // Both read Anna; one changes her note, the other, from what it read
    // before, her birth and name: both changes are kept.
    PeopleBook second;
    ASSERT_TRUE(second.Open(path_).ok());
    BookResult read;
    const Person asFirstRead = first.List(read).at(0), asSecondRead = second.List(read).at(0);
    Person noted = asSecondRead;
    noted.note = "moved to Perth";
    ASSERT_TRUE(second.Update(noted, asSecondRead).ok());
    Person edited = asFirstRead;
    edited.name = "Anna Ł.";
    edited.hour = 7;
    ASSERT_TRUE(first.Update(edited, asFirstRead).ok());
    PeopleBook third;
    ASSERT_TRUE(third.Open(path_).ok());
    const Person now = third.List(read).at(0);
    EXPECT_EQ(now.name, "Anna Ł.");
    EXPECT_EQ(now.hour, 7);
    EXPECT_EQ(now.note, "moved to Perth");
    EXPECT_EQ(now.placeName, "Sydney");

    // Two processes adding and changing people one change at a time, and a
    // third listing the book: each change is in.
    constexpr int Each = 120;
    const auto copy = [&](const std::string& who) {
        const pid_t child = ::fork();
        if (child == 0) {
            PeopleBook book;
            if (!book.Open(path_).ok())
                ::_exit(2);
            for (int i = 0; i < Each; ++i) {
                Person p = Typed(who + " " + std::to_string(i), i % 60);
                if (!book.Add(p).ok())
                    ::_exit(3);
                const Person before = p;
                p.note = who;
                if (!book.Update(p, before).ok())
                    ::_exit(4);
            }
            ::_exit(0);
        }
        return child;
    };
    const pid_t lister = ::fork();
    if (lister == 0) {
        PeopleBook book;
        if (!book.Open(path_).ok())
            ::_exit(2);
        std::size_t seen = 0;
        while (seen < 2 * Each + 1) {
            BookResult listed;
            const std::size_t count = book.List(listed).size();
            if (!listed.ok() || count < seen)
                ::_exit(5);
            seen = count;
        }
        ::_exit(0);
    }
    const pid_t copies[] = {copy("program"), copy("tool"), lister};
    for (const pid_t child : copies) {
        ASSERT_GT(child, 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }
    std::map<std::string, int> notes;
    for (const Person& p : third.List(read))
        ++notes[p.note];
    EXPECT_EQ(notes["program"], Each);
    EXPECT_EQ(notes["tool"], Each);
}

}  // namespace
