#!/usr/bin/env python3
"""Reads orvanta-orbit's calendar as a calendar program would, with the
standard library only: CRLF lines of at most 75 octets, unfolded, nested
components, required properties, UTC times, one UID per pass, and the same
UIDs for the same passes in an export made later."""

import datetime
import subprocess
import sys


def export(orbit, elements, start):
    result = subprocess.run(
        [orbit, "passes", "--elements", elements, "--lat", "48.85", "--lon", "2.35", "--alt", "35",
         "--start", start, "--days", "2", "--format", "ics"],
        check=True, capture_output=True)
    return result.stdout


def parse(data):
    text = data.decode("utf-8")
    assert text.endswith("\r\n"), "the last line ends with CRLF"
    raw = text[:-2].split("\r\n")
    lines = []
    for line in raw:
        assert "\n" not in line and "\r" not in line, "bare line end in %r" % line
        assert len(line.encode("utf-8")) <= 75, "line longer than 75 octets: %r" % line
        if line.startswith(" "):
            lines[-1] += line[1:]
        else:
            lines.append(line)
    stack, events, event = [], [], None
    for line in lines:
        name, _, value = line.partition(":")
        assert name and _, "not a content line: %r" % line
        if name == "BEGIN":
            stack.append(value)
            if value == "VEVENT":
                event = {}
        elif name == "END":
            assert stack and stack.pop() == value, "END:%s without its BEGIN" % value
            if value == "VEVENT":
                events.append(event)
                event = None
        elif event is not None:
            assert name not in event, "%s twice in one event" % name
            event[name] = value
    assert not stack, "components left open: %s" % stack
    assert lines[0] == "BEGIN:VCALENDAR" and "VERSION:2.0" in lines
    return events


def utc(value):
    return datetime.datetime.strptime(value, "%Y%m%dT%H%M%SZ").replace(tzinfo=datetime.timezone.utc)


def main():
    orbit, elements = sys.argv[1], sys.argv[2]
    first = parse(export(orbit, elements, "2026-06-27T00:00:00Z"))
    later = parse(export(orbit, elements, "2026-06-27T12:00:00Z"))
    assert len(first) > 20, "too few passes: %d" % len(first)
    for event in first + later:
        for required in ("UID", "DTSTAMP", "DTSTART", "DTEND", "SUMMARY"):
            assert required in event, "%s missing in %s" % (required, event)
        assert utc(event["DTSTART"]) < utc(event["DTEND"]), event
        utc(event["DTSTAMP"])
    uids = [e["UID"] for e in first]
    assert len(uids) == len(set(uids)), "a UID given twice"
    # The passes of the second day are in both exports, under the same UIDs.
    second_day = {e["UID"]: e["DTSTART"] for e in first if e["DTSTART"] >= "20260628T000000Z"}
    again = {e["UID"]: e["DTSTART"] for e in later}
    assert second_day and all(again.get(uid) == start for uid, start in second_day.items()), "UIDs not stable"
    print("%d events read, %d found again under the same UID" % (len(first), len(second_day)))


if __name__ == "__main__":
    main()
