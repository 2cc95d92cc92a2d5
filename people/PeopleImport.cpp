#include "people/PeopleImport.h"

#include <cerrno>
#include <cstring>
#include <fstream>

Person PersonOfBatchRow(const BatchRow& row)
{
    Person person = PersonOfBirth(row.birth.moment);
    person.name = row.name;
    person.note = row.note;
    return person;
}

std::vector<ImportRow> ReadPeopleFile(const std::string& path, const std::string& shown, const PlaceResolver& places)
{
    std::vector<ImportRow> rows;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        ImportRow unreadable;
        unreadable.problem = shown + " cannot be read: " + std::strerror(errno);
        rows.push_back(std::move(unreadable));
        return rows;
    }
    BatchRows batch(file, shown, places);
    if (!batch.ok()) {
        ImportRow refused;
        refused.problem = batch.error();
        rows.push_back(std::move(refused));
        return rows;
    }
    for (;;) {
        const BatchRow row = batch.Next();
        if (row.kind == BatchRow::Kind::End)
            break;
        ImportRow read;
        read.line = row.line;
        read.name = row.name;
        if (row.kind == BatchRow::Kind::Birth)
            read.person = PersonOfBatchRow(row);
        else
            read.problem = row.error;
        rows.push_back(std::move(read));
        if (row.kind == BatchRow::Kind::InputError)
            break;
    }
    return rows;
}
