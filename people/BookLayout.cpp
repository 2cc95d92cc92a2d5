#include "people/BookLayout.h"

const std::vector<LayoutStep>& LayoutSteps()
{
    static const std::vector<LayoutStep> steps = {
        {1, R"(CREATE TABLE people (
                   id INTEGER PRIMARY KEY,
                   name TEXT NOT NULL,
                   birth_date TEXT NOT NULL,           -- local date, YYYY-MM-DD
                   birth_time TEXT NOT NULL,           -- local clock time, HH:MM
                   latitude REAL NOT NULL,             -- degrees, North positive
                   longitude REAL NOT NULL,            -- degrees, East positive
                   zone_minutes INTEGER NOT NULL,      -- offset without summer time, East positive
                   dst INTEGER NOT NULL DEFAULT 0,     -- 1: summer time, one hour more
                   place_name TEXT NOT NULL DEFAULT '',
                   place_state TEXT NOT NULL DEFAULT '',
                   place_country TEXT NOT NULL DEFAULT '',
                   zone_name TEXT NOT NULL DEFAULT '', -- IANA; '' for a typed zone
                   note TEXT NOT NULL DEFAULT '',
                   created INTEGER NOT NULL,           -- seconds since 1970 UTC
                   changed INTEGER NOT NULL);
               CREATE INDEX people_by_name ON people(name);)"},
    };
    return steps;
}
