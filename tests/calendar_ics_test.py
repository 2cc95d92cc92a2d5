#!/usr/bin/env python3
"""qamarel-reading --calendar --ics read back by python3-icalendar: one event a
stay of the text output, DTSTART and DTEND in UTC at the same instants, the
summary and description of each mansion, each event with every property a
calendar program needs and no other (marked free, never busy), each
description a list without a blank or broken line, and UIDs that stay the
same from one run to the next (and differ between stays).
Usage: calendar_ics_test.py TOOL"""
import datetime
import re
import subprocess
import sys
import tempfile

import icalendar

tool = sys.argv[1]
faults = []
# Every event holds these, once each.
Properties = sorted(["UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY", "DESCRIPTION", "TRANSP"])
SimakDescription = ("Favours:\n- To save and protect sailors at sea\n- To improve friendship\n"
                    "- To promote love between man and woman\n- To heal the sick by drugs, medicines\n"
                    "- To destroy lust\n- To improve the luck of kings\nHinders:\n- Hinders journeys by land\n")


def check(condition, message):
    if not condition:
        faults.append(message)


def events(path):
    with open(path, "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    return [c for c in calendar.walk() if c.name == "VEVENT"]


with tempfile.TemporaryDirectory() as work:
    span = ["--calendar", "2026-03-20..2026-04-05", "--zone", "+11:00"]
    text = subprocess.run([tool] + span, check=True, capture_output=True, text=True).stdout.splitlines()
    check(text[0] == "Time zone: UTC+11", f"the zone line {text[0]!r}")
    text = text[1:]
    runs = []
    for run in ("a", "b"):
        path = f"{work}/{run}.ics"
        done = subprocess.run([tool] + span + ["--ics", path], capture_output=True, text=True)
        check(done.returncode == 0 and done.stdout == "", f"run {run}: status {done.returncode}, {done.stderr!r}")
        runs.append(events(path))
        raw = open(path, "rb").read()
        check(all(len(line) <= 75 for line in raw.split(b"\r\n")), "a line longer than 75 octets")
        check(b"\r\n" in raw, "lines do not end in CR LF")
    first, second = runs
    check(len(first) == len(text) and len(text) >= 16, f"{len(first)} events for {len(text)} stays")
    for event, line in zip(first, text):
        entered, left, _, mansion = line.split()[:4]
        start, end = event.decoded("DTSTART"), event.decoded("DTEND")
        check(start.tzinfo is not None and start.utcoffset() == datetime.timedelta(0), f"{start} is not in UTC")
        check(end.utcoffset() == datetime.timedelta(0), f"{end} is not in UTC")
        check(start == datetime.datetime.fromisoformat(entered), f"DTSTART {start} for {entered}")
        check(end == datetime.datetime.fromisoformat(left), f"DTEND {end} for {left}")
        summary = str(event.get("SUMMARY"))
        check(summary.startswith(f"Moon in mansion {mansion} \u2014 "), f"SUMMARY {summary!r}")
        # Two headings, each over one line an item: no empty, blank-edged or
        # broken line anywhere.
        description = str(event.get("DESCRIPTION"))
        check(re.fullmatch(r"Favours:\n(- [^\s\n][^\n]*[^\s\n]\n)+Hinders:\n(- [^\s\n][^\n]*[^\s\n]\n)+", description),
              f"mansion {mansion}: DESCRIPTION {description!r}")
        check(sorted(event.keys()) == Properties, f"mansion {mansion}: properties {sorted(event.keys())}")
        check(str(event.get("TRANSP")) == "TRANSPARENT", f"mansion {mansion}: TRANSP {event.get('TRANSP')!r}, not free")
    # Mansion 14, Al Simak, as the window's "Now" line names it, whole.
    simak = [e for e in first if str(e.get("SUMMARY")) == "Moon in mansion 14 \u2014 Al Simak (The Unarmed)"]
    check(len(simak) == 1 and str(simak[0].get("DESCRIPTION")) == SimakDescription,
          f"mansion 14's event: {[str(e.get('DESCRIPTION')) for e in simak]!r}")
    uids = [str(e.get("UID")) for e in first]
    check(uids == [str(e.get("UID")) for e in second], "UIDs differ between two runs")
    check(len(set(uids)) == len(uids), "two stays share a UID")
    # The calendar names itself and its zone for calendar programs: a place's
    # IANA zone; a fixed offset has no name there.
    with open(f"{work}/a.ics", "rb") as f:
        calendar = icalendar.Calendar.from_ical(f.read())
    check(str(calendar.get("X-WR-CALNAME")) == "Mansion Calendar \u2014 UTC+11", f"X-WR-CALNAME {calendar.get('X-WR-CALNAME')!r}")
    check(calendar.get("X-WR-TIMEZONE") is None, "X-WR-TIMEZONE for a fixed offset")
    # The same stay in another span and zone keeps its UID.
    path = f"{work}/c.ics"
    subprocess.run([tool, "--calendar", "2026-03", "--zone", "-4:00", "--ics", path], check=True)
    check(set(uids[:5]) <= {str(e.get("UID")) for e in events(path)}, "a stay's UID depends on the span or zone")

for fault in faults:
    print("FAIL", fault)
print("ok" if not faults else f"{len(faults)} faults")
sys.exit(1 if faults else 0)
