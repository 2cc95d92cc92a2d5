#pragma once

#include "people/Person.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;

// What a call on the book came to. Every value but Ok comes with a message
// of one line that names the book's file and says what happened, for the
// caller to show; an edit that failed changed nothing, and the caller keeps
// the entry to try again.
enum class BookStatus {
    Ok,
    NewerVersion,  // Open: written by a newer version; opened read-only, the edits refused
    Damaged,       // Open: not a database, or its integrity check fails; not opened
    NoAccess,      // the folder or the file cannot be written (or made): permissions, a read-only disk
    Full,          // the disk is full
    Locked,        // another program kept the book busy longer than the busy timeout
    NotFound,      // Update, Remove: no entry with that number
    Failed,        // any other failure, with the system's reason
};

struct BookResult {
    BookStatus status = BookStatus::Ok;
    std::string message;  // "" for Ok
    bool ok() const { return status == BookStatus::Ok; }
};

// PeopleBook — the people one reads for, kept in one SQLite file
// Notes: 1) The file and its -wal and -shm files are 0600, its folder 0700,
//           whatever the umask: another user reads nothing of it.
//        2) WAL journal; each change is one transaction, so a kill or a
//           power cut leaves the book as it was or with the whole change;
//           a writer waits for another up to the busy timeout.
//        3) The book's layout has a version (PRAGMA user_version): an older
//           book is brought up to date on opening, one transaction a step;
//           a newer one is opened read-only (NewerVersion).
//        4) A damaged book is never changed, deleted or written over: it is
//           set aside under a dated name, and a new book started, only when
//           the caller says the user agreed (IfDamaged::SetAsideAndStartAnew).
class PeopleBook {
public:
    static constexpr int LayoutVersion = 1;  // the version this program writes

    enum class IfDamaged { Report, SetAsideAndStartAnew };

    PeopleBook() = default;
    ~PeopleBook();
    PeopleBook(const PeopleBook&) = delete;
    PeopleBook& operator=(const PeopleBook&) = delete;

    // Open — opens the book at `path`, made (with its folder) when missing.
    // Returns Ok; NewerVersion (readable, not writable); Damaged (not opened;
    // with SetAsideAndStartAnew, the message names where it was set aside
    // and the new book is open, status Ok); NoAccess, Locked, Failed.
    BookResult Open(const std::string& path, IfDamaged ifDamaged = IfDamaged::Report);
    bool isOpen() const { return db_ != nullptr; }
    bool readOnly() const { return readOnly_; }
    const std::string& path() const { return path_; }

    // How long a change waits for another program's, milliseconds (5000 unless set).
    void SetBusyTimeout(int milliseconds);

    // Everyone, by name (then by birth).
    std::vector<Person> List(BookResult& result) const;

    // Add — a new entry; its id, created and changed are set when it is Ok.
    BookResult Add(Person& person);
    // Update — the entry of person.id, every field but created; changed is set.
    BookResult Update(Person& person);
    // Update — what the caller changed since it read the entry (`asRead`):
    // its name, its birth (date, time, place, coordinates, zone and summer
    // time, as one) and its note, each written only when it differs from
    // `asRead`; the rest stays as the book holds it now, so that another
    // copy's change made meanwhile is kept. `person` comes back as written.
    BookResult Update(Person& person, const Person& asRead);
    BookResult Remove(std::int64_t id) { return Remove(std::vector<std::int64_t>{id}); }
    // Remove — the entries numbered `ids`, in one transaction: all of them
    // or, on a failure, none; NotFound when the book held none of them (one
    // another copy removed meanwhile is gone either way).
    BookResult Remove(const std::vector<std::int64_t>& ids);

    // AddAll — each person not yet in the book (SameBirth) added, all in one
    // transaction: every one of them or, on a failure, none.
    struct Added {
        std::size_t added = 0;
        std::size_t alreadyThere = 0;
    };
    BookResult AddAll(const std::vector<Person>& people, Added& counts);

private:
    BookResult Write(Person& person, const Person* asRead);
    BookResult OpenFile(bool create);
    BookResult Problem(int code, const std::string& doing) const;
    // Ok when the book is open and may be changed; else why not.
    BookResult Changeable() const;
    void Close();

    sqlite3* db_ = nullptr;
    std::string path_;
    bool readOnly_ = false;
    int busyMilliseconds_ = 5000;
};

// DefaultBookPath — $XDG_DATA_HOME/qamarel/people.sqlite, where
// $XDG_DATA_HOME is ~/.local/share when unset, empty or relative (the XDG
// base directory rules); "" when neither it nor $HOME says where.
std::string DefaultBookPath();
