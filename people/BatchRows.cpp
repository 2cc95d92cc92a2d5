#include "people/BatchRows.h"

#include "base/Utf8Text.h"
#include "people/BirthArguments.h"

#include <utility>

namespace {

constexpr std::size_t BatchFieldCount = 7;
constexpr std::size_t BatchPlaceFieldCount = 4;
constexpr std::size_t PeopleFieldCount = 12;

}  // namespace

BatchRows::BatchRows(std::istream& in, std::string inputName, PlaceResolver places)
    : input_(std::move(inputName)), places_(std::move(places))
{
    reader_.emplace(in);
    std::size_t line = 0;
    const std::string limit = std::to_string(CsvReader::RecordLimit);
    switch (reader_->Next(fields_, line, /*stopAtLimit=*/true)) {
    case CsvReader::Status::Record: break;
    case CsvReader::Status::TooLong:
        error_ = input_ + ": the header line is longer than " + limit + " bytes; expected " + BatchHeader;
        return;
    case CsvReader::Status::InputError: error_ = input_ + " cannot be read: " + reader_->inputError(); return;
    case CsvReader::Status::Unclosed:
    case CsvReader::Status::End: error_ = input_ + ": no header line; expected " + BatchHeader; return;
    }
    // A header of one field with semicolons: the CSV of a spreadsheet whose
    // decimal mark is a comma (German, French); its rows are read the same way.
    if (fields_.size() == 1 && fields_[0].find(';') != std::string::npos) {
        std::vector<std::string> parts;
        for (std::size_t start = 0, end;; start = end + 1) {
            end = fields_[0].find(';', start);
            parts.push_back(fields_[0].substr(start, end - start));
            if (end == std::string::npos)
                break;
        }
        fields_ = std::move(parts);
        reader_->SetSeparator(';');
    }
    std::string header;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        header += (i ? "," : "") + fields_[i];
    if (header != BatchHeader && header != BatchPlaceHeader && header != PeopleHeader) {
        error_ = input_ + ": the header must be " + BatchHeader + " or " + BatchPlaceHeader;
        return;
    }
    fieldCount_ = header == BatchPlaceHeader ? BatchPlaceFieldCount : header == PeopleHeader ? PeopleFieldCount : BatchFieldCount;
}

BatchRow BatchRows::Next()
{
    BatchRow row;
    if (!ok())
        return row;
    auto problem = [&row](std::string error) {
        row.kind = BatchRow::Kind::Problem;
        row.error = std::move(error);
        return row;
    };
    for (;;) {
        const CsvReader::Status status = reader_->Next(fields_, row.line);
        switch (status) {
        case CsvReader::Status::End: return row;
        case CsvReader::Status::InputError:
            row.kind = BatchRow::Kind::InputError;
            row.error = input_ + " cannot be read: " + reader_->inputError();
            return row;
        case CsvReader::Status::TooLong:
            return problem("the row is longer than " + std::to_string(CsvReader::RecordLimit) + " bytes");
        case CsvReader::Status::Unclosed: {
            const std::size_t skipped = reader_->skippedLines();
            return problem(skipped == 0 ? std::string("a quoted field is not closed")
                                        : "a quoted field is not closed; the " + std::to_string(skipped) +
                                              " input lines after it were skipped");
        }
        case CsvReader::Status::Record: break;
        }
        if (fields_.size() == 1 && fields_[0].empty())
            continue;  // blank line
        break;
    }
    row.name = fields_[0];
    if (fields_.size() != fieldCount_)
        return problem("expected " + std::to_string(fieldCount_) + " fields, found " + std::to_string(fields_.size()));
    if (fieldCount_ == BatchPlaceFieldCount) {
        if (!places_)
            return problem("no place list to find the place in");
        row.birth = places_(fields_[3], fields_[1], fields_[2]);
        if (!row.birth.ok)
            return problem(row.birth.error);
        row.kind = BatchRow::Kind::Birth;
        return row;
    }
    if (fields_[6] != "0" && fields_[6] != "1")
        return problem("dst \"" + std::string(Utf8Prefix(fields_[6], 40)) + "\" must be 0 or 1");
    const BirthParse birth = ParseBirth({fields_[1], fields_[2], fields_[3], fields_[4], fields_[5], fields_[6] == "1"});
    if (!birth.ok)
        return problem(birth.error);
    row.birth.moment = MomentOfTypedBirth(birth.chart);
    if (fieldCount_ == PeopleFieldCount) {
        // The entry's place as the book kept it; the birth stays on the typed
        // offset, which the book keeps beside it.
        if (!fields_[7].empty())
            row.birth.moment.where.place = BirthPlace{fields_[7], {}, fields_[8], fields_[9], std::nullopt, std::nullopt, fields_[10]};
        row.note = fields_[11];
    }
    row.kind = BatchRow::Kind::Birth;
    return row;
}
